#include "app/FormMain.h"
#include "commandfile/CommandEditor.h"
#include "estimators/EstimatorPage.h"
#include "tests/support/FakeDialogs.h"
#include "ui/Expander.h"
#include "ui/ToggleSwitch.h"
#include "ui_CommandPage.h"
#include "ui_FormMain.h"

#include <QMenu>
#include <QtTest>

// The main window right after start-up.
class TestFormMainStartup : public QObject
{
    Q_OBJECT

private slots:
    void controlsCarryTheirNames();
    void commandPageIsMadeWhenFirstShown();
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
    form.Commands->Page();
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
    QVERIFY(!form.Commands->HasPage());
    QVERIFY(!form.findChild<Expander *>("ExpanderCfg"));

    form.ui->TabControlMain->setCurrentWidget(form.ui->TabItemXMLCmd);
    QVERIFY(form.Commands->HasPage());
    const auto &page = form.Commands->Page();
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
        QCOMPARE(form.MeasurementLabel[i], form.findChild<QLabel *>("LabelM" + n));
        QCOMPARE(form.SamplingIntervalComboBoxes[i], form.findChild<QComboBox *>("ComboBoxM" + n));
        QCOMPARE(form.StorageIntervalComboBoxes[i], form.findChild<QComboBox *>("ComboBoxS" + n));
        QCOMPARE(form.InTX1Switches[i], form.findChild<ToggleSwitch *>("SwitchTX1_M" + n));
        QCOMPARE(form.InTX2Switches[i], form.findChild<ToggleSwitch *>("SwitchTX2_M" + n));
        QVERIFY(form.MeasurementLabel[i] && form.SamplingIntervalComboBoxes[i] &&
                form.StorageIntervalComboBoxes[i] && form.InTX1Switches[i] &&
                form.InTX2Switches[i]);
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
    QCOMPARE(form.ui->RectangleHeader->geometry(), QRect(0, 0, 1088, 46));
    QCOMPARE(form.ui->TabControlMain->geometry(), QRect(0, 46, 1088, 704));
    QCOMPARE(form.ExePath, platform.folder.path() + '/');
    QCOMPARE(form.ui->ImageMenu->pixmap().size(), QSize(31, 32));
    QCOMPARE(form.ui->ImageImportSetup->pixmap().size(), QSize(24, 28));
    QVERIFY(!form.windowIcon().isNull());
}

void TestFormMainStartup::startupIntervals()
{
    TestPlatform platform;
    const TFormMain form(platform.environment());
    const int expected[] = {18, 18, 25, 25, 25, 18, 18, 18};
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        QCOMPARE(form.SamplingIntervalComboBoxes[i]->currentIndex(), expected[i - 1]);
        QCOMPARE(form.StorageIntervalComboBoxes[i]->currentIndex(), expected[i - 1]);
    }
    QCOMPARE(form.SamplingIntervalComboBoxes[1]->currentText(), QString("01:00:00"));
    QCOMPARE(form.SamplingIntervalComboBoxes[3]->currentText(), QString("24:00:00"));
    QVERIFY(form.ui->CheckBoxMAll->isChecked());
    QVERIFY(form.ui->CheckBoxSAll->isChecked());
    QCOMPARE(form.ui->ComboBoxVTX1Interval->currentText(), QString("24:00:00"));
    QCOMPARE(form.ui->ComboBoxVTX2Interval->currentText(), QString("24:00:00"));
    QCOMPARE(form.Commands->Page().ComboBoxTIInterval->currentText(), QString("24:00:00"));
    QCOMPARE(form.Commands->Page().ComboBoxMInt2->currentText(), QString("01:00:00"));
    QCOMPARE(form.Commands->Page().ComboBoxSInt2->currentText(), QString("01:00:00"));
    for (const QComboBox *alarm :
         {form.Commands->Page().ComboBoxTIAlarmInt1, form.Commands->Page().ComboBoxTIAlarmInt2,
          form.Commands->Page().ComboBoxTIAlarmInt3})
        QCOMPARE(alarm->currentText(), QString("24:00:00"));
}

void TestFormMainStartup::conductivityRowsAreHidden()
{
    TestPlatform platform;
    const TFormMain form(platform.environment());
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        const bool hidden = i >= 6;
        QCOMPARE(form.MeasurementLabel[i]->isHidden(), hidden);
        QCOMPARE(form.SamplingIntervalComboBoxes[i]->isHidden(), hidden);
        QCOMPARE(form.StorageIntervalComboBoxes[i]->isHidden(), hidden);
        QCOMPARE(form.InTX1Switches[i]->isHidden(), hidden);
        QCOMPARE(form.InTX2Switches[i]->isHidden(), hidden);
    }
    QVERIFY(form.ui->SpinBoxVCompression1->isHidden());
    QVERIFY(form.ui->SpinBoxVCompression2->isHidden());
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
    const QStringList measurement = itemsOf(form.ui->ComboBoxM1);
    QCOMPARE(measurement.size(), 26);
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        QCOMPARE(itemsOf(form.SamplingIntervalComboBoxes[i]), measurement);
        QCOMPARE(itemsOf(form.StorageIntervalComboBoxes[i]), measurement);
    }
    QCOMPARE(itemsOf(form.Commands->Page().ComboBoxMInt2), measurement);
    QCOMPARE(itemsOf(form.Commands->Page().ComboBoxSInt2), measurement);
    QCOMPARE(form.ui->ComboBoxVTX1Interval->count(), 20);
    QCOMPARE(itemsOf(form.ui->ComboBoxVTX2Interval), itemsOf(form.ui->ComboBoxVTX1Interval));
    QCOMPARE(form.Commands->Page().ComboBoxTIInterval->count(), 26);
    QCOMPARE(form.Commands->Page().ComboBoxTIAlarmInt1->count(), 19);
    QCOMPARE(itemsOf(form.Commands->Page().ComboBoxTIAlarmInt2),
             itemsOf(form.Commands->Page().ComboBoxTIAlarmInt1));
    QCOMPARE(itemsOf(form.Commands->Page().ComboBoxTIAlarmInt3),
             itemsOf(form.Commands->Page().ComboBoxTIAlarmInt1));
}

void TestFormMainStartup::commandPanelsAreClosed()
{
    TestPlatform platform;
    const TFormMain form(platform.environment());
    for (const Expander *panel : form.findChildren<Expander *>()) {
        QVERIFY2(!panel->isExpanded(), qPrintable(panel->objectName()));
        QVERIFY(!panel->isHeaderBold());
    }
    QVERIFY(!form.Commands->Page().CornerButtonAddCmd->isEnabled());
    QVERIFY(!form.Commands->Page().CornerButtonExportFTPFile->isEnabled());
    QVERIFY(form.Commands->Page().LabelMeasurementID->isHidden());
    QVERIFY(form.Commands->Page().ComboEditMeasurementID->isHidden());
    QVERIFY(form.Commands->Page().ListBoxMeasurementID->isHidden());
    QCOMPARE(form.Commands->Page().LabelCmdCounter->text(), QString("0 / 10"));
    QCOMPARE(form.Commands->Page().EditStationID->text(), QString("0000000001"));
    QCOMPARE(form.Commands->Page().ComboEditMeasurementID->count(), 6);
    QCOMPARE(form.Commands->Page().ListBoxMeasurementID->count(), 6);
    QCOMPARE(form.Commands->Page().ComboEditMeasurementID->itemText(2), QString("UBAT"));
    QCOMPARE(form.Commands->Page().MemoCmdList->toPlainText(), QString());
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
    QCOMPARE(form.Commands->Page().DateEditQueryEnd->date(), today);
    QCOMPARE(form.Commands->Page().DateEditQueryStart->date(), start);
    QCOMPARE(form.Commands->Page().TimeEditQueryStart->time(), QTime(0, 0, 0));
    QCOMPARE(form.Commands->Page().TimeEditQueryEnd->time().hour(), 23);
    QCOMPARE(form.Commands->Page().TimeEditQueryEnd->time().minute(), 59);
}

void TestFormMainStartup::englishTextsAreShown()
{
    TestPlatform platform;
    TFormMain form(platform.environment());
    QVERIFY(form.LanguageEN);
    QVERIFY(form.ui->MenuItemEN->isChecked());
    QVERIFY(!form.ui->MenuItemDE->isChecked());
    QCOMPARE(form.ui->TabControlMain->currentWidget(), form.ui->TabItemBattLife);
    QCOMPARE(form.ui->LabelHeader->text(),
             QString("Calculation of battery life time & data transmission volume  / FTP Command "
                     "control file"));
    QCOMPARE(form.ui->LabelM1->text(), QString("M1  Distance to Water"));
    QCOMPARE(form.ui->TabControlMain->tabText(1), QString("FTP Command control file"));
    QCOMPARE(form.Commands->Page().ExpanderCfg->text(), QString("Upload new configuration"));
    QCOMPARE(form.ui->ComboBoxObserverInt->currentText(), QString("Once a month"));
    QCOMPARE(form.Commands->Page().ComboBoxGradDir->itemText(2), QString("rising+falling"));
}

void TestFormMainStartup::estimatesAtStartAndOnFirstTick()
{
    TestPlatform platform;
    const TFormMain form(platform.environment());
    // Both transmission switch handlers computed before the window is shown.
    QCOMPARE(form.Estimators->DataVolumeRuns(), 2);
    QVERIFY(form.TimerMain.isActive());
    QCOMPARE(form.TimerMain.interval(), 100);
    QTRY_COMPARE(form.Estimators->DataVolumeRuns(), 3);
    QVERIFY(!form.CalcVolumeNew);
    QVERIFY(!form.CalcBattLifetimeNew);
    QTest::qWait(350);
    QCOMPARE(form.Estimators->DataVolumeRuns(), 3);
}

QTEST_MAIN(TestFormMainStartup)
#include "tst_formmain.moc"
