#pragma once

#include "estimators/EstimatorPage.h"
#include "tests/estimators/PlanText.h"
#include "tests/support/Controls.h"

#include <QLabel>
#include <QTest>

// The figures on the estimator page are the estimates of the plan it shows;
// numbers are written with ".".
inline void CompareFigures(const EstimatorPage &page)
{
    const StationPlan shown = page.plan();
    QCOMPARE(PlanText::Figures(page.Charges), PlanText::Figures(EstimateBattery(shown)));
    const VolumeResult volume = EstimateVolume(shown);
    QCOMPARE(page.VolTX1Netto, volume.VolTX1Netto);
    QCOMPARE(page.VolTX2Netto, volume.VolTX2Netto);
    QCOMPARE(Named<QLabel>(page, "LabelVolTrans1")->text(),
             QString::fromStdString(FormatVolume(volume.perTX1, '.')));
    QCOMPARE(Named<QLabel>(page, "LabelVolMonthTotal")->text(),
             QString::fromStdString(FormatVolume(volume.month1 + volume.month2, '.')));
}
