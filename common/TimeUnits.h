#pragma once

#include <cstdint>

inline constexpr std::int32_t SecondsPerMinute = 60;
inline constexpr std::int32_t SecondsPerHour = 3600;
inline constexpr std::int32_t SecondsPerDay = 86400;
inline constexpr std::int32_t SecondsPerWeek = 604800;

// The second of the day a number of seconds falls on, also for negative numbers.
constexpr std::int64_t SecondOfDay(std::int64_t seconds)
{
    return (seconds % SecondsPerDay + SecondsPerDay) % SecondsPerDay;
}
