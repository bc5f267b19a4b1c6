// Times making one station report: drawing the page into a PDF and writing
// the file, for a busy plan (both transmissions, the conductivity variant,
// both targets). Prints the first report of the process, which loads the
// fonts, and the median of the reports after it.

#include "report/ReportPdf.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int Reports = 31;

ReportData BusyReport()
{
    ReportData data;
    StationPlan &plan = data.plan;
    plan.stationId = "0000004711";
    ChooseConductivity(plan, true);
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        StationPlan::Transmission &tx = plan.transmissions[t];
        tx.on = true;
        tx.secondaryMode = StationPlan::SecondaryMode::Backup;
    }
    plan.targets = {5, 50};
    data.date = {2026, 3, 1};
    data.version = "bench";
    return data;
}

double Milliseconds(std::chrono::steady_clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

} // namespace

int main(int argc, char **argv)
{
    // Fonts need a GUI application; offscreen needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("report.pdf")).toStdString();
    const ReportData data = BusyReport();

    std::vector<double> times;
    for (int i = 0; i <= Reports; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (const FileFault fault = WriteReportPdf(path, data)) {
            std::fprintf(stderr, "%s\n", ReportNotWrittenText(path, fault, false).c_str());
            return 1;
        }
        times.push_back(Milliseconds(std::chrono::steady_clock::now() - start));
    }
    const double first = times.front();
    times.erase(times.begin());
    std::nth_element(times.begin(), times.begin() + Reports / 2, times.end());
    std::printf("report, first   %8.1f ms (fonts loaded; target: under 300)\n", first);
    std::printf("report, median  %8.1f ms per report (target: under 300)\n", times[Reports / 2]);
    return 0;
}
