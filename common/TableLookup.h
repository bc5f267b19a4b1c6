#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>

// Whether index is a position of a list of count items; NoItem never is.
constexpr bool InRange(int index, int count)
{
    return index >= 0 && index < count;
}

template <typename Table> constexpr bool InTable(const Table &table, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < std::size(table);
}

// The position of value by exact match; -1 when the table does not hold it.
template <typename Table, typename Value> int IndexOf(const Table &table, const Value &value)
{
    const auto it = std::find(std::begin(table), std::end(table), value);
    return it == std::end(table) ? -1 : static_cast<int>(std::distance(std::begin(table), it));
}
