#include "commandfile/CommandPage.h"
#include "common/IntervalTables.h"
#include "common/TimeUnits.h"
#include "tests/app/PlanWindow.h"
#include "tests/estimators/PageFigures.h"
#include "tests/estimators/PlanText.h"
#include "tests/estimators/SetupCases.h"
#include "ui/TabWidget.h"
#include "ui/ToggleSwitch.h"
#include "ui_CommandPage.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QMenu>
#include <QtTest>

#include <functional>

using WindowChange = std::function<void(PlanWindow &)>;
Q_DECLARE_METATYPE(WindowChange)

namespace {

void Select(PlanWindow &window, const char *combo, std::int32_t seconds)
{
    Named<QComboBox>(window.form, combo)->setCurrentIndex(IntervalIndexOf(seconds));
}

bool CanUndo(PlanWindow &window)
{
    return Named<QAction>(window.form, "MenuItemUndo")->isEnabled();
}

bool CanRedo(PlanWindow &window)
{
    return Named<QAction>(window.form, "MenuItemRedo")->isEnabled();
}

} // namespace

// Undo and redo of the estimator page: one step per change, whatever made
// it, each giving back exactly the plan and figures of before.
class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void undoAndRedo_data();
    void undoAndRedo();
    void oneStepPerUserAction();
    void typedNumberIsOneStep_data();
    void typedNumberIsOneStep();
    void languageSwitchIsNoStep();
    void shortcutsWorkEverywhere_data();
    void shortcutsWorkEverywhere();
};

void TestUndo::undoAndRedo_data()
{
    QTest::addColumn<WindowChange>("before"); // brings the window to the state to go back to
    QTest::addColumn<WindowChange>("change");

    const WindowChange startUp = [](PlanWindow &) {};
    const WindowChange changedPage = [](PlanWindow &w) {
        w.page().setPlan(SetupCases::ChangedPage());
    };
    QTest::addRow("a user's change")
        << startUp
        << WindowChange([](PlanWindow &w) { Select(w, "ComboBoxM1", SecondsPerMinute); });
    QTest::addRow("a switch") << changedPage << WindowChange([](PlanWindow &w) {
        Named<ToggleSwitch>(w.form, "SwitchVTX2")->click();
    });
    QTest::addRow("change all") << startUp << WindowChange([](PlanWindow &w) {
        Named<QCheckBox>(w.form, "CheckBoxSAll")->setChecked(true);
        Select(w, "ComboBoxS2", SecondsPerMinute);
    });
    QTest::addRow("the interval rule")
        << changedPage << WindowChange([](PlanWindow &w) { Select(w, "ComboBoxS5", 5); });
    QTest::addRow("the conductivity variant") << startUp << WindowChange([](PlanWindow &w) {
        Named<QCheckBox>(w.form, "ConductivityCheckBox")->click();
    });
    QTest::addRow("a target") << startUp << WindowChange([](PlanWindow &w) {
        Named<QDoubleSpinBox>(w.form, "SpinBoxTargetYears")->setValue(5);
    });
    QTest::addRow("an import by the dialog") << changedPage << WindowChange([](PlanWindow &w) {
        w.importSetup(WriteSampleSetup(w.path("station.bin")));
    });
    QTest::addRow("an import by a drop") << startUp << WindowChange([](PlanWindow &w) {
        w.form.DropFiles({WriteSampleSetup(w.path("station.bin"))});
    });
    QTest::addRow("an opened plan") << startUp << WindowChange([](PlanWindow &w) {
        w.openPlan(WritePlan(w.path("site-a.p1kplan"), SetupCases::ChangedPage()));
    });
    QTest::addRow("an opened plan over another") << WindowChange([](PlanWindow &w) {
        w.openPlan(WritePlan(w.path("site-a.p1kplan"), SetupCases::ChangedPage()));
    }) << WindowChange([](PlanWindow &w) {
        StationPlan plan = DefaultPlan();
        SetupCases::WithoutChoices(plan);
        w.openPlan(WritePlan(w.path("site-b.p1kplan"), plan));
    });
    QTest::addRow("a new plan") << changedPage << WindowChange([](PlanWindow &w) {
        w.form.MenuItemNewPlanClick();
    });
}

// Undo shows exactly the page of before, every control and figure, and the
// file it showed; redo the page of after.
void TestUndo::undoAndRedo()
{
    QFETCH(WindowChange, before);
    QFETCH(WindowChange, change);
    PlanWindow window;
    before(window);
    const StationPlan planBefore = window.page().plan();
    const QStringList shownBefore = PageShown(window.page());
    const QString fileBefore = window.form.PlanFileName();
    change(window);
    const StationPlan planAfter = window.page().plan();
    const QStringList shownAfter = PageShown(window.page());
    const QString fileAfter = window.form.PlanFileName();
    QVERIFY(planAfter != planBefore);
    const QString stationId = window.form.Commands().Form().EditStationID->text();

    window.undo();
    QCOMPARE(PlanText::Lines(window.page().plan()), PlanText::Lines(planBefore));
    QCOMPARE(PageShown(window.page()), shownBefore);
    CompareFigures(window.page());
    QCOMPARE(window.form.PlanFileName(), fileBefore);
    QVERIFY(CanRedo(window));
    // The command page is no part of undo.
    QCOMPARE(window.form.Commands().Form().EditStationID->text(), stationId);

    window.redo();
    QCOMPARE(PlanText::Lines(window.page().plan()), PlanText::Lines(planAfter));
    QCOMPARE(PageShown(window.page()), shownAfter);
    CompareFigures(window.page());
    QCOMPARE(window.form.PlanFileName(), fileAfter);
    QVERIFY(!CanRedo(window));
}

// A storage choice that pulls sampling intervals down with "Change all"
// ticked comes back with one key.
void TestUndo::oneStepPerUserAction()
{
    PlanWindow window;
    QVERIFY(!CanUndo(window) && !CanRedo(window));
    Named<QCheckBox>(window.form, "CheckBoxSAll")->setChecked(true);
    Select(window, "ComboBoxS1", 5);
    for (int i = 1; i <= EstimatorRowCount; ++i)
        QCOMPARE(window.page().plan().rows[i].samplingSeconds, std::optional<std::int32_t>(5));
    QVERIFY(CanUndo(window));

    window.undo();
    QVERIFY(window.page().plan() == DefaultPlan());
    QVERIFY(!CanUndo(window));
    // A change after an undo forgets what was undone.
    Named<ToggleSwitch>(window.form, "SwitchVTX2")->click();
    QVERIFY(!CanRedo(window));
}

void TestUndo::typedNumberIsOneStep_data()
{
    QTest::addColumn<QStringList>("keys");  // text to type, or "Up", or "Tab" to leave the box
    QTest::addColumn<QList<int>>("undone"); // the box's value after each undo, back to the start

    QTest::addRow("two digits") << QStringList{"35"} << QList<int>{1};
    QTest::addRow("digits, one taken back") << QStringList{"356", "Backspace"} << QList<int>{1};
    QTest::addRow("typed, left, typed again")
        << QStringList{"35", "Tab", "42"} << QList<int>{35, 1};
    QTest::addRow("arrows after typing") << QStringList{"35", "Up", "Up"} << QList<int>{36, 35, 1};
    QTest::addRow("typing after an arrow") << QStringList{"Up", "35"} << QList<int>{2, 1};
}

// The number in a spin box follows each digit typed, and so do the figures;
// the digits typed in a row are one step all the same, not one a digit.
void TestUndo::typedNumberIsOneStep()
{
    QFETCH(QStringList, keys);
    QFETCH(QList<int>, undone);
    PlanWindow window;
    window.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&window.form));
    auto *box = Named<QSpinBox>(window.form, "SpinBoxVEventsNumber1");
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    box->selectAll();
    for (const QString &key : keys) {
        if (key == "Up")
            QTest::keyClick(box, Qt::Key_Up);
        else if (key == "Backspace")
            QTest::keyClick(box, Qt::Key_Backspace);
        else if (key == "Tab")
            QTest::keyClick(box, Qt::Key_Tab);
        else
            QTest::keyClicks(box, key);
        QCoreApplication::processEvents();
        if (key == "Tab") {
            box->setFocus();
            QTRY_VERIFY(box->hasFocus());
            box->selectAll();
        }
    }
    QList<int> values;
    while (CanUndo(window)) {
        window.undo();
        values << box->value();
    }
    QCOMPARE(values, undone);
    QVERIFY(window.page().plan() == DefaultPlan());
}

// A language switch that gives imported rows their standard names is no
// step of its own: undo goes back past it to before the import, redo gives
// the renamed page.
void TestUndo::languageSwitchIsNoStep()
{
    PlanWindow window;
    window.form.DropFiles({WriteSampleSetup(window.path("station.bin"))});
    QCOMPARE(window.page().MeasurementLabel[1]->text(), QString("M1  Level"));
    window.form.MenuItemDEClick();
    QCOMPARE(window.page().MeasurementLabel[1]->text(), QString("M1  Abstich"));
    const QStringList renamed = PageShown(window.page());

    window.undo();
    QVERIFY(window.page().plan() == DefaultPlan());
    QVERIFY(!CanUndo(window));
    QCOMPARE(window.page().MeasurementLabel[1]->text(), QString("M1  Abstich"));
    window.redo();
    QCOMPARE(PageShown(window.page()), renamed);
}

void TestUndo::shortcutsWorkEverywhere_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addRow("a drop-down of the page") << "ComboBoxM2";
    QTest::addRow("a spin box of the page") << "SpinBoxVEventsNumber1";
    QTest::addRow("the command page's panels") << "ExpanderCfg";
}

// Ctrl+Z and Ctrl+Shift+Z belong to the window, also where the focus is on
// a spin box of the page or on the other tab, and before the menu is made.
void TestUndo::shortcutsWorkEverywhere()
{
    QFETCH(QString, focus);
    PlanWindow window;
    window.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&window.form));
    Named<QSpinBox>(window.form, "SpinBoxVEventsNumber1")->setValue(7);
    const StationPlan changed = window.page().plan();

    if (focus == "ExpanderCfg")
        Named<TabWidget>(window.form, "TabControlMain")->setCurrentPage(&window.form.Commands());
    auto *target = Named<QWidget>(window.form, focus);
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());

    QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(window.page().plan() == DefaultPlan());
    QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(window.page().plan() == changed);
    QVERIFY(!window.form.findChild<QMenu *>("PopupMenuMainMenu"));
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
