#pragma once

#include "common/OneBasedArray.h"
#include "estimators/BatteryModel.h"
#include "estimators/PlanningAids.h"
#include "estimators/StationPlan.h"
#include "ui/Environment.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace Ui {
class EstimatorPage;
}
class ChartWidget;
class QComboBox;
class QDialog;
class QDoubleSpinBox;
class QFrame;
class QLabel;
class QSpinBox;
class ToggleSwitch;

// The estimator page: the inputs of a station plan, the battery life and the
// data volume they give. It owns its controls and the state of its estimates;
// the arithmetic lives in the plain models.
class EstimatorPage : public QWidget
{
    Q_OBJECT

public:
    // The page as the program starts, with the texts of the given language:
    // the default plan with both estimates computed, and the timer started
    // that computes them once more.
    EstimatorPage(Environment environment, bool english, QWidget *parent = nullptr);
    ~EstimatorPage() override;

    // What the page shows. A row has a name only while it shows one from an
    // import or a plan; the IDs are those the page was given.
    StationPlan plan() const;
    // Sets every control, with the interval handlers detached and the
    // estimators held off, then brings the enabled states up to date and
    // computes once.
    void setPlan(const StationPlan &plan);

    // The page's texts; the rows get their standard names while
    // ChangeChannelNames is set.
    void applyLanguage(bool english);

    // Runs change as one change of the plan: planChanged is emitted once,
    // when the outermost of nested changes ends, also when one fails.
    void AsOneChange(const std::function<void()> &change);

    // Steps of applying an imported setup, which the window runs in their
    // order; the values come from the plan the setup gives the page.
    enum class Pass
    {
        Sampling,
        Storage,
    };
    void ClearTxChannelSwitches();
    void KeepImportedIds(const StationPlan &plan);
    // Sampling pass: the row's name and sampling interval; storage pass: its
    // storage interval and transmissions.
    void ApplyChannelRow(int row, Pass pass, const StationPlan &plan);
    // Both passes set the switch, interval and servers; the storage pass also
    // the data format and compression.
    void ApplyTransmissionControls(Pass pass, const StationPlan &plan);
    // Ticks the conductivity variant or not; only a change runs its handler.
    void CheckConductivity(bool on);

    // Interval drop-downs of the measurement rows.
    void ComboBoxM1Change(QObject *sender);
    void ComboBoxS1Change(QObject *sender);
    int FindIntervalRow(const QObject *control) const;
    void AttachIntervalHandlers();
    void DetachIntervalHandlers();

    // Re-attaches the interval handlers when it ends, also by an exception.
    class DetachedIntervalHandlers
    {
    public:
        explicit DetachedIntervalHandlers(EstimatorPage &page);
        ~DetachedIntervalHandlers();
        DetachedIntervalHandlers(const DetachedIntervalHandlers &) = delete;
        DetachedIntervalHandlers &operator=(const DetachedIntervalHandlers &) = delete;

    private:
        EstimatorPage &page_;
    };

    // Estimates.
    void CalcDataVolume();
    void CalcBattLife();
    void TimerMainTimer();

    // Transmission panel. Called without a sender, the format and secondary
    // server handlers only update enabled states.
    void SwitchVTX1Click(QObject *sender);
    void SwitchVTX2Click(QObject *sender);
    void ComboBoxVFormat1Change(QObject *sender);
    void ComboBoxVFormat2Change(QObject *sender);
    void ComboBoxVServer2ndMode1Change(QObject *sender);
    void ComboBoxVServer2ndMode2Change(QObject *sender);
    void ConductivityCheckBoxChange(QObject *sender);

    // Result details and disclaimers.
    void LabelMResultClick();
    void LabelVResultClick();
    void LabelMDisclaimerClick();
    void LabelVDisclaimerClick();
    // Opens the chart window, or brings the one open to the front.
    void LabelChartClick();

    // Completed data volume estimates since start; lets tests see that one
    // change computes once.
    int DataVolumeRuns() const { return dataVolumeRuns_; }
    // Computations of the planning aids since start, likewise.
    int PlanningAidsRuns() const { return planningAidsRuns_; }

    // The measurement rows M1 to M8, gathered by name.
    OneBasedArray<QLabel *, EstimatorRowCount> MeasurementLabel;
    OneBasedArray<QComboBox *, EstimatorRowCount> SamplingIntervalComboBoxes;
    OneBasedArray<QComboBox *, EstimatorRowCount> StorageIntervalComboBoxes;
    OneBasedArray<ToggleSwitch *, EstimatorRowCount> InTX1Switches;
    OneBasedArray<ToggleSwitch *, EstimatorRowCount> InTX2Switches;

    // While set, both estimates return at once.
    bool CalcDisabled = false;
    // Deferred estimates the timer runs.
    bool CalcVolumeNew = false;
    bool CalcBattLifetimeNew = false;
    BatteryShares Charges; // of the last battery life estimate
    double VolTX1Netto = 0;
    double VolTX2Netto = 0;
    // Whether a language switch gives the rows their standard names.
    bool ChangeChannelNames = true;

signals:
    // The plan changed: once per user action, per setPlan and per applied setup.
    void planChanged();

private:
    // The controls of one transmission column.
    struct TransmissionColumn
    {
        ToggleSwitch *on;
        QComboBox *interval;
        QComboBox *format;
        QComboBox *primaryServer;
        ToggleSwitch *compression;
        QSpinBox *compressionLevel;
        ToggleSwitch *stationEvents;
        ToggleSwitch *channelEvents;
        QSpinBox *eventsNumber;
        QComboBox *secondaryMode;
        QComboBox *secondaryServer;
        QSpinBox *backupPercent;
    };
    TransmissionColumn Column(int t) const;
    ToggleSwitch *InTXSwitch(int t, int row) const;
    // The five controls of a measurement row.
    std::array<QWidget *, 5> RowControls(int row) const;

    enum class IntervalColumn
    {
        Sampling,
        Storage,
    };
    void ApplyIntervalChange(QObject *sender, IntervalColumn touched);
    void KeepIntervalRule(int row, IntervalColumn touched);

    void GatherMeasurementRows();
    void SetUpSpinBoxes();
    void SetDefaultIntervals();
    void ConnectPanel();
    template <typename Control, typename Signal>
    void OnUserChange(Control *control, Signal signal, const std::function<void()> &handler);
    void SwitchVTXClick(int t);
    void EnableColumn(int t);
    void FormatChange(int t, QObject *sender);
    void SecondaryModeChange(int t, QObject *sender);
    void ConnectConductivityHandler(bool attached);
    void ShowConductivityRows(bool shown);
    void ShowConductivity(bool on);
    void ShowRowName(int row, const std::optional<std::string> &name);
    void DescribeControls();
    void DescribeRow(int row);
    void ShowBatteryLife(double capacity, QLabel *days, QLabel *years, const QFrame *background,
                         QFrame *bar);
    void ShowText(const std::string &text, bool information);

    // Planning aids: the targets, their marks and answers, the chart.
    void SetUpTargets();
    PlanningTargets Targets() const;
    void ShowTargets(const PlanningTargets &targets);
    void EndChange();
    void UpdatePlanningAids();
    void ShowTargetMarks();
    void ShowAnswers();
    void ShowChart(const StationPlan &plan);
    void ApplyPlanningTexts();

    void samplingChanged();
    void storageChanged();
    void conductivityToggled();

    const std::unique_ptr<Ui::EstimatorPage> ui;
    const Environment environment_;
    bool english_;
    QTimer TimerMain{this};
    // The names the rows show from an import or a plan; empty: the standard name.
    OneBasedArray<std::optional<std::string>, EstimatorRowCount> names_;
    OneBasedArray<std::string, EstimatorRowCount> ids_;
    std::string stationId_;
    int changeDepth_ = 0;
    int dataVolumeRuns_ = 0;
    // Both transmissions' bytes per month, as the total shows them.
    double monthBytes_ = 0;
    // Computed after a change only while a target is set or the chart is open.
    std::optional<PlanningAids> aids_;
    int planningAidsRuns_ = 0;
    QDialog *chartDialog_ = nullptr;
    ChartWidget *chart_ = nullptr;
};
