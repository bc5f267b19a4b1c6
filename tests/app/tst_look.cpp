#include "app/Application.h"
#include "app/FormMain.h"
#include "commandfile/CommandPage.h"
#include "estimators/EstimatorPage.h"
#include "tests/support/Controls.h"
#include "tests/support/FakeDialogs.h"
#include "ui/Expander.h"
#include "ui/TabWidget.h"
#include "ui_CommandPage.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QTimer>
#include <QtTest>

#include <optional>
#include <utility>

namespace {

// The window shown on the page of the given control, with the panel that
// holds it open.
struct Shown
{
    Shown()
    {
        form.show();
        form.Commands().Form();
    }

    QWidget *control(const QString &name, const QString &panel)
    {
        auto *widget = form.findChild<QWidget *>(name);
        if (!widget)
            return nullptr;
        const bool commandPage = form.Commands().isAncestorOf(widget);
        Named<TabWidget>(form, "TabControlMain")->setCurrentIndex(commandPage ? 1 : 0);
        if (auto *expander = form.findChild<Expander *>(panel))
            expander->setExpanded(true);
        return widget;
    }

    TestPlatform platform;
    TFormMain form{platform.environment()};
};

// Rows of the open list that are shown from top to bottom.
int VisibleLines(const QComboBox *combo)
{
    const QAbstractItemView *view = combo->view();
    const int height = view->viewport()->height();
    int lines = 0;
    for (int row = 0; row < combo->count(); ++row) {
        const QRect rect = view->visualRect(view->model()->index(row, 0));
        if (rect.top() >= 0 && rect.bottom() < height)
            ++lines;
    }
    return lines;
}

// The room a caption needs and the room its control gives it: widths, or
// heights for a label that wraps its lines; nothing for a control that shows
// no caption.
std::optional<std::pair<int, int>> CaptionRoom(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->text().isEmpty())
            return std::nullopt;
        if (label->wordWrap())
            return std::pair{label->heightForWidth(label->width()), label->height()};
        return std::pair{label->sizeHint().width(), label->width()};
    }
    if (const auto *box = qobject_cast<const QCheckBox *>(widget))
        return std::pair{box->sizeHint().width(), box->width()};
    if (const auto *button = qobject_cast<const QPushButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.features = button->autoDefault() ? QStyleOptionButton::AutoDefaultButton
                                                : QStyleOptionButton::None;
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return std::pair{button->fontMetrics().horizontalAdvance(button->text()), room.width()};
    }
    if (const auto *panel = qobject_cast<const Expander *>(widget))
        return std::pair{panel->minimumSizeHint().width(), panel->width()};
    return std::nullopt;
}

// Every caption shown in the window that its control cuts: the header's and
// those of the current page.
QStringList CutCaptions(TFormMain &form)
{
    QStringList cut;
    for (const QWidget *widget : form.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&form))
            continue;
        if (const auto room = CaptionRoom(widget); room && room->first > room->second) {
            const QString text = widget->property("text").toString();
            cut << QStringLiteral("%1 \"%2\": needs %3, has %4")
                       .arg(widget->objectName(), text)
                       .arg(room->first)
                       .arg(room->second);
        }
    }
    return cut;
}

} // namespace

// The window as the user sees it.
class TestLook : public QObject
{
    Q_OBJECT

private slots:
    void captionsFit_data();
    void captionsFit();
    void dropDownsShowTheirLines_data();
    void dropDownsShowTheirLines();
};

void TestLook::captionsFit_data()
{
    QTest::addColumn<bool>("english");
    QTest::addRow("English") << true;
    QTest::addRow("German") << false;
}

// No caption on either page is cut by its control, whichever command panel
// is open, with the rows of the conductivity variant shown and with the
// answers to targets.
void TestLook::captionsFit()
{
    QFETCH(bool, english);
    Shown shown;
    TFormMain &form = shown.form;
    if (!english)
        form.MenuItemDEClick();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    Named<TabWidget>(form, "TabControlMain")->setCurrentIndex(0);
    QStringList cut = CutCaptions(form);
    Named<QCheckBox>(form, "ConductivityCheckBox")->click();
    QVERIFY(form.Estimators().MeasurementLabel[8]->isVisibleTo(&form));
    cut << CutCaptions(form);
    // A life target beyond reach and the largest data plan give the longest
    // answer lines, in both columns.
    Named<QAbstractButton>(form, "SwitchVTX2")->click();
    Named<QDoubleSpinBox>(form, "SpinBoxTargetYears")->setValue(25);
    Named<QDoubleSpinBox>(form, "SpinBoxDataPlanMB")->setValue(99999.9);
    QVERIFY(!Named<QLabel>(form, "LabelAnswerTX2")->text().isEmpty());
    cut << CutCaptions(form);

    Named<TabWidget>(form, "TabControlMain")->setCurrentIndex(1);
    for (Expander *panel : form.Commands().findChildren<Expander *>()) {
        form.Commands().AllExpanderClick(panel);
        QVERIFY(panel->isExpanded());
        cut << CutCaptions(form);
    }
    cut.removeDuplicates();
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

void TestLook::dropDownsShowTheirLines_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("panel"); // the command panel that holds it
    QTest::addColumn<int>("lines");

    QTest::addRow("sampling M1, 26 items") << "ComboBoxM1" << QString() << 22;
    QTest::addRow("storage S4, 26 items") << "ComboBoxS4" << QString() << 22;
    QTest::addRow("transmission interval, 20 items") << "ComboBoxVTX1Interval" << QString() << 20;
    QTest::addRow("observer, 7 items") << "ComboBoxObserverInt" << QString() << 7;
    QTest::addRow("command sampling, 26 items") << "ComboBoxMInt2"
                                                << "ExpanderMIntSInt" << 22;
    QTest::addRow("scheduled interval, 26 items") << "ComboBoxTIInterval"
                                                  << "ExpanderTInt" << 22;
    QTest::addRow("gradient direction, 3 items") << "ComboBoxGradDir"
                                                 << "ExpanderGrad" << 3;
    QTest::addRow("measurement ID, 6 items") << "ComboEditMeasurementID"
                                             << "ExpanderLimit" << 6;
}

// A drop-down opens with as many lines as it is given to show, and no more.
void TestLook::dropDownsShowTheirLines()
{
    QFETCH(QString, name);
    QFETCH(QString, panel);
    QFETCH(int, lines);

    Shown shown;
    auto *combo = qobject_cast<QComboBox *>(shown.control(name, panel));
    QVERIFY(combo);
    QVERIFY(QTest::qWaitForWindowExposed(&shown.form));
    // Room below and above it for the longest list.
    shown.form.move(shown.form.pos() + QPoint(0, 300 - combo->mapToGlobal(QPoint()).y()));

    combo->showPopup();
    QTRY_VERIFY(combo->view()->isVisible());
    QCOMPARE(VisibleLines(combo), lines);
    combo->hidePopup();
}

// The application object of the program, which sets the window's style.
int main(int argc, char *argv[])
{
    TApplication application(argc, argv);
    TestLook test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_look.moc"
