#include "estimators/BatteryModel.h"

#include <QtTest>

#include <functional>

using BatteryChange = std::function<void(BatteryInputs &)>;
Q_DECLARE_METATYPE(BatteryChange)
Q_DECLARE_METATYPE(BatteryShares)

namespace {

// The estimator page as the program starts.
BatteryInputs StartupInputs()
{
    BatteryInputs inputs;
    const int hourly = 18;
    const int daily = 25;
    const int dailyTransmission = 18;
    for (int row : {1, 2, 6, 7, 8})
        inputs.samplingIndex[row] = hourly;
    for (int row : {3, 4, 5})
        inputs.samplingIndex[row] = daily;
    inputs.radioNetwork = 0;
    inputs.observer = 2;
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        BatteryTransmission &tx = inputs.transmissions[t];
        tx.on = t == 1;
        tx.intervalIndex = dailyTransmission;
        tx.primaryServerType = 0;
        tx.secondaryMode = SecondaryModeNone;
        tx.secondaryServerType = 0;
        tx.backupPercent = 30;
    }
    return inputs;
}

// Shares at start-up; each case states only what its change alters.
BatteryShares StartupShares()
{
    BatteryShares shares;
    shares.mAhMeas = 0.0935833;
    shares.mAhIdle = 2.4;
    shares.mAhBLE = 0.16983;
    shares.mAhTrans11 = 2.6666667;
    return shares;
}

BatteryShares With(std::function<void(BatteryShares &)> change)
{
    BatteryShares shares = StartupShares();
    change(shares);
    return shares;
}

bool Near(double actual, double expected)
{
    return qAbs(actual - expected) <= 1e-6 * qMax(1.0, qAbs(expected));
}

} // namespace

class TestBatteryModel : public QObject
{
    Q_OBJECT

private slots:
    void shares_data();
    void shares();
    void startupTotal();
    void serverTypeFactor_data();
    void serverTypeFactor();
    void radioNetworkFactor();
    void lifeRow_data();
    void lifeRow();
};

void TestBatteryModel::shares_data()
{
    QTest::addColumn<BatteryChange>("change");
    QTest::addColumn<BatteryShares>("expected");

    QTest::addRow("start-up") << BatteryChange([](BatteryInputs &) {}) << StartupShares();
    QTest::addRow("CAT-M1") << BatteryChange([](BatteryInputs &in) { in.radioNetwork = 1; })
                            << With([](BatteryShares &s) { s.mAhTrans11 = 1.5; });
    QTest::addRow("backup FTPS 30 %%") << BatteryChange([](BatteryInputs &in) {
        in.transmissions[1].secondaryMode = SecondaryModeBackup;
        in.transmissions[1].secondaryServerType = 5;
    }) << With([](BatteryShares &s) { s.mAhTrans12 = 0.3 * 100 * 160 / 3600.0; });
    QTest::addRow("both servers FTPS") << BatteryChange([](BatteryInputs &in) {
        in.transmissions[1].secondaryMode = SecondaryModeBothServers;
        in.transmissions[1].secondaryServerType = 5;
    }) << With([](BatteryShares &s) { s.mAhTrans12 = 100 * 160 / 3600.0; });
    QTest::addRow("weekly") << BatteryChange([](BatteryInputs &in) {
        in.transmissions[1].intervalIndex = 19;
    }) << With([](BatteryShares &s) { s.mAhTrans11 = 60 * 160 / 3600.0 / 7; });
    QTest::addRow("FTP primary") << BatteryChange([](BatteryInputs &in) {
        in.transmissions[1].primaryServerType = 1;
    }) << With([](BatteryShares &s) { s.mAhTrans11 = 4; });
    QTest::addRow("conductivity, M6 at 5 s") << BatteryChange([](BatteryInputs &in) {
        in.conductivity = true;
        in.samplingIndex[6] = 0;
    }) << With([](BatteryShares &s) { s.mAhMeas = 806.4 + 0.00025; });
    QTest::addRow("conductivity, start-up rows")
        << BatteryChange([](BatteryInputs &in) { in.conductivity = true; })
        << With([](BatteryShares &s) { s.mAhMeas = 24 * 168 / 3600.0 + 0.00025; });
    QTest::addRow("M6 to M8 ignored without conductivity") << BatteryChange([](BatteryInputs &in) {
        for (int row : {6, 7, 8})
            in.samplingIndex[row] = 0;
    }) << StartupShares();
    QTest::addRow("M3 at 5 s counted on its own")
        << BatteryChange([](BatteryInputs &in) { in.samplingIndex[3] = 0; })
        << With([](BatteryShares &s) { s.mAhMeas = 1.5335; });
    QTest::addRow("observer once a day")
        << BatteryChange([](BatteryInputs &in) { in.observer = 0; })
        << With([](BatteryShares &s) { s.mAhBLE = 30 * 605 / 3600.0; });
    QTest::addRow("observer every 6 months")
        << BatteryChange([](BatteryInputs &in) { in.observer = 5; })
        << With([](BatteryShares &s) { s.mAhBLE = 0.0308; });
    QTest::addRow("TX1 off") << BatteryChange([](BatteryInputs &in) {
        in.transmissions[1].on = false;
        in.transmissions[1].secondaryMode = SecondaryModeBothServers;
    }) << With([](BatteryShares &s) { s.mAhTrans11 = 0; });
    QTest::addRow("TX2 on") << BatteryChange([](BatteryInputs &in) {
        in.transmissions[2].on = true;
    }) << With([](BatteryShares &s) { s.mAhTrans21 = 2.6666667; });

    // A drop-down without a selection, or an index past its table, adds nothing.
    QTest::addRow("M1 without selection")
        << BatteryChange([](BatteryInputs &in) { in.samplingIndex[1] = -1; }) << StartupShares();
    QTest::addRow("M1 and M2 without selection") << BatteryChange([](BatteryInputs &in) {
        in.samplingIndex[1] = -1;
        in.samplingIndex[2] = -1;
    }) << With([](BatteryShares &s) { s.mAhMeas = 0.00025; });
    QTest::addRow("M3 past the table")
        << BatteryChange([](BatteryInputs &in) { in.samplingIndex[3] = 26; })
        << With([](BatteryShares &s) { s.mAhMeas = 0.0935; });
    QTest::addRow("TX1 interval without selection") << BatteryChange([](BatteryInputs &in) {
        in.transmissions[1].intervalIndex = -1;
        in.transmissions[1].secondaryMode = SecondaryModeBothServers;
    }) << With([](BatteryShares &s) { s.mAhTrans11 = 0; });
    QTest::addRow("TX1 interval past the table")
        << BatteryChange([](BatteryInputs &in) { in.transmissions[1].intervalIndex = 20; })
        << With([](BatteryShares &s) { s.mAhTrans11 = 0; });
    QTest::addRow("observer without selection")
        << BatteryChange([](BatteryInputs &in) { in.observer = -1; })
        << With([](BatteryShares &s) { s.mAhBLE = 0; });
    QTest::addRow("observer past the table")
        << BatteryChange([](BatteryInputs &in) { in.observer = 7; })
        << With([](BatteryShares &s) { s.mAhBLE = 0; });
    QTest::addRow("secondary mode without selection") << BatteryChange([](BatteryInputs &in) {
        in.transmissions[1].secondaryMode = -1;
        in.transmissions[1].secondaryServerType = 5;
    }) << StartupShares();
    QTest::addRow("secondary mode past the list") << BatteryChange([](BatteryInputs &in) {
        in.transmissions[1].secondaryMode = 3;
        in.transmissions[1].secondaryServerType = 5;
    }) << StartupShares();
}

void TestBatteryModel::shares()
{
    QFETCH(BatteryChange, change);
    QFETCH(BatteryShares, expected);

    BatteryInputs inputs = StartupInputs();
    change(inputs);
    const BatteryShares actual = EstimateBatteryShares(inputs);

    QVERIFY2(Near(actual.mAhMeas, expected.mAhMeas), qPrintable(QString::number(actual.mAhMeas)));
    QVERIFY2(Near(actual.mAhIdle, expected.mAhIdle), qPrintable(QString::number(actual.mAhIdle)));
    QVERIFY2(Near(actual.mAhBLE, expected.mAhBLE), qPrintable(QString::number(actual.mAhBLE)));
    QVERIFY2(Near(actual.mAhTrans11, expected.mAhTrans11),
             qPrintable(QString::number(actual.mAhTrans11)));
    QVERIFY2(Near(actual.mAhTrans12, expected.mAhTrans12),
             qPrintable(QString::number(actual.mAhTrans12)));
    QVERIFY2(Near(actual.mAhTrans21, expected.mAhTrans21),
             qPrintable(QString::number(actual.mAhTrans21)));
    QVERIFY2(Near(actual.mAhTrans22, expected.mAhTrans22),
             qPrintable(QString::number(actual.mAhTrans22)));
    const double expectedTotal = expected.mAhMeas + expected.mAhIdle + expected.mAhBLE +
                                 expected.mAhTrans11 + expected.mAhTrans12 + expected.mAhTrans21 +
                                 expected.mAhTrans22;
    QVERIFY2(Near(actual.mAhTotal, expectedTotal), qPrintable(QString::number(actual.mAhTotal)));
}

// The start-up figures end to end: shares, then both result rows.
void TestBatteryModel::startupTotal()
{
    const BatteryShares shares = EstimateBatteryShares(StartupInputs());
    QVERIFY2(qAbs(shares.mAhTotal - 5.33008) < 1e-6, qPrintable(QString::number(shares.mAhTotal)));

    const BatteryLifeRow warm = BatteryLife(CapacityAt20C, shares.mAhTotal, '.');
    QCOMPARE(QString::fromStdString(warm.days), QString("> 3653"));
    QCOMPARE(QString::fromStdString(warm.years), QString("> 10"));
    QCOMPARE(warm.barFraction, 1.0);

    const BatteryLifeRow cold = BatteryLife(CapacityAtMinus20C, shares.mAhTotal, '.');
    QCOMPARE(QString::fromStdString(cold.days), QString("2439"));
    QCOMPARE(QString::fromStdString(cold.years), QString("6.68"));
    QVERIFY2(qAbs(cold.barFraction - 0.6678) < 5e-5, qPrintable(QString::number(cold.barFraction)));
}

void TestBatteryModel::serverTypeFactor_data()
{
    QTest::addColumn<int>("serverType");
    QTest::addColumn<int>("factor");

    QTest::addRow("HTTP") << 0 << 60;
    QTest::addRow("FTP") << 1 << 90;
    QTest::addRow("HTTPS") << 2 << 75;
    QTest::addRow("MQTT") << 3 << 60;
    QTest::addRow("MQTTS") << 4 << 75;
    QTest::addRow("FTPS") << 5 << 100;
    QTest::addRow("no selection") << -1 << 60;
    QTest::addRow("past the list") << 6 << 60;
}

void TestBatteryModel::serverTypeFactor()
{
    QFETCH(int, serverType);
    QFETCH(int, factor);
    QCOMPARE(ServerTypeFactor(serverType), factor);
}

void TestBatteryModel::radioNetworkFactor()
{
    QCOMPARE(RadioNetworkFactor(0), 160);
    QCOMPARE(RadioNetworkFactor(1), 90);
    QCOMPARE(RadioNetworkFactor(-1), 160);
}

void TestBatteryModel::lifeRow_data()
{
    QTest::addColumn<double>("capacity");
    QTest::addColumn<double>("mAhTotal");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("years");
    QTest::addColumn<double>("bar");

    QTest::addRow("German separator") << 13000.0 << 5.33008 << ',' << "2439"
                                      << "6,68" << 0.6677585;
    QTest::addRow("one decimal of years") << 913.125 << 1.0 << '.' << "913"
                                          << "2.5" << 0.25;
    QTest::addRow("just under ten years") << 3652.4 << 1.0 << '.' << "3652"
                                          << "10" << 0.9999726;
    // Between ten years and the cap the bar runs marginally past its background.
    QTest::addRow("between 3652.5 and 3653 days") << 13000.0 << 13000.0 / 3652.8 << '.' << "3653"
                                                  << "10" << 1.0000821;
    QTest::addRow("exactly 3653 days capped") << 3653.0 << 1.0 << '.' << "> 3653"
                                              << "> 10" << 1.0;
    QTest::addRow("capped, German") << 20800.0 << 2.4 << ',' << "> 3653"
                                    << "> 10" << 1.0;
}

void TestBatteryModel::lifeRow()
{
    QFETCH(double, capacity);
    QFETCH(double, mAhTotal);
    QFETCH(char, separator);
    QFETCH(QString, days);
    QFETCH(QString, years);
    QFETCH(double, bar);

    const BatteryLifeRow row = BatteryLife(capacity, mAhTotal, separator);
    QCOMPARE(QString::fromStdString(row.days), days);
    QCOMPARE(QString::fromStdString(row.years), years);
    QVERIFY2(qAbs(row.barFraction - bar) < 1e-6,
             qPrintable(QString::number(row.barFraction, 'g', 10)));
}

QTEST_APPLESS_MAIN(TestBatteryModel)
#include "tst_batterymodel.moc"
