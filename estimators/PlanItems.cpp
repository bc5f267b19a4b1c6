#include "estimators/PlanItems.h"

#include "common/IntervalTables.h"

int SamplingItem(const std::optional<std::int32_t> &seconds)
{
    return seconds ? IndexOf(IntervalSeconds, *seconds) : NoItem;
}

int TransmissionItem(const std::optional<std::int32_t> &seconds)
{
    return seconds ? IndexOf(TXIntervalSeconds, *seconds) : NoItem;
}

std::optional<std::int32_t> IntervalAt(int item)
{
    if (!InTable(IntervalSeconds, item))
        return std::nullopt;
    return IntervalSeconds[static_cast<std::size_t>(item)];
}

std::optional<std::int32_t> TransmissionIntervalAt(int item)
{
    if (!InTable(TXIntervalSeconds, item))
        return std::nullopt;
    return static_cast<std::int32_t>(TXIntervalSeconds[static_cast<std::size_t>(item)]);
}
