#include "estimators/EstimatorPage.h"
#include "tests/support/Controls.h"
#include "tests/support/FakeDialogs.h"
#include "ui/ClickLabel.h"
#include "ui/ToggleSwitch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QSpinBox>
#include <QtTest>

// The estimator page on its own, driven through its controls: enabled states,
// the figures on the labels, the result details and the recalculation.
class TestEstimatorPage : public QObject
{
    Q_OBJECT

private slots:
    void enabledStates_data();
    void enabledStates();
    void volumeFigures_data();
    void volumeFigures();
    void batteryFigures_data();
    void batteryFigures();
    void startupFigures_data();
    void startupFigures();
    void batteryOnlyControls_data();
    void batteryOnlyControls();
    void breakdowns_data();
    void breakdowns();
    void disclaimers_data();
    void disclaimers();
    void conductivity_data();
    void conductivity();
    void timerRunsTheDeferredEstimatesOnce();
    void nothingChangesWhileCalcDisabled();
};

namespace {

const QLocale German(QLocale::German, QLocale::Germany);

// A page of its own with a pinned platform, in English.
struct Page
{
    explicit Page(const QLocale &locale = QLocale::c())
        : form(platform.environment(QDate(2026, 12, 10), locale), true)
    {}
    TestPlatform platform;
    EstimatorPage form;
};

// Runs steps as a user would: "click NAME" clicks a switch or check box,
// "NAME=n" picks item n of a drop-down or sets a spin box to n. Records how
// many data volume estimates each step ran.
void Apply(EstimatorPage &form, const QStringList &steps, QList<int> *runsPerStep = nullptr)
{
    for (const QString &step : steps) {
        const int before = form.DataVolumeRuns();
        if (step.startsWith(QLatin1String("click "))) {
            auto *button = form.findChild<QAbstractButton *>(step.mid(6));
            QVERIFY2(button, qPrintable(step));
            button->click();
        } else {
            const QStringList parts = step.split('=');
            QVERIFY2(parts.size() == 2, qPrintable(step));
            QWidget *control = form.findChild<QWidget *>(parts[0]);
            if (auto *combo = qobject_cast<QComboBox *>(control))
                combo->setCurrentIndex(parts[1].toInt());
            else if (auto *spin = qobject_cast<QSpinBox *>(control))
                spin->setValue(parts[1].toInt());
            else
                QFAIL(qPrintable("no drop-down or spin box: " + step));
        }
        if (runsPerStep)
            *runsPerStep << form.DataVolumeRuns() - before;
    }
}

QString Text(const EstimatorPage &form, const char *label)
{
    const auto *control = form.findChild<QLabel *>(QLatin1String(label));
    return control ? control->text() : QStringLiteral("<no %1>").arg(QLatin1String(label));
}

const char *const VolumeLabels[] = {"LabelVolTrans1", "LabelVolMonth1",     "LabelVolTrans2",
                                    "LabelVolMonth2", "LabelVolTransTotal", "LabelVolMonthTotal"};
const char *const BatteryLabels[] = {"LabelBLTdays1", "LabelBLTyears1", "LabelBLTdays2",
                                     "LabelBLTyears2"};

template <std::size_t N>
QStringList Texts(const EstimatorPage &form, const char *const (&labels)[N])
{
    QStringList texts;
    for (const char *label : labels)
        texts << Text(form, label);
    return texts;
}

// Everything an estimate writes, to compare before and after.
QStringList Results(const EstimatorPage &form)
{
    QStringList results = Texts(form, VolumeLabels) + Texts(form, BatteryLabels);
    results << QString::number(Named<QFrame>(form, "Rectangle20B")->width())
            << QString::number(Named<QFrame>(form, "Rectangle_20B")->width());
    const BatteryShares &c = form.Charges;
    for (double value : {c.mAhTotal, c.mAhMeas, c.mAhIdle, c.mAhBLE, c.mAhTrans11, c.mAhTrans12,
                         c.mAhTrans21, c.mAhTrans22, form.VolTX1Netto, form.VolTX2Netto})
        results << QString::number(value, 'g', 17);
    results << QString::number(form.DataVolumeRuns());
    return results;
}

// Names of the controls of transmission t.
QStringList InTX(int t)
{
    QStringList names;
    for (int i = 1; i <= EstimatorRowCount; ++i)
        names << QStringLiteral("SwitchTX%1_M%2").arg(t).arg(i);
    return names;
}

QStringList Basic(int t)
{
    return {QStringLiteral("ComboBoxVTX%1Interval").arg(t),
            QStringLiteral("ComboBoxVFormat%1").arg(t),
            QStringLiteral("ComboBoxVServerType%1").arg(t) + '1',
            QStringLiteral("SwitchVCompression%1").arg(t),
            QStringLiteral("ComboBoxVServer2ndMode%1").arg(t)};
}

QStringList Events(int t)
{
    return {QStringLiteral("SwitchVStationEvents%1").arg(t),
            QStringLiteral("SwitchVChannelEvents%1").arg(t),
            QStringLiteral("SpinBoxVEventsNumber%1").arg(t)};
}

QString SecondaryType(int t)
{
    return QStringLiteral("ComboBoxVServerType%1").arg(t) + '2';
}

QString BackupPercent(int t)
{
    return QStringLiteral("SpinBoxVServerBackupProzent%1").arg(t);
}

QStringList WholeColumn(int t)
{
    return Basic(t) + InTX(t) + Events(t) + QStringList{SecondaryType(t), BackupPercent(t)};
}

} // namespace

void TestEstimatorPage::enabledStates_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("enabled");
    QTest::addColumn<QStringList>("disabled");

    const QStringList switches = {"SwitchVTX1", "SwitchVTX2"};
    QTest::addRow("start-up: TX1 on in Vesk-ML, TX2 off")
        << QStringList{} << Basic(1) + InTX(1) + Events(1) + switches
        << QStringList{SecondaryType(1), BackupPercent(1)} + WholeColumn(2);
    QTest::addRow("TX2 on in Vesk QDX keeps its events off")
        << QStringList{"click SwitchVTX2"} << Basic(2) + InTX(2) + switches
        << Events(2) + QStringList{SecondaryType(2), BackupPercent(2)};
    QTest::addRow("TX2 on, then Vesk-ML")
        << QStringList{"click SwitchVTX2", "ComboBoxVFormat2=1"} << Basic(2) + InTX(2) + Events(2)
        << QStringList{SecondaryType(2), BackupPercent(2)};
    QTest::addRow("Vesk-ML on a TX2 that is off")
        << QStringList{"ComboBoxVFormat2=1"} << switches << WholeColumn(2);
    QTest::addRow("TX2 on after Vesk-ML was set")
        << QStringList{"ComboBoxVFormat2=1", "click SwitchVTX2"} << Events(2) << QStringList{};
    QTest::addRow("Backup") << QStringList{"ComboBoxVServer2ndMode1=1"}
                            << QStringList{SecondaryType(1), BackupPercent(1)} << QStringList{};
    QTest::addRow("Both Servers") << QStringList{"ComboBoxVServer2ndMode1=2"}
                                  << QStringList{SecondaryType(1)} << QStringList{BackupPercent(1)};
    QTest::addRow("- none - again")
        << QStringList{"ComboBoxVServer2ndMode1=1", "ComboBoxVServer2ndMode1=0"} << QStringList{}
        << QStringList{SecondaryType(1), BackupPercent(1)};
    QTest::addRow("Backup on a TX2 that is off")
        << QStringList{"ComboBoxVServer2ndMode2=1"} << QStringList{}
        << QStringList{SecondaryType(2), BackupPercent(2)};
    QTest::addRow("Backup on TX2 once it is on")
        << QStringList{"ComboBoxVServer2ndMode2=1", "click SwitchVTX2"}
        << QStringList{SecondaryType(2), BackupPercent(2)} << QStringList{};
    QTest::addRow("TX1 off disables its whole column")
        << QStringList{"ComboBoxVServer2ndMode1=1", "click SwitchVTX1"} << switches
        << WholeColumn(1);
    QTest::addRow("TX1 off and on again")
        << QStringList{"ComboBoxVServer2ndMode1=1", "click SwitchVTX1", "click SwitchVTX1"}
        << WholeColumn(1) << QStringList{};
}

void TestEstimatorPage::enabledStates()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, enabled);
    QFETCH(QStringList, disabled);

    Page page;
    Apply(page.form, steps);
    for (const QString &name : enabled) {
        const auto *control = page.form.findChild<QWidget *>(name);
        QVERIFY2(control && control->isEnabled(), qPrintable(name + " should be enabled"));
    }
    for (const QString &name : disabled) {
        const auto *control = page.form.findChild<QWidget *>(name);
        QVERIFY2(control && !control->isEnabled(), qPrintable(name + " should be disabled"));
    }
}

void TestEstimatorPage::volumeFigures_data()
{
    QTest::addColumn<QStringList>("steps");
    // Per transmission and per month of TX1, TX2 and both.
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<double>("netto1");
    QTest::addColumn<double>("netto2");

    const auto tx1Only = [](const char *perTX, const char *month) {
        return QStringList{perTX, month, "---", "---", perTX, month};
    };
    QTest::addRow("start-up") << QStringList{} << tx1Only("2305 Bytes", "71.461 kB") << 1080.0
                              << 0.0;
    QTest::addRow("compression off") << QStringList{"click SwitchVCompression1"}
                                     << tx1Only("7295 Bytes", "226.139 kB") << 4320.0 << 0.0;
    QTest::addRow("weekly") << QStringList{"ComboBoxVTX1Interval=19"}
                            << tx1Only("7607 Bytes", "38.033 kB") << 4522.5 << 0.0;
    QTest::addRow("both event switches off")
        << QStringList{"click SwitchVStationEvents1", "click SwitchVChannelEvents1"}
        << tx1Only("2237 Bytes", "69.361 kB") << 1036.0 << 0.0;
    QTest::addRow("three events") << QStringList{"SpinBoxVEventsNumber1=3"}
                                  << tx1Only("2490 Bytes", "77.19 kB") << 1200.0 << 0.0;
    QTest::addRow("CSV") << QStringList{"ComboBoxVFormat1=2"} << tx1Only("1504 Bytes", "46.636 kB")
                         << 560.0 << 0.0;
    QTest::addRow("HTTPS") << QStringList{"ComboBoxVServerType11=2"}
                           << tx1Only("8406 Bytes", "260.574 kB") << 1080.0 << 0.0;
    QTest::addRow("FTPS backup at 30 %%")
        << QStringList{"ComboBoxVServer2ndMode1=1", "ComboBoxVServerType12=5"}
        << tx1Only("5366 Bytes", "166.351 kB") << 1080.0 << 0.0;
    QTest::addRow("FTPS backup at 100 %%")
        << QStringList{"ComboBoxVServer2ndMode1=1", "ComboBoxVServerType12=5",
                       "SpinBoxVServerBackupProzent1=100"}
        << tx1Only("12.508 kB", "387.76 kB") << 1080.0 << 0.0;
    QTest::addRow("row M1 not in TX1")
        << QStringList{"click SwitchTX1_M1"} << tx1Only("1795 Bytes", "55.647 kB") << 748.75 << 0.0;
    QTest::addRow("TX1 off") << QStringList{"click SwitchVTX1"} << tx1Only("0 Bytes", "0 Bytes")
                             << 0.0 << 0.0;
    QTest::addRow("TX2 on") << QStringList{"click SwitchVTX2"}
                            << QStringList{"2305 Bytes", "71.461 kB",  "1345 Bytes",
                                           "41.683 kB",  "3650 Bytes", "113.145 kB"}
                            << 1080.0 << 456.25;
    QTest::addRow("TX2 on and off again") << QStringList{"click SwitchVTX2", "click SwitchVTX2"}
                                          << tx1Only("2305 Bytes", "71.461 kB") << 1080.0 << 0.0;
    QTest::addRow("TX2 weekly") << QStringList{"click SwitchVTX2", "ComboBoxVTX2Interval=19"}
                                << QStringList{"2305 Bytes", "71.461 kB",  "4290 Bytes",
                                               "21.449 kB",  "6595 Bytes", "92.911 kB"}
                                << 1080.0 << 2368.75;
    // 3452.5 and 107027.5 bytes: ties round to even.
    QTest::addRow("TX2 without compression")
        << QStringList{"click SwitchVTX2", "click SwitchVCompression2"}
        << QStringList{"2305 Bytes", "71.461 kB",  "3452 Bytes",
                       "107.028 kB", "5758 Bytes", "178.489 kB"}
        << 1080.0 << 1825.0;
    QTest::addRow("row M3 not in TX2") << QStringList{"click SwitchVTX2", "click SwitchTX2_M3"}
                                       << QStringList{"2305 Bytes", "71.461 kB",  "1293 Bytes",
                                                      "40.072 kB",  "3598 Bytes", "111.533 kB"}
                                       << 1080.0 << 422.5;
}

void TestEstimatorPage::volumeFigures()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, labels);
    QFETCH(double, netto1);
    QFETCH(double, netto2);

    Page page;
    QList<int> runs;
    Apply(page.form, steps, &runs);
    // One user change, one estimate.
    QCOMPARE(runs, QList<int>(steps.size(), 1));
    QCOMPARE(Texts(page.form, VolumeLabels), labels);
    QCOMPARE(page.form.VolTX1Netto, netto1);
    QCOMPARE(page.form.VolTX2Netto, netto2);
}

void TestEstimatorPage::batteryFigures_data()
{
    QTest::addColumn<QStringList>("steps");
    // mAhTrans11, mAhTrans12, mAhTrans21, mAhTrans22, mAhMeas, mAhBLE
    QTest::addColumn<QList<double>>("shares");
    QTest::addColumn<QStringList>("labels"); // days and years at 20 °C, then at -20 °C

    const double meas = 24.0 * 14 / 3600 + 3 * (3 * 0.1 / 3600);
    const double ble = 0.0333 * 30 * 612 / 3600;
    const double http = 60.0 * 160 / 3600;
    QTest::addRow("start-up") << QStringList{} << QList<double>{http, 0, 0, 0, meas, ble}
                              << QStringList{"> 3653", "> 10", "2439", "6.68"};
    QTest::addRow("CAT-M1") << QStringList{"ComboBoxModemType=1"}
                            << QList<double>{1.5, 0, 0, 0, meas, ble}
                            << QStringList{"> 3653", "> 10", "3122", "8.55"};
    QTest::addRow("BLE once a day") << QStringList{"ComboBoxObserverInt=0"}
                                    << QList<double>{http, 0, 0, 0, meas, 1.0 * 30 * 605 / 3600}
                                    << QStringList{"2039", "5.58", "1274", "3.49"};
    QTest::addRow("FTPS primary") << QStringList{"ComboBoxVServerType11=5"}
                                  << QList<double>{100.0 * 160 / 3600, 0, 0, 0, meas, ble}
                                  << QStringList{};
    QTest::addRow("FTPS backup at 30 %%")
        << QStringList{"ComboBoxVServer2ndMode1=1", "ComboBoxVServerType12=5"}
        << QList<double>{http, 0.3 * 100 * 160 / 3600, 0, 0, meas, ble} << QStringList{};
    QTest::addRow("FTPS on both servers")
        << QStringList{"ComboBoxVServer2ndMode1=2", "ComboBoxVServerType12=5"}
        << QList<double>{http, 100.0 * 160 / 3600, 0, 0, meas, ble} << QStringList{};
    QTest::addRow("weekly") << QStringList{"ComboBoxVTX1Interval=19"}
                            << QList<double>{1.0 / 7 * http, 0, 0, 0, meas, ble} << QStringList{};
    QTest::addRow("TX1 off, also its backup")
        << QStringList{"ComboBoxVServer2ndMode1=1", "click SwitchVTX1"}
        << QList<double>{0, 0, 0, 0, meas, ble} << QStringList{"> 3653", "> 10", "> 3653", "> 10"};
    QTest::addRow("TX2 on") << QStringList{"click SwitchVTX2"}
                            << QList<double>{http, 0, http, 0, meas, ble}
                            << QStringList{"2601", "7.12", "1626", "4.45"};
    QTest::addRow("TX2 on to MQTTS on both servers")
        << QStringList{"click SwitchVTX2", "ComboBoxVServer2ndMode2=2", "ComboBoxVServerType22=4"}
        << QList<double>{http, 0, http, 75.0 * 160 / 3600, meas, ble} << QStringList{};
    // Sampling for all at 5 s; storage stays, so only the battery feels it.
    QTest::addRow("sampling every 5 s")
        << QStringList{"ComboBoxM2=0"} << QList<double>{http, 0, 0, 0, 67.2 + 3 * 1.44, ble}
        << QStringList{};
    QTest::addRow("storage does not count")
        << QStringList{"click CheckBoxSAll", "ComboBoxS1=24"}
        << QList<double>{http, 0, 0, 0, meas, ble} << QStringList{};
}

void TestEstimatorPage::batteryFigures()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<double>, shares);
    QFETCH(QStringList, labels);

    Page page;
    Apply(page.form, steps);
    const BatteryShares &c = page.form.Charges;
    const QList<double> actual = {c.mAhTrans11, c.mAhTrans12, c.mAhTrans21,
                                  c.mAhTrans22, c.mAhMeas,    c.mAhBLE};
    for (int i = 0; i < shares.size(); ++i)
        QVERIFY2(qAbs(actual[i] - shares[i]) < 1e-9,
                 qPrintable(QStringLiteral("share %1: %2, expected %3")
                                .arg(i)
                                .arg(actual[i], 0, 'g', 12)
                                .arg(shares[i], 0, 'g', 12)));
    QCOMPARE(c.mAhIdle, 2.4);
    const double sum = c.mAhMeas + c.mAhIdle + c.mAhBLE + c.mAhTrans11 + c.mAhTrans12 +
                       c.mAhTrans21 + c.mAhTrans22;
    QVERIFY(qAbs(c.mAhTotal - sum) < 1e-9);
    if (!labels.isEmpty())
        QCOMPARE(Texts(page.form, BatteryLabels), labels);
}

void TestEstimatorPage::startupFigures_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("battery");
    QTest::addColumn<QString>("month");

    QTest::addRow("point") << QLocale::c() << QStringList{"> 3653", "> 10", "2439", "6.68"}
                           << QString("71.461 kB");
    QTest::addRow("comma") << German << QStringList{"> 3653", "> 10", "2439", "6,68"}
                           << QString("71,461 kB");
}

void TestEstimatorPage::startupFigures()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, battery);
    QFETCH(QString, month);

    const Page page(locale);
    const EstimatorPage &form = page.form;
    QCOMPARE(Texts(form, BatteryLabels), battery);
    QCOMPARE(Text(form, "LabelVolTrans1"), QString("2305 Bytes"));
    QCOMPARE(Text(form, "LabelVolMonth1"), month);
    QCOMPARE(Text(form, "LabelVolTrans2"), QString("---"));
    QCOMPARE(Text(form, "LabelVolMonthTotal"), month);

    // The 20 °C life is over ten years: a full bar. At -20 °C it is 2439 of
    // the 3652.5 days the background stands for.
    const QFrame *green = Named<QFrame>(form, "Rectangle20B");
    const QFrame *blue = Named<QFrame>(form, "Rectangle_20B");
    QCOMPARE(green->width(), Named<QFrame>(form, "Rectangle20A")->width());
    const double expectedBlue = Named<QFrame>(form, "Rectangle_20A")->width() * 0.6678;
    QVERIFY2(qAbs(blue->width() - expectedBlue) <= 1, qPrintable(QString::number(blue->width())));
    QCOMPARE(green->pos(), Named<QFrame>(form, "Rectangle20A")->pos());
    QCOMPARE(blue->pos(), Named<QFrame>(form, "Rectangle_20A")->pos());
    QCOMPARE(blue->height(), Named<QFrame>(form, "Rectangle_20A")->height());
}

void TestEstimatorPage::batteryOnlyControls_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("battery");

    QTest::addRow("radio network")
        << QString("ComboBoxModemType=1") << QStringList{"> 3653", "> 10", "3122", "8.55"};
    QTest::addRow("BLE interval") << QString("ComboBoxObserverInt=0")
                                  << QStringList{"2039", "5.58", "1274", "3.49"};
}

void TestEstimatorPage::batteryOnlyControls()
{
    QFETCH(QString, step);
    QFETCH(QStringList, battery);

    Page page;
    const QStringList volume = Texts(page.form, VolumeLabels);
    QList<int> runs;
    Apply(page.form, {step}, &runs);
    QCOMPARE(runs, QList<int>{0});
    QCOMPARE(Texts(page.form, BatteryLabels), battery);
    QCOMPARE(Texts(page.form, VolumeLabels), volume);
}

void TestEstimatorPage::breakdowns_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("battery");
    QTest::addColumn<QString>("volume");

    QTest::addRow("start-up") << QStringList{}
                              << QString("Power Consumption in detail:  [ mAh ]\r\n"
                                         "Measurements:  \t0.094\r\n"
                                         "Transmission 1:  \t2.667\t0\r\n"
                                         "Transmission 2:  \t0\t0\r\n"
                                         "Local BLE:  \t0.17\r\n"
                                         "Idle (Ruhe):  \t2.4\r\n"
                                         "Total:  \t\t5.33")
                              << QString("Data Volume NETTO (per Transmission)\r\n"
                                         "Transmission 1:\t1080 Bytes\r\n"
                                         "Transmission 2:\t0 Bytes");
    QTest::addRow("TX2 on") << QStringList{"click SwitchVTX2"}
                            << QString("Power Consumption in detail:  [ mAh ]\r\n"
                                       "Measurements:  \t0.094\r\n"
                                       "Transmission 1:  \t2.667\t0\r\n"
                                       "Transmission 2:  \t2.667\t0\r\n"
                                       "Local BLE:  \t0.17\r\n"
                                       "Idle (Ruhe):  \t2.4\r\n"
                                       "Total:  \t\t7.997")
                            << QString("Data Volume NETTO (per Transmission)\r\n"
                                       "Transmission 1:\t1080 Bytes\r\n"
                                       "Transmission 2:\t456 Bytes");
    QTest::addRow("TX1 off") << QStringList{"click SwitchVTX1"}
                             << QString("Power Consumption in detail:  [ mAh ]\r\n"
                                        "Measurements:  \t0.094\r\n"
                                        "Transmission 1:  \t0\t0\r\n"
                                        "Transmission 2:  \t0\t0\r\n"
                                        "Local BLE:  \t0.17\r\n"
                                        "Idle (Ruhe):  \t2.4\r\n"
                                        "Total:  \t\t2.663")
                             << QString("Data Volume NETTO (per Transmission)\r\n"
                                        "Transmission 1:\t0 Bytes\r\n"
                                        "Transmission 2:\t0 Bytes");
}

// Clicking the result headings shows the details in plain boxes, the same in
// both languages.
void TestEstimatorPage::breakdowns()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, battery);
    QFETCH(QString, volume);

    Page page;
    Apply(page.form, steps);
    std::vector<FakeDialogs::Shown> &shown = page.platform.boxes->messages;
    for (const bool english : {true, false}) {
        page.form.applyLanguage(english);
        shown.clear();
        QTest::mouseClick(Named<ClickLabel>(page.form, "LabelMResult"), Qt::LeftButton);
        emit Named<ClickLabel>(page.form, "LabelVResult")->clicked();
        QCOMPARE(shown.size(), std::size_t(2));
        QCOMPARE(shown[0].text, battery);
        QCOMPARE(shown[1].text, volume);
        for (const FakeDialogs::Shown &box : shown) {
            QCOMPARE(box.kind, Dialogs::Kind::Plain);
            QCOMPARE(box.button, QMessageBox::Ok);
        }
    }
}

void TestEstimatorPage::disclaimers_data()
{
    QTest::addColumn<QList<bool>>("languages"); // English?, as the menu was set in turn
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");

    const QString englishLast = "For this purpose, use the measured value \"Power consumption\" It "
                                "shows the energy taken from the battery so far in "
                                "milliampere-hours (mAh).";
    const QString germanLast =
        "Hierzu den Messwert „Batterieverbrauch“ heranziehen. Er zeigt die "
        "bisher der Batterie entnommene Energie in Milliamperestunden (mAh).";
    QTest::addRow("battery, English") << QList<bool>{} << QString("LabelMDisclaimer") << 8
                                      << QString("Please note:") << englishLast;
    QTest::addRow("battery, German") << QList<bool>{false} << QString("LabelMDisclaimer") << 8
                                     << QString("Bitte beachten:") << germanLast;
    QTest::addRow("battery, back to English")
        << QList<bool>{false, true} << QString("LabelMDisclaimer") << 8 << QString("Please note:")
        << englishLast;
    QTest::addRow("volume, English")
        << QList<bool>{} << QString("LabelVDisclaimer") << 4 << QString("Please note:")
        << QString("o  Additional alarm transmissions, frequent server communication, a high "
                   "number of event entries, etc. increase the volume to be transmitted.");
    QTest::addRow("volume, German")
        << QList<bool>{false} << QString("LabelVDisclaimer") << 4 << QString("Bitte beachten:")
        << QString("o  Zusätzliche Alarmübertragungen, eine häufige Serverkommunikation, eine "
                   "hohe Anzahl von Event-Einträgen, usw. lassen das zu übertragende Volumen "
                   "ansteigen.");
}

// The disclaimer's language is chosen at the click, from the menu's check mark.
void TestEstimatorPage::disclaimers()
{
    QFETCH(QList<bool>, languages);
    QFETCH(QString, label);
    QFETCH(int, lineCount);
    QFETCH(QString, first);
    QFETCH(QString, last);

    Page page;
    for (const bool english : languages)
        page.form.applyLanguage(english);
    auto *link = page.form.findChild<ClickLabel *>(label);
    QVERIFY(link);
    QTest::mouseClick(link, Qt::LeftButton);

    const std::vector<FakeDialogs::Shown> &shown = page.platform.boxes->messages;
    QCOMPARE(shown.size(), std::size_t(1));
    QCOMPARE(shown[0].kind, Dialogs::Kind::Information);
    QCOMPARE(shown[0].button, QMessageBox::Ok);
    const QStringList lines = shown[0].text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), lineCount);
    QCOMPARE(lines.first(), first);
    QCOMPARE(lines.last(), last);
}

void TestEstimatorPage::conductivity_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("names");

    QTest::addRow("German") << false
                            << QStringList{"M6  Spez. Leitfähigkeit", "M7  Salzgehalt", "M8  TDS"};
    QTest::addRow("English") << true
                             << QStringList{"M6  Specific Conductivity", "M7  Salinity", "M8  TDS"};
}

void TestEstimatorPage::conductivity()
{
    QFETCH(bool, english);
    QFETCH(QStringList, names);

    Page page;
    EstimatorPage &form = page.form;
    form.applyLanguage(english);
    // Other names first, so that only the handler can have named the rows.
    for (int i = 6; i <= EstimatorRowCount; ++i)
        form.MeasurementLabel[i]->setText(QStringLiteral("M%1").arg(i));
    QCheckBox *box = Named<QCheckBox>(form, "ConductivityCheckBox");
    const double standardMeas = form.Charges.mAhMeas;

    QList<int> runs;
    Apply(form, {"click ConductivityCheckBox"}, &runs);
    QCOMPARE(runs, QList<int>{1}); // the handler runs once, not again for its own setChecked
    QVERIFY(box->isChecked());
    for (int i = 6; i <= EstimatorRowCount; ++i) {
        QCOMPARE(form.MeasurementLabel[i]->text(), names[i - 6]);
        QVERIFY(!form.MeasurementLabel[i]->isHidden());
        QVERIFY(!form.SamplingIntervalComboBoxes[i]->isHidden());
        QVERIFY(!form.StorageIntervalComboBoxes[i]->isHidden());
        QVERIFY(form.SamplingIntervalComboBoxes[i]->isEnabled());
        QVERIFY(form.StorageIntervalComboBoxes[i]->isEnabled());
        QVERIFY(!form.InTX1Switches[i]->isHidden());
        QVERIFY(!form.InTX2Switches[i]->isHidden());
        // The in-transmission switches keep what their transmission gave them.
        QVERIFY(form.InTX1Switches[i]->isEnabled());
        QVERIFY(!form.InTX2Switches[i]->isEnabled());
    }
    // Three more hourly rows in TX1 and the larger sensor charge.
    QCOMPARE(Text(form, "LabelVolTrans1"), QString("3836 Bytes"));
    QCOMPARE(Text(form, "LabelVolMonth1"), QString("118.903 kB"));
    QVERIFY(qAbs(form.Charges.mAhMeas - (24.0 * 168 / 3600 + 3 * (3 * 0.1 / 3600))) < 1e-9);
    QCOMPARE(Texts(form, BatteryLabels), (QStringList{"3272", "8.96", "2045", "5.6"}));

    // Set while visible, a fast row 6 then counts in full...
    Named<QCheckBox>(form, "CheckBoxMAll")->setChecked(false);
    Apply(form, {"ComboBoxM6=0"});
    QVERIFY(qAbs(form.Charges.mAhMeas - (17280.0 * 168 / 3600 + 3 * (3 * 0.1 / 3600))) < 1e-9);

    // ...and not at all once the rows are gone again.
    runs.clear();
    Apply(form, {"click ConductivityCheckBox"}, &runs);
    QCOMPARE(runs, QList<int>{1});
    QVERIFY(!box->isChecked());
    for (int i = 6; i <= EstimatorRowCount; ++i) {
        QCOMPARE(form.MeasurementLabel[i]->text(), names[i - 6]);
        QVERIFY(form.MeasurementLabel[i]->isHidden());
        QVERIFY(form.SamplingIntervalComboBoxes[i]->isHidden());
        QVERIFY(form.StorageIntervalComboBoxes[i]->isHidden());
        QVERIFY(!form.SamplingIntervalComboBoxes[i]->isEnabled());
        QVERIFY(!form.StorageIntervalComboBoxes[i]->isEnabled());
        QVERIFY(form.InTX1Switches[i]->isHidden());
        QVERIFY(form.InTX2Switches[i]->isHidden());
    }
    QCOMPARE(form.Charges.mAhMeas, standardMeas);
    QCOMPARE(Text(form, "LabelVolTrans1"), QString("2305 Bytes"));
    QCOMPARE(Texts(form, BatteryLabels), (QStringList{"> 3653", "> 10", "2439", "6.68"}));

    // Setting the state it already has is no change and runs nothing.
    const int before = form.DataVolumeRuns();
    box->setChecked(false);
    QCOMPARE(form.DataVolumeRuns(), before);
}

void TestEstimatorPage::timerRunsTheDeferredEstimatesOnce()
{
    Page page;
    EstimatorPage &form = page.form;
    EstimatorPage &estimators = form;
    // No event loop has run yet: start-up's request is still pending.
    QVERIFY(form.CalcVolumeNew);
    QVERIFY(form.CalcBattLifetimeNew);
    const int runs = estimators.DataVolumeRuns();
    estimators.TimerMainTimer();
    QCOMPARE(estimators.DataVolumeRuns(), runs + 1);
    QVERIFY(!form.CalcVolumeNew);
    QVERIFY(!form.CalcBattLifetimeNew);
    estimators.TimerMainTimer();
    QCOMPARE(estimators.DataVolumeRuns(), runs + 1);

    // A pending battery estimate alone runs just that one.
    form.CalcDisabled = true;
    Apply(form, {"ComboBoxModemType=1"});
    form.CalcDisabled = false;
    QCOMPARE(Text(form, "LabelBLTdays2"), QString("2439"));
    form.CalcBattLifetimeNew = true;
    estimators.TimerMainTimer();
    QCOMPARE(estimators.DataVolumeRuns(), runs + 1);
    QCOMPARE(Text(form, "LabelBLTdays2"), QString("3122"));
    QVERIFY(!form.CalcBattLifetimeNew);
}

void TestEstimatorPage::nothingChangesWhileCalcDisabled()
{
    Page page;
    EstimatorPage &form = page.form;
    const QStringList before = Results(form);

    form.CalcDisabled = true;
    Apply(form, {"click SwitchVTX2", "ComboBoxVTX1Interval=19", "ComboBoxModemType=1",
                 "ComboBoxObserverInt=0", "ComboBoxS3=15", "ComboBoxM1=0",
                 "click ConductivityCheckBox", "click SwitchVCompression1",
                 "SpinBoxVEventsNumber1=5", "ComboBoxVFormat1=2", "ComboBoxVServer2ndMode1=2"});
    form.CalcVolumeNew = true;
    form.CalcBattLifetimeNew = true;
    form.TimerMainTimer();
    form.CalcDataVolume();
    form.CalcBattLife();
    QCOMPARE(Results(form), before);

    // The changes were real: the next estimate shows them.
    form.CalcDisabled = false;
    form.CalcDataVolume();
    QVERIFY(Results(form) != before);
}

QTEST_MAIN(TestEstimatorPage)
#include "tst_estimatorpage.moc"
