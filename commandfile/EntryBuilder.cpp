#include "commandfile/EntryBuilder.h"

#include "common/IdLengths.h"
#include "common/IntervalTables.h"
#include "common/NumberFormat.h"
#include "common/TableLookup.h"
#include "common/Text.h"
#include "common/TimeUnits.h"

#include <cstdio>
#include <stdexcept>

namespace {

constexpr int OuterIndent = 1;
constexpr int ElementIndent = 2;
constexpr int InnerIndent = 3;

constexpr int NumberFieldLength = 10;
constexpr float DefaultFactor = 1;
constexpr float DefaultNumber = 0;

// The alarm drop-downs hold the daily items "00:01:00" to "24:00:00" only.
constexpr int AlarmIntervalItems = CmdTxDailyCount;
constexpr double MillisecondsPerSecond = 1000;

constexpr std::array<const char *, 2> LimitDirNames = {"upper", "lower"};
constexpr std::array<const char *, 3> GradDirNames = {"rising", "falling", "both"};

constexpr std::array<PanelField, AlarmIntervalCount> AlarmFields = {
    PanelField::AlarmInterval1, PanelField::AlarmInterval2, PanelField::AlarmInterval3};
constexpr std::array<const char *, AlarmIntervalCount> AlarmAttributeNames = {
    "alarmInterval1", "alarmInterval2", "alarmInterval3"};

template <class... Handlers> struct Overloaded : Handlers...
{
    using Handlers::operator()...;
};
template <class... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

std::string Attribute(const std::string &name, const std::string &value)
{
    return " " + name + "=\"" + value + "\"";
}

std::string SecondsText(double seconds)
{
    return std::to_string(static_cast<long long>(seconds));
}

// A name from a direction table; items outside it take the first name.
template <std::size_t N>
const char *DirectionName(const std::array<const char *, N> &names, int item)
{
    return InTable(names, item) ? names[static_cast<std::size_t>(item)] : names[0];
}

std::string QueryTime(const QueryDateTime &time)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:00", time.year, time.month, time.day,
                  time.hour, time.minute);
    return text;
}

// Whole seconds of a time of day; a time that rounds up to midnight is midnight.
long long TimeOfDaySeconds(int milliseconds)
{
    return SecondOfDay(static_cast<std::int64_t>(Round(milliseconds / MillisecondsPerSecond)));
}

class EntryWriter
{
public:
    EntryWriter(const EntryContext &context, const RandomSource &random)
        : context_(context), random_(random)
    {}

    std::string operator()(const ConfigurationInput &panel) const
    {
        return FileCommand("UpdateConfiguration", "configurationFile", panel.file);
    }

    std::string operator()(const FirmwareInput &panel) const
    {
        return FileCommand("UpdateFirmware", "firmwareFile", panel.file);
    }

    std::string operator()(const SamplingInput &panel) const
    {
        std::string logging =
            "<Logging" + Attribute("ackId", NewAckId(random_)) +
            Attribute("samplingInterval", SecondsText(IntervalSeconds.at(panel.samplingItem)));
        if (panel.averaging)
            logging +=
                Attribute("storageInterval", SecondsText(IntervalSeconds.at(panel.averagingItem)));
        return ChannelCommands(logging + " />");
    }

    std::string operator()(const ScalingInput &panel) const
    {
        return ChannelCommands("<Scaling" + Attribute("ackId", NewAckId(random_)) +
                               Attribute("factor", Number(panel.factor, DefaultFactor)) +
                               Attribute("offset", Number(panel.offset, DefaultNumber)) + " />");
    }

    std::string operator()(const LimitInput &panel) const
    {
        return SlotCommand("Limit", panel.index, DirectionName(LimitDirNames, panel.directionItem),
                           panel.value);
    }

    std::string operator()(const GradientInput &panel) const
    {
        return SlotCommand("Gradient", panel.index,
                           DirectionName(GradDirNames, panel.directionItem), panel.value);
    }

    std::string operator()(const TransmissionInput &panel) const
    {
        const std::string opening = "<SetIPDataTransmission" +
                                    Attribute("ackId", NewAckId(random_)) +
                                    Attribute("index", std::to_string(panel.index)) + ">";
        std::string timing =
            "<Timing" +
            Attribute("interval", SecondsText(CmdTxIntervalSeconds.at(panel.intervalItem)));
        if (panel.offsetTicked)
            timing +=
                Attribute("offset", std::to_string(TimeOfDaySeconds(panel.offsetMilliseconds)));
        for (std::size_t i = 0; i < AlarmIntervalCount; ++i)
            if (panel.alarmTicked[i])
                timing += Attribute(AlarmAttributeNames[i],
                                    SecondsText(CmdTxIntervalSeconds.at(panel.alarmItems[i])));
        return StationCommands(ListLine(ElementIndent, opening) +
                               ListLine(InnerIndent, timing + " />") +
                               ListLine(ElementIndent, "</SetIPDataTransmission>"));
    }

    std::string operator()(const ConfigDiagnosticsInput &panel) const
    {
        std::string entry;
        if (panel.configuration)
            entry += AckOnlyCommand("SaveConfiguration");
        if (panel.diagnostics)
            entry += AckOnlyCommand("SendDebugLog");
        return entry;
    }

    std::string operator()(const QueryInput &panel) const
    {
        std::string entry =
            ListLine(OuterIndent, "<Query" + Attribute("start", QueryTime(panel.start)) +
                                      Attribute("end", QueryTime(panel.end)) +
                                      Attribute("ackId", NewAckId(random_)) +
                                      Attribute("format", panel.format) + " >");
        entry += QueryChannelLines(panel.measurements);
        if (panel.stationEvents)
            entry += ListLine(ElementIndent, "<QueryStationEvents />");
        if (panel.measurementEvents)
            entry += ListLine(ElementIndent, "<QueryEvents />");
        return entry + ListLine(OuterIndent, "</Query>");
    }

private:
    std::string FileCommand(const std::string &element, const std::string &attribute,
                            const std::string &file) const
    {
        return StationCommands(ListLine(
            ElementIndent, "<" + element + Attribute(attribute, std::string(Trimmed(file))) +
                               Attribute("ackId", NewAckId(random_)) + " />"));
    }

    std::string AckOnlyCommand(const std::string &element) const
    {
        return StationCommands(
            ListLine(ElementIndent, "<" + element + Attribute("ackId", NewAckId(random_)) + " />"));
    }

    // A limit or gradient slot: the direction is the attribute's name.
    std::string SlotCommand(const std::string &element, int index, const std::string &direction,
                            const std::string &value) const
    {
        return ChannelCommands("<" + element + Attribute("ackId", NewAckId(random_)) +
                               Attribute("index", std::to_string(index)) +
                               Attribute(direction, Number(value, DefaultNumber)) + " />");
    }

    std::string StationCommands(const std::string &lines) const
    {
        return ListLine(OuterIndent,
                        "<StationCommands" +
                            Attribute("stationId", std::string(Trimmed(context_.stationId))) +
                            ">") +
               lines + ListLine(OuterIndent, "</StationCommands>");
    }

    std::string ChannelCommands(const std::string &element) const
    {
        const std::string channelId =
            NormalizeId(context_.measurementId, MeasurementIdLength, context_.upperCase);
        return StationCommands(
            ListLine(ElementIndent, "<ChannelCommands" + Attribute("channelId", channelId) + ">") +
            ListLine(InnerIndent, element) + ListLine(ElementIndent, "</ChannelCommands>"));
    }

    std::string Number(const std::string &field, float defaultValue) const
    {
        return NormalizeNumber(field, NumberFieldLength, true, defaultValue,
                               context_.decimalSeparator);
    }

    const EntryContext &context_;
    const RandomSource &random_;
};

} // namespace

EntryKind KindOf(const PanelInput &panel)
{
    return std::holds_alternative<QueryInput>(panel) ? EntryKind::Query : EntryKind::Command;
}

std::optional<PanelField> MissingSelection(const PanelInput &panel)
{
    using Missing = std::optional<PanelField>;
    return std::visit(Overloaded{
                          [](const SamplingInput &input) -> Missing {
                              if (!InTable(IntervalSeconds, input.samplingItem))
                                  return PanelField::SamplingInterval;
                              if (input.averaging && !InTable(IntervalSeconds, input.averagingItem))
                                  return PanelField::AveragingInterval;
                              return std::nullopt;
                          },
                          [](const TransmissionInput &input) -> Missing {
                              if (!InTable(CmdTxIntervalSeconds, input.intervalItem))
                                  return PanelField::TransmissionInterval;
                              for (std::size_t i = 0; i < AlarmIntervalCount; ++i)
                                  if (input.alarmTicked[i] &&
                                      !InRange(input.alarmItems[i], AlarmIntervalItems))
                                      return AlarmFields[i];
                              return std::nullopt;
                          },
                          [](const auto &) -> Missing { return std::nullopt; },
                      },
                      panel);
}

std::string BuildEntry(const PanelInput &panel, const EntryContext &context,
                       const RandomSource &random)
{
    if (MissingSelection(panel))
        throw std::invalid_argument("no item chosen in a drop-down the entry needs");
    return std::visit(EntryWriter(context, random), panel);
}

std::string QueryChannelLines(const std::vector<ListedMeasurement> &measurements)
{
    std::string tickedLines;
    std::size_t ticked = 0;
    for (const ListedMeasurement &measurement : measurements) {
        if (!measurement.ticked)
            continue;
        ++ticked;
        tickedLines += ListLine(ElementIndent,
                                "<QueryChannel" + Attribute("channelId", measurement.id) + " />");
    }
    if (ticked == 0)
        return {};
    // Every measurement ticked stands for all of them: no channel lines.
    const std::string values = ListLine(ElementIndent, "<QueryValues />");
    return ticked == measurements.size() ? values : values + tickedLines;
}

bool FileNameHasSpace(const std::string &file)
{
    return Trimmed(file).find(' ') != std::string_view::npos;
}
