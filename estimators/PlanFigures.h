#pragma once

#include "estimators/StationPlan.h"

#include <array>
#include <optional>
#include <string>

// The figures of a plan that the estimator page shows, for files and the
// command line: battery life without the page's cap, the daily charge and the
// data volumes, each rounded as the page rounds it.
struct PlanFigures
{
    // Whole days and unrounded years at 20 °C and at -20 °C.
    double days20C = 0;
    double years20C = 0;
    double daysMinus20C = 0;
    double yearsMinus20C = 0;
    double mAhPerDay = 0;

    // Whole bytes.
    struct Volume
    {
        double perTransmission = 0;
        double perMonth = 0;

        bool operator==(const Volume &other) const;
    };
    Volume tx1;
    // Absent when TX2 is off, where the page shows "---".
    std::optional<Volume> tx2;
    double bytesPerMonthTotal = 0;

    bool operator==(const PlanFigures &other) const;
    bool operator!=(const PlanFigures &other) const { return !(*this == other); }
};

PlanFigures FiguresOf(const StationPlan &plan);

// The figures by the names files and the command line give them, in their
// order.
inline constexpr std::array FigureKeys = {
    "days_20c",
    "years_20c",
    "days_minus_20c",
    "years_minus_20c",
    "mah_per_day",
    "bytes_per_transmission_tx1",
    "bytes_per_transmission_tx2",
    "bytes_per_month_tx1",
    "bytes_per_month_tx2",
    "bytes_per_month_total",
};

// Each figure of FigureKeys as a number with "." whatever the locale: days
// and bytes whole, years with two decimals, the daily charge with five. An
// absent figure has no text.
std::array<std::optional<std::string>, FigureKeys.size()> FigureTexts(const PlanFigures &figures);
