#include "estimators/BatteryModel.h"

#include "common/IntervalTables.h"
#include "common/NumberFormat.h"
#include "common/TableLookup.h"
#include "common/TimeUnits.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace {

// Sensor cycle of rows M1, M2 (and M6 to M8 in the conductivity variant):
// milliamperes times seconds per cycle.
constexpr double SensorCurrent = 20;
constexpr double SensorSeconds = 0.7;
constexpr double ConductivitySensorCurrent = 48;
constexpr double ConductivitySensorSeconds = 3.5;

// Rows M3 to M5 are internal values: three readings per sample at 0.1 mA·s.
constexpr double InternalReadingsPerSample = 3;
constexpr double InternalChargePerReading = 0.1;

constexpr double IdleShare = 2.4;

constexpr double BleCurrent = 30;
constexpr double BleConnectionSeconds = 600;

constexpr int CatM1Current = 90;
constexpr int FallbackNetworkCurrent = 160;

constexpr std::array<int, ServerTypeCount> ServerSeconds = {60, 90, 75, 60, 75, 100};
constexpr int UnknownServerSeconds = 60;

constexpr double DaysPerYear = 365.25;
constexpr double BarFullScaleYears = 10;
constexpr double CappedDays = 3653;
constexpr const char *CappedDaysText = "> 3653";
constexpr const char *CappedYearsText = "> 10";

double SamplesPerDayOf(int samplingIndex)
{
    return InTable(SamplesPerDay, samplingIndex) ? SamplesPerDay[samplingIndex] : 0;
}

// The sensor rows share one cycle, run as often as the most frequent of them.
double SensorShare(const BatteryInputs &inputs)
{
    double cycles = 0;
    const auto consider = [&](int row) {
        cycles = std::max(cycles, SamplesPerDayOf(inputs.samplingIndex[row]));
    };
    consider(1);
    consider(2);
    if (inputs.conductivity) {
        for (int row = FirstConductivityRow; row <= EstimatorRowCount; ++row)
            consider(row);
    }
    const double chargePerCycle = inputs.conductivity
                                      ? ConductivitySensorCurrent * ConductivitySensorSeconds
                                      : SensorCurrent * SensorSeconds;
    return cycles * chargePerCycle / SecondsPerHour;
}

double InternalShare(const BatteryInputs &inputs)
{
    double share = 0;
    for (int row = 3; row <= 5; ++row)
        share += SamplesPerDayOf(inputs.samplingIndex[row]) * InternalReadingsPerSample *
                 InternalChargePerReading / SecondsPerHour;
    return share;
}

double BleShare(int observer)
{
    if (!InTable(ObserverPerDay, observer))
        return 0;
    return ObserverPerDay[observer] * BleCurrent *
           (ObserverExtraSeconds[observer] + BleConnectionSeconds) / SecondsPerHour;
}

// Primary and secondary share of one transmission.
std::pair<double, double> TransmissionShares(const BatteryTransmission &tx, int radioNetwork)
{
    if (!tx.on || !InTable(TXPerDay, tx.intervalIndex))
        return {0, 0};
    const double perDay = TXPerDay[tx.intervalIndex];
    const double current = RadioNetworkFactor(radioNetwork);
    const double primary =
        perDay * ServerTypeFactor(tx.primaryServerType) * current / SecondsPerHour;
    double secondarySeconds = 0;
    if (tx.secondaryMode == SecondaryModeBackup)
        secondarySeconds = tx.backupPercent / 100.0 * ServerTypeFactor(tx.secondaryServerType);
    else if (tx.secondaryMode == SecondaryModeBothServers)
        secondarySeconds = ServerTypeFactor(tx.secondaryServerType);
    return {primary, perDay * secondarySeconds * current / SecondsPerHour};
}

} // namespace

int ServerTypeFactor(int serverType)
{
    return InTable(ServerSeconds, serverType) ? ServerSeconds[serverType] : UnknownServerSeconds;
}

int RadioNetworkFactor(int radioNetwork)
{
    return radioNetwork == RadioNetwork::CatM1 ? CatM1Current : FallbackNetworkCurrent;
}

BatteryShares EstimateBatteryShares(const BatteryInputs &inputs)
{
    BatteryShares shares;
    shares.mAhMeas = SensorShare(inputs) + InternalShare(inputs);
    shares.mAhIdle = IdleShare;
    shares.mAhBLE = BleShare(inputs.observer);
    std::tie(shares.mAhTrans11, shares.mAhTrans12) =
        TransmissionShares(inputs.transmissions[1], inputs.radioNetwork);
    std::tie(shares.mAhTrans21, shares.mAhTrans22) =
        TransmissionShares(inputs.transmissions[2], inputs.radioNetwork);
    shares.mAhTotal = shares.mAhMeas + shares.mAhIdle + shares.mAhBLE +
                      (shares.mAhTrans11 + shares.mAhTrans12) +
                      (shares.mAhTrans21 + shares.mAhTrans22);
    return shares;
}

BatteryLifeRow BatteryLife(double capacity, double mAhTotal, char decimalSeparator)
{
    const double days = capacity / mAhTotal;
    if (days >= CappedDays)
        return {CappedDaysText, CappedYearsText, 1.0};
    // Below the cap but above ten years the bar runs marginally past its end.
    return {FormatFloatPattern(BatteryDays(capacity, mAhTotal), 0, 0, decimalSeparator),
            FormatYears(BatteryYears(capacity, mAhTotal), 0, decimalSeparator),
            days / (BarFullScaleYears * DaysPerYear)};
}

double BatteryDays(double capacity, double mAhTotal)
{
    return Round(capacity / mAhTotal);
}

double BatteryYears(double capacity, double mAhTotal)
{
    return capacity / mAhTotal / DaysPerYear;
}

std::string FormatYears(double years, int minDecimals, char decimalSeparator)
{
    return FormatFloatPattern(years, minDecimals, YearDecimals, decimalSeparator);
}
