// Times the battery and volume models as one page change runs them and
// prints the median nanoseconds per call.

#include "estimators/BatteryModel.h"
#include "estimators/VolumeModel.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Batches = 51;
constexpr int CallsPerBatch = 20000;
constexpr int TxIntervalChoices = 20;

BatteryInputs PageBattery()
{
    BatteryInputs inputs;
    for (int row = 1; row <= EstimatorRowCount; ++row)
        inputs.samplingIndex[row] = row >= 3 && row <= 5 ? 25 : 18;
    inputs.observer = 2;
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        inputs.transmissions[t].on = true;
        inputs.transmissions[t].intervalIndex = 18;
        inputs.transmissions[t].secondaryMode = SecondaryModeBackup;
        inputs.transmissions[t].backupPercent = 30;
    }
    return inputs;
}

VolumeInputs PageVolume()
{
    VolumeInputs inputs;
    inputs.conductivity = true;
    for (int row = 1; row <= EstimatorRowCount; ++row)
        inputs.rows[row] = {true, true, row >= 3 && row <= 5 ? 25 : 18};
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        TransmissionInputs &tx = inputs.transmissions[t];
        tx.on = true;
        tx.intervalIndex = 18;
        tx.format = 1;
        tx.compression = true;
        tx.stationEvents = true;
        tx.channelEvents = true;
        tx.eventsNumber = 1;
        tx.secondaryMode = SecondaryModeBackup;
        tx.backupPercent = 30;
    }
    return inputs;
}

volatile double Sink;

// The interval changes every call so nothing can be hoisted out of the loop.
double MedianNanoseconds(const std::function<double(int)> &call)
{
    std::vector<double> perCall;
    for (int batch = 0; batch < Batches; ++batch) {
        double sum = 0;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < CallsPerBatch; ++i)
            sum += call(i % TxIntervalChoices);
        const auto stop = std::chrono::steady_clock::now();
        Sink = sum;
        perCall.push_back(std::chrono::duration<double, std::nano>(stop - start).count() /
                          CallsPerBatch);
    }
    std::nth_element(perCall.begin(), perCall.begin() + Batches / 2, perCall.end());
    return perCall[Batches / 2];
}

} // namespace

int main()
{
    BatteryInputs battery = PageBattery();
    VolumeInputs volume = PageVolume();

    const auto batteryCall = [&](int interval) {
        battery.transmissions[1].intervalIndex = interval;
        return EstimateBatteryShares(battery).mAhTotal;
    };
    const auto volumeCall = [&](int interval) {
        volume.transmissions[1].intervalIndex = interval;
        return EstimateVolume(volume).month1;
    };
    const auto bothCall = [&](int interval) {
        return volumeCall(interval) + batteryCall(interval);
    };

    std::printf("battery  %8.1f ns per call\n", MedianNanoseconds(batteryCall));
    std::printf("volume   %8.1f ns per call\n", MedianNanoseconds(volumeCall));
    std::printf("both     %8.1f ns per call\n", MedianNanoseconds(bothCall));
    return 0;
}
