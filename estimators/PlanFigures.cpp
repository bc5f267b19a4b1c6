#include "estimators/PlanFigures.h"

#include "common/NumberFormat.h"

#include <tuple>

namespace {

constexpr int MAhDecimals = 5;

std::string Whole(double value)
{
    return FormatFloatPattern(value, 0, 0, '.');
}

} // namespace

bool PlanFigures::Volume::operator==(const Volume &other) const
{
    return perTransmission == other.perTransmission && perMonth == other.perMonth;
}

bool PlanFigures::operator==(const PlanFigures &other) const
{
    return std::tie(days20C, years20C, daysMinus20C, yearsMinus20C, mAhPerDay, tx1, tx2,
                    bytesPerMonthTotal) ==
           std::tie(other.days20C, other.years20C, other.daysMinus20C, other.yearsMinus20C,
                    other.mAhPerDay, other.tx1, other.tx2, other.bytesPerMonthTotal);
}

PlanFigures FiguresOf(const StationPlan &plan)
{
    const double mAh = EstimateBattery(plan).mAhTotal;
    const VolumeResult volume = EstimateVolume(plan);
    PlanFigures figures;
    figures.days20C = BatteryDays(CapacityAt20C, mAh);
    figures.years20C = BatteryYears(CapacityAt20C, mAh);
    figures.daysMinus20C = BatteryDays(CapacityAtMinus20C, mAh);
    figures.yearsMinus20C = BatteryYears(CapacityAtMinus20C, mAh);
    figures.mAhPerDay = mAh;
    figures.tx1 = {Round(volume.perTX1), Round(volume.month1)};
    if (plan.transmissions[2].on)
        figures.tx2 = PlanFigures::Volume{Round(volume.perTX2), Round(volume.month2)};
    // A transmission that is off sends nothing.
    figures.bytesPerMonthTotal = Round(volume.month1 + volume.month2);
    return figures;
}

std::array<std::optional<std::string>, FigureKeys.size()> FigureTexts(const PlanFigures &figures)
{
    const auto tx2 = [&figures](double PlanFigures::Volume::*figure) -> std::optional<std::string> {
        if (!figures.tx2)
            return std::nullopt;
        return Whole((*figures.tx2).*figure);
    };
    return {Whole(figures.days20C),
            FormatYears(figures.years20C, YearDecimals, '.'),
            Whole(figures.daysMinus20C),
            FormatYears(figures.yearsMinus20C, YearDecimals, '.'),
            FormatFloatPattern(figures.mAhPerDay, MAhDecimals, MAhDecimals, '.'),
            Whole(figures.tx1.perTransmission),
            tx2(&PlanFigures::Volume::perTransmission),
            Whole(figures.tx1.perMonth),
            tx2(&PlanFigures::Volume::perMonth),
            Whole(figures.bytesPerMonthTotal)};
}
