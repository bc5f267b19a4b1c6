#pragma once

#include "setup/SetupFileFormat.h"
#include "tests/setup/SetupFileBuilder.h"

#include <string>
#include <vector>

// The setup file of a made-up but realistic station: make_sample_setup
// writes it as it stands, to try the import with and for screenshots; tests
// and benchmarks vary it.
namespace SampleStation {

// The logger's server type codes.
inline constexpr std::int32_t FtpServer = 1;
inline constexpr std::int32_t HttpsServer = 3;

// Its data format codes.
inline constexpr std::int32_t VeskMLFormat = 5;
inline constexpr std::int32_t CsvFormat = 6;

inline constexpr std::int32_t Backup = 0;
inline constexpr std::int32_t NoServer = 0;

inline constexpr std::int32_t QuarterHour = 900;
inline constexpr std::int32_t Hour = 3600;
inline constexpr std::int32_t Day = 86400;
inline constexpr std::int32_t WeeklyOnMonday = 604801;

// Parameters the tool passes over, as a logger's file holds many of them.
inline constexpr std::uint32_t OtherParameter = 0x200;

struct Channel
{
    std::string nr;
    std::string name;
    std::int32_t sampling;
    std::int32_t storage;
    bool inTX2; // every channel goes with TX1
};

struct Station
{
    std::string stationId = "0000004711";
    std::vector<Channel> channels = {
        {"0001", "Level", QuarterHour, Hour, true},
        {"0002", "Water Temp", QuarterHour, Hour, true},
        {"UBAT", "Battery", Day, Day, false},
        {"PBAT", "Consumption", Day, Day, false},
        {"RSSI", "Signal", Day, Day, false},
        {"0006", "Spec. Conductivity", Hour, Hour, true},
        {"0007", "Salinity", Hour, Hour, true},
        {"0008", "TDS", Hour, Hour, true},
    };
    // Hourly to the primary HTTPS server, the second one as its backup.
    std::int32_t tx1Interval = Hour;
    std::int32_t tx1Format = VeskMLFormat;
    // A weekly backup of the measurements to the FTP server, on Monday night.
    std::int32_t tx2Interval = WeeklyOnMonday;
    std::int32_t tx2Format = CsvFormat;
    bool tx2Compression = true;
};

inline void AddChannels(SetupFileBuilder &file, const Station &station)
{
    using namespace SetupFile;
    using B = SetupFileBuilder;
    std::int32_t instance = 0;
    for (const Channel &channel : station.channels) {
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

inline void AddTransmissions(SetupFileBuilder &file, const Station &station)
{
    using namespace SetupFile;
    using B = SetupFileBuilder;
    std::string tx1List;
    std::string tx2List;
    for (const Channel &channel : station.channels) {
        tx1List += channel.nr;
        if (channel.inTX2)
            tx2List += channel.nr;
    }
    file.Add(ParamServerInstance, 1, ElemServerType, B::Int(HttpsServer))
        .Add(ParamServerInstance, 2, ElemServerType, B::Int(FtpServer))
        .Add(ParamServerInstance, 3, ElemServerType, B::Int(HttpsServer));

    file.Add(ParamTransmission, 1, ElemTxInterval, B::Int(station.tx1Interval))
        .Add(ParamTransmission, 1, ElemTxOffset, B::Int(0))
        .Add(ParamTransmission, 1, ElemTxAlarms, B::IntArray({QuarterHour, QuarterHour, Hour}))
        .Add(ParamTransmission, 1, ElemTxDataFormat, B::Int(station.tx1Format))
        .Add(ParamTransmission, 1, ElemTxServers, B::IntArray({1, 3}))
        .Add(ParamTransmission, 1, ElemTxServer2Mode, B::Int(Backup))
        .Add(ParamTransmission, 1, ElemTxChannelList, B::Text(tx1List))
        .Add(ParamTransmission, 1, ElemTxCompression, B::Int(0));

    file.Add(ParamTransmission, 2, ElemTxInterval, B::Int(station.tx2Interval))
        .Add(ParamTransmission, 2, ElemTxOffset, B::Int(2 * Hour))
        .Add(ParamTransmission, 2, ElemTxAlarms, B::IntArray({Day, Day, Day}))
        .Add(ParamTransmission, 2, ElemTxDataFormat, B::Int(station.tx2Format))
        .Add(ParamTransmission, 2, ElemTxServers, B::IntArray({2, NoServer}))
        .Add(ParamTransmission, 2, ElemTxServer2Mode, B::Int(Backup))
        .Add(ParamTransmission, 2, ElemTxChannelList, B::Text(tx2List))
        .Add(ParamTransmission, 2, ElemTxCompression, B::Int(station.tx2Compression ? 1 : 0));
}

inline SetupFileBuilder::Bytes Build(const Station &station = {})
{
    using namespace SetupFile;
    SetupFileBuilder file;
    file.Add(ParamStationID, 1, ElemStationID, SetupFileBuilder::Text(station.stationId));
    AddTransmissions(file, station);
    AddChannels(file, station);
    return file.Build();
}

} // namespace SampleStation
