#include "common/IntervalTables.h"

#include <QtTest>

#include <functional>

class TestIntervalTables : public QObject
{
    Q_OBJECT

private slots:
    void samplesPerDayDividesTheDay();
    void transmissionsPerDayMatchTheirIntervals();
    void commandListSharesTheDailyEntries();
    void lookups_data();
    void lookups();
};

void TestIntervalTables::samplesPerDayDividesTheDay()
{
    for (std::size_t i = 0; i < IntervalSeconds.size(); ++i) {
        QCOMPARE(86400 % IntervalSeconds[i], 0);
        QCOMPARE(SamplesPerDay[i], 86400 / IntervalSeconds[i]);
    }
    // Strictly rising, so a higher item is always a longer interval.
    QVERIFY(std::is_sorted(IntervalSeconds.begin(), IntervalSeconds.end(), std::less_equal<>()));
}

void TestIntervalTables::transmissionsPerDayMatchTheirIntervals()
{
    for (std::size_t i = 0; i < TXIntervalSeconds.size(); ++i)
        QCOMPARE(TXPerDay[i], 86400.0 / TXIntervalSeconds[i]);
    QCOMPARE(TXPerDay[TxWeeklyIndex], 1.0 / 7);
    QCOMPARE(TXIntervalSeconds[TxWeeklyIndex], 604800.0);
}

void TestIntervalTables::commandListSharesTheDailyEntries()
{
    for (int i = 0; i < TxWeeklyIndex; ++i)
        QCOMPARE(CmdTxIntervalSeconds[i], TXIntervalSeconds[i]);
    for (int day = 0; day < 7; ++day)
        QCOMPARE(CmdTxIntervalSeconds[TxWeeklyIndex + day], 604801.0 + day);
}

void TestIntervalTables::lookups_data()
{
    QTest::addColumn<int>("table"); // 0 measurement, 1 command editor, 2 estimator transmission
    QTest::addColumn<double>("seconds");
    QTest::addColumn<int>("index");

    QTest::addRow("5 s is the first sampling item") << 0 << 5.0 << 0;
    QTest::addRow("one hour") << 0 << 3600.0 << 18;
    QTest::addRow("one day is the last sampling item") << 0 << 86400.0 << 25;
    QTest::addRow("7 s is no item") << 0 << 7.0 << -1;
    QTest::addRow("45 s is no item") << 0 << 45.0 << -1;
    QTest::addRow("zero is no item") << 0 << 0.0 << -1;
    QTest::addRow("a week is no sampling item") << 0 << 604800.0 << -1;

    QTest::addRow("command: one minute") << 1 << 60.0 << 0;
    QTest::addRow("command: one day") << 1 << 86400.0 << 18;
    QTest::addRow("command: Monday") << 1 << 604801.0 << 19;
    QTest::addRow("command: Wednesday") << 1 << 604803.0 << 21;
    QTest::addRow("command: Sunday") << 1 << 604807.0 << 25;
    QTest::addRow("command: beyond Sunday") << 1 << 700000.0 << 25;
    QTest::addRow("command: plain week") << 1 << 604800.0 << -1;
    QTest::addRow("command: 7 s") << 1 << 7.0 << -1;

    QTest::addRow("estimator: one minute") << 2 << 60.0 << 0;
    QTest::addRow("estimator: one day") << 2 << 86400.0 << 18;
    QTest::addRow("estimator: a week") << 2 << 604800.0 << 19;
    QTest::addRow("estimator: Wednesday is weekly") << 2 << 604803.0 << 19;
    QTest::addRow("estimator: far beyond a week") << 2 << 2e9 << 19;
    QTest::addRow("estimator: 100 s") << 2 << 100.0 << -1;
    QTest::addRow("estimator: 5 s") << 2 << 5.0 << -1;
}

void TestIntervalTables::lookups()
{
    QFETCH(int, table);
    QFETCH(double, seconds);
    QFETCH(int, index);
    const std::function<int(double)> lookup[] = {IntervalIndexOf, TxIntervalIndexOf,
                                                 VTXIntervalIndexOf};
    QCOMPARE(lookup[table](seconds), index);
}

QTEST_APPLESS_MAIN(TestIntervalTables)
#include "tst_intervaltables.moc"
