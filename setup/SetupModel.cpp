#include "setup/SetupModel.h"

#include "common/TimeUnits.h"

#include <array>

namespace {

constexpr int DefaultChannelCount = 6;
const std::array<const char *, DefaultChannelCount> DefaultChannelNr = {"0001", "0002", "UBAT",
                                                                        "PBAT", "RSSI", "0006"};
const char *const DefaultStationID = "0000000001";
// UBAT, PBAT and RSSI are measured once a day.
constexpr std::array<int, 3> DailyInternalChannels = {3, 4, 5};
// Server types are unknown until a setup file names them.
constexpr std::int32_t UnknownServerType = -1;

} // namespace

void ResetSetupDefaults(SetupModel &model)
{
    for (ChannelRec &channel : model.Channels) {
        channel.Nr.clear();
        channel.Name.clear();
        channel.Active = false;
        channel.Store = false;
        channel.MInterval = SecondsPerDay;
        channel.AvgInterval = SecondsPerDay;
        channel.SkalFactor = 1.0f;
        channel.SkalOffset = 0.0f;
        for (LimitRec &slot : channel.Limits)
            slot = LimitRec{};
    }
    for (int i = 1; i <= DefaultChannelCount; ++i) {
        model.Channels[i].Active = true;
        model.Channels[i].Store = true;
        model.Channels[i].MInterval = SecondsPerHour;
    }
    model.StationID = DefaultStationID;
    for (int i = 1; i <= DefaultChannelCount; ++i)
        model.Channels[i].Nr = DefaultChannelNr[static_cast<std::size_t>(i - 1)];
    for (int i : DailyInternalChannels)
        model.Channels[i].MInterval = SecondsPerDay;
}

void ResetSetupForRead(SetupModel &model)
{
    // Offset too starts from 0, so that no earlier station's offset survives
    // a file that does not name one.
    for (TransRec &trans : model.Transmissions) {
        trans = TransRec{};
        trans.AlarmInt1 = SecondsPerDay;
        trans.AlarmInt2 = SecondsPerDay;
        trans.AlarmInt3 = SecondsPerDay;
        trans.Server1Type = UnknownServerType;
        trans.Server2Type = UnknownServerType;
    }
    for (std::int32_t &type : model.ServerInstTypes)
        type = UnknownServerType;
    for (ChannelRec &channel : model.Channels) {
        channel = ChannelRec{};
        channel.SkalFactor = 1.0f;
    }
}
