#include "app/AboutBox.h"
#include "app/CompareDialog.h"
#include "planfile/PlanCompare.h"
#include "tests/app/ShownWindow.h"
#include "ui/ChartWidget.h"

#include <QAccessible>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <algorithm>

Q_DECLARE_METATYPE(WindowState)

namespace {

// The header's pictures, then the tab bar: the start of every page's walk.
const QStringList Header = {"ImageImportSetup", "TabControlMain"};

const QStringList Results = {"LabelMResult", "LabelChart", "LabelMDisclaimer", "LabelVResult",
                             "LabelVDisclaimer"};

const QStringList Panels = {"ExpanderCfg",  "ExpanderFW",      "ExpanderMIntSInt",
                            "ExpanderSkal", "ExpanderLimit",   "ExpanderGrad",
                            "ExpanderTInt", "ExpanderCfgDiag", "ExpanderQuery"};

// Row by row, left to right: the switches that are enabled, then both
// interval drop-downs.
QStringList Rows(int rows, bool tx2)
{
    QStringList names;
    for (int row = 1; row <= rows; ++row) {
        const QString n = QString::number(row);
        names << "SwitchTX1_M" + n;
        if (tx2)
            names << "SwitchTX2_M" + n;
        names << "ComboBoxM" + n << "ComboBoxS" + n;
    }
    return names;
}

// The command page with the panel's fields after its header, the
// measurement selector after the station ID, and the buttons that are
// enabled.
QStringList CommandOrder(const QString &open, const QStringList &fields, const QString &selector,
                         const QStringList &buttons)
{
    QStringList names = Header;
    for (const QString &panel : Panels) {
        names << panel;
        if (panel == open)
            names << fields;
    }
    names << "EditStationID";
    if (!selector.isEmpty())
        names << selector;
    return names << buttons << "MemoCmdList";
}

const QStringList PanelButtons = {"CornerButtonAddCmd", "CornerButtonCmdFromPlan",
                                  "CornerButtonClearList"};

// Sends key to the control that has the focus, as a user presses it.
void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

} // namespace

// The window without a mouse: Tab reaches every enabled control once, in
// the order they stand, and the keys work our own widgets, the pages and the
// dialogs.
class TestWindowKeys : public QObject
{
    Q_OBJECT

private slots:
    void tabOrder_data();
    void tabOrder();
    void keysAct_data();
    void keysAct();
    void chartByKeys();
    void pageKeys();
    void aboutBoxByKeys_data();
    void aboutBoxByKeys();
    void comparisonByKeys();
};

void TestWindowKeys::tabOrder_data()
{
    QTest::addColumn<WindowState>("state");
    QTest::addColumn<QStringList>("order");

    const QStringList startColumn = {"SwitchVTX1",
                                     "SwitchVTX2",
                                     "ComboBoxVTX1Interval",
                                     "ComboBoxVFormat1",
                                     "ComboBoxVServerType11",
                                     "SwitchVCompression1",
                                     "SwitchVStationEvents1",
                                     "SwitchVChannelEvents1",
                                     "SpinBoxVEventsNumber1",
                                     "ComboBoxVServer2ndMode1"};
    const QStringList leftBelowRows = {"ConductivityCheckBox", "CheckBoxMAll", "CheckBoxSAll",
                                       "ComboBoxObserverInt", "SpinBoxTargetYears"};
    const QStringList rightBelowPanel = {"ComboBoxModemType", "SpinBoxDataPlanMB"};
    QTest::addRow("estimator page at start")
        << WindowState([](ShownWindow &) {})
        << Header + Rows(5, false) + leftBelowRows + startColumn + rightBelowPanel + Results;
    const QStringList bothColumns = {"SwitchVTX1",
                                     "SwitchVTX2",
                                     "ComboBoxVTX1Interval",
                                     "ComboBoxVTX2Interval",
                                     "ComboBoxVFormat1",
                                     "ComboBoxVFormat2",
                                     "ComboBoxVServerType11",
                                     "ComboBoxVServerType21",
                                     "SwitchVCompression1",
                                     "SwitchVCompression2",
                                     "SwitchVStationEvents1",
                                     "SwitchVStationEvents2",
                                     "SwitchVChannelEvents1",
                                     "SpinBoxVEventsNumber1",
                                     "SwitchVChannelEvents2",
                                     "SpinBoxVEventsNumber2",
                                     "ComboBoxVServer2ndMode1",
                                     "ComboBoxVServer2ndMode2",
                                     "ComboBoxVServerType12",
                                     "ComboBoxVServerType22",
                                     "SpinBoxVServerBackupProzent1",
                                     "SpinBoxVServerBackupProzent2"};
    QTest::addRow("estimator page, every control enabled")
        << WindowState([](ShownWindow &w) { w.everythingOn(); })
        << Header + Rows(8, true) + leftBelowRows + bothColumns + rightBelowPanel + Results;

    const QStringList closedButtons = {"CornerButtonCmdFromPlan", "CornerButtonClearList"};
    QTest::addRow("command page, every panel closed")
        << WindowState([](ShownWindow &w) { w.showCommands(); })
        << CommandOrder({}, {}, {}, closedButtons);
    const auto opened = [](const char *panel, const QStringList &boxes = {}) {
        return WindowState([panel, boxes](ShownWindow &w) {
            w.open(panel);
            for (const QString &box : boxes)
                w.tick(box.toLatin1().constData());
        });
    };
    QTest::addRow("configuration panel")
        << opened("ExpanderCfg") << CommandOrder("ExpanderCfg", {"EditCfg"}, {}, PanelButtons);
    QTest::addRow("firmware panel")
        << opened("ExpanderFW") << CommandOrder("ExpanderFW", {"EditFW"}, {}, PanelButtons);
    QTest::addRow("interval panel")
        << opened("ExpanderMIntSInt")
        << CommandOrder("ExpanderMIntSInt", {"ComboBoxMInt2", "CheckBoxSint"},
                        "ComboEditMeasurementID", PanelButtons);
    QTest::addRow("interval panel, averaging ticked")
        << opened("ExpanderMIntSInt", {"CheckBoxSint"})
        << CommandOrder("ExpanderMIntSInt", {"ComboBoxMInt2", "CheckBoxSint", "ComboBoxSInt2"},
                        "ComboEditMeasurementID", PanelButtons);
    QTest::addRow("scaling panel")
        << opened("ExpanderSkal")
        << CommandOrder("ExpanderSkal", {"EditSkalFactor", "EditSkalOffset"},
                        "ComboEditMeasurementID", PanelButtons);
    QTest::addRow("limit panel") << opened("ExpanderLimit")
                                 << CommandOrder(
                                        "ExpanderLimit",
                                        {"SpinBoxLimitIndex", "ComboBoxLimitDir", "EditLimitValue"},
                                        "ComboEditMeasurementID", PanelButtons);
    QTest::addRow("gradient panel")
        << opened("ExpanderGrad")
        << CommandOrder("ExpanderGrad", {"SpinBoxGradIndex", "ComboBoxGradDir", "EditGradValue"},
                        "ComboEditMeasurementID", PanelButtons);
    QTest::addRow("transmission panel")
        << opened("ExpanderTInt")
        << CommandOrder("ExpanderTInt",
                        {"SpinBoxTIIndex", "ComboBoxTIInterval", "CheckBoxTIOffset",
                         "CheckBoxTIAlarmInt1", "CheckBoxTIAlarmInt2", "CheckBoxTIAlarmInt3"},
                        {}, PanelButtons);
    QTest::addRow("transmission panel, every box ticked")
        << opened("ExpanderTInt", {"CheckBoxTIOffset", "CheckBoxTIAlarmInt1", "CheckBoxTIAlarmInt2",
                                   "CheckBoxTIAlarmInt3"})
        << CommandOrder("ExpanderTInt",
                        {"SpinBoxTIIndex", "ComboBoxTIInterval", "CheckBoxTIOffset",
                         "TimeEditTIOffset", "CheckBoxTIAlarmInt1", "ComboBoxTIAlarmInt1",
                         "CheckBoxTIAlarmInt2", "ComboBoxTIAlarmInt2", "CheckBoxTIAlarmInt3",
                         "ComboBoxTIAlarmInt3"},
                        {}, PanelButtons);
    QTest::addRow("configuration and diagnostics panel")
        << opened("ExpanderCfgDiag")
        << CommandOrder("ExpanderCfgDiag", {"CheckBoxGetCfg", "CheckBoxGetDiag"}, {}, PanelButtons);
    QTest::addRow("query panel") << opened("ExpanderQuery")
                                 << CommandOrder("ExpanderQuery",
                                                 {"DateEditQueryStart", "TimeEditQueryStart",
                                                  "ComboBoxQueryFormat", "DateEditQueryEnd",
                                                  "TimeEditQueryEnd", "CheckBoxQueryEventsStation",
                                                  "CheckBoxQueryEventsChannels"},
                                                 "ListBoxMeasurementID", PanelButtons);
    // The list holds an entry and names its station, which stays as it is.
    QTest::addRow("command page with a command listed")
        << WindowState([](ShownWindow &w) {
               w.open("ExpanderCfg");
               w.form.Commands().CornerButtonAddCmdClick();
           })
        << CommandOrder("ExpanderCfg", {"EditCfg"}, {},
                        {"CornerButtonAddCmd", "CornerButtonCmdFromPlan",
                         "CornerButtonExportFTPFile", "CornerButtonExportStations",
                         "CornerButtonClearList"})
               .filter(QRegularExpression("^(?!EditStationID$)"));
}

// Tab from the menu picture reaches each enabled control of the page shown
// once, page by page from the top, left to right, the results last, and
// comes back to the menu picture; Shift+Tab goes the same way back.
void TestWindowKeys::tabOrder()
{
    QFETCH(WindowState, state);
    QFETCH(QStringList, order);
    ShownWindow w;
    QVERIFY(w.show());
    state(w);

    QCOMPARE(w.walk(), order);
    QStringList back = order;
    std::reverse(back.begin(), back.end());
    QCOMPARE(w.walk(false), back);
}

void TestWindowKeys::keysAct_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<std::function<bool(ShownWindow &)>>("acted");

    const auto message = [](Dialogs::Kind kind) {
        return std::function<bool(ShownWindow &)>([kind](ShownWindow &w) {
            return w.platform.boxes->messages.size() == 1 &&
                   w.platform.boxes->messages.front().kind == kind;
        });
    };
    const auto checked = [](const char *name, bool on) {
        return std::function<bool(ShownWindow &)>([name, on](ShownWindow &w) {
            return w.control<QAbstractButton>(name)->isChecked() == on;
        });
    };
    QTest::addRow("TX2 switch, Space")
        << "SwitchVTX2" << int(Qt::Key_Space) << checked("SwitchVTX2", true);
    QTest::addRow("row switch, Space")
        << "SwitchTX1_M3" << int(Qt::Key_Space) << checked("SwitchTX1_M3", false);
    QTest::addRow("battery result, Return")
        << "LabelMResult" << int(Qt::Key_Return) << message(Dialogs::Kind::Plain);
    QTest::addRow("volume result, Space")
        << "LabelVResult" << int(Qt::Key_Space) << message(Dialogs::Kind::Plain);
    QTest::addRow("battery disclaimer, Enter")
        << "LabelMDisclaimer" << int(Qt::Key_Enter) << message(Dialogs::Kind::Information);
    QTest::addRow("volume disclaimer, Space")
        << "LabelVDisclaimer" << int(Qt::Key_Space) << message(Dialogs::Kind::Information);
    QTest::addRow("chart link, Return") << "LabelChart" << int(Qt::Key_Return)
                                        << std::function<bool(ShownWindow &)>([](ShownWindow &w) {
                                               return w.control("DialogChart")->isVisible();
                                           });
    QTest::addRow("menu picture, Return") << "ImageMenu" << int(Qt::Key_Return)
                                          << std::function<bool(ShownWindow &)>([](ShownWindow &w) {
                                                 QMenu *menu = w.form.MainMenu();
                                                 const bool shown = menu->isVisible();
                                                 menu->hide();
                                                 return shown;
                                             });
    QTest::addRow("import icon, Space") << "ImageImportSetup" << int(Qt::Key_Space)
                                        << std::function<bool(ShownWindow &)>([](ShownWindow &w) {
                                               return w.platform.boxes->fileRequests.size() == 1;
                                           });
    QTest::addRow("panel header, Space")
        << "ExpanderLimit" << int(Qt::Key_Space)
        << std::function<bool(ShownWindow &)>([](ShownWindow &w) {
               return w.control<Expander>("ExpanderLimit")->isExpanded() &&
                      w.control("SpinBoxLimitIndex")->isVisible();
           });
    QTest::addRow("panel header, Return")
        << "ExpanderQuery" << int(Qt::Key_Return)
        << std::function<bool(ShownWindow &)>([](ShownWindow &w) {
               return w.control<Expander>("ExpanderQuery")->isExpanded() &&
                      w.control("ListBoxMeasurementID")->isVisible();
           });
}

// Each of our own widgets in the window acts on its keys as on a click,
// reached by Tab, the focus staying on it.
void TestWindowKeys::keysAct()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(std::function<bool(ShownWindow &)>, acted);
    ShownWindow w;
    QVERIFY(w.show());
    if (control.startsWith("Expander"))
        w.showCommands();
    QVERIFY(w.walk().contains(control) || control == "ImageMenu");
    while (ControlName(QApplication::focusWidget()) != control)
        Press(Qt::Key_Tab);

    Press(key);
    QVERIFY(acted(w));
}

// Opened by a key, the chart window has the focus on the chart, drawn, at
// the interval TX1 has now; the arrow keys, Home and End choose another,
// which screen readers hear as the chart's description; Escape closes the
// window.
void TestWindowKeys::chartByKeys()
{
    ShownWindow w;
    QVERIFY(w.show());
    w.control("ImageMenu")->setFocus();
    while (ControlName(QApplication::focusWidget()) != "LabelChart")
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
    Press(Qt::Key_Return);
    auto *dialog = w.control<QDialog>("DialogChart");
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    auto *chart = w.control<ChartWidget>("ChartPlanning");
    QTRY_VERIFY(chart->hasFocus());
    QVERIFY(dialog->testAttribute(Qt::WA_KeyboardFocusChange));
    const int daily = chart->data().transmissions[0].current;
    QCOMPARE(chart->chosen(), (ChartPointRef{1, daily}));

    Press(Qt::Key_Left);
    QCOMPARE(chart->chosen(), (ChartPointRef{1, daily - 1}));
    Press(Qt::Key_Home);
    QCOMPARE(chart->chosen(), (ChartPointRef{1, 0}));
    Press(Qt::Key_Left);
    QCOMPARE(chart->chosen(), (ChartPointRef{1, 0}));
    Press(Qt::Key_End);
    QCOMPARE(chart->chosen(), (ChartPointRef{1, TxIntervalCount - 1}));
    // TX2 is off: there is no other transmission to go to.
    Press(Qt::Key_Down);
    QCOMPARE(chart->chosen(), (ChartPointRef{1, TxIntervalCount - 1}));
    QVERIFY(dialog->isVisible());
    QAccessibleInterface *described = QAccessible::queryAccessibleInterface(chart);
    QCOMPARE(described->text(QAccessible::Description), chart->chosenText());
    QVERIFY(chart->chosenText().startsWith("TX1"));

    w.control<QAbstractButton>("SwitchVTX2")->click();
    QVERIFY(QTest::qWaitForWindowActive(dialog) || dialog->isVisible());
    Press(Qt::Key_Up);
    QCOMPARE(chart->chosen(), (ChartPointRef{2, TxIntervalCount - 1}));
    QVERIFY(chart->chosenText().startsWith("TX2"));

    Press(Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
}

// Ctrl+Tab and Ctrl+Shift+Tab change the page from a control of the page.
void TestWindowKeys::pageKeys()
{
    ShownWindow w;
    QVERIFY(w.show());
    w.control("SwitchTX1_M1")->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(w.tabs()->currentIndex(), w.tabs()->indexOfPage(&w.form.Commands()));
    Press(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w.tabs()->currentIndex(), w.tabs()->indexOfPage(&w.form.Estimators()));
}

void TestWindowKeys::aboutBoxByKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addRow("Return") << int(Qt::Key_Return);
    QTest::addRow("Escape") << int(Qt::Key_Escape);
}

// The about box opens with the focus on its button; Return or Escape
// closes it.
void TestWindowKeys::aboutBoxByKeys()
{
    QFETCH(int, key);
    ShownWindow w;
    QVERIFY(w.show());
    bool focused = false;
    QTimer::singleShot(0, [&focused, key] {
        auto *about = qobject_cast<TfrmAbout *>(QApplication::activeModalWidget());
        if (!about)
            return;
        QWidget *button = about->findChild<QPushButton *>("ButtonOK");
        focused = QTest::qWaitFor([button] { return button->hasFocus(); });
        QTest::keyClick(button, Qt::Key(key));
    });
    w.form.MenuItemAboutClick();
    QVERIFY(focused);
}

// The comparison opens with its button focused; Tab goes to the table and
// back without a stop in each of its cells; Escape closes it.
void TestWindowKeys::comparisonByKeys()
{
    ShownWindow w;
    const StationPlan plan = w.form.Estimators().plan();
    CompareDialog dialog(ComparePlans(plan, plan, false, '.'), "station.p1kplan", true, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QWidget *close = QApplication::focusWidget();
    QVERIFY(qobject_cast<QPushButton *>(close));
    Press(Qt::Key_Tab);
    QCOMPARE(ControlName(QApplication::focusWidget()), QString("TableComparison"));
    Press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), close);
    Press(Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestWindowKeys)
#include "tst_windowkeys.moc"
