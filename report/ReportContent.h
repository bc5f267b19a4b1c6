#pragma once

#include "estimators/PlanningAids.h"
#include "report/ReportData.h"

#include <array>
#include <string>
#include <vector>

// The texts of a station report, in the report's language, arranged as
// tables: the page draws them, the copied results write them as text and as
// HTML. Every figure is formatted as the estimator page formats it.

struct ReportCell
{
    std::string text;
    // A value the page shows on a disabled control: it does not count.
    bool muted = false;
};

enum class ColumnAlign
{
    Left,
    Right,
    Center,
    // Right-aligned so that the decimal separators stand under each other.
    Decimal,
};

struct ReportColumn
{
    std::string heading;
    ColumnAlign align = ColumnAlign::Left;
};

struct ReportTable
{
    std::string title; // above the table; may be empty
    std::vector<ReportColumn> columns;
    std::vector<std::vector<ReportCell>> rows;
    // A row that sums up the rows above it; -1 for none.
    int totalRow = -1;
    // What Decimal columns align on.
    char decimalSeparator = '.';

    bool hasHeadings() const;
};

struct ReportDisclaimer
{
    std::string title;
    std::vector<std::string> lines;
};

struct ReportContent
{
    std::string title;
    // Label and value; the value is empty when no import gave one.
    std::array<std::string, 2> station;
    // Label and value: the date, the program's version.
    std::vector<std::array<std::string, 2>> facts;
    // Labels of the measurement rows in use, when an import named any of
    // them; empty otherwise.
    std::vector<std::string> names;

    std::string inputsTitle;
    ReportTable measurements;
    ReportTable transmissions;
    ReportTable device;

    std::string resultsTitle;
    ReportTable battery;
    // The bars of the battery rows as a share of the ten-year scale, which
    // runs from BarStartText to barEnd.
    std::array<double, 2> barFractions{};
    std::string barEnd;
    ReportTable charge;
    ReportTable volume;
    std::string volumeFootnote;
    // No rows when no target is set.
    ReportTable targets;
    std::vector<std::string> answers;

    std::string chartTitle;
    // The aids behind the answers and the chart.
    PlanningAids aids;

    std::array<ReportDisclaimer, 2> disclaimers;
};

ReportContent ContentOf(const ReportData &data);

// The answer lines of the targets: for each target set, each temperature
// row (life) and each transmission that is on, the shortest interval that
// meets it.
std::vector<std::string> TargetAnswerLines(const PlanningAids &aids, const PlanningTargets &targets,
                                           bool german, char decimalSeparator);
