// Times one user change on the estimator page end to end, in-process and
// without painting: a storage interval picked with "Change all" on, through
// the interval rule, both estimates and the result labels; then the same
// with both targets set, adding the planning aids, their marks and answers.
// Also times the two models alone on the start-up inputs. Prints medians.

#include "app/FormMain.h"
#include "estimators/BatteryModel.h"
#include "estimators/EstimatorPage.h"
#include "estimators/VolumeModel.h"
#include "tests/support/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Environment.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int WarmUpChanges = 200;
constexpr int TimedChanges = 5000;
constexpr int ModelBatches = 51;
constexpr int ModelCallsPerBatch = 20000;
// Two storage items the changes alternate between: "12:00:00" and "24:00:00".
constexpr int FirstItem = 24;
constexpr int SecondItem = 25;

using Clock = std::chrono::steady_clock;

// The page shows no box while it is timed.
class NoDialogs : public Dialogs
{
public:
    void showMessage(QWidget *, Kind, const QString &, QMessageBox::StandardButton) override {}
    QString openFileName(QWidget *, const FileRequest &) override { return {}; }
    QStringList openFileNames(QWidget *, const FileRequest &) override { return {}; }
    QString saveFileName(QWidget *, const FileRequest &) override { return {}; }
    QString folderName(QWidget *, const FileRequest &) override { return {}; }
    bool choosePrinter(QWidget *, QPrinter &) override { return false; }
};

double Median(std::vector<double> values)
{
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// Median microseconds of one call, each call timed on its own.
double MedianMicroseconds(int calls, const std::function<void(int)> &call)
{
    for (int i = 0; i < WarmUpChanges; ++i)
        call(i);
    std::vector<double> each;
    each.reserve(static_cast<std::size_t>(calls));
    for (int i = 0; i < calls; ++i) {
        const auto start = Clock::now();
        call(i);
        each.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    return Median(each);
}

// The inputs the page hands the models right after start-up.
BatteryInputs StartupBattery()
{
    BatteryInputs inputs;
    for (int row = 1; row <= EstimatorRowCount; ++row)
        inputs.samplingIndex[row] = row >= 3 && row <= 5 ? SecondItem : 18;
    inputs.observer = 2;
    inputs.transmissions[1] = {true, 18, 0, SecondaryModeNone, 0, 30};
    inputs.transmissions[2] = {false, 18, 0, SecondaryModeNone, 0, 30};
    return inputs;
}

VolumeInputs StartupVolume()
{
    VolumeInputs inputs;
    for (int row = 1; row <= EstimatorRowCount; ++row)
        inputs.rows[row] = {true, true, row >= 3 && row <= 5 ? SecondItem : 18};
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        TransmissionInputs &tx = inputs.transmissions[t];
        tx.on = t == 1;
        tx.intervalIndex = 18;
        tx.format = t == 1 ? 1 : 0;
        tx.compression = true;
        tx.stationEvents = true;
        tx.channelEvents = true;
        tx.eventsNumber = 1;
        tx.backupPercent = 30;
    }
    return inputs;
}

volatile double Sink;

// Median nanoseconds per call over batches, the models being too quick to
// time one call at a time.
double ModelNanoseconds()
{
    const BatteryInputs battery = StartupBattery();
    const VolumeInputs volume = StartupVolume();
    std::vector<double> perCall;
    for (int batch = 0; batch < ModelBatches; ++batch) {
        double sum = 0;
        const auto start = Clock::now();
        for (int i = 0; i < ModelCallsPerBatch; ++i)
            sum += EstimateVolume(volume).perTX1 + EstimateBatteryShares(battery).mAhTotal;
        const auto stop = Clock::now();
        Sink = sum;
        perCall.push_back(std::chrono::duration<double, std::nano>(stop - start).count() /
                          ModelCallsPerBatch);
    }
    return Median(perCall);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    const QTemporaryDir folder;
    Environment environment;
    environment.ProgramFolder = folder.path();
    environment.Boxes = std::make_shared<NoDialogs>();
    environment.Today = [] { return QDate(2026, 12, 10); };
    environment.RandomSeed = 1;
    environment.Locale = QLocale::c();

    TFormMain form(environment);
    Named<QTimer>(form, "TimerMain")->stop();
    Named<QCheckBox>(form, "CheckBoxSAll")->setChecked(true);
    QComboBox *storage = Named<QComboBox>(form, "ComboBoxS3");
    EstimatorPage &page = form.Estimators();

    const auto changeStorage = [storage](int i) {
        storage->setCurrentIndex(i % 2 == 0 ? FirstItem : SecondItem);
    };
    const int runsBefore = page.DataVolumeRuns();
    const double change = MedianMicroseconds(TimedChanges, changeStorage);
    const int runs = page.DataVolumeRuns() - runsBefore;
    Named<QDoubleSpinBox>(form, "SpinBoxTargetYears")->setValue(5);
    Named<QDoubleSpinBox>(form, "SpinBoxDataPlanMB")->setValue(50);
    const int aidsBefore = page.PlanningAidsRuns();
    const double withTargets = MedianMicroseconds(TimedChanges, changeStorage);
    const int aidsRuns = page.PlanningAidsRuns() - aidsBefore;
    const double estimates =
        MedianMicroseconds(TimedChanges, [&page](int) { page.CalcDataVolume(); });
    const double models = ModelNanoseconds();

    std::printf("one change (ComboBoxS3, Change all) %8.2f us median, %d estimates in %d changes\n",
                change, runs, WarmUpChanges + TimedChanges);
    std::printf("the same with both targets set      %8.2f us median, %d aids in %d changes\n",
                withTargets, aidsRuns, WarmUpChanges + TimedChanges);
    std::printf("CalcDataVolume + CalcBattLife alone %8.2f us median\n", estimates);
    std::printf("both models alone                   %8.1f ns median\n", models);
    std::printf("page: %s / %s, battery %s days\n",
                qPrintable(Named<QLabel>(form, "LabelVolTrans1")->text()),
                qPrintable(Named<QLabel>(form, "LabelVolMonth1")->text()),
                qPrintable(Named<QLabel>(form, "LabelBLTdays2")->text()));
    return 0;
}
