#include "tests/support/AccessibleStates.h"
#include "tests/ui/OwnWidgets.h"
#include "ui/ControlNames.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <functional>

namespace {

using Change = std::function<void(OwnWidgets &)>;

QAccessibleInterface *Described(OwnWidgets &w, const QString &name)
{
    return QAccessible::queryAccessibleInterface(w.widget(name));
}

} // namespace

Q_DECLARE_METATYPE(Change)

// What screen readers are told of our own widgets: role, name, state, and
// what their actions do.
class TestAccessible : public QObject
{
    Q_OBJECT

private slots:
    void described_data();
    void described();
    void actions_data();
    void actions();
    void panelHoldsHeaderAndContent();
    void dropDowns_data();
    void dropDowns();
    void captions_data();
    void captions();
};

void TestAccessible::described_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<Change>("change");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("states");

    const auto none = [](OwnWidgets &) {};
    const auto named = [](const char *widget, const char *name) {
        return Change([=](OwnWidgets &w) { w.widget(widget)->setAccessibleName(name); });
    };
    const int checkBox = QAccessible::CheckBox;
    const int button = QAccessible::Button;
    const int link = QAccessible::Link;

    QTest::addRow("switch, off") << "toggle" << named("toggle", "M1 in TX1") << checkBox
                                 << "M1 in TX1" << QStringList{"checkable", "focusable"};
    QTest::addRow("switch, on") << "toggle" << Change([](OwnWidgets &w) {
        w.toggle->setChecked(true);
    }) << checkBox << "" << QStringList{"checkable", "checked", "focusable"};
    QTest::addRow("switch, focused")
        << "toggle" << Change([](OwnWidgets &w) { w.toggle->setFocus(); }) << checkBox << ""
        << QStringList{"checkable", "focusable", "focused"};
    QTest::addRow("switch, disabled")
        << "toggle" << Change([](OwnWidgets &w) { w.toggle->setEnabled(false); }) << checkBox << ""
        << QStringList{"checkable", "focusable", "disabled"};
    QTest::addRow("switch, named by its label") << "toggle" << Change([](OwnWidgets &w) {
        (new QLabel(QStringLiteral("&Compression"), &w.window))->setBuddy(w.toggle);
    }) << checkBox << "Compression" << QStringList{"checkable", "focusable"};
    QTest::addRow("header, closed")
        << "header" << Change([](OwnWidgets &w) { w.panel->setExpanded(false); }) << button
        << "Change Limit" << QStringList{"expandable", "collapsed", "focusable"};
    QTest::addRow("header, open") << "header" << Change(none) << button << "Change Limit"
                                  << QStringList{"expandable", "expanded", "focusable"};
    QTest::addRow("header, after a language switch") << "header" << Change([](OwnWidgets &w) {
        w.panel->setText(QStringLiteral("Grenzwert umstellen"));
    }) << button << "Grenzwert umstellen" << QStringList{"expandable", "expanded", "focusable"};
    QTest::addRow("panel") << "panel" << Change(none) << int(QAccessible::Grouping)
                           << "Change Limit" << QStringList{};
    QTest::addRow("link") << "link" << Change(none) << link << "Disclaimer"
                          << QStringList{"linked", "focusable"};
    QTest::addRow("link, named apart from its caption")
        << "link" << named("link", "Disclaimer of the battery life") << link
        << "Disclaimer of the battery life" << QStringList{"linked", "focusable"};
    QTest::addRow("link, disabled")
        << "link" << Change([](OwnWidgets &w) { w.link->setEnabled(false); }) << link
        << "Disclaimer" << QStringList{"linked", "focusable", "disabled"};
    QTest::addRow("picture, not yet named")
        << "picture" << Change(none) << button << "" << QStringList{"focusable"};
    QTest::addRow("picture, named")
        << "picture" << named("picture", "Menu") << button << "Menu" << QStringList{"focusable"};
}

void TestAccessible::described()
{
    QFETCH(QString, widget);
    QFETCH(Change, change);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QStringList, states);
    OwnWidgets w;
    QVERIFY(w.show());
    change(w);

    QAccessibleInterface *described = Described(w, widget);
    QVERIFY(described);
    QCOMPARE(int(described->role()), role);
    QCOMPARE(described->text(QAccessible::Name), name);
    QCOMPARE(AccessibleStates(described->state()), states);
}

void TestAccessible::actions_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("expected");

    const QString toggle = QAccessibleActionInterface::toggleAction();
    const QString press = QAccessibleActionInterface::pressAction();
    QTest::addRow("switch, toggled") << "toggle" << toggle << true << 1;
    QTest::addRow("switch, pressed") << "toggle" << press << true << 1;
    QTest::addRow("switch, disabled") << "toggle" << toggle << false << 0;
    QTest::addRow("header, pressed") << "header" << press << true << 1;
    QTest::addRow("header, disabled") << "header" << press << false << 0;
    QTest::addRow("link, pressed") << "link" << press << true << 1;
    QTest::addRow("link, disabled") << "link" << press << false << 0;
    QTest::addRow("picture, pressed") << "picture" << press << true << 1;
}

// A screen reader's action works as a click: the signal the page listens to,
// once, and nothing on a disabled widget, which does not offer it.
void TestAccessible::actions()
{
    QFETCH(QString, widget);
    QFETCH(QString, action);
    QFETCH(bool, enabled);
    QFETCH(int, expected);
    OwnWidgets w;
    QVERIFY(w.show());
    QWidget *target = w.widget(widget);
    target->setEnabled(enabled);
    const Acts acts(w);

    QAccessibleActionInterface *actions = Described(w, widget)->actionInterface();
    QVERIFY(actions);
    QCOMPARE(actions->actionNames().contains(action), enabled);
    actions->doAction(action);

    acts.expect(target, expected);
}

// The panel's header and, while it is open, its content are what it holds.
void TestAccessible::panelHoldsHeaderAndContent()
{
    OwnWidgets w;
    QVERIFY(w.show());
    QAccessibleInterface *panel = QAccessible::queryAccessibleInterface(w.panel);
    QCOMPARE(panel->indexOfChild(QAccessible::queryAccessibleInterface(w.panel->header())), 0);
    QAccessibleInterface *inside = QAccessible::queryAccessibleInterface(w.inside);
    QCOMPARE(panel->indexOfChild(inside), 1);
    QCOMPARE(inside->parent(), panel);
    QVERIFY(!inside->state().invisible);

    w.panel->setExpanded(false);
    QVERIFY(inside->state().invisible);
}

void TestAccessible::dropDowns_data()
{
    QTest::addColumn<bool>("editable");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("buddy");
    QTest::addColumn<QString>("name");

    QTest::addRow("named") << false << "M1 Distance to Water, Sampling interval"
                           << ""
                           << "M1 Distance to Water, Sampling interval";
    QTest::addRow("named by its label") << false << ""
                                        << "Radio network type"
                                        << "Radio network type";
    QTest::addRow("nothing names it: its item") << false << ""
                                                << ""
                                                << "01:00:00";
    QTest::addRow("editable, named") << true << "Measurement - Number"
                                     << ""
                                     << "Measurement - Number";
    QTest::addRow("editable, nothing names it: its text") << true << ""
                                                          << ""
                                                          << "01:00:00";
}

// A drop-down is heard by the name it is given or its label's, else by its
// item, on every platform; its value is the item, its children the list and
// the text field of an editable one, and its action opens and closes the
// list.
void TestAccessible::dropDowns()
{
    QFETCH(bool, editable);
    QFETCH(QString, given);
    QFETCH(QString, buddy);
    QFETCH(QString, name);
    OwnWidgets w;
    auto *combo = new QComboBox(&w.window);
    combo->setGeometry(150, 10, 120, 24);
    combo->addItems({"01:00:00", "24:00:00"});
    combo->setEditable(editable);
    if (!given.isEmpty())
        NameControl(combo, {given});
    if (!buddy.isEmpty())
        (new QLabel(buddy, &w.window))->setBuddy(combo);
    QVERIFY(w.show());

    QAccessibleInterface *described = QAccessible::queryAccessibleInterface(combo);
    QCOMPARE(described->role(), QAccessible::ComboBox);
    QCOMPARE(described->text(QAccessible::Name), name);
    QCOMPARE(described->text(QAccessible::Value), QString("01:00:00"));
    QCOMPARE(described->childCount(), editable ? 2 : 1);
    QCOMPARE(described->child(0)->object(), combo->view());
    QCOMPARE(described->indexOfChild(described->child(0)), 0);
    if (editable) {
        QCOMPARE(described->child(1)->object(), combo->lineEdit());
        const QPoint inside = combo->lineEdit()->mapToGlobal(QPoint(2, 2));
        QCOMPARE(described->childAt(inside.x(), inside.y()), described->child(1));
    }

    described->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    QTRY_VERIFY(combo->view()->isVisible());
    described->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    QTRY_VERIFY(!combo->view()->isVisible());
}

enum class Control
{
    Button,
    Label,
    LabelWithBuddy,
};
Q_DECLARE_METATYPE(Control)

void TestAccessible::captions_data()
{
    QTest::addColumn<Control>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::addRow("Alt key") << Control::Button << "From &setup files..."
                             << "From setup files...";
    QTest::addRow("ampersand") << Control::Button << "Rock && &roll"
                               << "Rock & roll";
    QTest::addRow("mark at the end") << Control::Button << "Odd &"
                                     << "Odd &";
    QTest::addRow("label of its own") << Control::Label << "Battery && data"
                                      << "Battery && data";
    QTest::addRow("label with a buddy, colon") << Control::LabelWithBuddy << "&Folder:"
                                               << "Folder";
    QTest::addRow("lines and blanks") << Control::Label << "Measurement events active /\n  Number"
                                      << "Measurement events active / Number";
}

// A caption as part of a name: what the control shows, without the marks.
void TestAccessible::captions()
{
    QFETCH(Control, control);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QWidget window;
    QPushButton button(&window);
    QLabel label(&window);
    QObject *shown = &label;
    if (control == Control::Button)
        shown = &button;
    if (control == Control::LabelWithBuddy)
        label.setBuddy(&button);
    shown->setProperty("text", text);
    QCOMPARE(CaptionOf(shown), caption);
}

QTEST_MAIN(TestAccessible)
#include "tst_accessible.moc"
