#pragma once

#include "common/IntervalTables.h"
#include "common/ListItems.h"
#include "common/OneBasedArray.h"
#include "estimators/BatteryModel.h"
#include "estimators/PlanningTargets.h"

#include <array>

struct StationPlan;

// Answers to a planner's targets: how often a transmission may send so that
// the battery lasts long enough and the data stays within the plan, and the
// figures behind them for every interval of the transmission interval table.

// The battery result rows, in the page's order.
enum class TemperatureRow
{
    At20C,
    AtMinus20C,
};
inline constexpr int TemperatureRowCount = 2;
inline constexpr std::array<double, TemperatureRowCount> RowCapacity = {CapacityAt20C,
                                                                        CapacityAtMinus20C};

// A data plan counts decimal megabytes, like the volume figures.
inline constexpr double BytesPerMegabyte = 1000000;

// Life reaches the target when the uncapped years are at least the target;
// the monthly bytes of both transmissions together stay within the plan when
// they are at most the plan's bytes.
enum class TargetMark
{
    None, // no target
    Met,
    NotMet,
};
TargetMark LifeMark(double years, double targetYears);
TargetMark DataPlanMark(double monthBytes, double dataPlanMB);

// The plan with one transmission at one interval, every other input as it is.
struct IntervalPoint
{
    double mAhTotal = 0;
    // Uncapped, by TemperatureRow.
    std::array<double, TemperatureRowCount> years{};
    // Both transmissions together.
    double monthBytes = 0;
};

// The shortest interval from which on every interval of the table meets a
// target, so that "this interval or less often" holds. Not asked without a
// target or for a transmission that is off.
struct IntervalAnswer
{
    enum class Kind
    {
        NotAsked,
        Reached,
        NotReached, // not even the longest interval meets it
    };
    Kind kind = Kind::NotAsked;
    int interval = NoItem; // item of TXIntervalSeconds when reached

    bool operator==(const IntervalAnswer &other) const
    {
        return kind == other.kind && interval == other.interval;
    }
    bool operator!=(const IntervalAnswer &other) const { return !(*this == other); }
};

// One transmission varied over the table, the other as it stands. Points and
// answers are made only for a transmission that is on.
struct TransmissionAids
{
    bool on = false;
    std::array<IntervalPoint, TxIntervalCount> points{};
    std::array<IntervalAnswer, TemperatureRowCount> life{};
    IntervalAnswer dataPlan;
};

struct PlanningAids
{
    OneBasedArray<TransmissionAids, EstimatorTransmissionCount> transmissions;
};

// Every point runs each estimate once; the answers are read from the points.
PlanningAids ComputePlanningAids(const StationPlan &plan, const PlanningTargets &targets);
