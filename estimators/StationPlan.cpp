#include "estimators/StationPlan.h"

#include "common/IntervalTables.h"
#include "estimators/PlanItems.h"
#include "setup/SetupApply.h"
#include "setup/SetupModel.h"

#include <algorithm>
#include <tuple>

namespace {

constexpr int DefaultEventsNumber = 1;
constexpr int DefaultBackupPercent = 30;

constexpr int ConductivityNameRow = 8;
const char *const ConductivityRowName = "TDS";

// A stored channel is sent by a transmission with an interval other than 0
// whose channel list names it.
bool Sends(const TransRec &transmission, const std::string &nr)
{
    return transmission.Interval != 0 && ChannelListHas(transmission.ChannelList, nr);
}

template <typename Item, std::size_t N>
bool SameItems(const OneBasedArray<Item, N> &a, const OneBasedArray<Item, N> &b)
{
    return std::equal(a.begin(), a.end(), b.begin());
}

} // namespace

bool StationPlan::Row::operator==(const Row &other) const
{
    return std::tie(name, id, samplingSeconds, storageSeconds, inTX1, inTX2) ==
           std::tie(other.name, other.id, other.samplingSeconds, other.storageSeconds, other.inTX1,
                    other.inTX2);
}

bool StationPlan::Transmission::operator==(const Transmission &other) const
{
    return std::tie(on, intervalSeconds, format, server, compression, compressionLevel,
                    stationEvents, measurementEvents, eventsNumber, secondaryMode, secondaryServer,
                    backupPercent) ==
           std::tie(other.on, other.intervalSeconds, other.format, other.server, other.compression,
                    other.compressionLevel, other.stationEvents, other.measurementEvents,
                    other.eventsNumber, other.secondaryMode, other.secondaryServer,
                    other.backupPercent);
}

bool StationPlan::operator==(const StationPlan &other) const
{
    return SameItems(rows, other.rows) && conductivity == other.conductivity &&
           observer == other.observer && network == other.network &&
           SameItems(transmissions, other.transmissions) && stationId == other.stationId &&
           targets == other.targets;
}

StationPlan DefaultPlan()
{
    StationPlan plan;
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        StationPlan::Row &row = plan.rows[i];
        row.samplingSeconds = DefaultIntervalSeconds[static_cast<std::size_t>(i - 1)];
        row.storageSeconds = row.samplingSeconds;
        row.inTX1 = true;
        row.inTX2 = true;
    }
    plan.observer = StationPlan::Observer::OnceAMonth;
    plan.network = StationPlan::Network::FourGTwoG;
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        StationPlan::Transmission &tx = plan.transmissions[t];
        tx.on = t == 1;
        tx.intervalSeconds = DefaultTxIntervalSeconds;
        tx.format = t == 1 ? StationPlan::Format::VeskMl : StationPlan::Format::VeskQdx;
        tx.server = StationPlan::Server::Http;
        tx.compression = true;
        tx.stationEvents = true;
        tx.measurementEvents = true;
        tx.eventsNumber = DefaultEventsNumber;
        tx.secondaryMode = StationPlan::SecondaryMode::None;
        tx.secondaryServer = StationPlan::Server::Http;
        tx.backupPercent = DefaultBackupPercent;
    }
    return plan;
}

BatteryInputs BatteryInputsOf(const StationPlan &plan)
{
    BatteryInputs inputs;
    for (int i = 1; i <= EstimatorRowCount; ++i)
        inputs.samplingIndex[i] = SamplingItem(plan.rows[i].samplingSeconds);
    inputs.conductivity = plan.conductivity;
    inputs.radioNetwork = ItemOf(plan.network);
    inputs.observer = ItemOf(plan.observer);
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const StationPlan::Transmission &tx = plan.transmissions[t];
        inputs.transmissions[t] = {tx.on,
                                   TransmissionItem(tx.intervalSeconds),
                                   ItemOf(tx.server),
                                   ItemOf(tx.secondaryMode),
                                   ItemOf(tx.secondaryServer),
                                   tx.backupPercent};
    }
    return inputs;
}

VolumeInputs VolumeInputsOf(const StationPlan &plan)
{
    VolumeInputs inputs;
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        const StationPlan::Row &row = plan.rows[i];
        inputs.rows[i] = {row.inTX1, row.inTX2, SamplingItem(row.storageSeconds)};
    }
    inputs.conductivity = plan.conductivity;
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const StationPlan::Transmission &planned = plan.transmissions[t];
        TransmissionInputs &tx = inputs.transmissions[t];
        tx.on = planned.on;
        tx.intervalIndex = TransmissionItem(planned.intervalSeconds);
        tx.format = ItemOf(planned.format);
        tx.primaryServerType = ItemOf(planned.server);
        tx.compression = planned.compression;
        tx.compressionLevel = planned.compressionLevel;
        tx.stationEvents = planned.stationEvents;
        tx.channelEvents = planned.measurementEvents;
        tx.eventsNumber = planned.eventsNumber;
        tx.secondaryMode = ItemOf(planned.secondaryMode);
        tx.secondaryServerType = ItemOf(planned.secondaryServer);
        tx.backupPercent = planned.backupPercent;
    }
    return inputs;
}

BatteryShares EstimateBattery(const StationPlan &plan)
{
    return EstimateBatteryShares(BatteryInputsOf(plan));
}

VolumeResult EstimateVolume(const StationPlan &plan)
{
    return EstimateVolume(VolumeInputsOf(plan));
}

StationPlan PlanFromSetup(const SetupModel &model, const StationPlan &base)
{
    SetupModel setup = model;
    CorrectSetup(setup);
    StationPlan plan = base;
    plan.stationId = setup.StationID;
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        const ChannelRec &channel = setup.Channels[i];
        StationPlan::Row &row = plan.rows[i];
        row.name = channel.Name;
        row.id = channel.Nr;
        if (channel.MInterval > 0)
            row.samplingSeconds = IntervalAt(IntervalIndexOf(channel.MInterval));
        // Applying clears every row's transmission switches first.
        row.inTX1 = false;
        row.inTX2 = false;
        if (!channel.Store)
            continue;
        row.storageSeconds = IntervalAt(IntervalIndexOf(channel.AvgInterval));
        row.inTX1 = Sends(setup.Transmissions[1], channel.Nr);
        row.inTX2 = Sends(setup.Transmissions[2], channel.Nr);
    }
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const TransRec &record = setup.Transmissions[t];
        StationPlan::Transmission &tx = plan.transmissions[t];
        tx.on = record.Interval > 0;
        if (record.Interval > 0)
            tx.intervalSeconds = TransmissionIntervalAt(VTXIntervalIndexOf(record.Interval));
        tx.server = ChoiceAt<StationPlan::Server>(record.Server1Type, ServerTypeCount);
        tx.format =
            ChoiceAt<StationPlan::Format>(DataFormatItem(record.DataFormat), DataFormatCount);
        tx.compression = record.Compression;
        tx.secondaryMode =
            ChoiceAt<StationPlan::SecondaryMode>(SecondaryModeItem(record), SecondaryModeCount);
        tx.secondaryServer = ChoiceAt<StationPlan::Server>(record.Server2Type, ServerTypeCount);
    }
    return plan;
}

std::string ImportedRowLabel(int row, const std::string &name)
{
    return "M" + std::to_string(row) + "  " + name;
}

bool NamesConductivity(const SetupModel &model)
{
    const std::string label =
        ImportedRowLabel(ConductivityNameRow, model.Channels[ConductivityNameRow].Name);
    return label.find(ConductivityRowName) != std::string::npos;
}

void ChooseConductivity(StationPlan &plan, bool on)
{
    if (on && !plan.conductivity) {
        for (int i = FirstConductivityRow; i <= EstimatorRowCount; ++i)
            plan.rows[i].name.reset();
    }
    plan.conductivity = on;
}
