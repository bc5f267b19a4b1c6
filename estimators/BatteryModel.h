#pragma once

#include "common/ListItems.h"
#include "common/OneBasedArray.h"

#include <array>
#include <cstdint>
#include <string>

// Daily charge of the logger and the battery life it gives. Every charge is
// in mAh per day. An index outside its table (-1 is a drop-down without a
// selection) contributes nothing.

// Local BLE readings per day and the extra connection seconds of each, by
// item of the observer interval drop-down.
inline constexpr std::array<double, ObserverIntervalCount> ObserverPerDay = {
    1.0, 0.1429, 0.0333, 0.0167, 0.0111, 0.0055, 0.0027};
inline constexpr std::array<std::int32_t, ObserverIntervalCount> ObserverExtraSeconds = {
    5, 6, 12, 24, 36, 72, 144};

// Usable capacities in mAh of the two result rows.
inline constexpr double CapacityAt20C = 20800;
inline constexpr double CapacityAtMinus20C = 13000;

// Measurement rows M1 to M8 and the transmissions TX1 and TX2. Rows M6 to
// M8 take part only in the conductivity variant.
inline constexpr int EstimatorRowCount = 8;
inline constexpr int FirstConductivityRow = 6;
inline constexpr int EstimatorTransmissionCount = 2;

// The rows that count, M1 up to the one returned.
constexpr int CountedRows(bool conductivity)
{
    return conductivity ? EstimatorRowCount : FirstConductivityRow - 1;
}

// Connection seconds of one transmission to a server of that type.
int ServerTypeFactor(int serverType);
// Milliamperes drawn by the modem of that radio network.
int RadioNetworkFactor(int radioNetwork);

struct BatteryTransmission
{
    bool on = false;
    int intervalIndex = -1;
    int primaryServerType = 0;
    int secondaryMode = SecondaryModeNone;
    int secondaryServerType = 0;
    int backupPercent = 0;
};

struct BatteryInputs
{
    OneBasedArray<int, EstimatorRowCount> samplingIndex;
    bool conductivity = false;
    int radioNetwork = 0;
    int observer = 0;
    OneBasedArray<BatteryTransmission, EstimatorTransmissionCount> transmissions;
};

struct BatteryShares
{
    double mAhTotal = 0;
    double mAhMeas = 0;
    double mAhIdle = 0;
    double mAhBLE = 0;
    double mAhTrans11 = 0;
    double mAhTrans12 = 0;
    double mAhTrans21 = 0;
    double mAhTrans22 = 0;
};

BatteryShares EstimateBatteryShares(const BatteryInputs &inputs);

// What one result row shows: days, years and the foreground bar's width as a
// fraction of its background bar.
struct BatteryLifeRow
{
    std::string days;
    std::string years;
    double barFraction = 0;
};

BatteryLifeRow BatteryLife(double capacity, double mAhTotal, char decimalSeparator);

// The figures behind a result row, without its cap: the whole days a battery
// of that capacity lasts (rounded as the row rounds them) and the years,
// unrounded.
double BatteryDays(double capacity, double mAhTotal);
double BatteryYears(double capacity, double mAhTotal);

// Years as the row shows them: at least minDecimals and at most YearDecimals.
inline constexpr int YearDecimals = 2;
std::string FormatYears(double years, int minDecimals, char decimalSeparator);
