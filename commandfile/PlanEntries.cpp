#include "commandfile/PlanEntries.h"

#include "commandfile/ListText.h"
#include "common/IntervalTables.h"
#include "common/TableLookup.h"
#include "common/Text.h"
#include "setup/SetupModel.h"

#include <algorithm>
#include <variant>

namespace {

// An entry the plan can give, before it is known whether it fits.
struct Candidate
{
    PlanSource source;
    PanelInput panel;
};

int SamplingItemOf(const std::optional<std::int32_t> &seconds)
{
    return seconds ? IndexOf(IntervalSeconds, *seconds) : NoItem;
}

std::optional<LeftOutReason> ReasonOf(const PanelInput &panel)
{
    const std::optional<PanelField> missing = MissingSelection(panel);
    if (!missing)
        return std::nullopt;
    switch (*missing) {
    case PanelField::SamplingInterval:
        return LeftOutReason::NoSampling;
    case PanelField::AveragingInterval:
        return LeftOutReason::NoStorage;
    default:
        return LeftOutReason::NoInterval;
    }
}

// The item of the command list for a transmission of the plan, or why
// there is none.
struct IntervalChoice
{
    int item = NoItem;
    LeftOutReason reason = LeftOutReason::NoInterval;
};

// "weekly" takes the known weekday: the logger runs weekly on one day only.
IntervalChoice CommandIntervalItem(const StationPlan::Transmission &tx,
                                   const std::optional<int> &weekdayItem)
{
    if (!tx.intervalSeconds)
        return {};
    if (*tx.intervalSeconds == SecondsPerWeek) {
        if (weekdayItem && *weekdayItem >= CmdTxFirstWeekday && *weekdayItem <= CmdTxLastWeekday)
            return {*weekdayItem};
        return {NoItem, LeftOutReason::WeeklyWithoutDay};
    }
    const int item = IndexOf(CmdTxIntervalSeconds, static_cast<double>(*tx.intervalSeconds));
    // A weekday code is never a plan's own interval.
    if (!InRange(item, CmdTxDailyCount))
        return {};
    return {item};
}

} // namespace

PlanEntries EntriesFromPlan(const StationPlan &plan, const PlanEntryContext &context,
                            const RandomSource &random)
{
    PlanEntries result;
    std::vector<Candidate> candidates;
    const int rows = CountedRows(plan.conductivity);
    for (int i = 1; i <= rows; ++i) {
        const StationPlan::Row &row = plan.rows[i];
        PlanSource source{PlanSource::Kind::Measurement, i, Latin1ToUtf8(Trimmed(row.id))};
        if (source.id.empty()) {
            result.leftOut.push_back({source, LeftOutReason::UnknownId});
            continue;
        }
        const SamplingInput input{SamplingItemOf(row.samplingSeconds), true,
                                  SamplingItemOf(row.storageSeconds)};
        if (const auto reason = ReasonOf(input))
            result.leftOut.push_back({source, *reason});
        else
            candidates.push_back({source, input});
    }
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const StationPlan::Transmission &tx = plan.transmissions[t];
        if (!tx.on)
            continue;
        const PlanSource source{PlanSource::Kind::Transmission, t, {}};
        const IntervalChoice choice = CommandIntervalItem(tx, context.weekdayItems[t]);
        if (choice.item == NoItem) {
            result.leftOut.push_back({source, choice.reason});
            continue;
        }
        TransmissionInput input;
        input.index = t;
        input.intervalItem = choice.item;
        candidates.push_back({source, input});
    }

    const int room = std::max(0, MaxListEntries - context.entriesInList);
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const Candidate &candidate = candidates[i];
        if (static_cast<int>(i) >= room) {
            result.leftOut.push_back({candidate.source, LeftOutReason::BeyondLimit});
            continue;
        }
        const EntryContext entryContext{context.stationId, candidate.source.id, '.',
                                        context.upperCase};
        result.entries.push_back(
            {candidate.source, candidate.panel, BuildEntry(candidate.panel, entryContext, random)});
        if (const auto *sampling = std::get_if<SamplingInput>(&candidate.panel))
            result.samplingPanel = SamplingPanel{candidate.source.id, *sampling};
        else
            result.transmissionPanel = std::get<TransmissionInput>(candidate.panel);
    }
    // Left out for the limit last, yet named in the order of the plan.
    std::stable_sort(result.leftOut.begin(), result.leftOut.end(),
                     [](const PlanLeftOut &a, const PlanLeftOut &b) {
                         return std::pair(a.source.kind, a.source.number) <
                                std::pair(b.source.kind, b.source.number);
                     });
    return result;
}

OneBasedArray<std::optional<int>, EstimatorTransmissionCount>
WeekdayItemsOf(const SetupModel &setup)
{
    OneBasedArray<std::optional<int>, EstimatorTransmissionCount> items;
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const int item = TxIntervalIndexOf(setup.Transmissions[t].Interval);
        if (item >= CmdTxFirstWeekday)
            items[t] = item;
    }
    return items;
}
