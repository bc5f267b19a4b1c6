#include "app/EstimateCommand.h"

#include "app/CommandLine.h"
#include "app/ResultTable.h"
#include "common/InputFile.h"
#include "common/Text.h"
#include "estimators/PlanItems.h"
#include "planfile/FileKind.h"
#include "planfile/PlanFile.h"
#include "setup/ByteSource.h"
#include "setup/SetupReader.h"
#include "texts/FileReasons.h"

#include <array>
#include <functional>
#include <ostream>

namespace {

// The command line speaks English.
constexpr bool German = false;

// The table's headings of FigureKeys: short enough for a terminal.
constexpr std::array<const char *, FigureKeys.size()> FigureTitles = {
    "days 20C",     "years",        "days -20C",   "years",       "mAh/day",
    "TX1 B/trans.", "TX2 B/trans.", "TX1 B/month", "TX2 B/month", "B/month",
};

// A file's estimate with the texts of its figures.
struct EstimateRow
{
    const FileEstimate &estimate;
    std::array<ResultCell, FigureKeys.size()> figures;
};

// One column of the results and how a file's estimate fills it.
struct EstimateColumn
{
    ResultColumn column;
    std::function<ResultCell(const EstimateRow &)> cell;
};

ResultCell TextOrAbsent(const std::string &text)
{
    return text.empty() ? ResultCell() : ResultCell(text);
}

// The interval's seconds; absent when no interval of the table meets the target.
ResultCell Seconds(const IntervalAnswer &answer)
{
    if (answer.kind != IntervalAnswer::Kind::Reached)
        return {};
    return std::to_string(*TransmissionIntervalAt(answer.interval));
}

PlanningTargets TargetsOf(const EstimateOptions &options)
{
    return {options.targetYears.value_or(0), options.dataPlanMB.value_or(0)};
}

// The file, its station, each figure and the error, in this order; options
// of later versions append theirs.
std::vector<EstimateColumn> Columns(const EstimateOptions &options)
{
    std::vector<EstimateColumn> columns = {
        {{"file", "file"}, [](const EstimateRow &row) { return ResultCell(row.estimate.file); }},
        {{"station_id", "station"},
         [](const EstimateRow &row) { return TextOrAbsent(row.estimate.stationId); }},
    };
    for (std::size_t i = 0; i < FigureKeys.size(); ++i) {
        columns.push_back({{FigureKeys[i], FigureTitles[i], true},
                           [i](const EstimateRow &row) { return row.figures[i]; }});
    }
    columns.push_back({{"error", "error"},
                       [](const EstimateRow &row) { return TextOrAbsent(row.estimate.error); }});
    if (options.targetYears)
        columns.push_back(
            {{"shortest_tx1_interval_s_for_target", "TX1 s target", true},
             [](const EstimateRow &row) { return Seconds(row.estimate.tx1ForTarget); }});
    if (options.dataPlanMB)
        columns.push_back(
            {{"shortest_tx1_interval_s_for_data_plan", "TX1 s data plan", true},
             [](const EstimateRow &row) { return Seconds(row.estimate.tx1ForDataPlan); }});
    return columns;
}

std::unique_ptr<ResultWriter> MakeWriter(OutputFormat format, std::vector<ResultColumn> columns,
                                         std::ostream &out)
{
    switch (format) {
    case OutputFormat::Csv:
        return MakeCsvWriter(std::move(columns), out);
    case OutputFormat::Json:
        return MakeJsonWriter(std::move(columns), out);
    case OutputFormat::Table:
        break;
    }
    return MakeTableWriter(std::move(columns), out);
}

// The plan of a setup file as the window's import leaves it on the
// start-up page, or why it cannot be imported.
std::optional<StationPlan> SetupPlan(const std::string &bytes, std::string &error)
{
    MemoryByteSource source(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
    SetupModel model;
    const SetupReadResult read = ReadSetupFile(source, model);
    if (!read.Succeeded()) {
        error = ReadConfigFailedText + read.Description;
        return std::nullopt;
    }
    StationPlan plan = PlanFromSetup(model);
    ChooseConductivity(plan, NamesConductivity(model));
    return plan;
}

std::optional<StationPlan> PlanOf(const std::string &bytes, std::string &error)
{
    if (KindOfContent(bytes) == FileKind::Setup)
        return SetupPlan(bytes, error);
    PlanReadResult read = ParsePlanFile(bytes);
    if (!read.plan)
        error = read.error.Text(German);
    return std::move(read.plan);
}

} // namespace

std::optional<StationPlan> ReadPlanOrSetup(const std::string &path, std::string &error)
{
    std::string bytes;
    if (const FileFault fault = ReadInputFile(path, bytes)) {
        error = FileFaultReason(fault, German);
        return std::nullopt;
    }
    return PlanOf(bytes, error);
}

FileEstimate EstimateFile(const std::string &path, const PlanningTargets &targets)
{
    FileEstimate estimate;
    estimate.file = path;
    const std::optional<StationPlan> plan = ReadPlanOrSetup(path, estimate.error);
    if (!plan)
        return estimate;
    estimate.stationId = Latin1ToUtf8(plan->stationId);
    estimate.figures = FiguresOf(*plan);
    if (targets.Any()) {
        const TransmissionAids tx1 = ComputePlanningAids(*plan, targets).transmissions[1];
        estimate.tx1ForTarget = tx1.life[static_cast<std::size_t>(TemperatureRow::AtMinus20C)];
        estimate.tx1ForDataPlan = tx1.dataPlan;
    }
    return estimate;
}

int RunEstimate(const EstimateOptions &options, const std::vector<std::string> &files,
                std::ostream &out, std::ostream &err)
{
    const std::vector<EstimateColumn> columns = Columns(options);
    std::vector<ResultColumn> heads;
    for (const EstimateColumn &column : columns)
        heads.push_back(column.column);
    // Every write is checked where it happens, so that the reason is its own.
    const auto written = [&out, &err](const std::function<void()> &write) {
        return WrittenOut(out, err, "the results", write);
    };

    std::unique_ptr<ResultWriter> writer;
    if (!written([&] { writer = MakeWriter(options.format, heads, out); }))
        return 1;
    int status = 0;
    std::vector<ResultCell> cells(columns.size());
    for (const std::string &file : files) {
        const FileEstimate estimate = EstimateFile(file, TargetsOf(options));
        if (!estimate.error.empty()) {
            err << ProgramName << ": " << file << ": " << estimate.error << '\n';
            status = 1;
        }
        EstimateRow row{estimate, {}};
        if (estimate.figures)
            row.figures = FigureTexts(*estimate.figures);
        for (std::size_t i = 0; i < columns.size(); ++i)
            cells[i] = columns[i].cell(row);
        if (!written([&] { writer->Row(cells); }))
            return 1;
    }
    if (!written([&] {
            writer->Finish();
            out.flush();
        }))
        return 1;
    return status;
}
