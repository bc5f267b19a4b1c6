#pragma once

#include "common/Message.h"

#include <array>
#include <cstddef>
#include <string>

// Texts of the planning aids (targets, their marks and answers, the chart)
// in English and German, UTF-8. "%1" to "%3" are filled in by the functions
// below.
enum class PlanningText
{
    TargetYearsLabel,
    DataPlanLabel,
    ChartLink,
    // Marks beside a figure, readable without their colour.
    Met,
    NotMet,
    // Quantities: "%1" is the number.
    Years,
    OneYear,
    Megabytes,
    // "%1" is the transmission, "%2" an interval item.
    Every,
    EveryOrLessOften,
    Weekly,
    // "%1" the target, "%2" the temperature, "%3" the schedule or transmission.
    LifeReached,
    LifeNotReached,
    // "%1" the target, "%2" the schedule or transmission.
    DataPlanKept,
    DataPlanNotKept,
    // The chart.
    BatteryChartTitle,
    VolumeChartTitle,
    IntervalAxisTitle,
    IntervalAxisTitleBoth, // with two transmissions, one varied at a time
    SeriesAtTemperature,   // "%1" transmission, "%2" temperature
    CurrentInterval,
    TargetLine,   // "%1" the years
    DataPlanLine, // "%1" the megabytes
    PerMonth,     // "%1" the megabytes
    PerMonthBoth, // "%1" the megabytes of both transmissions
    NoTarget,     // a target spin box at 0
    Count
};

inline constexpr std::size_t PlanningTextCount = static_cast<std::size_t>(PlanningText::Count);
extern const std::array<Message, PlanningTextCount> PlanningTexts;

const char *Text(PlanningText text, bool german);

// The battery result rows' temperatures, 20 °C first; the same in both languages.
inline constexpr std::array<const char *, 2> TemperatureTexts = {"20 °C", "-20 °C"};

// "TX1", "TX2".
std::string TransmissionName(int transmission);

// Targets as the answers name them, the number with at most two decimals
// unless told otherwise.
inline constexpr int TargetDecimals = 2;
std::string YearsText(double years, bool german, char decimalSeparator);
std::string MegabytesText(double megabytes, char decimalSeparator,
                          int maxDecimals = TargetDecimals);

// "TX1 every 04:00:00" or "TX1 weekly"; item is one of TXIntervalItems.
std::string ScheduleText(int transmission, int item, bool german);

// The answer line below the results. item is the shortest interval of the
// table that meets the target with every longer one, or NoItem when none
// does.
std::string LifeAnswerLine(double targetYears, int temperatureRow, int transmission, int item,
                           bool german, char decimalSeparator);
std::string DataPlanAnswerLine(double dataPlanMB, int transmission, int item, bool german,
                               char decimalSeparator);
