#pragma once

#include <QObject>

#include <string>

class QComboBox;
class QFrame;
class QLabel;
class QSpinBox;
class TFormMain;
class ToggleSwitch;

// Handlers of the estimator page: the interval controls, the transmission
// panel, both estimates and their result details. Reads and writes controls
// through the window; the arithmetic lives in the plain models.
class EstimatorPage : public QObject
{
    Q_OBJECT

public:
    explicit EstimatorPage(TFormMain &form);

    // Interval drop-downs of the measurement rows.
    void ComboBoxM1Change(QObject *sender);
    void ComboBoxS1Change(QObject *sender);
    int FindIntervalRow(const QObject *control) const;
    void AttachIntervalHandlers();
    void DetachIntervalHandlers();

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

    // Completed data volume estimates since start; lets tests see that one
    // change computes once.
    int DataVolumeRuns() const { return dataVolumeRuns_; }

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

    enum class IntervalColumn
    {
        Sampling,
        Storage,
    };
    void ApplyIntervalChange(QObject *sender, IntervalColumn touched);
    void KeepIntervalRule(int row, IntervalColumn touched);

    void ConnectPanel();
    void SwitchVTXClick(int t);
    void FormatChange(int t, QObject *sender);
    void SecondaryModeChange(int t, QObject *sender);
    void ConnectConductivityHandler(bool attached);
    void ShowBatteryLife(double capacity, QLabel *days, QLabel *years, const QFrame *background,
                         QFrame *bar);
    void ShowText(const std::string &text, bool information);

    void samplingChanged();
    void storageChanged();
    void conductivityToggled();

    TFormMain &w;
    int dataVolumeRuns_ = 0;
};
