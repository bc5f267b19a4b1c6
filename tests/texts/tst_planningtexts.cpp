#include "common/ListItems.h"
#include "tests/support/TestText.h"
#include "texts/ControlHelp.h"
#include "texts/PlanningTexts.h"

#include <QtTest>

namespace {

constexpr int HalfHourItem = 10;
constexpr int FourHoursItem = 14;
constexpr int DailyItem = 18;
constexpr int WeeklyItem = 19;
constexpr int At20C = 0;
constexpr int AtMinus20C = 1;

} // namespace

class TestPlanningTexts : public QObject
{
    Q_OBJECT

private slots:
    void bothLanguagesFillTheSamePlaces_data();
    void bothLanguagesFillTheSamePlaces();
    void answerLines_data();
    void answerLines();
    void schedules_data();
    void schedules();
    void filledOnlyOnce();
};

void TestPlanningTexts::bothLanguagesFillTheSamePlaces_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addRow("planning aids") << TranslationFaults(PlanningTexts);
    QTest::addRow("tool tips and names") << TranslationFaults(ControlHelpTexts);
}

// Every text exists in both languages, with the same placeholders.
void TestPlanningTexts::bothLanguagesFillTheSamePlaces()
{
    QFETCH(QStringList, faults);
    QCOMPARE(faults, QStringList());
}

void TestPlanningTexts::answerLines_data()
{
    QTest::addColumn<bool>("life");
    QTest::addColumn<double>("target");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("transmission");
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("expected");

    QTest::addRow("life, English") << true << 5.0 << AtMinus20C << 1 << FourHoursItem << false
                                   << "Reaches 5 years at -20 °C with TX1 every 04:00:00 or less "
                                      "often";
    QTest::addRow("life, German") << true << 5.0 << AtMinus20C << 1 << FourHoursItem << true
                                  << "Erreicht 5 Jahre bei -20 °C mit TX1 alle 04:00:00 oder "
                                     "seltener";
    QTest::addRow("life at 20 °C, TX2, daily")
        << true << 5.0 << At20C << 2 << DailyItem << false
        << "Reaches 5 years at 20 °C with TX2 every 24:00:00 or less often";
    QTest::addRow("life, one year") << true << 1.0 << AtMinus20C << 1 << WeeklyItem << false
                                    << "Reaches 1 year at -20 °C with TX1 weekly";
    QTest::addRow("life, one year, German") << true << 1.0 << AtMinus20C << 1 << WeeklyItem << true
                                            << "Erreicht 1 Jahr bei -20 °C mit TX1 wöchentlich";
    QTest::addRow("life, a fraction, German")
        << true << 2.5 << AtMinus20C << 1 << DailyItem << true
        << "Erreicht 2,5 Jahre bei -20 °C mit TX1 alle 24:00:00 oder seltener";
    QTest::addRow("life not reached")
        << true << 12.0 << AtMinus20C << 1 << NoItem << false
        << "No TX1 interval of the table reaches 12 years at -20 °C with the other inputs "
           "unchanged";
    QTest::addRow("life not reached, German")
        << true << 12.0 << AtMinus20C << 2 << NoItem << true
        << "Kein TX2-Intervall der Tabelle erreicht bei sonst gleichen Eingaben 12 Jahre bei "
           "-20 °C";
    QTest::addRow("data plan, English")
        << false << 50.0 << 0 << 1 << HalfHourItem << false
        << "Stays within 50 MB with TX1 every 00:30:00 or less often";
    QTest::addRow("data plan, German")
        << false << 50.0 << 0 << 1 << HalfHourItem << true
        << "Bleibt innerhalb von 50 MB mit TX1 alle 00:30:00 oder seltener";
    QTest::addRow("data plan, weekly, a fraction")
        << false << 0.25 << 0 << 2 << WeeklyItem << true
        << "Bleibt innerhalb von 0,25 MB mit TX2 wöchentlich";
    QTest::addRow("data plan not kept")
        << false << 50.0 << 0 << 1 << NoItem << false
        << "No TX1 interval of the table stays within 50 MB with the other inputs unchanged";
    QTest::addRow("data plan not kept, German")
        << false << 50.0 << 0 << 1 << NoItem << true
        << "Kein TX1-Intervall der Tabelle bleibt bei sonst gleichen Eingaben innerhalb von 50 "
           "MB";
}

void TestPlanningTexts::answerLines()
{
    QFETCH(bool, life);
    QFETCH(double, target);
    QFETCH(int, row);
    QFETCH(int, transmission);
    QFETCH(int, item);
    QFETCH(bool, german);
    QFETCH(QString, expected);

    const char separator = german ? ',' : '.';
    const std::string line =
        life ? LifeAnswerLine(target, row, transmission, item, german, separator)
             : DataPlanAnswerLine(target, transmission, item, german, separator);
    QCOMPARE(QString::fromStdString(line), expected);
}

void TestPlanningTexts::schedules_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("expected");

    QTest::addRow("first") << 0 << false << "TX2 every 00:01:00";
    QTest::addRow("first, German") << 0 << true << "TX2 alle 00:01:00";
    QTest::addRow("weekly") << WeeklyItem << false << "TX2 weekly";
    QTest::addRow("weekly, German") << WeeklyItem << true << "TX2 wöchentlich";
    QTest::addRow("no item") << NoItem << false << "TX2";
}

void TestPlanningTexts::schedules()
{
    QFETCH(int, item);
    QFETCH(bool, german);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(ScheduleText(2, item, german)), expected);
}

// A name that holds "%2" stays as it is.
void TestPlanningTexts::filledOnlyOnce()
{
    QCOMPARE(QString::fromStdString(Filled("%1 and %2, 100%", {"%2", "b"})),
             QString("%2 and b, 100%"));
    QCOMPARE(QString::fromStdString(Filled("%3", {"a"})), QString("%3"));
}

QTEST_APPLESS_MAIN(TestPlanningTexts)
#include "tst_planningtexts.moc"
