#include "common/TimeUnits.h"
#include "estimators/PlanFigures.h"
#include "planfile/PlanCompare.h"
#include "tests/estimators/SetupCases.h"
#include "tests/planfile/ComparisonText.h"
#include "texts/ReportTexts.h"

#include <QtTest>

#include <functional>

using PlanChange = std::function<void(StationPlan &)>;
Q_DECLARE_METATYPE(PlanChange)

namespace {

// The figure's text as the command line writes it; "---" when absent.
QString FigureText(const StationPlan &plan, std::size_t figure)
{
    const auto text = FigureTexts(FiguresOf(plan))[figure];
    return text ? QString::fromStdString(*text) : QStringLiteral("---");
}

} // namespace

// Comparing the window's plan with a file's: the inputs that differ named as
// the page names them, and every result with its difference.
class TestPlanCompare : public QObject
{
    Q_OBJECT

private slots:
    void inputsThatDiffer_data();
    void inputsThatDiffer();
    void identicalPlans();
    void resultDifferences_data();
    void resultDifferences();
    void resultCaptions_data();
    void resultCaptions();
};

void TestPlanCompare::inputsThatDiffer_data()
{
    QTest::addColumn<PlanChange>("window");
    QTest::addColumn<PlanChange>("file");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QStringList>("expected"); // "caption | window | file | "

    const PlanChange startUp = [](StationPlan &) {};
    const PlanChange hourlyM3 = [](StationPlan &p) { p.rows[3].samplingSeconds = SecondsPerHour; };
    QTest::addRow("a sampling interval")
        << startUp << hourlyM3 << false
        << QStringList{"M3  Supply Voltage: Sampling interval | 24:00:00 | 01:00:00 | "};
    QTest::addRow("a sampling interval, German")
        << startUp << hourlyM3 << true
        << QStringList{"M3  Versorgungsspannung: Mess Intervall | 24:00:00 | 01:00:00 | "};
    // The row is named as the window shows it.
    QTest::addRow("an imported name, 8-bit")
        << PlanChange([](StationPlan &p) {
               p.rows[1].name = "Pegel \xFC";
               p.rows[1].storageSeconds = SecondsPerDay;
           })
        << startUp << false
        << QStringList{"M1: Measurements | M1  Pegel ü | M1  Distance to Water | ",
                       "M1  Pegel ü: Storage interval | 24:00:00 | 01:00:00 | "};
    QTest::addRow("a drop-down without selection")
        << startUp << PlanChange([](StationPlan &p) { p.transmissions[1].format.reset(); }) << true
        << QStringList{"TX1: Datenformat | Vesk-ML | – | "};
    QTest::addRow("BLE readings, German") << startUp << PlanChange([](StationPlan &p) {
        p.observer = StationPlan::Observer::OnceAWeek;
    }) << true << QStringList{"Lokale Kommunikation mit Bluetooth | Monatlich | Wöchentlich | "};
    // One label names the switch and the number after it.
    QTest::addRow("measurement events and their number")
        << startUp << PlanChange([](StationPlan &p) {
               p.transmissions[1].measurementEvents = false;
               p.transmissions[1].eventsNumber = 7;
           })
        << false
        << QStringList{"TX1: Measurement events active | on | off | ",
                       "TX1: Number per transmission | 1 | 7 | "};
    QTest::addRow("station ID, 8-bit") << startUp << PlanChange([](StationPlan &p) {
        p.stationId = "Br\xFC"
                      "cke";
    }) << false << QStringList{"Station ID |  | Brücke | "};
    QTest::addRow("weekly TX2, German") << startUp << PlanChange([](StationPlan &p) {
        p.transmissions[2].intervalSeconds = SecondsPerWeek;
        p.transmissions[2].on = true;
    }) << true
                                        << QStringList{"TX2: IP Übertragungen | aus | ein | ",
                                                       "TX2: Intervall | 24:00:00 | weekly | "};
    QTest::addRow("targets, as their spin boxes show them")
        << PlanChange([](StationPlan &p) { p.targets.years = 5; })
        << PlanChange([](StationPlan &p) { p.targets.dataPlanMB = 1.5; }) << false
        << QStringList{"Target battery life [years] | 5 | - none - | ",
                       "Data plan per month [MB] | - none - | 1.5 | "};
    QTest::addRow("in the page's order")
        << startUp << PlanChange([](StationPlan &p) {
               p.transmissions[1].backupPercent = 35;
               p.network = StationPlan::Network::CatM1;
               p.conductivity = true;
               p.rows[2].inTX1 = false;
               p.transmissions[1].compressionLevel = 9;
           })
        << false
        << QStringList{"M2  Water Temperature: in TX1 | on | off | ",
                       "Pelora 1000 with Conductivity | off | on | ",
                       "Radio network type | 4G / 2G (fallback) | CAT-M1 / LTE-M (4G) | ",
                       "TX1: Compression level | 4 | 9 | ",
                       "TX1: Backup data rate [%] | 30 | 35 | "};
}

void TestPlanCompare::inputsThatDiffer()
{
    QFETCH(PlanChange, window);
    QFETCH(PlanChange, file);
    QFETCH(bool, german);
    QFETCH(QStringList, expected);
    StationPlan ours = DefaultPlan();
    window(ours);
    StationPlan theirs = DefaultPlan();
    file(theirs);

    const PlanComparison comparison = ComparePlans(ours, theirs, german, '.');
    QCOMPARE(ComparisonLines(comparison.inputs), expected);
    QVERIFY(!comparison.identical);
    QCOMPARE(comparison.results.size(), FigureKeys.size());
}

void TestPlanCompare::identicalPlans()
{
    for (const StationPlan &plan : {DefaultPlan(), SetupCases::ChangedPage()}) {
        const PlanComparison comparison = ComparePlans(plan, plan, false, '.');
        QVERIFY(comparison.identical);
        QVERIFY(comparison.inputs.empty());
        for (const ComparisonRow &row : comparison.results) {
            QCOMPARE(row.window, row.file);
            const bool absent = row.window == VolumeOffText;
            QVERIFY2(absent ? row.difference.empty()
                            : QString::fromStdString(row.difference).toDouble() == 0.0,
                     row.caption.c_str());
        }
    }
}

void TestPlanCompare::resultDifferences_data()
{
    QTest::addColumn<PlanChange>("file");
    QTest::addRow("sampling every minute")
        << PlanChange([](StationPlan &p) { p.rows[1].samplingSeconds = SecondsPerMinute; });
    QTest::addRow("storage every minute")
        << PlanChange([](StationPlan &p) { p.rows[2].storageSeconds = SecondsPerMinute; });
    QTest::addRow("TX2 on in the file only")
        << PlanChange([](StationPlan &p) { p.transmissions[2].on = true; });
    QTest::addRow("a longer battery life")
        << PlanChange([](StationPlan &p) { p.transmissions[1].intervalSeconds = SecondsPerWeek; });
}

// Each result shows both figures as the command line writes them and the
// window's less the file's, with as many decimals.
void TestPlanCompare::resultDifferences()
{
    QFETCH(PlanChange, file);
    const StationPlan ours = DefaultPlan();
    StationPlan theirs = DefaultPlan();
    file(theirs);

    const PlanComparison comparison = ComparePlans(ours, theirs, false, '.');
    QCOMPARE(comparison.results.size(), FigureKeys.size());
    for (std::size_t i = 0; i < FigureKeys.size(); ++i) {
        const ComparisonRow &row = comparison.results[i];
        const QString window = FigureText(ours, i);
        const QString other = FigureText(theirs, i);
        QCOMPARE(QString::fromStdString(row.window), window);
        QCOMPARE(QString::fromStdString(row.file), other);
        QString expected;
        if (window != "---" && other != "---") {
            const int point = window.indexOf('.');
            const int decimals = point < 0 ? 0 : int(window.size()) - point - 1;
            const double difference = window.toDouble() - other.toDouble();
            expected = QString::number(std::fabs(difference), 'f', decimals);
            if (expected.toDouble() != 0)
                expected.prepend(difference > 0 ? '+' : '-');
        }
        QCOMPARE(QString::fromStdString(row.difference), expected);
    }
}

void TestPlanCompare::resultCaptions_data()
{
    QTest::addColumn<bool>("german");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QStringList>("expected"); // the first result rows, then the last

    QTest::addRow("English") << false << '.'
                             << QStringList{"Days @ 20 °C | 3902 | 3902 | 0",
                                            "Years @ 20 °C | 10.68 | 10.68 | 0.00",
                                            "Days @ -20 °C | 2439 | 2439 | 0",
                                            "Years @ -20 °C | 6.68 | 6.68 | 0.00",
                                            "mAh per day | 5.33008 | 5.33008 | 0.00000",
                                            "TX1 per transmission [Bytes] | 2305 | 2305 | 0",
                                            "TX2 per transmission [Bytes] | --- | --- | ",
                                            "Total per month [Bytes] | 71461 | 71461 | 0"};
    QTest::addRow("German with a decimal comma")
        << true << ','
        << QStringList{"Tage @ 20 °C | 3902 | 3902 | 0",
                       "Jahre @ 20 °C | 10,68 | 10,68 | 0,00",
                       "Tage @ -20 °C | 2439 | 2439 | 0",
                       "Jahre @ -20 °C | 6,68 | 6,68 | 0,00",
                       "mAh pro Tag | 5,33008 | 5,33008 | 0,00000",
                       "TX1 je Übertragung [Bytes] | 2305 | 2305 | 0",
                       "TX2 je Übertragung [Bytes] | --- | --- | ",
                       "Gesamt je Monat [Bytes] | 71461 | 71461 | 0"};
}

void TestPlanCompare::resultCaptions()
{
    QFETCH(bool, german);
    QFETCH(char, separator);
    QFETCH(QStringList, expected);
    const QStringList lines =
        ComparisonLines(ComparePlans(DefaultPlan(), DefaultPlan(), german, separator).results);
    QCOMPARE(lines.mid(0, 7) << lines.last(), expected);
}

QTEST_APPLESS_MAIN(TestPlanCompare)
#include "tst_plancompare.moc"
