#include "app/FormMain.h"
#include "commandfile/CommandPage.h"
#include "estimators/EstimatorPage.h"
#include "tests/support/Controls.h"
#include "tests/support/FakeDialogs.h"
#include "ui/TabWidget.h"

#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

namespace {

QScrollArea *AreaOf(QWidget &page)
{
    return qobject_cast<QScrollArea *>(page.parentWidget()->parentWidget());
}

// Whether all of control lies in the part of its page's area that shows.
bool InView(QWidget &page, const QWidget *control)
{
    const QWidget *viewport = AreaOf(page)->viewport();
    const QRect shown(control->mapTo(viewport, QPoint()), control->size());
    return viewport->rect().contains(shown);
}

// Tab from the page's first control until control has the focus.
bool TabTo(const QWidget *control)
{
    for (int step = 0; step < 200 && QApplication::focusWidget() != control; ++step)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return control->hasFocus();
}

} // namespace

// The window on screens of every size: its designed size where that fits,
// else as large as the screen's free area, with pages that scroll.
class TestWindowSize : public QObject
{
    Q_OBJECT

private slots:
    void size_data();
    void size();
    void resultsReachedByScrolling();
};

void TestWindowSize::size_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QSize>("window"); // a width of 0: the designed one and a scroll bar
    QTest::addColumn<bool>("scrolls");

    QTest::addRow("no bound") << QRect() << QSize(1088, 750) << false;
    QTest::addRow("a desktop") << QRect(0, 0, 1920, 1050) << QSize(1088, 750) << false;
    QTest::addRow("a desktop with a panel on the left")
        << QRect(60, 0, 1860, 1080) << QSize(1088, 750) << false;
    QTest::addRow("a laptop, 1366 x 768 with a task bar")
        << QRect(0, 0, 1366, 700) << QSize(0, 660) << true;
    QTest::addRow("1024 x 768, narrower than the window")
        << QRect(0, 0, 1024, 728) << QSize(1008, 688) << true;
}

// The window keeps a fixed size and lies within the free area with its
// frame; on a small area the estimator page scrolls, and the header still
// shows its title and what is open.
void TestWindowSize::size()
{
    QFETCH(QRect, area);
    QFETCH(QSize, window);
    QFETCH(bool, scrolls);
    TestPlatform platform;
    Environment environment = platform.environment();
    environment.FreeScreenArea = area;
    TFormMain form(environment);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QScrollArea *pageArea = AreaOf(form.Estimators());
    if (window.width() == 0)
        window.setWidth(1088 + pageArea->verticalScrollBar()->sizeHint().width());

    QCOMPARE(form.size(), window);
    QCOMPARE(form.minimumSize(), form.maximumSize());
    if (!area.isEmpty()) {
        QVERIFY(area.contains(form.pos()));
        QVERIFY(area.contains(form.geometry()));
    }
    QCOMPARE(Named<QWidget>(form, "RectangleHeader")->width(), window.width());
    QCOMPARE(Named<TabWidget>(form, "TabControlMain")->geometry(),
             QRect(0, 46, window.width(), window.height() - 46));
    for (const char *name : {"LabelHeader", "LabelPlanOpen"}) {
        const auto *label = Named<QLabel>(form, name);
        QVERIFY2(form.rect().contains(label->geometry()), name);
    }
    const auto *title = Named<QLabel>(form, "LabelHeader");
    QVERIFY(title->wordWrap() ? title->heightForWidth(title->width()) <= title->height()
                              : title->sizeHint().width() <= title->width());
    QCOMPARE(pageArea->verticalScrollBar()->isVisible(), scrolls);
    QCOMPARE(pageArea->horizontalScrollBar()->isVisible(), window.width() < 1088);
}

// On the laptop's screen Tab reaches the last result of each page and
// scrolls it into view, also when it comes from the header; so does a
// scroll bar pulled to its end.
void TestWindowSize::resultsReachedByScrolling()
{
    TestPlatform platform;
    Environment environment = platform.environment();
    environment.FreeScreenArea = QRect(0, 0, 1366, 700);
    TFormMain form(environment);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    EstimatorPage &page = form.Estimators();
    const auto *disclaimer = Named<QWidget>(form, "LabelVDisclaimer");
    const auto *answers = Named<QWidget>(form, "LabelAnswerTX2");
    QVERIFY(!InView(page, disclaimer));

    QWidget *menu = Named<QWidget>(form, "ImageMenu");
    menu->setFocus();
    QVERIFY(TabTo(disclaimer));
    QVERIFY(InView(page, disclaimer));

    QScrollBar *bar = AreaOf(page)->verticalScrollBar();
    bar->setValue(0);
    menu->setFocus();
    QTest::keyClick(menu, Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(disclaimer->hasFocus());
    QVERIFY(InView(page, disclaimer));

    bar->setValue(0);
    QVERIFY(!InView(page, answers));
    bar->setValue(bar->maximum());
    QVERIFY(InView(page, answers));

    auto *tabs = Named<TabWidget>(form, "TabControlMain");
    tabs->setCurrentPage(&form.Commands());
    const auto *list = Named<QWidget>(form, "MemoCmdList");
    QVERIFY(TabTo(list));
    QVERIFY(InView(form.Commands(), list));
}

QTEST_MAIN(TestWindowSize)
#include "tst_windowsize.moc"
