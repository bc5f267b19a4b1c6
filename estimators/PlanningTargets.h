#pragma once

#include <cmath>

// 0 (or anything not above 0) is no target.
inline bool IsTarget(double target)
{
    return target > 0;
}

// What a planner aims at: a battery life in years and a data plan in
// megabytes per month.
struct PlanningTargets
{
    double years = 0;
    double dataPlanMB = 0;

    bool Any() const { return IsTarget(years) || IsTarget(dataPlanMB); }

    bool operator==(const PlanningTargets &other) const
    {
        return years == other.years && dataPlanMB == other.dataPlanMB;
    }
    bool operator!=(const PlanningTargets &other) const { return !(*this == other); }
};

// The numbers a target spin box takes: 0 (none) to max with at most that many
// decimals; its arrows move by step.
struct TargetRange
{
    double max;
    int decimals;
    double step;

    bool Holds(double value) const
    {
        if (!(value >= 0 && value <= max))
            return false;
        // Decimal fractions are not exact in binary: 5.3 * 10 is only near 53.
        const double scaled = value * Scale();
        return std::abs(scaled - std::round(scaled)) < 1e-6;
    }

    // The value as the spin box keeps it, rounded to its decimals.
    double Rounded(double value) const { return std::round(value * Scale()) / Scale(); }

private:
    double Scale() const { return std::pow(10.0, decimals); }
};
inline constexpr TargetRange TargetYearsRange = {25, 1, 0.5};
inline constexpr TargetRange DataPlanRange = {100000, 1, 1};
