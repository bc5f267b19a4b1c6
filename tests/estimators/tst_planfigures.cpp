#include "common/IntervalTables.h"
#include "common/TimeUnits.h"
#include "estimators/PlanFigures.h"
#include "estimators/StationPlan.h"

#include <QtTest>

#include <functional>

using PlanChange = std::function<void(StationPlan &)>;
Q_DECLARE_METATYPE(PlanChange)

namespace {

QString Text(const std::optional<std::string> &text)
{
    return text ? QString::fromStdString(*text) : QStringLiteral("<none>");
}

double Shown(const std::string &number)
{
    return QString::fromStdString(number).toDouble();
}

} // namespace

class TestPlanFigures : public QObject
{
    Q_OBJECT

private slots:
    void startUpTexts();
    void asThePageShowsThem_data();
    void asThePageShowsThem();
};

// The start-up plan lasts longer than the page's cap: the figures go on.
void TestPlanFigures::startUpTexts()
{
    const auto texts = FigureTexts(FiguresOf(DefaultPlan()));
    QStringList shown;
    for (const auto &text : texts)
        shown << Text(text);
    QCOMPARE(shown, (QStringList{"3902", "10.68", "2439", "6.68", "5.33008", "2305", "<none>",
                                 "71461", "<none>", "71461"}));
}

// Below the cap, days and years are those of the result rows, the daily
// charge that of the estimate, and the bytes are whole.
void TestPlanFigures::asThePageShowsThem_data()
{
    QTest::addColumn<PlanChange>("change");
    QTest::addRow("start-up") << PlanChange([](StationPlan &) {});
    QTest::addRow("sampling every 5 s, sending every minute") << PlanChange([](StationPlan &p) {
        for (StationPlan::Row &row : p.rows) {
            row.samplingSeconds = IntervalSeconds.front();
            row.storageSeconds = IntervalSeconds.front();
        }
        p.transmissions[1].intervalSeconds = SecondsPerMinute;
    });
    QTest::addRow("TX2 on, hourly, to both servers") << PlanChange([](StationPlan &p) {
        p.transmissions[2].on = true;
        p.transmissions[2].intervalSeconds = SecondsPerHour;
        p.transmissions[2].secondaryMode = StationPlan::SecondaryMode::BothServers;
        p.network = StationPlan::Network::CatM1;
    });
    QTest::addRow("TX1 off, drop-downs without selection") << PlanChange([](StationPlan &p) {
        p.transmissions[1].on = false;
        p.rows[1].samplingSeconds = std::nullopt;
        p.observer = std::nullopt;
        p.transmissions[2].on = true;
        p.transmissions[2].format = std::nullopt;
    });
}

void TestPlanFigures::asThePageShowsThem()
{
    QFETCH(PlanChange, change);
    StationPlan plan = DefaultPlan();
    change(plan);

    const BatteryShares shares = EstimateBattery(plan);
    const VolumeResult volume = EstimateVolume(plan);
    const PlanFigures figures = FiguresOf(plan);
    const auto texts = FigureTexts(figures);

    QCOMPARE(figures.mAhPerDay, shares.mAhTotal);
    QCOMPARE(*texts[4], QString::number(shares.mAhTotal, 'f', 5).toStdString());
    const double capacities[] = {CapacityAt20C, CapacityAtMinus20C};
    for (int i = 0; i < 2; ++i) {
        const BatteryLifeRow row = BatteryLife(capacities[i], shares.mAhTotal, '.');
        const std::string &days = *texts[static_cast<std::size_t>(2 * i)];
        const std::string &years = *texts[static_cast<std::size_t>(2 * i + 1)];
        QVERIFY2(QString::fromStdString(years).contains(QRegularExpression("^\\d+\\.\\d\\d$")),
                 years.c_str());
        if (row.days.front() == '>') {
            QVERIFY(Shown(days) >= 3653);
            continue;
        }
        QCOMPARE(days, row.days);
        QCOMPARE(Shown(years), Shown(row.years));
    }

    QCOMPARE(*texts[5], QString::number(qRound64(volume.perTX1)).toStdString());
    QCOMPARE(texts[6].has_value(), plan.transmissions[2].on);
    QCOMPARE(texts[8].has_value(), plan.transmissions[2].on);
    if (plan.transmissions[2].on) {
        QCOMPARE(*texts[6], QString::number(qRound64(volume.perTX2)).toStdString());
        QCOMPARE(*texts[8], QString::number(qRound64(volume.month2)).toStdString());
    }
    QCOMPARE(*texts[7], QString::number(qRound64(volume.month1)).toStdString());
    QCOMPARE(*texts[9], QString::number(qRound64(volume.month1 + volume.month2)).toStdString());
}

QTEST_GUILESS_MAIN(TestPlanFigures)
#include "tst_planfigures.moc"
