#include "estimators/EstimatorPage.h"
#include "tests/support/Controls.h"
#include "tests/support/FakeDialogs.h"
#include "ui/ChartWidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

using PlanChange = std::function<void(StationPlan &)>;
Q_DECLARE_METATYPE(PlanChange)

// The planning aids on the estimator page: the targets as inputs of the
// plan, the marks beside the figures, the answer lines below them and the
// chart window.
class TestPlanningAidsOnPage : public QObject
{
    Q_OBJECT

private slots:
    void marksAndAnswers_data();
    void marksAndAnswers();
    void oncePerChange_data();
    void oncePerChange();
    void chartWindow();
};

namespace {

constexpr int HourlyItem = 11;
constexpr int DailyItem = 18;

const QLocale German(QLocale::German, QLocale::Germany);

struct Page
{
    explicit Page(bool english = true)
        : page(platform.environment(QDate(2026, 12, 10), english ? QLocale::c() : German), english)
    {}
    TestPlatform platform;
    EstimatorPage page;
};

PlanChange WithTargets(double years, double dataPlanMB, const PlanChange &change = {})
{
    return [=](StationPlan &plan) {
        if (change)
            change(plan);
        plan.targets = {years, dataPlanMB};
    };
}

void Tx1Every(StationPlan &plan, std::int32_t seconds)
{
    plan.transmissions[1].intervalSeconds = seconds;
}

// A label's whole text fits into it, every line of it.
void CompareFits(const QLabel *label)
{
    const QFontMetrics metrics = label->fontMetrics();
    const QStringList lines = label->text().split(QLatin1Char('\n'));
    for (const QString &line : lines)
        QVERIFY2(metrics.horizontalAdvance(line) <= label->width(),
                 qPrintable(label->objectName() + ": " + line));
    QVERIFY2(lines.size() * metrics.lineSpacing() <= label->height(),
             qPrintable(label->objectName()));
}

// What a mark says: its words, shown or, where the page has room only for
// the symbol, in its tool tip. A mark has a colour of its own.
void CompareMark(const QLabel *label, const QString &expected)
{
    const QString words = label->toolTip().isEmpty() ? label->text() : label->toolTip();
    QCOMPARE(words, expected);
    if (expected.isEmpty())
        return;
    QVERIFY(expected.startsWith(label->text()));
    QVERIFY(label->palette().color(QPalette::WindowText) !=
            QApplication::palette().color(QPalette::WindowText));
    CompareFits(label);
}

} // namespace

void TestPlanningAidsOnPage::marksAndAnswers_data()
{
    QTest::addColumn<PlanChange>("change");
    QTest::addColumn<bool>("english");
    // Marks of the years at 20 °C and -20 °C and of the month's total.
    QTest::addColumn<QString>("at20C");
    QTest::addColumn<QString>("atMinus20C");
    QTest::addColumn<QString>("month");
    // The answer lines of each transmission.
    QTest::addColumn<QString>("tx1");
    QTest::addColumn<QString>("tx2");

    const QString met = "\u2713 met";
    const QString notMet = "\u2717 not met";
    const QString erfuellt = "\u2713 erfüllt";
    const QString nichtErfuellt = "\u2717 nicht erfüllt";

    // The start-up plan lasts 10.68 years at 20 °C and 6.68 at -20 °C and
    // sends 0.071 MB a month.
    QTest::addRow("no target") << WithTargets(0, 0) << true << ""
                               << ""
                               << ""
                               << ""
                               << "";
    QTest::addRow("both met") << WithTargets(5, 1) << true << met << met << met
                              << "Reaches 5 years at -20 °C with TX1 every 24:00:00 or less "
                                 "often\nStays within 1 MB with TX1 every 02:00:00 or less often"
                              << "";
    QTest::addRow("both met, German")
        << WithTargets(5, 1) << false << erfuellt << erfuellt << erfuellt
        << "Erreicht 5 Jahre bei -20 °C mit TX1 alle 24:00:00 oder seltener\nBleibt "
           "innerhalb von 1 MB mit TX1 alle 02:00:00 oder seltener"
        << "";
    QTest::addRow("life just below the -20 °C figure")
        << WithTargets(6.6, 0) << true << met << met << ""
        << "Reaches 6.6 years at -20 °C with TX1 every 24:00:00 or less often"
        << "";
    QTest::addRow("life just above the -20 °C figure")
        << WithTargets(6.7, 0) << true << met << notMet << ""
        << "Reaches 6.7 years at -20 °C with TX1 weekly"
        << "";
    // The page shows "> 10" from ten years on; the mark uses the figure.
    QTest::addRow("life beyond the page's cap, German")
        << WithTargets(10.7, 0) << false << nichtErfuellt << nichtErfuellt << ""
        << "Erreicht 10,7 Jahre bei -20 °C mit TX1 wöchentlich"
        << "";
    QTest::addRow("life within the page's cap")
        << WithTargets(10.6, 0) << true << met << notMet << ""
        << "Reaches 10.6 years at -20 °C with TX1 weekly"
        << "";
    // Every two hours, TX1 sends 0.555 MB a month.
    QTest::addRow("data plan just above the month")
        << WithTargets(0, 0.6, [](StationPlan &p) { Tx1Every(p, 2 * SecondsPerHour); }) << true
        << ""
        << "" << met << "Stays within 0.6 MB with TX1 every 02:00:00 or less often"
        << "";
    QTest::addRow("data plan just below the month")
        << WithTargets(0, 0.5, [](StationPlan &p) { Tx1Every(p, 2 * SecondsPerHour); }) << true
        << ""
        << "" << notMet << "Stays within 0.5 MB with TX1 every 03:00:00 or less often"
        << "";
    QTest::addRow("TX2 on, German")
        << WithTargets(5, 1, [](StationPlan &p) { p.transmissions[2].on = true; }) << false
        << erfuellt << nichtErfuellt << erfuellt
        << "Erreicht 5 Jahre bei -20 °C mit TX1 wöchentlich\nBleibt innerhalb von 1 MB mit "
           "TX1 alle 02:00:00 oder seltener"
        << "Erreicht 5 Jahre bei -20 °C mit TX2 wöchentlich\nBleibt innerhalb von 1 MB mit "
           "TX2 alle 01:00:00 oder seltener";
    QTest::addRow("TX2 on, TX1 off") << WithTargets(5, 1,
                                                    [](StationPlan &p) {
                                                        p.transmissions[1].on = false;
                                                        p.transmissions[2].on = true;
                                                    })
                                     << true << met << met << met << ""
                                     << "Reaches 5 years at -20 °C with TX2 every 24:00:00 or "
                                        "less often\nStays within 1 MB with TX2 every 01:00:00 "
                                        "or less often";
    QTest::addRow("both off: marks without answers")
        << WithTargets(5, 1, [](StationPlan &p) { p.transmissions[1].on = false; }) << true << met
        << met << met << ""
        << "";
    // The longest lines: both transmissions, neither target reachable.
    QTest::addRow("nothing reaches them, German")
        << WithTargets(25, 0.1,
                       [](StationPlan &p) {
                           for (StationPlan::Row &row : p.rows) {
                               row.samplingSeconds = 5;
                               row.storageSeconds = 5;
                           }
                           p.transmissions[2].on = true;
                       })
        << false << nichtErfuellt << nichtErfuellt << nichtErfuellt
        << "Kein TX1-Intervall der Tabelle erreicht bei sonst gleichen Eingaben 25 Jahre bei "
           "-20 °C\nKein TX1-Intervall der Tabelle bleibt bei sonst gleichen Eingaben "
           "innerhalb von 0,1 MB"
        << "Kein TX2-Intervall der Tabelle erreicht bei sonst gleichen Eingaben 25 Jahre bei "
           "-20 °C\nKein TX2-Intervall der Tabelle bleibt bei sonst gleichen Eingaben "
           "innerhalb von 0,1 MB";
}

// Each mark and answer shows in full, also after the language switches to
// the other one and back.
void TestPlanningAidsOnPage::marksAndAnswers()
{
    QFETCH(PlanChange, change);
    QFETCH(bool, english);
    QFETCH(QString, at20C);
    QFETCH(QString, atMinus20C);
    QFETCH(QString, month);
    QFETCH(QString, tx1);
    QFETCH(QString, tx2);

    Page p(english);
    StationPlan plan = DefaultPlan();
    change(plan);
    p.page.setPlan(plan);

    for (const bool switched : {false, true}) {
        if (switched) {
            p.page.applyLanguage(!english);
            p.page.applyLanguage(english);
        }
        CompareMark(Named<QLabel>(p.page, "LabelBLTtarget1"), at20C);
        CompareMark(Named<QLabel>(p.page, "LabelBLTtarget2"), atMinus20C);
        CompareMark(Named<QLabel>(p.page, "LabelVolMonthTarget"), month);
        const auto *answer1 = Named<QLabel>(p.page, "LabelAnswerTX1");
        const auto *answer2 = Named<QLabel>(p.page, "LabelAnswerTX2");
        QCOMPARE(answer1->text(), tx1);
        QCOMPARE(answer2->text(), tx2);
        CompareFits(answer1);
        CompareFits(answer2);
    }
}

void TestPlanningAidsOnPage::oncePerChange_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("changes");
    QTest::addColumn<int>("computed");

    // "NAME=v" sets a spin box or picks item v of a drop-down, "type NAME v"
    // types v into a spin box and presses Enter, "up NAME" presses its up
    // arrow key, "setPlan" sets a plan with targets.
    QTest::addRow("a target typed") << QStringList{"type SpinBoxTargetYears 12.5"} << 1 << 1;
    QTest::addRow("typed, not yet entered")
        << QStringList{"keys SpinBoxTargetYears 12.5"} << 0 << 0;
    QTest::addRow("a target by its arrow") << QStringList{"up SpinBoxDataPlanMB"} << 1 << 1;
    QTest::addRow("both targets") << QStringList{"SpinBoxTargetYears=5", "SpinBoxDataPlanMB=50"}
                                  << 2 << 2;
    QTest::addRow("the same value again")
        << QStringList{"SpinBoxTargetYears=5", "SpinBoxTargetYears=5"} << 1 << 1;
    QTest::addRow("a change with a target set")
        << QStringList{"SpinBoxDataPlanMB=50", "ComboBoxVTX1Interval=11"} << 2 << 2;
    QTest::addRow("a change without a target") << QStringList{"ComboBoxVTX1Interval=11"} << 1 << 0;
    QTest::addRow("the target taken back")
        << QStringList{"SpinBoxTargetYears=5", "SpinBoxTargetYears=0", "ComboBoxVTX1Interval=11"}
        << 3 << 1;
    QTest::addRow("setPlan") << QStringList{"setPlan"} << 1 << 1;
    QTest::addRow("the language") << QStringList{"SpinBoxTargetYears=5", "German"} << 1 << 1;
}

// The targets are inputs of the plan: each change of one is one change of
// the plan, and the aids are computed once per change while a target is set.
void TestPlanningAidsOnPage::oncePerChange()
{
    QFETCH(QStringList, steps);
    QFETCH(int, changes);
    QFETCH(int, computed);

    Page p;
    EstimatorPage &page = p.page;
    const StationPlan withTargets = [] {
        StationPlan plan = DefaultPlan();
        plan.targets = {7.5, 0.5};
        return plan;
    }();
    QSignalSpy spy(&page, &EstimatorPage::planChanged);
    const int runs = page.PlanningAidsRuns();
    for (const QString &step : steps) {
        const QStringList words = step.split(QLatin1Char(' '));
        if (step == QLatin1String("setPlan")) {
            page.setPlan(withTargets);
            QVERIFY(page.plan() == withTargets);
        } else if (step == QLatin1String("German")) {
            page.applyLanguage(false);
        } else if (words[0] == QLatin1String("type") || words[0] == QLatin1String("keys")) {
            auto *box = Named<QDoubleSpinBox>(page, words[1]);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(box, words[2]);
            if (words[0] == QLatin1String("type")) {
                QTest::keyClick(box, Qt::Key_Enter);
                QCOMPARE(box->value(), words[2].toDouble());
            }
        } else if (words[0] == QLatin1String("up")) {
            QTest::keyClick(Named<QDoubleSpinBox>(page, words[1]), Qt::Key_Up);
        } else {
            const QStringList parts = step.split(QLatin1Char('='));
            QWidget *control = Named<QWidget>(page, parts[0]);
            if (auto *combo = qobject_cast<QComboBox *>(control))
                combo->setCurrentIndex(parts[1].toInt());
            else
                qobject_cast<QDoubleSpinBox *>(control)->setValue(parts[1].toDouble());
        }
    }
    QCOMPARE(spy.count(), changes);
    QCOMPARE(page.PlanningAidsRuns() - runs, computed);
}

// The chart opens in one window of its own beside the page, follows every
// change and the language while open, closes with Escape and opens again
// with the plan as it is then.
void TestPlanningAidsOnPage::chartWindow()
{
    Page p;
    EstimatorPage &page = p.page;
    auto *link = Named<QLabel>(page, "LabelChart");
    QCOMPARE(link->text(), QString("Chart"));
    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseClick(link, Qt::LeftButton);
    const QList<QDialog *> dialogs = page.findChildren<QDialog *>();
    QCOMPARE(dialogs.size(), 1);
    QDialog *dialog = dialogs.front();
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->windowTitle(), QString("Chart"));
    const auto *chart = Named<ChartWidget>(*dialog, "ChartPlanning");
    const auto tx1 = [chart] { return chart->data().transmissions[0]; };
    QCOMPARE(tx1().current, DailyItem);
    QVERIFY(!chart->data().transmissions[1].shown);
    // The chart's point of the interval now is the figure of the page.
    const double years = tx1().years[DailyItem][1];
    QCOMPARE(years, BatteryYears(CapacityAtMinus20C, page.Charges.mAhTotal));

    Named<QComboBox>(page, "ComboBoxVTX1Interval")->setCurrentIndex(HourlyItem);
    QCOMPARE(tx1().current, HourlyItem);
    Named<QAbstractButton>(page, "SwitchVTX2")->click();
    QVERIFY(chart->data().transmissions[1].shown);
    Named<QDoubleSpinBox>(page, "SpinBoxTargetYears")->setValue(5);
    QCOMPARE(chart->data().targetYears, 5.0);

    QVERIFY(!chart->texts().german);
    page.applyLanguage(false);
    QVERIFY(chart->texts().german);
    QCOMPARE(dialog->windowTitle(), QString("Diagramm"));
    QCOMPARE(link->text(), QString("Diagramm"));

    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    Named<QComboBox>(page, "ComboBoxVTX1Interval")->setCurrentIndex(DailyItem);
    QTest::mouseClick(link, Qt::LeftButton);
    QVERIFY(dialog->isVisible());
    QCOMPARE(page.findChildren<QDialog *>().size(), 1);
    QCOMPARE(tx1().current, DailyItem);
    QCOMPARE(tx1().years[DailyItem][1], BatteryYears(CapacityAtMinus20C, page.Charges.mAhTotal));
}

QTEST_MAIN(TestPlanningAidsOnPage)
#include "tst_planningaidsonpage.moc"
