// Writes the setup file of a made-up but realistic station to the path given
// as the only argument, to try the import with and for screenshots.

#include "setup/SetupFileFormat.h"
#include "tests/setup/SetupFileBuilder.h"

#include <array>
#include <cstdio>
#include <fstream>

using namespace SetupFile;
using B = SetupFileBuilder;

namespace {

// The logger's server type codes.
constexpr std::int32_t FtpServer = 1;
constexpr std::int32_t HttpsServer = 3;

// Its data format codes.
constexpr std::int32_t VeskMLFormat = 5;
constexpr std::int32_t CsvFormat = 6;

constexpr std::int32_t Backup = 0;
constexpr std::int32_t NoServer = 0;

constexpr std::int32_t QuarterHour = 900;
constexpr std::int32_t Hour = 3600;
constexpr std::int32_t Day = 86400;
constexpr std::int32_t WeeklyOnMonday = 604801;

struct SampleChannel
{
    const char *nr;
    const char *name;
    std::int32_t sampling;
    std::int32_t storage;
};

const std::array<SampleChannel, 8> Channels = {{
    {"0001", "Level", QuarterHour, Hour},
    {"0002", "Water Temp", QuarterHour, Hour},
    {"UBAT", "Battery", Day, Day},
    {"PBAT", "Consumption", Day, Day},
    {"RSSI", "Signal", Day, Day},
    {"0006", "Spec. Conductivity", Hour, Hour},
    {"0007", "Salinity", Hour, Hour},
    {"0008", "TDS", Hour, Hour},
}};

// Parameters the tool passes over, as a logger's file holds many of them.
constexpr std::uint32_t OtherParameter = 0x200;

void AddChannels(B &file)
{
    std::int32_t instance = 0;
    for (const SampleChannel &channel : Channels) {
        ++instance;
        // Names are stored in fixed fields padded with zero bytes.
        std::string name(channel.name);
        name.resize(20, '\0');
        file.Add(ParamChannel, instance, ElemChannelNr, B::Text(channel.nr))
            .Add(ParamChannel, instance, ElemChannelName, B::Text(name))
            .Add(ParamSampling, instance, ElemSamplingInterval, B::Int(channel.sampling))
            .Add(ParamStorage, instance, 1, B::Int(1))
            .Add(ParamStorageInterval, instance, ElemStorageInterval, B::Int(channel.storage));
        if (instance == 1) {
            // Level in metres from a sensor in millimetres, with two alarm
            // limits and a rising gradient.
            file.Add(ParamScaling, instance, ElemSkalFactor, B::Real(0.001f))
                .Add(ParamScaling, instance, ElemSkalOffset, B::Real(-0.25f))
                .Add(ParamLimit, instance, ElemLimitValue, B::Real(2.5f))
                .Add(ParamLimit, instance, ElemLimitDir, B::Int(0))
                .Add(ParamLimit, instance, ElemGradValue, B::Real(0.2f))
                .Add(ParamLimit, instance, ElemGradDir, B::Int(0))
                .Add(ParamLimit, instance, ElemLimitValue, B::Real(0.3f))
                .Add(ParamLimit, instance, ElemLimitDir, B::Int(1));
        }
        file.Add(OtherParameter, instance, 2, B::Int(0));
    }
}

void AddTransmissions(B &file)
{
    file.Add(ParamServerInstance, 1, ElemServerType, B::Int(HttpsServer))
        .Add(ParamServerInstance, 2, ElemServerType, B::Int(FtpServer))
        .Add(ParamServerInstance, 3, ElemServerType, B::Int(HttpsServer));

    // Hourly to the primary HTTPS server, the second one as its backup.
    file.Add(ParamTransmission, 1, ElemTxInterval, B::Int(Hour))
        .Add(ParamTransmission, 1, ElemTxOffset, B::Int(0))
        .Add(ParamTransmission, 1, ElemTxAlarms, B::IntArray({QuarterHour, QuarterHour, Hour}))
        .Add(ParamTransmission, 1, ElemTxDataFormat, B::Int(VeskMLFormat))
        .Add(ParamTransmission, 1, ElemTxServers, B::IntArray({1, 3}))
        .Add(ParamTransmission, 1, ElemTxServer2Mode, B::Int(Backup))
        .Add(ParamTransmission, 1, ElemTxChannelList, B::Text("00010002UBATPBATRSSI000600070008"))
        .Add(ParamTransmission, 1, ElemTxCompression, B::Int(0));

    // A weekly backup of the measurements to the FTP server, on Monday night.
    file.Add(ParamTransmission, 2, ElemTxInterval, B::Int(WeeklyOnMonday))
        .Add(ParamTransmission, 2, ElemTxOffset, B::Int(2 * Hour))
        .Add(ParamTransmission, 2, ElemTxAlarms, B::IntArray({Day, Day, Day}))
        .Add(ParamTransmission, 2, ElemTxDataFormat, B::Int(CsvFormat))
        .Add(ParamTransmission, 2, ElemTxServers, B::IntArray({2, NoServer}))
        .Add(ParamTransmission, 2, ElemTxServer2Mode, B::Int(Backup))
        .Add(ParamTransmission, 2, ElemTxChannelList, B::Text("00010002000600070008"))
        .Add(ParamTransmission, 2, ElemTxCompression, B::Int(1));
}

B::Bytes SampleSetup()
{
    B file;
    file.Add(ParamStationID, 1, ElemStationID, B::Text("0000004711"));
    AddTransmissions(file);
    AddChannels(file);
    return file.Build();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    const B::Bytes bytes = SampleSetup();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
