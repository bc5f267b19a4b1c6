#include "report/ReportContent.h"

#include "common/TableLookup.h"
#include "common/Text.h"
#include "estimators/ResultDetails.h"
#include "estimators/VolumeModel.h"
#include "texts/ItemTexts.h"
#include "texts/LanguageTable.h"
#include "texts/PlanTexts.h"
#include "texts/PlanningTexts.h"
#include "texts/ReportTexts.h"

#include <cstdio>

namespace {

using Row = std::vector<ReportCell>;

const char *const LineBreak = "\r\n";

// A caption of the window in the language asked for.
std::string Caption(const char *control, bool german)
{
    const LanguageText *row = FindLanguageText(control);
    return row ? Translated(*row, !german) : std::string();
}

std::string RowLabel(const StationPlan &plan, int i, bool german)
{
    const std::optional<std::string> &name = plan.rows[i].name;
    if (name)
        return ImportedRowLabel(i, Latin1ToUtf8(*name));
    return Caption(("LabelM" + std::to_string(i)).c_str(), german);
}

template <typename Items> std::string ItemAt(const Items &items, int item)
{
    return InTable(items, item) ? std::string(items[static_cast<std::size_t>(item)])
                                : std::string(NoChoiceText);
}

template <typename Items, typename Choice>
std::string ChoiceText(const Items &items, const std::optional<Choice> &choice)
{
    return ItemAt(items, choice ? static_cast<int>(*choice) : NoItem);
}

std::string SamplingText(const std::optional<std::int32_t> &seconds)
{
    return ItemAt(IntervalItems, seconds ? IndexOf(IntervalSeconds, *seconds) : NoItem);
}

std::string TransmissionIntervalText(const std::optional<std::int32_t> &seconds)
{
    return ItemAt(TXIntervalItems, seconds ? IndexOf(TXIntervalSeconds, *seconds) : NoItem);
}

std::string Switch(bool on, bool german)
{
    return Text(on ? ReportText::On : ReportText::Off, german);
}

std::string Plain(int number)
{
    return std::to_string(number);
}

ReportTable Measurements(const StationPlan &plan, bool german)
{
    ReportTable table;
    table.columns = {{Caption("LabelMeas", german), ColumnAlign::Left},
                     {Caption("LabelMeasInt", german), ColumnAlign::Right},
                     {Caption("LabelStoreInt", german), ColumnAlign::Right},
                     {InTxCaptions[0], ColumnAlign::Center},
                     {InTxCaptions[1], ColumnAlign::Center}};
    const int rows = CountedRows(plan.conductivity);
    for (int i = 1; i <= rows; ++i) {
        const StationPlan::Row &row = plan.rows[i];
        table.rows.push_back({{RowLabel(plan, i, german)},
                              {SamplingText(row.samplingSeconds)},
                              {SamplingText(row.storageSeconds)},
                              {Switch(row.inTX1, german), !plan.transmissions[1].on},
                              {Switch(row.inTX2, german), !plan.transmissions[2].on}});
    }
    return table;
}

// Each setting in a row, TX1 and TX2 beside each other; a setting the page
// disables is muted.
ReportTable Transmissions(const StationPlan &plan, bool german)
{
    ReportTable table;
    table.columns = {{Caption("LabelVTransm", german), ColumnAlign::Left},
                     {TransmissionName(1), ColumnAlign::Right},
                     {TransmissionName(2), ColumnAlign::Right}};
    using Tx = StationPlan::Transmission;
    struct Setting
    {
        std::string label;
        std::string (*text)(const Tx &, bool german);
        bool (*enabled)(const Tx &);
    };
    const auto on = [](const Tx &tx) { return tx.on; };
    const auto events = [](const Tx &tx) {
        return tx.on && tx.format == StationPlan::Format::VeskMl;
    };
    const std::vector<Setting> settings = {
        {Text(ReportText::TransmissionActive, german),
         [](const Tx &tx, bool g) { return Switch(tx.on, g); }, [](const Tx &) { return true; }},
        {Caption("LabelVTXInterval", german),
         [](const Tx &tx, bool) { return TransmissionIntervalText(tx.intervalSeconds); }, on},
        {Caption("LabelVTXFormat", german),
         [](const Tx &tx, bool) { return ChoiceText(DataFormatItems, tx.format); }, on},
        {Caption("LabelVTXSType", german),
         [](const Tx &tx, bool) { return ChoiceText(ServerTypeItems, tx.server); }, on},
        {Caption("LabelVCompression", german) + " " + Caption("LabelVCompression2", german),
         [](const Tx &tx, bool g) { return Switch(tx.compression, g); }, on},
        {Caption("LabelVStationEvents", german),
         [](const Tx &tx, bool g) { return Switch(tx.stationEvents, g); }, events},
        {Caption("LabelVChannelEvents", german),
         [](const Tx &tx, bool g) {
             return Switch(tx.measurementEvents, g) + " / " + Plain(tx.eventsNumber);
         },
         events},
        {Caption("LabelVTXS2Mode", german),
         [](const Tx &tx, bool) { return ChoiceText(SecondaryModeItems, tx.secondaryMode); }, on},
        {Caption("LabelVTXS2Type", german),
         [](const Tx &tx, bool) { return ChoiceText(ServerTypeItems, tx.secondaryServer); },
         [](const Tx &tx) {
             return tx.on && tx.secondaryMode &&
                    tx.secondaryMode != StationPlan::SecondaryMode::None;
         }},
        {Caption("LabelVTXS2Backuprate", german),
         [](const Tx &tx, bool) { return Plain(tx.backupPercent); },
         [](const Tx &tx) {
             return tx.on && tx.secondaryMode == StationPlan::SecondaryMode::Backup;
         }},
    };
    for (const Setting &setting : settings) {
        Row row = {{setting.label}};
        for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
            const Tx &tx = plan.transmissions[t];
            row.push_back({setting.text(tx, german), !setting.enabled(tx)});
        }
        table.rows.push_back(row);
    }
    return table;
}

ReportTable Device(const StationPlan &plan, bool german)
{
    ReportTable table;
    table.title = Text(ReportText::Device, german);
    table.columns = {{"", ColumnAlign::Left}, {"", ColumnAlign::Right}};
    const int observer = plan.observer ? static_cast<int>(*plan.observer) : NoItem;
    table.rows = {
        {{Caption("ConductivityCheckBox", german)},
         {Text(plan.conductivity ? ReportText::Yes : ReportText::No, german)}},
        {{Caption("LabelModemType", german)}, {ChoiceText(RadioNetworkItems, plan.network)}},
        {{Caption("LabelMBLE", german)},
         {InTable(ObserverIntervalItems, observer)
              ? Translated(ObserverIntervalItems[static_cast<std::size_t>(observer)], !german)
              : NoChoiceText}},
        {{Caption("LabelBattery2", german)}, {BatteryCapacityText}},
    };
    return table;
}

ReportTable Battery(const BatteryShares &shares, const ReportData &data,
                    std::array<double, 2> &barFractions)
{
    ReportTable table;
    table.title = Caption("LabelMResult", data.german);
    table.columns = {{"", ColumnAlign::Left},
                     {Caption("LabelMResultD", data.german), ColumnAlign::Right},
                     {Caption("LabelMResultY", data.german), ColumnAlign::Right}};
    for (std::size_t r = 0; r < RowCapacity.size(); ++r) {
        const BatteryLifeRow row =
            BatteryLife(RowCapacity[r], shares.mAhTotal, data.decimalSeparator);
        table.rows.push_back({{BatteryRowNames[r]}, {row.days}, {row.years}});
        barFractions[r] = row.barFraction;
    }
    return table;
}

ReportTable Charge(const BatteryShares &shares, const ReportData &data)
{
    const bool german = data.german;
    ReportTable table;
    table.title = Text(ReportText::DailyCharge, german);
    table.columns = {{"", ColumnAlign::Left},
                     {Text(ReportText::PerDay, german), ColumnAlign::Decimal}};
    table.decimalSeparator = data.decimalSeparator;
    const auto server = [german](ReportText text, int t) {
        return Filled(Text(text, german), {TransmissionName(t)});
    };
    const std::vector<std::pair<std::string, double>> shareRows = {
        {Caption("LabelMeas", german), shares.mAhMeas},
        {server(ReportText::PrimaryServer, 1), shares.mAhTrans11},
        {server(ReportText::SecondaryServer, 1), shares.mAhTrans12},
        {server(ReportText::PrimaryServer, 2), shares.mAhTrans21},
        {server(ReportText::SecondaryServer, 2), shares.mAhTrans22},
        {Text(ReportText::LocalBle, german), shares.mAhBLE},
        {Text(ReportText::Idle, german), shares.mAhIdle},
        {Caption("LabelVResult4", german), shares.mAhTotal},
    };
    for (const auto &[label, mAh] : shareRows)
        table.rows.push_back({{label}, {ChargeText(mAh, data.decimalSeparator)}});
    table.totalRow = static_cast<int>(table.rows.size()) - 1;
    return table;
}

ReportTable Volume(const StationPlan &plan, const ReportData &data)
{
    const bool german = data.german;
    const char sep = data.decimalSeparator;
    const VolumeResult volume = EstimateVolume(plan);
    ReportTable table;
    table.title = Caption("LabelVResult", german);
    table.columns = {{"", ColumnAlign::Left},
                     {TransmissionName(1), ColumnAlign::Right},
                     {TransmissionName(2), ColumnAlign::Right},
                     {Caption("LabelVResult4", german), ColumnAlign::Right}};
    // As the page: TX1 always, TX2 only when it is on.
    const auto row = [&](const char *label, double tx1, double tx2) {
        table.rows.push_back(
            {{Caption(label, german)},
             {FormatVolume(tx1, sep)},
             {plan.transmissions[2].on ? FormatVolume(tx2, sep) : std::string(VolumeOffText)},
             {FormatVolume(tx1 + tx2, sep)}});
    };
    row("LabelVResult2", volume.perTX1, volume.perTX2);
    row("LabelVResult3", volume.month1, volume.month2);
    return table;
}

std::string MarkText(TargetMark mark, bool german)
{
    return Text(mark == TargetMark::Met ? PlanningText::Met : PlanningText::NotMet, german);
}

ReportTable Targets(const StationPlan &plan, const BatteryShares &shares, const ReportData &data)
{
    const bool german = data.german;
    const PlanningTargets &targets = plan.targets;
    ReportTable table;
    table.title = Text(ReportText::Targets, german);
    table.columns = {{Text(ReportText::Target, german), ColumnAlign::Left},
                     {Text(ReportText::Value, german), ColumnAlign::Right},
                     {Text(ReportText::TargetFor, german), ColumnAlign::Left},
                     {"", ColumnAlign::Left}};
    for (std::size_t r = 0; r < RowCapacity.size(); ++r) {
        const TargetMark mark =
            LifeMark(BatteryYears(RowCapacity[r], shares.mAhTotal), targets.years);
        if (mark == TargetMark::None)
            break;
        const bool first = r == 0;
        table.rows.push_back(
            {{first ? Text(PlanningText::TargetYearsLabel, german) : ""},
             {first ? YearsText(targets.years, german, data.decimalSeparator) : ""},
             {TemperatureTexts[r]},
             {MarkText(mark, german)}});
    }
    const VolumeResult volume = EstimateVolume(plan);
    const TargetMark mark = DataPlanMark(volume.month1 + volume.month2, targets.dataPlanMB);
    if (mark != TargetMark::None)
        table.rows.push_back({{Text(PlanningText::DataPlanLabel, german)},
                              {MegabytesText(targets.dataPlanMB, data.decimalSeparator)},
                              {Text(ReportText::TotalPerMonth, german)},
                              {MarkText(mark, german)}});
    return table;
}

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(LineBreak, from)) != std::string::npos;
         from = at + std::char_traits<char>::length(LineBreak))
        lines.push_back(text.substr(from, at - from));
    lines.push_back(text.substr(from));
    return lines;
}

int AnsweredItem(const IntervalAnswer &answer)
{
    return answer.kind == IntervalAnswer::Kind::Reached ? answer.interval : NoItem;
}

} // namespace

bool ReportTable::hasHeadings() const
{
    for (const ReportColumn &column : columns) {
        if (!column.heading.empty())
            return true;
    }
    return false;
}

std::string DateText(const ReportDate &date, bool german)
{
    char text[32];
    if (german)
        std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::vector<std::string> TargetAnswerLines(const PlanningAids &aids, const PlanningTargets &targets,
                                           bool german, char decimalSeparator)
{
    std::vector<std::string> lines;
    for (int row = 0; row < TemperatureRowCount; ++row) {
        for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
            const IntervalAnswer &answer =
                aids.transmissions[t].life[static_cast<std::size_t>(row)];
            if (answer.kind != IntervalAnswer::Kind::NotAsked)
                lines.push_back(LifeAnswerLine(targets.years, row, t, AnsweredItem(answer), german,
                                               decimalSeparator));
        }
    }
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const IntervalAnswer &answer = aids.transmissions[t].dataPlan;
        if (answer.kind != IntervalAnswer::Kind::NotAsked)
            lines.push_back(DataPlanAnswerLine(targets.dataPlanMB, t, AnsweredItem(answer), german,
                                               decimalSeparator));
    }
    return lines;
}

ReportContent ContentOf(const ReportData &data)
{
    const bool german = data.german;
    const StationPlan &plan = data.plan;
    const BatteryShares shares = EstimateBattery(plan);
    ReportContent content;
    content.title = Text(ReportText::Title, german);
    content.station = {Caption("LabelStationID", german), Latin1ToUtf8(plan.stationId)};
    content.facts.push_back({Text(ReportText::Date, german), DateText(data.date, german)});
    content.facts.push_back({Text(ReportText::ProgramVersion, german), data.version});

    content.inputsTitle = Text(ReportText::Inputs, german);
    content.measurements = Measurements(plan, german);
    bool named = false;
    for (const std::vector<ReportCell> &row : content.measurements.rows)
        content.names.push_back(row.front().text);
    for (int i = 1; i <= static_cast<int>(content.names.size()); ++i)
        named = named || plan.rows[i].name.has_value();
    if (!named)
        content.names.clear();
    content.transmissions = Transmissions(plan, german);
    content.device = Device(plan, german);

    content.resultsTitle = Text(ReportText::Results, german);
    content.battery = Battery(shares, data, content.barFractions);
    content.barEnd = Caption("LabelMResultY10", german);
    content.charge = Charge(shares, data);
    content.volume = Volume(plan, data);
    content.volumeFootnote = Caption("LabelVResult5", german);
    content.aids = ComputePlanningAids(plan, plan.targets);
    content.targets = Targets(plan, shares, data);
    content.answers = TargetAnswerLines(content.aids, plan.targets, german, data.decimalSeparator);

    content.chartTitle = Text(ReportText::Chart, german);
    content.disclaimers = {
        ReportDisclaimer{Text(ReportText::BatteryDisclaimer, german),
                         Lines(BatteryDisclaimer(german))},
        ReportDisclaimer{Text(ReportText::VolumeDisclaimer, german),
                         Lines(VolumeDisclaimer(german))},
    };
    return content;
}
