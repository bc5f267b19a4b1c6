#pragma once

#include "common/TimeUnits.h"

#include <array>
#include <cstdint>

// The interval lists behind the drop-downs, indexed by item position.

inline constexpr int MeasurementIntervalCount = 26;
inline constexpr int TxIntervalCount = 20;
inline constexpr int CmdTxIntervalCount = 26;

inline constexpr std::array<std::int32_t, MeasurementIntervalCount> IntervalSeconds = {
    5,   6,   10,  12,   15,   20,   30,   60,    120,   180,   240,   300,   360,
    600, 720, 900, 1200, 1800, 3600, 7200, 10800, 14400, 21600, 28800, 43200, 86400};

inline constexpr std::array<std::int32_t, MeasurementIntervalCount> SamplesPerDay = {
    17280, 14400, 8640, 7200, 5760, 4320, 2880, 1440, 720, 480, 360, 288, 240,
    144,   120,   96,   72,   48,   24,   12,   8,    6,   4,   3,   2,   1};

inline constexpr std::array<double, TxIntervalCount> TXIntervalSeconds = {
    60,   120,  180,  240,   300,   360,   600,   720,   900,   1200,
    1800, 3600, 7200, 10800, 14400, 21600, 28800, 43200, 86400, SecondsPerWeek};

inline constexpr std::array<double, TxIntervalCount> TXPerDay = {
    1440, 720, 480, 360, 288, 240, 144, 120, 96, 72, 48, 24, 12, 8, 6, 4, 3, 2, 1, 1.0 / 7};

// Items 19 to 25 of the command editor's list are weekly on Monday to Sunday.
inline constexpr std::array<double, CmdTxIntervalCount> CmdTxIntervalSeconds = {
    60,    120,    180,    240,    300,    360,    600,    720,   900,
    1200,  1800,   3600,   7200,   10800,  14400,  21600,  28800, 43200,
    86400, 604801, 604802, 604803, 604804, 604805, 604806, 604807};

// The daily items, shared with the transmission list (all but its "weekly").
inline constexpr int CmdTxDailyCount = TxIntervalCount - 1;
inline constexpr int CmdTxFirstWeekday = CmdTxDailyCount;
inline constexpr int CmdTxLastWeekday = CmdTxIntervalCount - 1;
inline constexpr int TxWeeklyIndex = TxIntervalCount - 1;

// Seconds back to an item position by exact match; -1 when no item stands for them.
int IntervalIndexOf(double seconds);
// Every value at or above the last weekday code gives that weekday (Sunday).
int TxIntervalIndexOf(double seconds);
// Every value of a week or more gives "weekly".
int VTXIntervalIndexOf(double seconds);
