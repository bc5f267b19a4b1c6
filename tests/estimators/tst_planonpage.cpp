#include "estimators/EstimatorPage.h"
#include "tests/estimators/PageFigures.h"
#include "tests/estimators/PlanText.h"
#include "tests/estimators/SetupCases.h"
#include "tests/support/Controls.h"
#include "tests/support/FakeDialogs.h"
#include "texts/LanguageTable.h"
#include "ui/ClickLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

#include <functional>

using PlanChange = std::function<void(StationPlan &)>;
Q_DECLARE_METATYPE(PlanChange)

// The station plan on the estimator page: the plan the page shows, setting a
// whole plan, and one planChanged per change.
class TestPlanOnPage : public QObject
{
    Q_OBJECT

private slots:
    void startupPageShowsDefaultPlan();
    void setPlanShowsThePlan_data();
    void setPlanShowsThePlan();
    void namesFollowTheLanguage_data();
    void namesFollowTheLanguage();
    void planChangedOncePerUserAction_data();
    void planChangedOncePerUserAction();
};

namespace {

struct Page
{
    TestPlatform platform;
    EstimatorPage page{platform.environment(), true};
};

QString StandardName(int row, bool english)
{
    const LanguageText *standard =
        FindLanguageText(qPrintable(QStringLiteral("LabelM%1").arg(row)));
    return QString::fromUtf8(Translated(*standard, english));
}

// The labels show the plan's names: "M1  " and the name, or the row's
// standard name.
void CompareLabels(const EstimatorPage &page, const StationPlan &plan, bool english)
{
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        const std::optional<std::string> &name = plan.rows[i].name;
        const QString expected = name ? QStringLiteral("M%1  ").arg(i) + QString::fromLatin1(*name)
                                      : StandardName(i, english);
        QCOMPARE(page.MeasurementLabel[i]->text(), expected);
        QCOMPARE(page.MeasurementLabel[i]->isHidden(),
                 i >= FirstConductivityRow && !plan.conductivity);
    }
}

// What each transmission column enables follows its switch, format and
// secondary server mode.
void CompareEnabledStates(const EstimatorPage &page, const StationPlan &plan)
{
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const StationPlan::Transmission &tx = plan.transmissions[t];
        const QString n = QString::number(t);
        const auto enabled = [&page](const QString &name) {
            return Named<QWidget>(page, name)->isEnabled();
        };
        for (int i = 1; i <= EstimatorRowCount; ++i)
            QCOMPARE(enabled(QStringLiteral("SwitchTX%1_M%2").arg(t).arg(i)), tx.on);
        for (const QString &name : {"ComboBoxVTX" + n + "Interval", "ComboBoxVFormat" + n,
                                    "ComboBoxVServerType" + n + "1", "SwitchVCompression" + n,
                                    "ComboBoxVServer2ndMode" + n})
            QCOMPARE(enabled(name), tx.on);
        const bool events = tx.on && tx.format == StationPlan::Format::VeskMl;
        for (const QString &name :
             {"SwitchVStationEvents" + n, "SwitchVChannelEvents" + n, "SpinBoxVEventsNumber" + n})
            QCOMPARE(enabled(name), events);
        const bool secondary =
            tx.on && tx.secondaryMode && *tx.secondaryMode != StationPlan::SecondaryMode::None;
        QCOMPARE(enabled("ComboBoxVServerType" + n + "2"), secondary);
        QCOMPARE(enabled("SpinBoxVServerBackupProzent" + n),
                 tx.on && tx.secondaryMode == StationPlan::SecondaryMode::Backup);
    }
}

StationPlan Plan(const PlanChange &change)
{
    StationPlan plan = DefaultPlan();
    change(plan);
    return plan;
}

} // namespace

void TestPlanOnPage::startupPageShowsDefaultPlan()
{
    const Page p;
    QCOMPARE(PlanText::Lines(p.page.plan()), PlanText::Lines(DefaultPlan()));
    CompareLabels(p.page, DefaultPlan(), true);
    CompareFigures(p.page);
}

void TestPlanOnPage::setPlanShowsThePlan_data()
{
    using S = StationPlan::Server;
    QTest::addColumn<PlanChange>("change");
    QTest::addColumn<bool>("fromChangedPage");

    const std::vector<std::pair<const char *, PlanChange>> plans = {
        {"default", [](StationPlan &) {}},
        {"changed page", [](StationPlan &p) { p = SetupCases::ChangedPage(); }},
        {"drop-downs without selection", SetupCases::WithoutChoices},
        {"conductivity",
         [](StationPlan &p) {
             p.conductivity = true;
             p.rows[7].samplingSeconds = 5;
             p.rows[7].storageSeconds = 60;
             p.rows[8].inTX1 = false;
         }},
        {"TX2 on with a backup server",
         [](StationPlan &p) {
             StationPlan::Transmission &tx = p.transmissions[2];
             tx.on = true;
             tx.intervalSeconds = SecondsPerWeek;
             tx.format = StationPlan::Format::VeskMl;
             tx.server = S::Mqtts;
             tx.secondaryMode = StationPlan::SecondaryMode::Backup;
             tx.secondaryServer = S::Ftp;
             tx.backupPercent = 80;
             tx.eventsNumber = 12;
             p.rows[3].inTX2 = false;
         }},
        {"TX1 off",
         [](StationPlan &p) {
             p.transmissions[1].on = false;
             p.transmissions[1].secondaryMode = StationPlan::SecondaryMode::BothServers;
         }},
        // The spin boxes take every value a plan may hold, a backup
        // percentage between the arrows' steps too.
        {"spin boxes at the ends of their ranges",
         [](StationPlan &p) {
             StationPlan::Transmission &lowest = p.transmissions[1];
             lowest.compressionLevel = CompressionLevelRange.min;
             lowest.eventsNumber = EventsNumberRange.min;
             lowest.backupPercent = BackupPercentRange.min + 1;
             StationPlan::Transmission &highest = p.transmissions[2];
             highest.compressionLevel = CompressionLevelRange.max;
             highest.eventsNumber = EventsNumberRange.max;
             highest.backupPercent = BackupPercentRange.max;
         }},
        {"targets",
         [](StationPlan &p) {
             p.targets = {12.5, 0.3};
         }},
        {"imported names and IDs",
         [](StationPlan &p) {
             p.stationId = "0000004711";
             p.rows[1].name = "Level";
             p.rows[1].id = "0001";
             p.rows[2].name = "";
             p.rows[2].id = "0002";
             p.rows[3].name = "<b>Pegel \xE4</b>";
             p.rows[8].name = "TDS";
         }},
    };
    for (const bool fromChanged : {false, true}) {
        for (const auto &[name, change] : plans)
            QTest::addRow("%s, from the %s page", name, fromChanged ? "changed" : "start-up")
                << change << fromChanged;
    }
}

// The page shows exactly the plan, with the enabled states and the figures
// that belong to it, computed once.
void TestPlanOnPage::setPlanShowsThePlan()
{
    QFETCH(PlanChange, change);
    QFETCH(bool, fromChangedPage);

    Page p;
    if (fromChangedPage)
        p.page.setPlan(SetupCases::ChangedPage());
    const StationPlan plan = Plan(change);
    const int runs = p.page.DataVolumeRuns();
    p.page.setPlan(plan);

    QCOMPARE(PlanText::Lines(p.page.plan()), PlanText::Lines(plan));
    QVERIFY(p.page.plan() == plan);
    QCOMPARE(p.page.DataVolumeRuns(), runs + 1);
    CompareLabels(p.page, plan, true);
    CompareEnabledStates(p.page, plan);
    CompareFigures(p.page);
    QVERIFY(!p.page.CalcDisabled);
    // A name is shown as it stands, never read as markup.
    if (plan.rows[3].name)
        QCOMPARE(p.page.MeasurementLabel[3]->textFormat(), Qt::PlainText);
}

void TestPlanOnPage::namesFollowTheLanguage_data()
{
    QTest::addColumn<bool>("changeChannelNames");
    QTest::addRow("names follow the language") << true;
    QTest::addRow("imported names kept") << false;
}

// A language switch that gives the rows their standard names leaves the plan
// without names; turning conductivity on does so for rows 6 to 8.
void TestPlanOnPage::namesFollowTheLanguage()
{
    QFETCH(bool, changeChannelNames);

    Page p;
    StationPlan plan = DefaultPlan();
    for (int i = 1; i <= EstimatorRowCount; ++i)
        plan.rows[i].name = "Name " + std::to_string(i);
    p.page.setPlan(plan);
    p.page.ChangeChannelNames = changeChannelNames;

    p.page.applyLanguage(false);
    StationPlan expected = plan;
    if (changeChannelNames) {
        for (StationPlan::Row &row : expected.rows)
            row.name.reset();
    }
    QCOMPARE(PlanText::Lines(p.page.plan()), PlanText::Lines(expected));
    CompareLabels(p.page, expected, false);

    Named<QCheckBox>(p.page, "ConductivityCheckBox")->click();
    ChooseConductivity(expected, true);
    QCOMPARE(PlanText::Lines(p.page.plan()), PlanText::Lines(expected));
    CompareLabels(p.page, expected, false);
}

void TestPlanOnPage::planChangedOncePerUserAction_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("emitted");

    // "click NAME" clicks a switch, box or label, "NAME=n" picks item n of a
    // drop-down or sets a spin box, "setPlan" sets a changed plan, "German"
    // switches the language.
    QTest::addRow("a drop-down") << QStringList{"ComboBoxModemType=1"} << 1;
    QTest::addRow("a switch") << QStringList{"click SwitchVTX2"} << 1;
    QTest::addRow("a row's switch") << QStringList{"click SwitchTX1_M2"} << 1;
    QTest::addRow("a spin box") << QStringList{"SpinBoxVEventsNumber1=4"} << 1;
    QTest::addRow("a format") << QStringList{"ComboBoxVFormat1=2"} << 1;
    QTest::addRow("a secondary server mode") << QStringList{"ComboBoxVServer2ndMode1=1"} << 1;
    QTest::addRow("change all pulls every row") << QStringList{"ComboBoxS3=15"} << 1;
    QTest::addRow("the interval rule raises storage")
        << QStringList{"click CheckBoxMAll", "ComboBoxM1=20"} << 1;
    QTest::addRow("conductivity") << QStringList{"click ConductivityCheckBox"} << 1;
    QTest::addRow("three changes")
        << QStringList{"click SwitchVTX2", "ComboBoxVTX2Interval=19", "click SwitchVCompression2"}
        << 3;
    QTest::addRow("setPlan") << QStringList{"setPlan"} << 1;
    QTest::addRow("what is no part of the plan")
        << QStringList{"click CheckBoxSAll", "click LabelMResult", "German"} << 0;
    QTest::addRow("a language switch that renames imported rows")
        << QStringList{"setPlan", "German", "German"} << 2;
}

void TestPlanOnPage::planChangedOncePerUserAction()
{
    QFETCH(QStringList, steps);
    QFETCH(int, emitted);

    Page p;
    EstimatorPage &page = p.page;
    QSignalSpy spy(&page, &EstimatorPage::planChanged);
    for (const QString &step : steps) {
        if (step == QLatin1String("setPlan")) {
            page.setPlan(SetupCases::ChangedPage());
        } else if (step == QLatin1String("German")) {
            page.applyLanguage(false);
        } else if (step.startsWith(QLatin1String("click "))) {
            QWidget *control = Named<QWidget>(page, step.mid(6));
            if (auto *button = qobject_cast<QAbstractButton *>(control))
                button->click();
            else
                QTest::mouseClick(control, Qt::LeftButton);
        } else {
            const QStringList parts = step.split('=');
            QWidget *control = Named<QWidget>(page, parts[0]);
            if (auto *combo = qobject_cast<QComboBox *>(control))
                combo->setCurrentIndex(parts[1].toInt());
            else
                qobject_cast<QSpinBox *>(control)->setValue(parts[1].toInt());
        }
    }
    QCOMPARE(spy.count(), emitted);
}

QTEST_MAIN(TestPlanOnPage)
#include "tst_planonpage.moc"
