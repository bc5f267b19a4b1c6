#pragma once

#include "estimators/PlanFigures.h"
#include "estimators/PlanningAids.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// "estimate": the figures of setup files and plan files, each as the
// estimator page shows them after importing or opening it.

// The plan of a file, a setup file or a plan file told apart by its
// content: a setup file as the window imports it over the start-up plan.
// Nothing and the reason (English) when the file cannot be read or is not
// sound.
std::optional<StationPlan> ReadPlanOrSetup(const std::string &path, std::string &error);

// What one file gives.
struct FileEstimate
{
    std::string file;
    std::string stationId; // UTF-8; empty when unknown
    std::optional<PlanFigures> figures;
    std::string error; // why there are no figures; empty when there are
    // The shortest TX1 intervals for the targets asked for, the life at -20 °C
    // as the page answers it; not asked without a target.
    IntervalAnswer tx1ForTarget;
    IntervalAnswer tx1ForDataPlan;
};

// Reads the file, a setup file or a plan file told apart by its content, and
// estimates the plan it gives: a setup file as the window imports it, over
// the start-up plan. The targets are those given, never a plan file's own.
FileEstimate EstimateFile(const std::string &path, const PlanningTargets &targets = {});

enum class OutputFormat
{
    Table,
    Csv,
    Json,
};

struct EstimateOptions
{
    OutputFormat format = OutputFormat::Table;
    // Each target given adds its column; the same target holds for every file.
    std::optional<double> targetYears;
    std::optional<double> dataPlanMB;
};

// Estimates the files in their order, writes the results to out and names
// each file that failed on err. 0 when every file was estimated, 1 when one
// was not or the results could not be written.
int RunEstimate(const EstimateOptions &options, const std::vector<std::string> &files,
                std::ostream &out, std::ostream &err);
