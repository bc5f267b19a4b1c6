#include "estimators/PlanningChart.h"

#include "common/TableLookup.h"
#include "estimators/StationPlan.h"

ChartData ChartDataOf(const StationPlan &plan, const PlanningAids &aids,
                      const PlanningTargets &targets)
{
    static_assert(ChartTransmissionCount == EstimatorTransmissionCount);
    static_assert(ChartTemperatureCount == TemperatureRowCount);
    ChartData data;
    data.targetYears = targets.years;
    data.dataPlanMB = targets.dataPlanMB;
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const TransmissionAids &from = aids.transmissions[t];
        ChartData::Transmission &to = data.transmissions[static_cast<std::size_t>(t - 1)];
        to.shown = from.on;
        const std::optional<std::int32_t> &seconds = plan.transmissions[t].intervalSeconds;
        to.current = seconds ? IndexOf(TXIntervalSeconds, *seconds) : NoItem;
        for (std::size_t i = 0; i < from.points.size(); ++i) {
            to.years[i] = from.points[i].years;
            to.monthMB[i] = from.points[i].monthBytes / BytesPerMegabyte;
        }
    }
    return data;
}
