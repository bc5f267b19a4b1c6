// Times what one change on the estimator page computes for the planning
// aids: the chart's points for both transmissions and the answers to both
// targets. Prints the median microseconds per change.

#include "estimators/PlanningAids.h"
#include "estimators/StationPlan.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int Batches = 51;
constexpr int ChangesPerBatch = 2000;
// The storage interval of M1 walks from hourly through the next six items.
constexpr int HourlyItem = 18;
constexpr int StorageSteps = 7;

// Every input that the figures depend on in use: both transmissions on with
// a backup server, the conductivity variant, both targets set.
StationPlan BusyPlan()
{
    StationPlan plan = DefaultPlan();
    ChooseConductivity(plan, true);
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        StationPlan::Transmission &tx = plan.transmissions[t];
        tx.on = true;
        tx.secondaryMode = StationPlan::SecondaryMode::Backup;
    }
    return plan;
}

volatile double Sink;

} // namespace

int main()
{
    StationPlan plan = BusyPlan();
    const PlanningTargets targets{5, 50};
    std::vector<double> perChange;
    for (int batch = 0; batch < Batches; ++batch) {
        double sum = 0;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < ChangesPerBatch; ++i) {
            // A change of the storage interval, as the user makes one.
            plan.rows[1].storageSeconds =
                IntervalSeconds[static_cast<std::size_t>(HourlyItem + i % StorageSteps)];
            const PlanningAids aids = ComputePlanningAids(plan, targets);
            sum += aids.transmissions[1].points[0].monthBytes +
                   aids.transmissions[2].dataPlan.interval;
        }
        const auto stop = std::chrono::steady_clock::now();
        Sink = sum;
        perChange.push_back(std::chrono::duration<double, std::micro>(stop - start).count() /
                            ChangesPerBatch);
    }
    std::nth_element(perChange.begin(), perChange.begin() + Batches / 2, perChange.end());
    std::printf("planning aids  %8.2f us per change (target: under 100)\n", perChange[Batches / 2]);
    return 0;
}
