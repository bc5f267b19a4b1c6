#include "tests/ui/OwnWidgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <utility>

namespace {

void Send(QWidget *widget, QEvent::Type type, int key, bool autoRepeat)
{
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(widget, &event);
}

// The names of the widgets Tab visits from the first field until it is
// back there.
QStringList TabWalk(OwnWidgets &w)
{
    QStringList visited;
    for (int step = 0; step < 20; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        if (!focus || focus == w.first)
            break;
        visited << focus->objectName();
    }
    return visited;
}

// How many pixels of the picture have exactly that colour.
int Count(const QImage &image, const QColor &color)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x)
            count += rgb.pixelColor(x, y) == color;
    }
    return count;
}

QPalette HighContrast()
{
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Button, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Highlight, Qt::yellow);
    return palette;
}

using Change = std::function<void(OwnWidgets &)>;

} // namespace

Q_DECLARE_METATYPE(Change)

// Our own widgets without a mouse: reached by Tab, operated by keys, the
// focus shown, the pages changed by Ctrl+Tab.
class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void tabVisits_data();
    void tabVisits();
    void keysAct_data();
    void keysAct();
    void heldKeyActsOnce_data();
    void heldKeyActsOnce();
    void headerKeysTakeThePanelRule();
    void headerPressDrawnOff_data();
    void headerPressDrawnOff();
    void focusIsDrawn_data();
    void focusIsDrawn();
    void clickLeavesNoRing();
    void tabShowsFocus();
    void pageKeys_data();
    void pageKeys();
};

void TestKeyboard::tabVisits_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QStringList>("visited");

    QTest::addRow("all enabled, panel open")
        << Change([](OwnWidgets &) {})
        << QStringList{"toggle", "header", "inside", "link", "picture", "tabbar", "last"};
    QTest::addRow("closed panel keeps its content out")
        << Change([](OwnWidgets &w) { w.panel->setExpanded(false); })
        << QStringList{"toggle", "header", "link", "picture", "tabbar", "last"};
    QTest::addRow("disabled ones left out") << Change([](OwnWidgets &w) {
        w.toggle->setEnabled(false);
        w.panel->setEnabled(false);
        w.link->setEnabled(false);
    }) << QStringList{"picture", "tabbar", "last"};
}

// Tab stops at each enabled widget once, in the order they stand.
void TestKeyboard::tabVisits()
{
    QFETCH(Change, change);
    QFETCH(QStringList, visited);
    OwnWidgets w;
    change(w);
    QVERIFY(w.show());
    QCOMPARE(TabWalk(w), visited);
}

void TestKeyboard::keysAct_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("expected");

    QTest::addRow("switch, Space") << "toggle" << int(Qt::Key_Space) << true << 1;
    QTest::addRow("switch, Space, disabled") << "toggle" << int(Qt::Key_Space) << false << 0;
    QTest::addRow("header, Space") << "header" << int(Qt::Key_Space) << true << 1;
    QTest::addRow("header, Return") << "header" << int(Qt::Key_Return) << true << 1;
    QTest::addRow("header, Enter") << "header" << int(Qt::Key_Enter) << true << 1;
    QTest::addRow("header, Return, disabled") << "header" << int(Qt::Key_Return) << false << 0;
    QTest::addRow("link, Space") << "link" << int(Qt::Key_Space) << true << 1;
    QTest::addRow("link, Return") << "link" << int(Qt::Key_Return) << true << 1;
    QTest::addRow("link, Enter") << "link" << int(Qt::Key_Enter) << true << 1;
    QTest::addRow("link, a letter") << "link" << int(Qt::Key_A) << true << 0;
    QTest::addRow("link, Return, disabled") << "link" << int(Qt::Key_Return) << false << 0;
    QTest::addRow("picture, Space") << "picture" << int(Qt::Key_Space) << true << 1;
    QTest::addRow("picture, Return") << "picture" << int(Qt::Key_Return) << true << 1;
}

// A key acts as a click: the same signal, once; a disabled widget ignores it.
void TestKeyboard::keysAct()
{
    QFETCH(QString, widget);
    QFETCH(int, key);
    QFETCH(bool, enabled);
    QFETCH(int, expected);
    OwnWidgets w;
    QVERIFY(w.show());
    QWidget *target = w.widget(widget);
    target->setEnabled(enabled);
    if (enabled)
        target->setFocus(Qt::TabFocusReason);
    const Acts acts(w);

    QTest::keyClick(target, Qt::Key(key));

    acts.expect(target, expected);
}

void TestKeyboard::heldKeyActsOnce_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<int>("key");

    QTest::addRow("switch, Space") << "toggle" << int(Qt::Key_Space);
    QTest::addRow("header, Return") << "header" << int(Qt::Key_Return);
    QTest::addRow("link, Space") << "link" << int(Qt::Key_Space);
    QTest::addRow("picture, Return") << "picture" << int(Qt::Key_Return);
}

// A key held down repeats; the widget acts once, not once per repeat.
void TestKeyboard::heldKeyActsOnce()
{
    QFETCH(QString, widget);
    QFETCH(int, key);
    OwnWidgets w;
    QVERIFY(w.show());
    QWidget *target = w.widget(widget);
    target->setFocus(Qt::TabFocusReason);
    const Acts acts(w);

    Send(target, QEvent::KeyPress, key, false);
    for (int repeat = 0; repeat < 3; ++repeat) {
        Send(target, QEvent::KeyRelease, key, true);
        Send(target, QEvent::KeyPress, key, true);
    }
    Send(target, QEvent::KeyRelease, key, false);

    acts.expect(target, 1);
}

// Wired as the pages wire it, the header's keys open and close the panel
// just as a click does, and the focus stays on the header. A click sent to
// the panel on its header line counts too.
void TestKeyboard::headerKeysTakeThePanelRule()
{
    OwnWidgets w;
    QObject::connect(w.panel, &Expander::headerClicked, w.panel,
                     [&w] { w.panel->setExpanded(!w.panel->isExpanded()); });
    QVERIFY(w.show());
    QSignalSpy changes(w.panel, &Expander::expandedChanged);
    w.panel->setFocus(Qt::TabFocusReason);
    QVERIFY(w.panel->header()->hasFocus());

    QTest::keyClick(w.panel->header(), Qt::Key_Space);
    QVERIFY(!w.panel->isExpanded());
    QVERIFY(w.inside->isHidden());
    QVERIFY(w.panel->hasFocus());

    QTest::keyClick(w.panel->header(), Qt::Key_Return);
    QVERIFY(w.panel->isExpanded());
    QVERIFY(w.inside->isVisible());

    QTest::mouseClick(w.panel->header(), Qt::LeftButton, {}, QPoint(40, 10));
    QVERIFY(!w.panel->isExpanded());
    QTest::mouseClick(w.panel, Qt::LeftButton, {}, QPoint(40, 10));
    QVERIFY(w.panel->isExpanded());
    QCOMPARE(changes.count(), 4);
}

void TestKeyboard::headerPressDrawnOff_data()
{
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<int>("acts");

    QTest::addRow("released on the header") << QPoint(60, 12) << 1;
    QTest::addRow("drawn down onto the content") << QPoint(40, 50) << 0;
    QTest::addRow("drawn off to the left") << QPoint(-20, 10) << 0;
    QTest::addRow("drawn off upwards") << QPoint(40, -5) << 0;
}

// A press on the header drawn off it before the release is no click, also
// where the panel gets the release the header let go of.
void TestKeyboard::headerPressDrawnOff()
{
    QFETCH(QPoint, release);
    QFETCH(int, acts);
    OwnWidgets w;
    QVERIFY(w.show());
    QSignalSpy spy(w.panel, &Expander::headerClicked);
    QTest::mousePress(w.panel->header(), Qt::LeftButton, {}, QPoint(40, 10));
    QTest::mouseRelease(w.panel->header(), Qt::LeftButton, {}, release);
    QCOMPARE(spy.count(), acts);
}

void TestKeyboard::focusIsDrawn_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<bool>("on");
    QTest::addColumn<QPalette>("palette");

    const QPalette standard = QApplication::palette();
    for (const auto &[name, palette] :
         {std::pair{"", standard}, std::pair{", high contrast", HighContrast()}}) {
        QTest::addRow("switch off%s", name) << "toggle" << false << palette;
        QTest::addRow("switch on%s", name) << "toggle" << true << palette;
        QTest::addRow("header%s", name) << "header" << false << palette;
        QTest::addRow("link%s", name) << "link" << false << palette;
        QTest::addRow("picture%s", name) << "picture" << false << palette;
    }
}

// Reached by Tab, each widget draws a ring in the palette's highlight colour,
// on the switch's track in either state, in the standard palette and in a
// high-contrast one.
void TestKeyboard::focusIsDrawn()
{
    QFETCH(QString, widget);
    QFETCH(bool, on);
    QFETCH(QPalette, palette);
    OwnWidgets w;
    w.window.setPalette(palette);
    w.toggle->setChecked(on);
    QVERIFY(w.show());
    QWidget *target = w.widget(widget);
    const QImage before = target->grab().toImage();

    while (QApplication::focusWidget() != target && QApplication::focusWidget() != w.last)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(target->hasFocus());
    const QImage focused = target->grab().toImage();

    const QColor ring = palette.color(QPalette::Highlight);
    // Long enough to go round the smallest widget, the picture.
    QVERIFY2(Count(focused, ring) >= Count(before, ring) + 40,
             qPrintable(QStringLiteral("%1 ring pixels before, %2 focused")
                            .arg(Count(before, ring))
                            .arg(Count(focused, ring))));
}

// A click gives the switch the focus, as on a check box, but draws no ring
// until the keyboard moves the focus.
void TestKeyboard::clickLeavesNoRing()
{
    OwnWidgets w;
    QVERIFY(w.show());
    const QImage before = w.toggle->grab().toImage();
    QTest::mouseClick(w.toggle, Qt::LeftButton);
    QVERIFY(w.toggle->hasFocus());
    QTest::mouseClick(w.toggle, Qt::LeftButton);
    QCOMPARE(w.toggle->grab().toImage(), before);

    QTest::keyClick(w.toggle, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(w.toggle->hasFocus());
    QVERIFY(w.toggle->grab().toImage() != before);
}

// The tab bar's own focus, drawn by the style, survives its own painting.
void TestKeyboard::tabShowsFocus()
{
    OwnWidgets w;
    QVERIFY(w.show());
    QTabBar *bar = w.tabs->tabBar();
    const QImage before = bar->grab().toImage();
    while (QApplication::focusWidget() != bar && QApplication::focusWidget() != w.last)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(bar->hasFocus());
    QVERIFY(bar->grab().toImage() != before);
}

void TestKeyboard::pageKeys_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("to");

    const int ctrl = Qt::ControlModifier;
    const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::addRow("Ctrl+Tab skips the disabled page")
        << "first" << 0 << int(Qt::Key_Tab) << ctrl << 2;
    QTest::addRow("Ctrl+Tab goes round") << "first" << 2 << int(Qt::Key_Tab) << ctrl << 0;
    QTest::addRow("Ctrl+Shift+Tab goes round")
        << "first" << 0 << int(Qt::Key_Tab) << ctrlShift << 2;
    QTest::addRow("Ctrl+Shift+Tab as X11 sends it")
        << "first" << 2 << int(Qt::Key_Backtab) << ctrlShift << 0;
    QTest::addRow("Ctrl+Tab from the switch") << "toggle" << 0 << int(Qt::Key_Tab) << ctrl << 2;
    QTest::addRow("Ctrl+Tab on the tab bar") << "tabbar" << 2 << int(Qt::Key_Tab) << ctrl << 0;
    QTest::addRow("Tab alone keeps the page") << "first" << 0 << int(Qt::Key_Tab) << 0 << 0;
}

// Ctrl+Tab and Ctrl+Shift+Tab change the page wherever the focus is in the
// window, passing over a disabled page.
void TestKeyboard::pageKeys()
{
    QFETCH(QString, focus);
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, to);
    OwnWidgets w;
    QVERIFY(w.show());
    w.tabs->setCurrentIndex(from);
    QWidget *target = w.widget(focus);
    target->setFocus();

    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(w.tabs->currentIndex(), to);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
