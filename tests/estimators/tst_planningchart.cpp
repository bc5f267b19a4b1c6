#include "estimators/PlanningChart.h"
#include "estimators/StationPlan.h"
#include "ui/ChartPainter.h"

#include <QtTest>

#include <QImage>
#include <QPainter>

#include <functional>

using PlanChange = std::function<void(StationPlan &)>;
Q_DECLARE_METATYPE(PlanChange)

namespace {

constexpr int HourlyItem = 11;
constexpr int DailyItem = 18;
constexpr int WeeklyItem = 19;

} // namespace

class TestPlanningChart : public QObject
{
    Q_OBJECT

private slots:
    void chartOfPlan_data();
    void chartOfPlan();
};

void TestPlanningChart::chartOfPlan_data()
{
    QTest::addColumn<PlanChange>("change");
    QTest::addColumn<bool>("tx2Shown");
    QTest::addColumn<int>("tx1Current");
    QTest::addColumn<int>("tx2Current");

    QTest::addRow("start-up") << PlanChange([](StationPlan &) {}) << false << DailyItem
                              << DailyItem;
    QTest::addRow("TX1 weekly, TX2 hourly") << PlanChange([](StationPlan &p) {
        p.transmissions[1].intervalSeconds = SecondsPerWeek;
        p.transmissions[2].on = true;
        p.transmissions[2].intervalSeconds = SecondsPerHour;
    }) << true << WeeklyItem << HourlyItem;
    QTest::addRow("TX1 without selection")
        << PlanChange([](StationPlan &p) { p.transmissions[1].intervalSeconds.reset(); }) << false
        << int(NoItem) << DailyItem;
}

// The chart carries the aids' figures, megabytes for bytes, and marks each
// transmission's interval now. Set CHART_PICTURES to a folder to look at it.
void TestPlanningChart::chartOfPlan()
{
    QFETCH(PlanChange, change);
    QFETCH(bool, tx2Shown);
    QFETCH(int, tx1Current);
    QFETCH(int, tx2Current);
    StationPlan plan = DefaultPlan();
    change(plan);
    const PlanningTargets targets{5, 0.5};

    const PlanningAids aids = ComputePlanningAids(plan, targets);
    const ChartData data = ChartDataOf(plan, aids, targets);
    QCOMPARE(data.targetYears, 5.0);
    QCOMPARE(data.dataPlanMB, 0.5);
    QVERIFY(data.transmissions[0].shown);
    QCOMPARE(data.transmissions[1].shown, tx2Shown);
    QCOMPARE(data.transmissions[0].current, tx1Current);
    QCOMPARE(data.transmissions[1].current, tx2Current);
    for (int item = 0; item < TxIntervalCount; ++item) {
        const IntervalPoint &point = aids.transmissions[1].points[item];
        QCOMPARE(data.transmissions[0].years[item][1], point.years[1]);
        QCOMPARE(data.transmissions[0].monthMB[item] * 1e6, point.monthBytes);
    }

    const QString folder = qEnvironmentVariable("CHART_PICTURES");
    if (folder.isEmpty())
        return;
    for (const bool german : {false, true}) {
        QImage image(880, 680, QImage::Format_ARGB32);
        QPainter painter(&image);
        paintChart(painter, QRectF(image.rect()), data, {german, german ? ',' : '.'});
        painter.end();
        QString name =
            QStringLiteral("plan %1 %2").arg(QTest::currentDataTag(), german ? "de" : "en");
        name.replace(QRegularExpression("[^A-Za-z0-9]+"), "-");
        QVERIFY(image.save(folder + "/" + name + ".png"));
    }
}

QTEST_MAIN(TestPlanningChart)
#include "tst_planningchart.moc"
