#include "estimators/PlanningAids.h"
#include "estimators/StationPlan.h"

#include <QtTest>

#include <cmath>
#include <functional>
#include <vector>

using PlanChange = std::function<void(StationPlan &)>;
using Kind = IntervalAnswer::Kind;
Q_DECLARE_METATYPE(PlanChange)
Q_DECLARE_METATYPE(IntervalAnswer)
Q_DECLARE_METATYPE(TargetMark)

namespace {

constexpr int HourlyItem = 11;
constexpr int FourHoursItem = 14;
constexpr int DailyItem = 18;
constexpr int WeeklyItem = 19;
constexpr double DaysPerYear = 365.25;

const auto Minus20 = static_cast<std::size_t>(TemperatureRow::AtMinus20C);

struct NamedPlan
{
    const char *name;
    PlanChange change;
};

StationPlan Planned(const PlanChange &change)
{
    StationPlan plan = DefaultPlan();
    change(plan);
    return plan;
}

void AllRowsStoredEvery(StationPlan &plan, std::int32_t seconds)
{
    for (StationPlan::Row &row : plan.rows) {
        row.samplingSeconds = seconds;
        row.storageSeconds = seconds;
    }
}

// Plans that move every part of the two estimates.
std::vector<NamedPlan> Plans()
{
    return {
        {"start-up", [](StationPlan &) {}},
        {"TX2 on", [](StationPlan &p) { p.transmissions[2].on = true; }},
        {"TX2 on, TX1 off",
         [](StationPlan &p) {
             p.transmissions[1].on = false;
             p.transmissions[2].on = true;
         }},
        {"both off", [](StationPlan &p) { p.transmissions[1].on = false; }},
        {"conductivity, TX2 on",
         [](StationPlan &p) {
             ChooseConductivity(p, true);
             p.rows[7].samplingSeconds = 5;
             p.rows[7].storageSeconds = 60;
             p.transmissions[2].on = true;
         }},
        {"both weekly",
         [](StationPlan &p) {
             for (StationPlan::Transmission &tx : p.transmissions) {
                 tx.on = true;
                 tx.intervalSeconds = SecondsPerWeek;
             }
         }},
        // Weekly sends more per month than daily: five weeks against 31 days.
        {"every row stored every 5 s", [](StationPlan &p) { AllRowsStoredEvery(p, 5); }},
        {"CAT-M1, FTPS backup, HTTPS TX2",
         [](StationPlan &p) {
             p.network = StationPlan::Network::CatM1;
             p.transmissions[1].secondaryMode = StationPlan::SecondaryMode::Backup;
             p.transmissions[1].secondaryServer = StationPlan::Server::Ftps;
             p.transmissions[2].on = true;
             p.transmissions[2].server = StationPlan::Server::Https;
             p.transmissions[2].format = StationPlan::Format::Csv;
         }},
        {"TX1 interval without selection, TX2 hourly",
         [](StationPlan &p) {
             p.transmissions[1].intervalSeconds.reset();
             p.transmissions[2].on = true;
             p.transmissions[2].intervalSeconds = SecondsPerHour;
         }},
    };
}

StationPlan WithInterval(const StationPlan &plan, int t, int item)
{
    StationPlan at = plan;
    at.transmissions[t].intervalSeconds =
        static_cast<std::int32_t>(TXIntervalSeconds[static_cast<std::size_t>(item)]);
    return at;
}

double YearsOf(const StationPlan &plan, TemperatureRow row)
{
    return RowCapacity[static_cast<std::size_t>(row)] / EstimateBattery(plan).mAhTotal /
           DaysPerYear;
}

double MonthOf(const StationPlan &plan)
{
    const VolumeResult volume = EstimateVolume(plan);
    return volume.month1 + volume.month2;
}

// The answer by trying every start of a run of intervals up to the longest.
IntervalAnswer BruteForce(const StationPlan &plan, int t,
                          const std::function<bool(const StationPlan &)> &meets)
{
    if (!plan.transmissions[t].on)
        return {};
    for (int from = 0; from < TxIntervalCount; ++from) {
        bool all = true;
        for (int item = from; item < TxIntervalCount; ++item)
            all = all && meets(WithInterval(plan, t, item));
        if (all)
            return {Kind::Reached, from};
    }
    return {Kind::NotReached, NoItem};
}

QString Shown(const IntervalAnswer &answer)
{
    switch (answer.kind) {
    case Kind::NotAsked:
        return "not asked";
    case Kind::NotReached:
        return "not reached";
    case Kind::Reached:
        break;
    }
    return QStringLiteral("from item %1").arg(answer.interval);
}

// Exact: the points must be the figures the page shows, not nearly them.
void CompareExactly(double actual, double expected, const char *what)
{
    QVERIFY2(actual == expected, qPrintable(QStringLiteral("%1: %2, expected %3")
                                                .arg(what)
                                                .arg(actual, 0, 'g', 17)
                                                .arg(expected, 0, 'g', 17)));
}

void CompareAnswers(const IntervalAnswer &actual, const IntervalAnswer &expected)
{
    QCOMPARE(Shown(actual), Shown(expected));
}

} // namespace

class TestPlanningAids : public QObject
{
    Q_OBJECT

private slots:
    void marks_data();
    void marks();
    void answersMatchBruteForce_data();
    void answersMatchBruteForce();
    void pinnedAnswers_data();
    void pinnedAnswers();
    void pointsAreThePlansFigures_data();
    void pointsAreThePlansFigures();
};

void TestPlanningAids::marks_data()
{
    QTest::addColumn<bool>("life");
    QTest::addColumn<double>("figure");
    QTest::addColumn<double>("target");
    QTest::addColumn<TargetMark>("expected");

    QTest::addRow("life, no target") << true << 3.0 << 0.0 << TargetMark::None;
    QTest::addRow("life, negative target") << true << 3.0 << -1.0 << TargetMark::None;
    QTest::addRow("life, not a number") << true << 3.0 << std::nan("") << TargetMark::None;
    QTest::addRow("life equal to target") << true << 5.0 << 5.0 << TargetMark::Met;
    QTest::addRow("life just short")
        << true << std::nextafter(5.0, 0.0) << 5.0 << TargetMark::NotMet;
    // The page shows "> 10" from ten years on; the mark uses the figure.
    QTest::addRow("life beyond the cap, below target")
        << true << 11.0 << 12.0 << TargetMark::NotMet;
    QTest::addRow("data plan, no target") << false << 1e9 << 0.0 << TargetMark::None;
    QTest::addRow("data plan exactly used") << false << 50e6 << 50.0 << TargetMark::Met;
    QTest::addRow("data plan one byte over") << false << 50e6 + 1 << 50.0 << TargetMark::NotMet;
    QTest::addRow("data plan, nothing sent") << false << 0.0 << 0.5 << TargetMark::Met;
}

void TestPlanningAids::marks()
{
    QFETCH(bool, life);
    QFETCH(double, figure);
    QFETCH(double, target);
    QFETCH(TargetMark, expected);
    QCOMPARE(life ? LifeMark(figure, target) : DataPlanMark(figure, target), expected);
}

void TestPlanningAids::answersMatchBruteForce_data()
{
    QTest::addColumn<PlanChange>("change");
    QTest::addColumn<double>("years");
    QTest::addColumn<double>("dataPlanMB");

    for (const NamedPlan &named : Plans()) {
        const StationPlan plan = Planned(named.change);
        const auto add = [&](const char *targets, double years, double megabytes) {
            QTest::addRow("%s, %s", named.name, targets) << named.change << years << megabytes;
        };
        add("5 years, 50 MB", 5, 50);
        add("no targets", 0, 0);
        add("met by every interval", 0.001, 1e6);
        add("met by none", 100, 1e-6);
        // Targets equal to the figures of one interval.
        const int t = plan.transmissions[1].on ? 1 : 2;
        add("at the figures of 04:00:00",
            YearsOf(WithInterval(plan, t, FourHoursItem), TemperatureRow::AtMinus20C),
            MonthOf(WithInterval(plan, t, FourHoursItem)) / BytesPerMegabyte);
        add("at the figures of weekly",
            YearsOf(WithInterval(plan, t, WeeklyItem), TemperatureRow::At20C),
            MonthOf(WithInterval(plan, t, WeeklyItem)) / BytesPerMegabyte);
    }
}

void TestPlanningAids::answersMatchBruteForce()
{
    QFETCH(PlanChange, change);
    QFETCH(double, years);
    QFETCH(double, dataPlanMB);
    const StationPlan plan = Planned(change);

    const PlanningAids aids = ComputePlanningAids(plan, {years, dataPlanMB});
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const TransmissionAids &tx = aids.transmissions[t];
        QCOMPARE(tx.on, plan.transmissions[t].on);
        for (const TemperatureRow row : {TemperatureRow::At20C, TemperatureRow::AtMinus20C}) {
            const IntervalAnswer expected =
                years > 0
                    ? BruteForce(plan, t,
                                 [&](const StationPlan &at) { return YearsOf(at, row) >= years; })
                    : IntervalAnswer{};
            CompareAnswers(tx.life[static_cast<std::size_t>(row)], expected);
        }
        const IntervalAnswer expected =
            dataPlanMB > 0 ? BruteForce(plan, t,
                                        [&](const StationPlan &at) {
                                            return MonthOf(at) <= dataPlanMB * BytesPerMegabyte;
                                        })
                           : IntervalAnswer{};
        CompareAnswers(tx.dataPlan, expected);
    }
}

void TestPlanningAids::pinnedAnswers_data()
{
    QTest::addColumn<PlanChange>("change");
    QTest::addColumn<double>("years");
    QTest::addColumn<double>("dataPlanMB");
    QTest::addColumn<IntervalAnswer>("lifeAtMinus20");
    QTest::addColumn<IntervalAnswer>("dataPlan");

    const PlanChange startUp = [](StationPlan &) {};
    const StationPlan plan = DefaultPlan();
    // Start-up: 4.45 years at -20 °C every 12 hours, 6.68 daily; 63.5 MB a
    // month every minute, 31.7 MB every two minutes.
    QTest::addRow("start-up, 5 years and 50 MB")
        << startUp << 5.0 << 50.0 << IntervalAnswer{Kind::Reached, DailyItem}
        << IntervalAnswer{Kind::Reached, 1};
    const double yearsHourly =
        YearsOf(WithInterval(plan, 1, HourlyItem), TemperatureRow::AtMinus20C);
    const double bytesHourly = MonthOf(WithInterval(plan, 1, HourlyItem));
    QTest::addRow("start-up, exactly the hourly figures")
        << startUp << yearsHourly << bytesHourly / BytesPerMegabyte
        << IntervalAnswer{Kind::Reached, HourlyItem} << IntervalAnswer{Kind::Reached, HourlyItem};
    QTest::addRow("start-up, a hair more life and a byte less than hourly")
        << startUp << std::nextafter(yearsHourly, 100.0) << (bytesHourly - 1) / BytesPerMegabyte
        << IntervalAnswer{Kind::Reached, HourlyItem + 1}
        << IntervalAnswer{Kind::Reached, HourlyItem + 1};
    QTest::addRow("start-up, beyond weekly")
        << startUp << 12.0 << 0.03 << IntervalAnswer{Kind::NotReached, NoItem}
        << IntervalAnswer{Kind::NotReached, NoItem};
    // 46.4 MB daily, 52.4 MB weekly: within 50 MB from 20 minutes to a day,
    // but not "or less often".
    QTest::addRow("stored every 5 s, weekly over the plan")
        << PlanChange([](StationPlan &p) { AllRowsStoredEvery(p, 5); }) << 0.0 << 50.0
        << IntervalAnswer{} << IntervalAnswer{Kind::NotReached, NoItem};
    QTest::addRow("TX1 off: not asked")
        << PlanChange([](StationPlan &p) { p.transmissions[1].on = false; }) << 5.0 << 50.0
        << IntervalAnswer{} << IntervalAnswer{};
}

void TestPlanningAids::pinnedAnswers()
{
    QFETCH(PlanChange, change);
    QFETCH(double, years);
    QFETCH(double, dataPlanMB);
    QFETCH(IntervalAnswer, lifeAtMinus20);
    QFETCH(IntervalAnswer, dataPlan);

    const PlanningAids aids = ComputePlanningAids(Planned(change), {years, dataPlanMB});
    CompareAnswers(aids.transmissions[1].life[Minus20], lifeAtMinus20);
    CompareAnswers(aids.transmissions[1].dataPlan, dataPlan);
}

void TestPlanningAids::pointsAreThePlansFigures_data()
{
    QTest::addColumn<PlanChange>("change");
    for (const NamedPlan &named : Plans())
        QTest::addRow("%s", named.name) << named.change;
}

void TestPlanningAids::pointsAreThePlansFigures()
{
    QFETCH(PlanChange, change);
    const StationPlan plan = Planned(change);

    const PlanningAids aids = ComputePlanningAids(plan, {});
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const TransmissionAids &tx = aids.transmissions[t];
        if (!tx.on)
            continue;
        for (int item = 0; item < TxIntervalCount; ++item) {
            const StationPlan at = WithInterval(plan, t, item);
            const IntervalPoint &point = tx.points[static_cast<std::size_t>(item)];
            CompareExactly(point.mAhTotal, EstimateBattery(at).mAhTotal, "mAh per day");
            CompareExactly(point.years[0], YearsOf(at, TemperatureRow::At20C), "years at 20 °C");
            CompareExactly(point.years[1], YearsOf(at, TemperatureRow::AtMinus20C),
                           "years at -20 °C");
            CompareExactly(point.monthBytes, MonthOf(at), "bytes per month");
        }
    }
}

QTEST_APPLESS_MAIN(TestPlanningAids)
#include "tst_planningaids.moc"
