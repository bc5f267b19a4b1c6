#include "planfile/PlanCompare.h"

#include "common/IntervalTables.h"
#include "common/NumberFormat.h"
#include "common/TableLookup.h"
#include "common/Text.h"
#include "estimators/PlanFigures.h"
#include "texts/ItemTexts.h"
#include "texts/LanguageTable.h"
#include "texts/PlanTexts.h"
#include "texts/PlanningTexts.h"
#include "texts/ReportTexts.h"

#include <charconv>
#include <cmath>

namespace {

constexpr const char *CaptionSeparator = ": ";
// The measurement events' label names the switch and the number after it.
constexpr std::string_view LabelPartSeparator = " / ";

// The inputs of two plans, each added as a row when the plans differ in it.
class InputRows
{
public:
    InputRows(const StationPlan &window, const StationPlan &file, bool german,
              char decimalSeparator)
        : window_(window), file_(file), german_(german), decimalSeparator_(decimalSeparator)
    {}

    std::vector<ComparisonRow> Rows()
    {
        Add(Caption("LabelStationID"), &StationPlan::stationId,
            [](const std::string &id) { return Latin1ToUtf8(id); });
        for (int i = 1; i <= EstimatorRowCount; ++i)
            AddRow(i);
        Add(Caption("ConductivityCheckBox"), &StationPlan::conductivity,
            [this](bool on) { return OnOff(on); });
        Add(Caption("LabelMBLE"), &StationPlan::observer,
            [this](const auto &choice) { return BleItem(choice); });
        Add(Caption("LabelModemType"), &StationPlan::network,
            [this](const auto &choice) { return Item(choice, RadioNetworkItems); });
        for (int t = 1; t <= EstimatorTransmissionCount; ++t)
            AddTransmission(t);
        AddTargets();
        return std::move(rows_);
    }

private:
    using Row = StationPlan::Row;
    using Transmission = StationPlan::Transmission;

    std::string Text(const Message &message) const { return message.In(german_); }
    std::string Text(ReportText text) const { return ::Text(text, german_); }
    std::string Text(PlanningText text) const { return ::Text(text, german_); }
    std::string Caption(const char *control) const
    {
        return Translated(*FindLanguageText(control), !german_);
    }
    // One part of a label that names two controls.
    std::string CaptionPart(const char *control, bool second) const
    {
        const std::string caption = Caption(control);
        const std::size_t split = caption.find(LabelPartSeparator);
        if (split == std::string::npos)
            return caption;
        return second ? caption.substr(split + LabelPartSeparator.size())
                      : caption.substr(0, split);
    }
    std::string OnOff(bool on) const { return Text(on ? ReportText::On : ReportText::Off); }
    std::string Number(int value) const { return std::to_string(value); }

    template <typename Choice, std::size_t N>
    std::string Item(const std::optional<Choice> &choice,
                     const std::array<const char *, N> &items) const
    {
        if (!choice)
            return NoChoiceText;
        return items[static_cast<std::size_t>(*choice)];
    }
    std::string BleItem(const std::optional<StationPlan::Observer> &choice) const
    {
        if (!choice)
            return NoChoiceText;
        return Translated(ObserverIntervalItems[static_cast<std::size_t>(*choice)], !german_);
    }
    template <std::size_t N>
    std::string Interval(const std::optional<std::int32_t> &seconds,
                         const std::array<const char *, N> &items, int item) const
    {
        if (!seconds || !InRange(item, static_cast<int>(N)))
            return NoChoiceText;
        return items[static_cast<std::size_t>(item)];
    }
    std::string Sampling(const std::optional<std::int32_t> &seconds) const
    {
        return Interval(seconds, IntervalItems, seconds ? IntervalIndexOf(*seconds) : NoItem);
    }
    std::string TxInterval(const std::optional<std::int32_t> &seconds) const
    {
        return Interval(seconds, TXIntervalItems, seconds ? VTXIntervalIndexOf(*seconds) : NoItem);
    }
    // The row's label as the page shows it: the name from an import or a
    // plan, else the standard name.
    std::string Label(int i, const std::optional<std::string> &name) const
    {
        if (name)
            return Latin1ToUtf8(ImportedRowLabel(i, *name));
        return Caption(("LabelM" + std::to_string(i)).c_str());
    }

    template <typename Owner, typename Value, typename Show>
    void Compare(std::string caption, const Owner &window, const Owner &file, Value Owner::*field,
                 Show show)
    {
        if (window.*field == file.*field)
            return;
        rows_.push_back({std::move(caption), show(window.*field), show(file.*field), {}});
    }
    template <typename Value, typename Show>
    void Add(std::string caption, Value StationPlan::*field, Show show)
    {
        Compare(std::move(caption), window_, file_, field, show);
    }

    void AddRow(int i)
    {
        const Row &window = window_.rows[i];
        const Row &file = file_.rows[i];
        Compare("M" + std::to_string(i) + CaptionSeparator + Caption("LabelMeas"), window, file,
                &Row::name,
                [this, i](const std::optional<std::string> &name) { return Label(i, name); });
        const std::string row = Label(i, window.name) + CaptionSeparator;
        const auto latin1 = [](const std::string &text) { return Latin1ToUtf8(text); };
        const auto sampling = [this](const auto &seconds) { return Sampling(seconds); };
        const auto onOff = [this](bool on) { return OnOff(on); };
        Compare(row + Caption("LabelMeasurementID"), window, file, &Row::id, latin1);
        Compare(row + Caption("LabelMeasInt"), window, file, &Row::samplingSeconds, sampling);
        Compare(row + Caption("LabelStoreInt"), window, file, &Row::storageSeconds, sampling);
        Compare(row + InTxCaptions[0], window, file, &Row::inTX1, onOff);
        Compare(row + InTxCaptions[1], window, file, &Row::inTX2, onOff);
    }

    void AddTransmission(int t)
    {
        const Transmission &window = window_.transmissions[t];
        const Transmission &file = file_.transmissions[t];
        const std::string tx = TransmissionName(t) + CaptionSeparator;
        const auto onOff = [this](bool on) { return OnOff(on); };
        const auto number = [this](int value) { return Number(value); };
        const auto server = [this](const auto &choice) { return Item(choice, ServerTypeItems); };
        Compare(tx + Caption("LabelVTransm"), window, file, &Transmission::on, onOff);
        Compare(tx + Caption("LabelVTXInterval"), window, file, &Transmission::intervalSeconds,
                [this](const auto &seconds) { return TxInterval(seconds); });
        Compare(tx + Caption("LabelVTXFormat"), window, file, &Transmission::format,
                [this](const auto &choice) { return Item(choice, DataFormatItems); });
        Compare(tx + Caption("LabelVTXSType"), window, file, &Transmission::server, server);
        Compare(tx + Caption("LabelVCompression"), window, file, &Transmission::compression, onOff);
        Compare(tx + Text(CompressionLevelCaption), window, file, &Transmission::compressionLevel,
                number);
        Compare(tx + Caption("LabelVStationEvents"), window, file, &Transmission::stationEvents,
                onOff);
        Compare(tx + CaptionPart("LabelVChannelEvents", false), window, file,
                &Transmission::measurementEvents, onOff);
        Compare(tx + CaptionPart("LabelVChannelEvents", true), window, file,
                &Transmission::eventsNumber, number);
        Compare(tx + Caption("LabelVTXS2Mode"), window, file, &Transmission::secondaryMode,
                [this](const auto &choice) { return Item(choice, SecondaryModeItems); });
        Compare(tx + Caption("LabelVTXS2Type"), window, file, &Transmission::secondaryServer,
                server);
        Compare(tx + Caption("LabelVTXS2Backuprate"), window, file, &Transmission::backupPercent,
                number);
    }

    // A target as its spin box shows it.
    std::string Target(double value, const TargetRange &range) const
    {
        if (!IsTarget(value))
            return Text(PlanningText::NoTarget);
        return FormatFloatPattern(value, 0, range.decimals, decimalSeparator_);
    }

    void AddTargets()
    {
        Compare(Text(PlanningText::TargetYearsLabel), window_.targets, file_.targets,
                &PlanningTargets::years,
                [this](double years) { return Target(years, TargetYearsRange); });
        Compare(Text(PlanningText::DataPlanLabel), window_.targets, file_.targets,
                &PlanningTargets::dataPlanMB,
                [this](double megabytes) { return Target(megabytes, DataPlanRange); });
    }

    const StationPlan &window_;
    const StationPlan &file_;
    const bool german_;
    const char decimalSeparator_;
    std::vector<ComparisonRow> rows_;
};

// The captions of FigureKeys, in their order.
std::array<std::string, FigureKeys.size()> ResultCaptions(bool german)
{
    const auto caption = [german](const char *control) {
        return std::string(Translated(*FindLanguageText(control), !german));
    };
    const auto at = [](const std::string &what, std::size_t temperature) {
        return what + " @ " + TemperatureTexts[temperature];
    };
    const auto bytes = [](const std::string &what) { return what + " [" + ByteUnit + "]"; };
    const std::string days = caption("LabelMResultD");
    const std::string years = caption("LabelMResultY");
    const std::string perTransmission = caption("LabelVResult2");
    const std::string perMonth = caption("LabelVResult3");
    const auto of = [](int t, const std::string &what) { return TransmissionName(t) + " " + what; };
    return {at(days, 0),
            at(years, 0),
            at(days, 1),
            at(years, 1),
            Text(ReportText::PerDay, german),
            bytes(of(1, perTransmission)),
            bytes(of(2, perTransmission)),
            bytes(of(1, perMonth)),
            bytes(of(2, perMonth)),
            bytes(Text(ReportText::TotalPerMonth, german))};
}

std::size_t DecimalsOf(const std::string &number)
{
    const std::size_t point = number.find('.');
    return point == std::string::npos ? 0 : number.size() - point - 1;
}

double ValueOf(const std::string &number)
{
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return value;
}

std::string Localised(std::string number, char decimalSeparator)
{
    for (char &c : number) {
        if (c == '.')
            c = decimalSeparator;
    }
    return number;
}

// The window's figure less the file's, with the decimals they are shown with.
std::string Difference(const std::string &window, const std::string &file, char decimalSeparator)
{
    const int decimals = static_cast<int>(std::max(DecimalsOf(window), DecimalsOf(file)));
    const double difference = ValueOf(window) - ValueOf(file);
    const std::string size =
        FormatFloatPattern(std::fabs(difference), decimals, decimals, decimalSeparator);
    if (size == FormatFloatPattern(0, decimals, decimals, decimalSeparator))
        return size;
    return (difference > 0 ? "+" : "-") + size;
}

} // namespace

PlanComparison ComparePlans(const StationPlan &window, const StationPlan &file, bool german,
                            char decimalSeparator)
{
    PlanComparison comparison;
    comparison.identical = window == file;
    comparison.inputs = InputRows(window, file, german, decimalSeparator).Rows();
    const auto windowFigures = FigureTexts(FiguresOf(window));
    const auto fileFigures = FigureTexts(FiguresOf(file));
    const auto captions = ResultCaptions(german);
    for (std::size_t i = 0; i < FigureKeys.size(); ++i) {
        const auto &ours = windowFigures[i];
        const auto &theirs = fileFigures[i];
        ComparisonRow row{captions[i], VolumeOffText, VolumeOffText, {}};
        if (ours)
            row.window = Localised(*ours, decimalSeparator);
        if (theirs)
            row.file = Localised(*theirs, decimalSeparator);
        if (ours && theirs)
            row.difference = Difference(*ours, *theirs, decimalSeparator);
        comparison.results.push_back(std::move(row));
    }
    return comparison;
}
