#pragma once

#include "estimators/StationPlan.h"

#include <string>
#include <vector>

// The plan this window shows against the plan of a file, as the lines of one
// table in the user's language: the inputs that differ and every result.

struct ComparisonRow
{
    std::string caption;
    std::string window; // this window's value, as the page shows it
    std::string file;   // the file's value
    // Results only: the window's figure less the file's, signed; empty for
    // inputs and where a figure is absent.
    std::string difference;
};

struct PlanComparison
{
    // In the order of the page; only those whose values differ.
    std::vector<ComparisonRow> inputs;
    // Every figure of FigureKeys, in that order.
    std::vector<ComparisonRow> results;
    // The two plans are the same plan.
    bool identical = false;
};

// Captions come from the window's texts, values are the drop-downs' item
// texts; numbers use the decimal separator given. Texts are UTF-8.
PlanComparison ComparePlans(const StationPlan &window, const StationPlan &file, bool german,
                            char decimalSeparator);
