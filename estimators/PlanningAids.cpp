#include "estimators/PlanningAids.h"

#include "estimators/StationPlan.h"
#include "estimators/VolumeModel.h"

namespace {

template <typename Meets>
IntervalAnswer Shortest(const std::array<IntervalPoint, TxIntervalCount> &points, Meets meets)
{
    // Intervals do not always save volume as they grow (a month counts five
    // weeks but 31 days), so the answer is where the run of meeting
    // intervals up to the longest begins.
    int from = TxIntervalCount;
    while (from > 0 && meets(points[static_cast<std::size_t>(from - 1)]))
        --from;
    if (from == TxIntervalCount)
        return {IntervalAnswer::Kind::NotReached, NoItem};
    return {IntervalAnswer::Kind::Reached, from};
}

void Answer(TransmissionAids &aids, const PlanningTargets &targets)
{
    if (IsTarget(targets.years)) {
        for (int row = 0; row < TemperatureRowCount; ++row)
            aids.life[static_cast<std::size_t>(row)] =
                Shortest(aids.points, [&](const IntervalPoint &point) {
                    return LifeMark(point.years[static_cast<std::size_t>(row)], targets.years) ==
                           TargetMark::Met;
                });
    }
    if (IsTarget(targets.dataPlanMB))
        aids.dataPlan = Shortest(aids.points, [&](const IntervalPoint &point) {
            return DataPlanMark(point.monthBytes, targets.dataPlanMB) == TargetMark::Met;
        });
}

} // namespace

TargetMark LifeMark(double years, double targetYears)
{
    if (!IsTarget(targetYears))
        return TargetMark::None;
    return years >= targetYears ? TargetMark::Met : TargetMark::NotMet;
}

TargetMark DataPlanMark(double monthBytes, double dataPlanMB)
{
    if (!IsTarget(dataPlanMB))
        return TargetMark::None;
    return monthBytes <= dataPlanMB * BytesPerMegabyte ? TargetMark::Met : TargetMark::NotMet;
}

PlanningAids ComputePlanningAids(const StationPlan &plan, const PlanningTargets &targets)
{
    PlanningAids aids;
    const BatteryInputs battery = BatteryInputsOf(plan);
    const VolumeInputs volume = VolumeInputsOf(plan);
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        TransmissionAids &tx = aids.transmissions[t];
        tx.on = plan.transmissions[t].on;
        if (!tx.on)
            continue;
        BatteryInputs batteryAt = battery;
        VolumeInputs volumeAt = volume;
        for (int i = 0; i < TxIntervalCount; ++i) {
            batteryAt.transmissions[t].intervalIndex = i;
            volumeAt.transmissions[t].intervalIndex = i;
            IntervalPoint &point = tx.points[static_cast<std::size_t>(i)];
            point.mAhTotal = EstimateBatteryShares(batteryAt).mAhTotal;
            for (int row = 0; row < TemperatureRowCount; ++row)
                point.years[static_cast<std::size_t>(row)] =
                    BatteryYears(RowCapacity[static_cast<std::size_t>(row)], point.mAhTotal);
            const VolumeResult figures = EstimateVolume(volumeAt);
            point.monthBytes = figures.month1 + figures.month2;
        }
        Answer(tx, targets);
    }
    return aids;
}
