#include "estimators/StationPlan.h"
#include "tests/app/ShownWindow.h"
#include "tests/support/AccessibleStates.h"
#include "texts/LanguageTable.h"
#include "ui/ChartWidget.h"

#include <QAccessible>
#include <QHash>
#include <QtTest>

Q_DECLARE_METATYPE(WindowState)

namespace {

// What a screen reader hears of a control: its role and name in English and
// in German.
struct Described
{
    QAccessible::Role role;
    QString english;
    QString german;
};

// A caption of the language table as a name reads it, in both languages.
std::pair<QString, QString> Caption(const char *control)
{
    const LanguageText *row = FindLanguageText(control);
    return {QString::fromUtf8(row->English).simplified(),
            QString::fromUtf8(row->German).simplified()};
}

Described Of(QAccessible::Role role, const std::pair<QString, QString> &name)
{
    return {role, name.first, name.second};
}

// Captions joined as a name joins them.
std::pair<QString, QString> Joined(const std::pair<QString, QString> &first,
                                   const std::pair<QString, QString> &second)
{
    return {first.first + ", " + second.first, first.second + ", " + second.second};
}

std::pair<QString, QString> Same(const QString &text)
{
    return {text, text};
}

// Every control the keyboard reaches, by the name a test knows it by.
QHash<QString, Described> EveryControl()
{
    using R = QAccessible::Role;
    QHash<QString, Described> all;
    all["ImageMenu"] = {R::Button, "Menu", "Menü"};
    all["ImageImportSetup"] = Of(R::Button, Caption("MenuItemImport"));
    // Named by the page shown.
    all["TabControlMain"] = {R::PageTabList, {}, {}};

    const std::pair<QString, QString> columns[] = {
        Same("in TX1"), Same("in TX2"), Caption("LabelMeasInt"), Caption("LabelStoreInt")};
    for (int row = 1; row <= 8; ++row) {
        const QString n = QString::number(row);
        const auto name = Caption(("LabelM" + n).toLatin1().constData());
        all["SwitchTX1_M" + n] = Of(R::CheckBox, Joined(name, columns[0]));
        all["SwitchTX2_M" + n] = Of(R::CheckBox, Joined(name, columns[1]));
        all["ComboBoxM" + n] = Of(R::ComboBox, Joined(name, columns[2]));
        all["ComboBoxS" + n] = Of(R::ComboBox, Joined(name, columns[3]));
    }
    all["ConductivityCheckBox"] = Of(R::CheckBox, Caption("ConductivityCheckBox"));
    all["CheckBoxMAll"] = Of(R::CheckBox, Joined(columns[2], Caption("CheckBoxMAll")));
    all["CheckBoxSAll"] = Of(R::CheckBox, Joined(columns[3], Caption("CheckBoxSAll")));
    all["ComboBoxObserverInt"] =
        Of(R::ComboBox, Joined(Caption("LabelMBLE"), Caption("LabelMBLE2")));
    all["SpinBoxTargetYears"] = {R::SpinBox, "Target battery life [years]",
                                 "Ziel-Batterielebensdauer [Jahre]"};
    all["ComboBoxModemType"] = Of(R::ComboBox, Caption("LabelModemType"));
    all["SpinBoxDataPlanMB"] = {R::SpinBox, "Data plan per month [MB]",
                                "Datentarif pro Monat [MB]"};
    for (const QString t : {"1", "2"}) {
        const auto tx = [&t](const char *row) { return Joined(Caption(row), Same("TX" + t)); };
        all["SwitchVTX" + t] = Of(R::CheckBox, tx("LabelVTransm"));
        all["ComboBoxVTX" + t + "Interval"] = Of(R::ComboBox, tx("LabelVTXInterval"));
        all["ComboBoxVFormat" + t] = Of(R::ComboBox, tx("LabelVTXFormat"));
        all["ComboBoxVServerType" + t + "1"] = Of(R::ComboBox, tx("LabelVTXSType"));
        all["SwitchVCompression" + t] = Of(R::CheckBox, tx("LabelVCompression"));
        all["SwitchVStationEvents" + t] = Of(R::CheckBox, tx("LabelVStationEvents"));
        all["SwitchVChannelEvents" + t] = Of(R::CheckBox, tx("LabelVChannelEvents"));
        all["SpinBoxVEventsNumber" + t] = Of(R::SpinBox, tx("LabelVChannelEvents"));
        all["ComboBoxVServer2ndMode" + t] = Of(R::ComboBox, tx("LabelVTXS2Mode"));
        all["ComboBoxVServerType" + t + "2"] = Of(R::ComboBox, tx("LabelVTXS2Type"));
        all["SpinBoxVServerBackupProzent" + t] = Of(R::SpinBox, tx("LabelVTXS2Backuprate"));
    }
    all["LabelMResult"] = Of(R::Link, Caption("LabelMResult"));
    all["LabelChart"] = {R::Link, "Chart", "Diagramm"};
    all["LabelMDisclaimer"] = {R::Link, "Disclaimer of the battery life estimate",
                               "Disclaimer zur geschätzten Batterielebensdauer"};
    all["LabelVResult"] = Of(R::Link, Caption("LabelVResult"));
    all["LabelVDisclaimer"] = {R::Link, "Disclaimer of the transmission volume estimate",
                               "Disclaimer zum geschätzten Übertragungsvolumen"};

    for (const char *panel :
         {"ExpanderCfg", "ExpanderFW", "ExpanderMIntSInt", "ExpanderSkal", "ExpanderLimit",
          "ExpanderGrad", "ExpanderTInt", "ExpanderCfgDiag", "ExpanderQuery"})
        all[panel] = Of(R::Button, Caption(panel));
    const std::pair<const char *, const char *> byLabel[] = {
        {"EditCfg", "LabelCfg"},
        {"EditFW", "LabelFW"},
        {"ComboBoxMInt2", "LabelMInt2"},
        {"EditSkalFactor", "LabelSkalFactor"},
        {"EditSkalOffset", "LabelSkalOffset"},
        {"SpinBoxLimitIndex", "LabelLimitIndex"},
        {"ComboBoxLimitDir", "LabelLimitDir"},
        {"EditLimitValue", "LabelLimitValue"},
        {"SpinBoxGradIndex", "LabelGradIndex"},
        {"ComboBoxGradDir", "LabelGradDir"},
        {"EditGradValue", "LabelGradValue"},
        {"SpinBoxTIIndex", "LabelTIIndex"},
        {"ComboBoxTIInterval", "LabelTIInterval"},
        {"ComboBoxQueryFormat", "LabelQueryFormat"},
        {"EditStationID", "LabelStationID"},
        {"ComboEditMeasurementID", "LabelMeasurementID"},
        {"ListBoxMeasurementID", "LabelMeasurementID"},
        {"CheckBoxSint", "CheckBoxSint"},
        {"ComboBoxSInt2", "CheckBoxSint"},
        {"CheckBoxTIOffset", "CheckBoxTIOffset"},
        {"TimeEditTIOffset", "CheckBoxTIOffset"},
        {"CheckBoxGetCfg", "CheckBoxGetCfg"},
        {"CheckBoxGetDiag", "CheckBoxGetDiag"},
        {"CheckBoxQueryEventsStation", "CheckBoxQueryEventsStation"},
        {"CheckBoxQueryEventsChannels", "CheckBoxQueryEventsChannels"},
        {"CornerButtonAddCmd", "CornerButtonAddCmd"},
        {"CornerButtonExportFTPFile", "CornerButtonExportFTPFile"},
        {"CornerButtonClearList", "CornerButtonClearList"},
    };
    for (const auto &[control, label] : byLabel) {
        const QString name = control;
        const R role = name.startsWith("Edit")       ? R::EditableText
                       : name.startsWith("SpinBox")  ? R::SpinBox
                       : name.startsWith("TimeEdit") ? R::SpinBox
                       : name.startsWith("CheckBox") ? R::CheckBox
                       : name.startsWith("ListBox")  ? R::List
                       : name.startsWith("Corner")   ? R::Button
                                                     : R::ComboBox;
        all[name] = Of(role, Caption(label));
    }
    for (const QString k : {"1", "2", "3"}) {
        const auto name = Joined(Caption("LabelTILimitInt"), Same(k));
        all["CheckBoxTIAlarmInt" + k] = Of(R::CheckBox, name);
        all["ComboBoxTIAlarmInt" + k] = Of(R::ComboBox, name);
    }
    const auto part = [](const char *label, const QString &english, const QString &german) {
        return Joined(Caption(label), {english, german});
    };
    all["DateEditQueryStart"] = Of(R::SpinBox, part("LabelQueryStart", "date", "Datum"));
    all["TimeEditQueryStart"] = Of(R::SpinBox, part("LabelQueryStart", "time of day", "Uhrzeit"));
    all["DateEditQueryEnd"] = Of(R::SpinBox, part("LabelQueryEnd", "date", "Datum"));
    all["TimeEditQueryEnd"] = Of(R::SpinBox, part("LabelQueryEnd", "time of day", "Uhrzeit"));
    all["CornerButtonCmdFromPlan"] = {R::Button, "Commands from the plan",
                                      "Kommandos aus dem Plan"};
    all["CornerButtonExportStations"] = {R::Button, "Export for several stations...",
                                         "Für mehrere Stationen exportieren..."};
    all["MemoCmdList"] = {R::EditableText, "Command list", "Kommandoliste"};
    return all;
}

// Every state in which the keyboard reaches some control: the estimator
// page with everything on, each command panel open with its boxes ticked,
// and a command listed.
const std::vector<WindowState> &EveryState()
{
    static const std::vector<WindowState> states = [] {
        std::vector<WindowState> all = {[](ShownWindow &w) { w.everythingOn(); },
                                        [](ShownWindow &w) { w.showCommands(); }};
        for (const char *panel :
             {"ExpanderCfg", "ExpanderFW", "ExpanderMIntSInt", "ExpanderSkal", "ExpanderLimit",
              "ExpanderGrad", "ExpanderTInt", "ExpanderCfgDiag", "ExpanderQuery"})
            all.push_back([panel](ShownWindow &w) {
                w.open(panel);
                for (const char *box : {"CheckBoxSint", "CheckBoxTIOffset", "CheckBoxTIAlarmInt1",
                                        "CheckBoxTIAlarmInt2", "CheckBoxTIAlarmInt3"})
                    w.tick(box);
                w.form.Commands().CornerButtonAddCmdClick();
            });
        return all;
    }();
    return states;
}

} // namespace

// What screen readers hear of the window: the role, name and state of every
// control, in the language shown, and the tool tips that say what a control
// does and in which unit.
class TestWindowAccessible : public QObject
{
    Q_OBJECT

private slots:
    void everyControlDescribed_data();
    void everyControlDescribed();
    void states_data();
    void states();
    void namesFollowTheRows();
    void toolTips_data();
    void toolTips();
};

void TestWindowAccessible::everyControlDescribed_data()
{
    QTest::addColumn<bool>("english");
    QTest::addRow("English") << true;
    QTest::addRow("German") << false;
}

// Each control Tab reaches, in any state of the window, is known to the
// table above and is heard with its role and its name in the language
// chosen after it was made, also after a switch there and back. So is the
// chart.
void TestWindowAccessible::everyControlDescribed()
{
    QFETCH(bool, english);
    const QHash<QString, Described> expected = EveryControl();
    QSet<QString> reached;
    for (const WindowState &state : EveryState()) {
        ShownWindow w;
        QVERIFY(w.show());
        state(w);
        w.form.MenuItemDEClick();
        if (english)
            w.form.MenuItemENClick();
        QWidget *start = w.control("ImageMenu");
        start->setFocus(Qt::TabFocusReason);
        QList<QWidget *> controls = TabWalk(start);
        controls << start;
        for (QWidget *control : controls) {
            const QString name = ControlName(control);
            reached.insert(name);
            QVERIFY2(expected.contains(name), qPrintable(name));
            const Described &described = expected[name];
            QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(control);
            QCOMPARE(heard->role(), described.role);
            const QString shown = w.tabs()->tabText(w.tabs()->currentIndex());
            QCOMPARE(heard->text(QAccessible::Name), name == "TabControlMain" ? shown
                                                     : english                ? described.english
                                                                              : described.german);
        }
    }
    const QStringList names(expected.keyBegin(), expected.keyEnd());
    for (const QString &name : names)
        QVERIFY2(reached.contains(name), qPrintable(name + " is never reached"));

    ShownWindow w;
    QVERIFY(w.show());
    if (!english)
        w.form.MenuItemDEClick();
    w.form.Estimators().LabelChartClick();
    QAccessibleInterface *chart =
        QAccessible::queryAccessibleInterface(w.control<ChartWidget>("ChartPlanning"));
    QCOMPARE(chart->role(), QAccessible::Chart);
    QCOMPARE(chart->text(QAccessible::Name), english ? QString("Chart") : QString("Diagramm"));
}

void TestWindowAccessible::states_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<WindowState>("state");
    QTest::addColumn<QStringList>("states");

    const WindowState start = [](ShownWindow &) {};
    QTest::addRow("a switch, on") << "SwitchVTX1" << start
                                  << QStringList{"checkable", "checked", "focusable"};
    QTest::addRow("a switch, off")
        << "SwitchVTX2" << start << QStringList{"checkable", "focusable"};
    QTest::addRow("a row's switch, its transmission off")
        << "SwitchTX2_M1" << start << QStringList{"checkable", "checked", "focusable", "disabled"};
    QTest::addRow("a row's switch, its transmission on")
        << "SwitchTX2_M1"
        << WindowState([](ShownWindow &w) { w.control<QAbstractButton>("SwitchVTX2")->click(); })
        << QStringList{"checkable", "checked", "focusable"};
    QTest::addRow("a check box, ticked")
        << "CheckBoxMAll" << start << QStringList{"checkable", "checked", "focusable"};
    QTest::addRow("a drop-down, disabled")
        << "ComboBoxVTX2Interval" << start << QStringList{"focusable", "disabled"};
    QTest::addRow("a result") << "LabelMResult" << start << QStringList{"linked", "focusable"};
    QTest::addRow("the menu picture, focused")
        << "ImageMenu" << WindowState([](ShownWindow &w) { w.control("ImageMenu")->setFocus(); })
        << QStringList{"focusable", "focused"};
    QTest::addRow("a panel, closed")
        << "ExpanderLimit" << WindowState([](ShownWindow &w) { w.showCommands(); })
        << QStringList{"expandable", "collapsed", "focusable"};
    QTest::addRow("a panel, open")
        << "ExpanderLimit" << WindowState([](ShownWindow &w) { w.open("ExpanderLimit"); })
        << QStringList{"expandable", "expanded", "focusable"};
}

// The states a screen reader is told follow the controls.
void TestWindowAccessible::states()
{
    QFETCH(QString, control);
    QFETCH(WindowState, state);
    QFETCH(QStringList, states);
    ShownWindow w;
    QVERIFY(w.show());
    state(w);
    QWidget *target = w.control(control.toLatin1().constData());
    if (auto *panel = qobject_cast<Expander *>(target))
        target = panel->header();
    QCOMPARE(AccessibleStates(QAccessible::queryAccessibleInterface(target)->state()), states);
}

// A row's controls take the name a plan gives the row, and the standard
// name again when the language gives the rows theirs. The tabs are named by
// their captions.
void TestWindowAccessible::namesFollowTheRows()
{
    ShownWindow w;
    QVERIFY(w.show());
    StationPlan plan = w.form.Estimators().plan();
    plan.rows[2].name = "Pegel";
    w.form.Estimators().setPlan(plan);
    const auto name = [&w](const char *control) {
        return QAccessible::queryAccessibleInterface(w.control(control))->text(QAccessible::Name);
    };
    QCOMPARE(name("SwitchTX1_M2"), QString("M2 Pegel, in TX1"));
    QCOMPARE(name("ComboBoxS2"), QString("M2 Pegel, Storage interval"));
    QCOMPARE(name("SwitchTX1_M1"), QString("M1 Distance to Water, in TX1"));

    w.form.MenuItemDEClick();
    QCOMPARE(name("SwitchTX1_M2"), QString("M2 Wassertemperatur, in TX1"));
    QCOMPARE(name("ComboBoxS2"), QString("M2 Wassertemperatur, Speicher Intervall"));

    // Beyond the tabs, the bar holds its scroll buttons, hidden.
    QAccessibleInterface *tabs = QAccessible::queryAccessibleInterface(w.tabs()->tabBar());
    QCOMPARE(tabs->child(0)->role(), QAccessible::PageTab);
    QCOMPARE(tabs->child(0)->text(QAccessible::Name), Caption("TabItemBattLife").second);
    QCOMPARE(tabs->child(1)->text(QAccessible::Name), Caption("TabItemXMLCmd").second);
    // Qt tells the page shown as the focused tab.
    QCOMPARE(AccessibleStates(tabs->child(0)->state()), (QStringList{"focusable", "focused"}));
    QCOMPARE(AccessibleStates(tabs->child(1)->state()), QStringList{"focusable"});
}

void TestWindowAccessible::toolTips_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<WindowState>("state");
    // What the tip names, in English and German: a unit, a transmission or
    // the number of a limit.
    QTest::addColumn<QStringList>("names");

    const WindowState start = [](ShownWindow &) {};
    const QStringList clock = {"hours:minutes:seconds", "Stunden:Minuten:Sekunden"};
    for (int row = 1; row <= 8; ++row) {
        const QString n = QString::number(row);
        QTest::addRow("M%d in TX1", row) << "SwitchTX1_M" + n << start << QStringList{"TX1", "TX1"};
        QTest::addRow("M%d in TX2", row) << "SwitchTX2_M" + n << start << QStringList{"TX2", "TX2"};
        QTest::addRow("M%d sampling", row) << "ComboBoxM" + n << start << clock;
        QTest::addRow("M%d storage", row) << "ComboBoxS" + n << start << clock;
    }
    for (const QString t : {"1", "2"}) {
        const QStringList none;
        const std::pair<QString, QStringList> controls[] = {
            {"SwitchVTX" + t, none},
            {"ComboBoxVTX" + t + "Interval", clock},
            {"ComboBoxVFormat" + t, none},
            {"ComboBoxVServerType" + t + "1", none},
            {"SwitchVCompression" + t, none},
            {"SwitchVStationEvents" + t, none},
            {"SwitchVChannelEvents" + t, none},
            {"SpinBoxVEventsNumber" + t, none},
            {"ComboBoxVServer2ndMode" + t, none},
            {"ComboBoxVServerType" + t + "2", none},
            {"SpinBoxVServerBackupProzent" + t, {"percent", "Prozent"}},
        };
        for (const auto &[control, names] : controls)
            QTest::addRow("%s", qPrintable(control)) << control << start << names;
    }
    const auto panel = [](const char *name) {
        return WindowState([name](ShownWindow &w) { w.open(name); });
    };
    const std::tuple<const char *, const char *, QStringList> fields[] = {
        {"EditStationID", "ExpanderCfg", {}},
        {"EditCfg", "ExpanderCfg", {}},
        {"EditFW", "ExpanderFW", {}},
        {"ComboBoxMInt2", "ExpanderMIntSInt", clock},
        {"CheckBoxSint", "ExpanderMIntSInt", {}},
        {"ComboBoxSInt2", "ExpanderMIntSInt", clock},
        {"ComboEditMeasurementID", "ExpanderMIntSInt", {}},
        {"EditSkalFactor", "ExpanderSkal", {}},
        {"EditSkalOffset", "ExpanderSkal", {}},
        {"SpinBoxLimitIndex", "ExpanderLimit", {}},
        {"ComboBoxLimitDir", "ExpanderLimit", {}},
        {"EditLimitValue", "ExpanderLimit", {}},
        {"SpinBoxGradIndex", "ExpanderGrad", {}},
        {"ComboBoxGradDir", "ExpanderGrad", {}},
        {"EditGradValue", "ExpanderGrad", {}},
        {"SpinBoxTIIndex", "ExpanderTInt", {}},
        {"ComboBoxTIInterval", "ExpanderTInt", clock},
        {"CheckBoxTIOffset", "ExpanderTInt", {}},
        {"TimeEditTIOffset", "ExpanderTInt", clock},
        {"CheckBoxTIAlarmInt1", "ExpanderTInt", {"1", "1"}},
        {"ComboBoxTIAlarmInt1", "ExpanderTInt", {"1", "1"}},
        {"CheckBoxTIAlarmInt2", "ExpanderTInt", {"2", "2"}},
        {"ComboBoxTIAlarmInt2", "ExpanderTInt", {"2", "2"}},
        {"CheckBoxTIAlarmInt3", "ExpanderTInt", {"3", "3"}},
        {"ComboBoxTIAlarmInt3", "ExpanderTInt", {"3", "3"}},
        {"CheckBoxGetCfg", "ExpanderCfgDiag", {}},
        {"CheckBoxGetDiag", "ExpanderCfgDiag", {}},
        {"DateEditQueryStart", "ExpanderQuery", {"year-month-day", "Jahr-Monat-Tag"}},
        {"TimeEditQueryStart", "ExpanderQuery", {"hours:minutes", "Stunden:Minuten"}},
        {"DateEditQueryEnd", "ExpanderQuery", {"year-month-day", "Jahr-Monat-Tag"}},
        {"TimeEditQueryEnd", "ExpanderQuery", {"hours:minutes", "Stunden:Minuten"}},
        {"ComboBoxQueryFormat", "ExpanderQuery", {}},
        {"CheckBoxQueryEventsStation", "ExpanderQuery", {}},
        {"CheckBoxQueryEventsChannels", "ExpanderQuery", {}},
        {"ListBoxMeasurementID", "ExpanderQuery", {}},
    };
    for (const auto &[control, open, names] : fields)
        QTest::addRow("%s", control) << control << panel(open) << names;
}

// Each control whose caption does not say all has a tool tip in the
// language shown, which screen readers hear as its description; it names
// the unit, the transmission or the limit where it has one.
void TestWindowAccessible::toolTips()
{
    QFETCH(QString, control);
    QFETCH(WindowState, state);
    QFETCH(QStringList, names);
    ShownWindow w;
    QVERIFY(w.show());
    state(w);
    QWidget *target = w.control(control.toLatin1().constData());
    const QString english = target->toolTip();
    w.form.MenuItemDEClick();
    const QString german = target->toolTip();

    QVERIFY(!english.isEmpty());
    QVERIFY(!german.isEmpty());
    QVERIFY(english != german);
    QVERIFY2(!english.contains('%') || english.contains("percent"), qPrintable(english));
    QCOMPARE(QAccessible::queryAccessibleInterface(target)->text(QAccessible::Description), german);
    if (!names.isEmpty()) {
        QVERIFY2(english.contains(names[0]), qPrintable(english));
        QVERIFY2(german.contains(names[1]), qPrintable(german));
    }
    w.form.MenuItemENClick();
    QCOMPARE(target->toolTip(), english);
}

QTEST_MAIN(TestWindowAccessible)
#include "tst_windowaccessible.moc"
