#pragma once

#include <QObject>

class TFormMain;

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

    // Transmission panel.
    void SwitchVTX1Click(QObject *sender);
    void SwitchVTX2Click(QObject *sender);

    // Completed data volume estimates since start; lets tests see that one
    // change computes once.
    int DataVolumeRuns() const { return dataVolumeRuns_; }

private:
    enum class IntervalColumn
    {
        Sampling,
        Storage,
    };
    void ApplyIntervalChange(QObject *sender, IntervalColumn touched);
    void KeepIntervalRule(int row, IntervalColumn touched);
    void samplingChanged();
    void storageChanged();

    TFormMain &w;
    int dataVolumeRuns_ = 0;
};
