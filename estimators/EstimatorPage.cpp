#include "estimators/EstimatorPage.h"

#include "app/FormMain.h"
#include "ui_FormMain.h"

EstimatorPage::EstimatorPage(TFormMain &form) : w(form)
{
    AttachIntervalHandlers();
    connect(&w.TimerMain, &QTimer::timeout, this, &EstimatorPage::TimerMainTimer);
}

void EstimatorPage::CalcDataVolume()
{
    if (w.CalcDisabled)
        return;
    ++dataVolumeRuns_;
    CalcBattLife();
}

void EstimatorPage::CalcBattLife()
{
    if (w.CalcDisabled)
        return;
}

void EstimatorPage::TimerMainTimer()
{
    if (w.CalcVolumeNew) {
        w.CalcVolumeNew = false;
        CalcDataVolume();
    }
    if (w.CalcBattLifetimeNew) {
        w.CalcBattLifetimeNew = false;
        CalcBattLife();
    }
}

void EstimatorPage::SwitchVTX1Click(QObject *)
{
    CalcDataVolume();
}

void EstimatorPage::SwitchVTX2Click(QObject *)
{
    CalcDataVolume();
}
