#pragma once

#include "commandfile/AckId.h"
#include "commandfile/ListText.h"
#include "commandfile/Normalizers.h"
#include "common/ListItems.h"

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// What each panel of the command editor holds, as plain values. Drop-downs
// are given by item position; NoItem is a drop-down without a chosen item.

inline constexpr int AlarmIntervalCount = 3;

// "Upload new configuration": the file name as typed.
struct ConfigurationInput
{
    std::string file;
};

// "Upload new firmware": the file name as typed.
struct FirmwareInput
{
    std::string file;
};

// "Change Sampling and Averaging interval": items of IntervalSeconds.
struct SamplingInput
{
    int samplingItem = NoItem;
    bool averaging = false;
    int averagingItem = NoItem;
};

// "Change Scaling": the two fields as typed.
struct ScalingInput
{
    std::string factor;
    std::string offset;
};

// "Change Limit": direction item 0 ">=", 1 "<=".
struct LimitInput
{
    int index = 1;
    int directionItem = 0;
    std::string value;
};

// "Change Gradient": direction item 0 rising, 1 falling, 2 both.
struct GradientInput
{
    int index = 1;
    int directionItem = 0;
    std::string value;
};

// "Change Transmission interval": the interval is an item of
// CmdTxIntervalSeconds, each alarm one of its daily items.
struct TransmissionInput
{
    int index = 1;
    int intervalItem = NoItem;
    bool offsetTicked = false;
    int offsetMilliseconds = 0; // time of day of the time field
    std::array<bool, AlarmIntervalCount> alarmTicked{};
    std::array<int, AlarmIntervalCount> alarmItems{NoItem, NoItem, NoItem};
};

// "Retrieve Configuration and/or Diagnostics".
struct ConfigDiagnosticsInput
{
    bool configuration = true;
    bool diagnostics = true;
};

// A date and time of the query window; seconds are not part of it.
struct QueryDateTime
{
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
};

// One item of the measurement tick list.
struct ListedMeasurement
{
    std::string id;
    bool ticked = false;
};

// "Retrieve Data and Events".
struct QueryInput
{
    QueryDateTime start;
    QueryDateTime end;
    std::string format; // text of the chosen format item
    std::vector<ListedMeasurement> measurements;
    bool stationEvents = false;
    bool measurementEvents = false;
};

using PanelInput =
    std::variant<ConfigurationInput, FirmwareInput, SamplingInput, ScalingInput, LimitInput,
                 GradientInput, TransmissionInput, ConfigDiagnosticsInput, QueryInput>;

// The fields beside the panels that every add reads.
struct EntryContext
{
    std::string stationId;       // text of the station ID field
    std::string measurementId;   // text of the measurement drop-down
    char decimalSeparator = '.'; // the user's, for reading number fields
    UpperCase upperCase = AsciiUpperCase;
};

EntryKind KindOf(const PanelInput &panel);

// The drop-downs whose chosen item an entry may need.
enum class PanelField
{
    SamplingInterval,
    AveragingInterval,
    TransmissionInterval,
    AlarmInterval1,
    AlarmInterval2,
    AlarmInterval3,
};

// The first drop-down the entry needs that has no chosen item (or an item
// outside its table); nothing when the panel can be added.
std::optional<PanelField> MissingSelection(const PanelInput &panel);

// The entry text, every line ending with CR LF; each element with an ackId
// draws a new one, in the order of the text. Throws std::invalid_argument
// when MissingSelection names a drop-down.
std::string BuildEntry(const PanelInput &panel, const EntryContext &context,
                       const RandomSource &random);

// The <QueryValues /> and <QueryChannel> lines for the tick list.
std::string QueryChannelLines(const std::vector<ListedMeasurement> &measurements);

// True when the trimmed file name holds a space, which the page warns about.
bool FileNameHasSpace(const std::string &file);
