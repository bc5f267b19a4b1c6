#pragma once

#include "common/ListItems.h"
#include "common/TableLookup.h"

#include <cstdint>
#include <optional>

// The plan's values and the item positions of the estimator page's
// drop-downs that show them. An empty optional is NoItem, a drop-down
// without a chosen item.

// Values of IntervalSeconds.
int SamplingItem(const std::optional<std::int32_t> &seconds);
std::optional<std::int32_t> IntervalAt(int item);

// Values of TXIntervalSeconds.
int TransmissionItem(const std::optional<std::int32_t> &seconds);
std::optional<std::int32_t> TransmissionIntervalAt(int item);

// A choice is the position of its item.
template <typename Choice> int ItemOf(const std::optional<Choice> &choice)
{
    return choice ? static_cast<int>(*choice) : NoItem;
}

// The choice a drop-down of count items shows after selecting item.
template <typename Choice> std::optional<Choice> ChoiceAt(int item, int count)
{
    if (!InRange(item, count))
        return std::nullopt;
    return static_cast<Choice>(item);
}
