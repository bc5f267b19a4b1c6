#pragma once

#include "commandfile/AckId.h"
#include "commandfile/EntryBuilder.h"
#include "common/OneBasedArray.h"
#include "estimators/StationPlan.h"

#include <optional>
#include <string>
#include <vector>

struct SetupModel;

// The entries that bring a logger to the estimator page's plan: one
// "Change Sampling and Averaging interval" per measurement of the plan whose
// ID is known, one "Change Transmission interval" per transmission that is on.
// Each is built as its panel would build it, so the list cannot tell them
// apart from entries added by hand.

// What an entry of the plan stems from.
struct PlanSource
{
    enum class Kind
    {
        Measurement,
        Transmission,
    };
    Kind kind = Kind::Measurement;
    int number = 1; // row M1 to M8, or transmission 1 or 2
    std::string id; // a measurement's ID, UTF-8; empty when unknown
};

// Why a measurement or transmission of the plan gives no entry.
enum class LeftOutReason
{
    UnknownId,        // no measurement ID is known for the row
    NoSampling,       // the row's sampling drop-down has no chosen item
    NoStorage,        // the row's storage drop-down has no chosen item
    NoInterval,       // the transmission's interval is none the command list holds
    WeeklyWithoutDay, // "weekly": the command needs a weekday, and none is known
    BeyondLimit,      // the command list holds its most entries
};

struct PlanLeftOut
{
    PlanSource source;
    LeftOutReason reason = LeftOutReason::UnknownId;
};

struct PlanEntry
{
    PlanSource source;
    PanelInput panel; // a SamplingInput or a TransmissionInput
    std::string text; // lines ending with CR LF, ready for InsertEntry
};

// The sampling panel as it shows an entry: the measurement drop-down's text
// and the panel's own controls.
struct SamplingPanel
{
    std::string measurementId;
    SamplingInput input;
};

struct PlanEntries
{
    // Every one fits into the list; add them all, in this order.
    std::vector<PlanEntry> entries;
    // In the order of the plan: rows M1 to M8, then TX1 and TX2.
    std::vector<PlanLeftOut> leftOut;
    // The values of the last entry of each panel, for the panels to show
    // afterwards. The transmission's check boxes are unticked: the plan has
    // no offset and no alarm intervals.
    std::optional<SamplingPanel> samplingPanel;
    std::optional<TransmissionInput> transmissionPanel;
};

struct PlanEntryContext
{
    std::string stationId; // text of the station ID field
    UpperCase upperCase = AsciiUpperCase;
    int entriesInList = 0; // the counter of the command list
    // Per transmission, the item of CmdTxIntervalSeconds (a weekday) that the
    // plan's "weekly" stands for; none: the plan alone cannot say.
    OneBasedArray<std::optional<int>, EstimatorTransmissionCount> weekdayItems;
};

// Rows M6 to M8 count only in the conductivity variant, as the page shows
// them only then. Draws ackIds only for the entries it returns.
PlanEntries EntriesFromPlan(const StationPlan &plan, const PlanEntryContext &context,
                            const RandomSource &random);

// The weekday that each weekly transmission of the setup names, as the
// transmission panel shows it; none for a transmission that is not weekly.
OneBasedArray<std::optional<int>, EstimatorTransmissionCount>
WeekdayItemsOf(const SetupModel &setup);
