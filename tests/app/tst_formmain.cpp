#include "app/FormMain.h"
#include "commandfile/CommandPage.h"
#include "estimators/EstimatorPage.h"
#include "tests/support/Controls.h"
#include "tests/support/FakeDialogs.h"
#include "ui/Expander.h"
#include "ui/TabWidget.h"
#include "ui/ToggleSwitch.h"
#include "ui_CommandPage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

// The main window right after start-up.
class TestFormMainStartup : public QObject
{
    Q_OBJECT

private slots:
    void controlsCarryTheirNames();
    void commandPageIsMadeWhenFirstShown();
    void commandsFromTheEstimatorPagePlan();
    void mainMenuIsMadeOnFirstUse();
    void measurementRowsAreGatheredByName();
    void windowShape();
    void startupIntervals();
    void conductivityRowsAreHidden();
    void itemListsAreCopied();
    void commandPanelsAreClosed();
    void queryWindow_data();
    void queryWindow();
    void englishTextsAreShown();
    void estimatesAtStartAndOnFirstTick();
};

void TestFormMainStartup::controlsCarryTheirNames()
{
    TestPlatform platform;
    TFormMain form(platform.environment());
    form.Commands().Form();
    const char *const names[] = {
        "CheckBoxGetCfg",
        "CheckBoxGetDiag",
        "CheckBoxMAll",
        "CheckBoxQueryEventsChannels",
        "CheckBoxQueryEventsStation",
        "CheckBoxSAll",
        "CheckBoxSint",
        "CheckBoxTIAlarmInt1",
        "CheckBoxTIAlarmInt2",
        "CheckBoxTIAlarmInt3",
        "CheckBoxTIOffset",
        "ComboBoxGradDir",
        "ComboBoxLimitDir",
        "ComboBoxM1",
        "ComboBoxM2",
        "ComboBoxM3",
        "ComboBoxM4",
        "ComboBoxM5",
        "ComboBoxM6",
        "ComboBoxM7",
        "ComboBoxM8",
        "ComboBoxMInt2",
        "ComboBoxModemType",
        "ComboBoxObserverInt",
        "ComboBoxQueryFormat",
        "ComboBoxS1",
        "ComboBoxS2",
        "ComboBoxS3",
        "ComboBoxS4",
        "ComboBoxS5",
        "ComboBoxS6",
        "ComboBoxS7",
        "ComboBoxS8",
        "ComboBoxSInt2",
        "ComboBoxTIAlarmInt1",
        "ComboBoxTIAlarmInt2",
        "ComboBoxTIAlarmInt3",
        "ComboBoxTIInterval",
        "ComboBoxVFormat1",
        "ComboBoxVFormat2",
        "ComboBoxVServer2ndMode1",
        "ComboBoxVServer2ndMode2",
        "ComboBoxVServerType11",
        "ComboBoxVServerType12",
        "ComboBoxVServerType21",
        "ComboBoxVServerType22",
        "ComboBoxVTX1Interval",
        "ComboBoxVTX2Interval",
        "ComboEditMeasurementID",
        "ConductivityCheckBox",
        "CornerButtonAddCmd",
        "CornerButtonClearList",
        "CornerButtonExportFTPFile",
        "DateEditQueryEnd",
        "DateEditQueryStart",
        "EditCfg",
        "EditFW",
        "EditGradValue",
        "EditLimitValue",
        "EditSkalFactor",
        "EditSkalOffset",
        "EditStationID",
        "ExpanderCfg",
        "ExpanderCfgDiag",
        "ExpanderFW",
        "ExpanderGrad",
        "ExpanderLimit",
        "ExpanderMIntSInt",
        "ExpanderQuery",
        "ExpanderSkal",
        "ExpanderTInt",
        "ImageImportSetup",
        "ImageMenu",
        "Label3",
        "LabelBLTdays1",
        "LabelBLTdays2",
        "LabelBLTyears1",
        "LabelBLTyears2",
        "LabelBattery",
        "LabelBattery2",
        "LabelCfg",
        "LabelCmdCounter",
        "LabelFW",
        "LabelGradDir",
        "LabelGradIndex",
        "LabelGradValue",
        "LabelHeader",
        "LabelLimitDir",
        "LabelLimitIndex",
        "LabelLimitValue",
        "LabelM1",
        "LabelM2",
        "LabelM3",
        "LabelM4",
        "LabelM5",
        "LabelM6",
        "LabelM7",
        "LabelM8",
        "LabelMBLE",
        "LabelMBLE2",
        "LabelMDisclaimer",
        "LabelMInt2",
        "LabelMResult",
        "LabelMResultD",
        "LabelMResultY",
        "LabelMResultY10",
        "LabelMeas",
        "LabelMeasInt",
        "LabelMeasurementID",
        "LabelModemType",
        "LabelQueryEnd",
        "LabelQueryFormat",
        "LabelQueryStart",
        "LabelSkalFactor",
        "LabelSkalOffset",
        "LabelStationID",
        "LabelStoreInt",
        "LabelTIIndex",
        "LabelTIInterval",
        "LabelTILimitInt",
        "LabelVChannelEvents",
        "LabelVCompression",
        "LabelVCompression2",
        "LabelVResult",
        "LabelVResult2",
        "LabelVResult3",
        "LabelVResult4",
        "LabelVResult5",
        "LabelVStationEvents",
        "LabelVTXFormat",
        "LabelVTXInterval",
        "LabelVTXS2Backuprate",
        "LabelVTXS2Mode",
        "LabelVTXS2Type",
        "LabelVTXSType",
        "LabelVTransm",
        "LabelVolMonth1",
        "LabelVolMonth2",
        "LabelVolMonthTotal",
        "LabelVolTrans1",
        "LabelVolTrans2",
        "LabelVolTransTotal",
        "ListBoxMeasurementID",
        "MemoCmdList",
        "MenuItemAbout",
        "MenuItemDE",
        "MenuItemEN",
        "MenuItemExit",
        "MenuItemImport",
        "PanelDelim1",
        "PanelDelim2",
        "PanelDelim3",
        "PanelExp",
        "Rectangle20A",
        "Rectangle20B",
        "RectangleHeader",
        "Rectangle_20A",
        "Rectangle_20B",
        "SpinBoxGradIndex",
        "SpinBoxLimitIndex",
        "SpinBoxTIIndex",
        "SpinBoxVCompression1",
        "SpinBoxVCompression2",
        "SpinBoxVEventsNumber1",
        "SpinBoxVEventsNumber2",
        "SpinBoxVServerBackupProzent1",
        "SpinBoxVServerBackupProzent2",
        "SwitchVChannelEvents1",
        "SwitchVChannelEvents2",
        "SwitchVCompression1",
        "SwitchVCompression2",
        "SwitchVStationEvents1",
        "SwitchVStationEvents2",
        "SwitchVTX1",
        "SwitchVTX2",
        "TabControlMain",
        "TabItemBattLife",
        "TabItemXMLCmd",
        "TimeEditQueryEnd",
        "TimeEditQueryStart",
        "TimeEditTIOffset",
        "TimerMain",
    };
    for (const char *name : names)
        QVERIFY2(form.findChild<QObject *>(QLatin1String(name)), name);
}

void TestFormMainStartup::commandPageIsMadeWhenFirstShown()
{
    TestPlatform platform;
    TFormMain form(platform.environment());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(!form.findChild<Expander *>("ExpanderCfg"));

    Named<TabWidget>(form, "TabControlMain")->setCurrentPage(&form.Commands());
    QVERIFY(form.findChild<Expander *>("ExpanderCfg"));
    const auto &page = form.Commands().Form();
    // Made as start-up would have left it, and on screen.
    QVERIFY(page.ExpanderCfg->isVisible());
    QVERIFY(!page.ExpanderCfg->isExpanded());
    QVERIFY(page.MemoCmdList->isVisible());
    QVERIFY(!page.ComboEditMeasurementID->isVisible());
    QCOMPARE(page.ExpanderQuery->text(), QString("Retrieve Data and Events"));
    QCOMPARE(page.ComboEditMeasurementID->count(), 6);
    QCOMPARE(page.ComboBoxMInt2->currentText(), QString("01:00:00"));
    QCOMPARE(page.DateEditQueryEnd->date(), QDate(2026, 12, 10));
}

// The command page adds the plan the estimator page shows when the button is
// pressed, not one it was given before.
void TestFormMainStartup::commandsFromTheEstimatorPagePlan()
{
    TestPlatform platform;
    TFormMain form(platform.environment());
    StationPlan plan = form.Estimators().plan();
    for (StationPlan::Row &row : plan.rows)
        row.id.clear();
    plan.rows[1].id = "0001";
    plan.rows[1].samplingSeconds = 5;
    plan.rows[1].storageSeconds = 900;
    plan.transmissions[1].intervalSeconds = 43200;
    form.Estimators().setPlan(plan);
    auto &page = form.Commands().Form();
    QVERIFY(page.CornerButtonCmdFromPlan->isEnabled());

    page.CornerButtonCmdFromPlan->click();
    const QString list = QString::fromStdString(form.Commands().ListText());
    QVERIFY2(list.contains("samplingInterval=\"5\" storageInterval=\"900\""), qPrintable(list));
    QVERIFY2(list.contains("<Timing interval=\"43200\" />"), qPrintable(list));
    QCOMPARE(form.Commands().CmdCounter, 2);

    plan.transmissions[1].intervalSeconds = 3600;
    form.Estimators().setPlan(plan);
    page.CornerButtonClearList->click();
    page.CornerButtonCmdFromPlan->click();
    QVERIFY(QString::fromStdString(form.Commands().ListText())
                .contains("<Timing interval=\"3600\" />"));
}

void TestFormMainStartup::mainMenuIsMadeOnFirstUse()
{
    TestPlatform platform;
    TFormMain form(platform.environment());
    QVERIFY(!form.findChild<QMenu *>("PopupMenuMainMenu"));
    QMenu *menu = form.MainMenu();
    QCOMPARE(menu, form.findChild<QMenu *>("PopupMenuMainMenu"));
    QCOMPARE(form.MainMenu(), menu);
    QCOMPARE(form.findChild<QMenu *>("MenuItemLanguage")->title(), QString("Language"));
}

void TestFormMainStartup::measurementRowsAreGatheredByName()
{
    TestPlatform platform;
    const TFormMain form(platform.environment());
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        const QString n = QString::number(i);
        QCOMPARE(form.Estimators().MeasurementLabel[i], form.findChild<QLabel *>("LabelM" + n));
        QCOMPARE(form.Estimators().SamplingIntervalComboBoxes[i],
                 form.findChild<QComboBox *>("ComboBoxM" + n));
        QCOMPARE(form.Estimators().StorageIntervalComboBoxes[i],
                 form.findChild<QComboBox *>("ComboBoxS" + n));
        QCOMPARE(form.Estimators().InTX1Switches[i],
                 form.findChild<ToggleSwitch *>("SwitchTX1_M" + n));
        QCOMPARE(form.Estimators().InTX2Switches[i],
                 form.findChild<ToggleSwitch *>("SwitchTX2_M" + n));
        QVERIFY(form.Estimators().MeasurementLabel[i] &&
                form.Estimators().SamplingIntervalComboBoxes[i] &&
                form.Estimators().StorageIntervalComboBoxes[i] &&
                form.Estimators().InTX1Switches[i] && form.Estimators().InTX2Switches[i]);
    }
}

void TestFormMainStartup::windowShape()
{
    TestPlatform platform;
    const TFormMain form(platform.environment());
    QCOMPARE(form.size(), QSize(1088, 750));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QCOMPARE(form.windowTitle(), QString("Vesk Pelora 1000 Toolbox"));
    // No display name, which Qt would append to every window title.
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(Named<QWidget>(form, "RectangleHeader")->geometry(), QRect(0, 0, 1088, 46));
    QCOMPARE(Named<TabWidget>(form, "TabControlMain")->geometry(), QRect(0, 46, 1088, 704));
    QCOMPARE(form.ProgramFolder(), platform.folder.path() + '/');
    QCOMPARE(Named<QLabel>(form, "ImageMenu")->pixmap().size(), QSize(31, 32));
    QCOMPARE(Named<QLabel>(form, "ImageImportSetup")->pixmap().size(), QSize(24, 28));
    QVERIFY(!form.windowIcon().isNull());
}

void TestFormMainStartup::startupIntervals()
{
    TestPlatform platform;
    const TFormMain form(platform.environment());
    const int expected[] = {18, 18, 25, 25, 25, 18, 18, 18};
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        QCOMPARE(form.Estimators().SamplingIntervalComboBoxes[i]->currentIndex(), expected[i - 1]);
        QCOMPARE(form.Estimators().StorageIntervalComboBoxes[i]->currentIndex(), expected[i - 1]);
    }
    QCOMPARE(form.Estimators().SamplingIntervalComboBoxes[1]->currentText(), QString("01:00:00"));
    QCOMPARE(form.Estimators().SamplingIntervalComboBoxes[3]->currentText(), QString("24:00:00"));
    QVERIFY(Named<QCheckBox>(form, "CheckBoxMAll")->isChecked());
    QVERIFY(Named<QCheckBox>(form, "CheckBoxSAll")->isChecked());
    QCOMPARE(Named<QComboBox>(form, "ComboBoxVTX1Interval")->currentText(), QString("24:00:00"));
    QCOMPARE(Named<QComboBox>(form, "ComboBoxVTX2Interval")->currentText(), QString("24:00:00"));
    QCOMPARE(form.Commands().Form().ComboBoxTIInterval->currentText(), QString("24:00:00"));
    QCOMPARE(form.Commands().Form().ComboBoxMInt2->currentText(), QString("01:00:00"));
    QCOMPARE(form.Commands().Form().ComboBoxSInt2->currentText(), QString("01:00:00"));
    for (const QComboBox *alarm :
         {form.Commands().Form().ComboBoxTIAlarmInt1, form.Commands().Form().ComboBoxTIAlarmInt2,
          form.Commands().Form().ComboBoxTIAlarmInt3})
        QCOMPARE(alarm->currentText(), QString("24:00:00"));
}

void TestFormMainStartup::conductivityRowsAreHidden()
{
    TestPlatform platform;
    const TFormMain form(platform.environment());
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        const bool hidden = i >= 6;
        QCOMPARE(form.Estimators().MeasurementLabel[i]->isHidden(), hidden);
        QCOMPARE(form.Estimators().SamplingIntervalComboBoxes[i]->isHidden(), hidden);
        QCOMPARE(form.Estimators().StorageIntervalComboBoxes[i]->isHidden(), hidden);
        QCOMPARE(form.Estimators().InTX1Switches[i]->isHidden(), hidden);
        QCOMPARE(form.Estimators().InTX2Switches[i]->isHidden(), hidden);
    }
    QVERIFY(Named<QSpinBox>(form, "SpinBoxVCompression1")->isHidden());
    QVERIFY(Named<QSpinBox>(form, "SpinBoxVCompression2")->isHidden());
}

void TestFormMainStartup::itemListsAreCopied()
{
    TestPlatform platform;
    const TFormMain form(platform.environment());
    const auto itemsOf = [](const QComboBox *combo) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    };
    const QStringList measurement = itemsOf(Named<QComboBox>(form, "ComboBoxM1"));
    QCOMPARE(measurement.size(), 26);
    QCOMPARE(measurement.first(), QString("00:00:05"));
    QCOMPARE(measurement.last(), QString("24:00:00"));
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        QCOMPARE(itemsOf(form.Estimators().SamplingIntervalComboBoxes[i]), measurement);
        QCOMPARE(itemsOf(form.Estimators().StorageIntervalComboBoxes[i]), measurement);
    }
    QCOMPARE(itemsOf(form.Commands().Form().ComboBoxMInt2), measurement);
    QCOMPARE(itemsOf(form.Commands().Form().ComboBoxSInt2), measurement);
    QCOMPARE(Named<QComboBox>(form, "ComboBoxVTX1Interval")->count(), 20);
    QCOMPARE(itemsOf(Named<QComboBox>(form, "ComboBoxVTX2Interval")),
             itemsOf(Named<QComboBox>(form, "ComboBoxVTX1Interval")));
    QCOMPARE(form.Commands().Form().ComboBoxTIInterval->count(), 26);
    QCOMPARE(form.Commands().Form().ComboBoxTIAlarmInt1->count(), 19);
    QCOMPARE(itemsOf(form.Commands().Form().ComboBoxTIAlarmInt2),
             itemsOf(form.Commands().Form().ComboBoxTIAlarmInt1));
    QCOMPARE(itemsOf(form.Commands().Form().ComboBoxTIAlarmInt3),
             itemsOf(form.Commands().Form().ComboBoxTIAlarmInt1));
}

void TestFormMainStartup::commandPanelsAreClosed()
{
    TestPlatform platform;
    const TFormMain form(platform.environment());
    for (const Expander *panel : form.findChildren<Expander *>()) {
        QVERIFY2(!panel->isExpanded(), qPrintable(panel->objectName()));
        QVERIFY(!panel->isHeaderBold());
    }
    QVERIFY(!form.Commands().Form().CornerButtonAddCmd->isEnabled());
    QVERIFY(!form.Commands().Form().CornerButtonExportFTPFile->isEnabled());
    QVERIFY(form.Commands().Form().LabelMeasurementID->isHidden());
    QVERIFY(form.Commands().Form().ComboEditMeasurementID->isHidden());
    QVERIFY(form.Commands().Form().ListBoxMeasurementID->isHidden());
    QCOMPARE(form.Commands().Form().LabelCmdCounter->text(), QString("0 / 10"));
    QCOMPARE(form.Commands().Form().EditStationID->text(), QString("0000000001"));
    QCOMPARE(form.Commands().Form().ComboEditMeasurementID->count(), 6);
    QCOMPARE(form.Commands().Form().ListBoxMeasurementID->count(), 6);
    QCOMPARE(form.Commands().Form().ComboEditMeasurementID->itemText(2), QString("UBAT"));
    QCOMPARE(form.Commands().Form().MemoCmdList->toPlainText(), QString());
}

void TestFormMainStartup::queryWindow_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("start");
    QTest::addRow("within a month") << QDate(2026, 12, 10) << QDate(2026, 12, 9);
    QTest::addRow("new year") << QDate(2027, 1, 1) << QDate(2026, 12, 31);
    QTest::addRow("leap day") << QDate(2024, 3, 1) << QDate(2024, 2, 29);
}

void TestFormMainStartup::queryWindow()
{
    QFETCH(QDate, today);
    QFETCH(QDate, start);
    TestPlatform platform;
    const TFormMain form(platform.environment(today));
    QCOMPARE(form.Commands().Form().DateEditQueryEnd->date(), today);
    QCOMPARE(form.Commands().Form().DateEditQueryStart->date(), start);
    QCOMPARE(form.Commands().Form().TimeEditQueryStart->time(), QTime(0, 0, 0));
    QCOMPARE(form.Commands().Form().TimeEditQueryEnd->time().hour(), 23);
    QCOMPARE(form.Commands().Form().TimeEditQueryEnd->time().minute(), 59);
}

void TestFormMainStartup::englishTextsAreShown()
{
    TestPlatform platform;
    TFormMain form(platform.environment());
    QVERIFY(form.English());
    QVERIFY(Named<QAction>(form, "MenuItemEN")->isChecked());
    QVERIFY(!Named<QAction>(form, "MenuItemDE")->isChecked());
    const auto *tabs = Named<TabWidget>(form, "TabControlMain");
    QCOMPARE(tabs->currentIndex(), tabs->indexOfPage(&form.Estimators()));
    QCOMPARE(Named<QLabel>(form, "LabelHeader")->text(),
             QString("Calculation of battery life time & data transmission volume  / FTP Command "
                     "control file"));
    QCOMPARE(Named<QLabel>(form, "LabelM1")->text(), QString("M1  Distance to Water"));
    QCOMPARE(Named<TabWidget>(form, "TabControlMain")->tabText(1),
             QString("FTP Command control file"));
    QCOMPARE(form.Commands().Form().ExpanderCfg->text(), QString("Upload new configuration"));
    QCOMPARE(Named<QComboBox>(form, "ComboBoxObserverInt")->currentText(), QString("Once a month"));
    QCOMPARE(form.Commands().Form().ComboBoxGradDir->itemText(2), QString("rising+falling"));
}

void TestFormMainStartup::estimatesAtStartAndOnFirstTick()
{
    TestPlatform platform;
    const TFormMain form(platform.environment());
    // Both transmission switch handlers computed before the window is shown.
    QCOMPARE(form.Estimators().DataVolumeRuns(), 2);
    QVERIFY(Named<QTimer>(form, "TimerMain")->isActive());
    QCOMPARE(Named<QTimer>(form, "TimerMain")->interval(), 100);
    QTRY_COMPARE(form.Estimators().DataVolumeRuns(), 3);
    QVERIFY(!form.Estimators().CalcVolumeNew);
    QVERIFY(!form.Estimators().CalcBattLifetimeNew);
    QTest::qWait(350);
    QCOMPARE(form.Estimators().DataVolumeRuns(), 3);
}

QTEST_MAIN(TestFormMainStartup)
#include "tst_formmain.moc"
