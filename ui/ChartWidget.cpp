#include "ui/ChartWidget.h"

#include "common/TableLookup.h"
#include "ui/AccessibleWidgets.h"
#include "ui/ChartPainter.h"
#include "ui/FocusRing.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {

// In lines of the font: room for both charts with their legends.
constexpr double HintWidth = 44;
constexpr double HintHeight = 34;
constexpr double SmallestWidth = 24;
constexpr double SmallestHeight = 22;
// Round the chosen point, in pixels.
constexpr double ChosenRadius = 7;

bool Shown(const ChartData &data, int transmission)
{
    return data.transmissions[static_cast<std::size_t>(transmission - 1)].shown;
}

bool ChoosingKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

// The point a choosing key leads to from point; the same one at an end.
ChartPointRef Stepped(const ChartData &data, ChartPointRef point, int key)
{
    switch (key) {
    case Qt::Key_Left:
        point.item = std::max(0, point.item - 1);
        break;
    case Qt::Key_Right:
        point.item = std::min(TxIntervalCount - 1, point.item + 1);
        break;
    case Qt::Key_Home:
        point.item = 0;
        break;
    case Qt::Key_End:
        point.item = TxIntervalCount - 1;
        break;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int other = ChartTransmissionCount + 1 - point.transmission;
        if (Shown(data, other))
            point.transmission = other;
        break;
    }
    default:
        break;
    }
    return point;
}

// The current interval of the first transmission shown, where one is chosen.
ChartPointRef FirstPoint(const ChartData &data)
{
    for (int t = 1; t <= ChartTransmissionCount; ++t) {
        if (Shown(data, t)) {
            const int current = data.transmissions[static_cast<std::size_t>(t - 1)].current;
            return {t, InRange(current, TxIntervalCount) ? current : 0};
        }
    }
    return {};
}

} // namespace

ChartWidget::ChartWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    InstallAccessibleWidgets();
}

// A chosen point of a transmission no longer shown gives way to the first.
void ChartWidget::setData(const ChartData &data)
{
    m_data = data;
    if (m_chosen.transmission != 0 && !Shown(m_data, m_chosen.transmission))
        m_chosen = FirstPoint(m_data);
    update();
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

QString ChartWidget::chosenText() const
{
    return ChartToolTip(m_data, m_texts, m_chosen);
}

void ChartWidget::setTexts(const ChartTexts &texts)
{
    m_texts = texts;
    update();
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

QString ChartWidget::toolTipAt(const QPoint &position) const
{
    const ChartGeometry geometry(QRectF(rect()), font(), this, m_data, m_texts);
    return ChartToolTip(m_data, m_texts, geometry.pointAt(position));
}

QSize ChartWidget::sizeHint() const
{
    const int line = fontMetrics().height();
    return QSize(static_cast<int>(HintWidth * line), static_cast<int>(HintHeight * line));
}

QSize ChartWidget::minimumSizeHint() const
{
    const int line = fontMetrics().height();
    return QSize(static_cast<int>(SmallestWidth * line), static_cast<int>(SmallestHeight * line));
}

bool ChartWidget::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QString text = toolTipAt(help->pos());
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, this);
    }
    return true;
}

void ChartWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintChart(painter, QRectF(rect()), m_data, m_texts);
    if (!ShowsFocus(this))
        return;
    DrawFocusRing(painter, QRectF(rect()), 0, palette());
    const ChartGeometry geometry(QRectF(rect()), font(), this, m_data, m_texts);
    for (const ChartSeries series : {ChartSeries{ChartKind::Battery, m_chosen.transmission, 0},
                                     ChartSeries{ChartKind::Volume, m_chosen.transmission, 0}}) {
        if (const std::optional<QPointF> at = geometry.point(series, m_chosen.item)) {
            const QPointF corner(ChosenRadius, ChosenRadius);
            DrawFocusRing(painter, QRectF(*at - corner, *at + corner), ChosenRadius, palette());
        }
    }
}

// The keyboard's way to what hovering shows; a mouse user's focus shows
// nothing until a key is pressed.
void ChartWidget::focusInEvent(QFocusEvent *event)
{
    if (m_chosen.transmission == 0)
        choose(FirstPoint(m_data));
    if (ShowsFocus(this))
        showChosen();
    QWidget::focusInEvent(event);
}

void ChartWidget::keyPressEvent(QKeyEvent *event)
{
    if (m_chosen.transmission == 0 || !ChoosingKey(event->key())) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The keys are in use: the focus and the chosen point are drawn.
    window()->setAttribute(Qt::WA_KeyboardFocusChange);
    const ChartPointRef next = Stepped(m_data, m_chosen, event->key());
    if (!(next == m_chosen))
        choose(next);
    update();
    event->accept();
}

// A tool tip goes at any key; the chosen point's comes back once the key
// that chose it, or the Tab that came here, is let go.
void ChartWidget::keyReleaseEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (!event->isAutoRepeat() &&
        (ChoosingKey(key) || key == Qt::Key_Tab || key == Qt::Key_Backtab))
        showChosen();
    QWidget::keyReleaseEvent(event);
}

// Told to screen readers at once.
void ChartWidget::choose(const ChartPointRef &point)
{
    m_chosen = point;
    update();
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

// As hovering shows it, beside the point in the battery chart.
void ChartWidget::showChosen()
{
    const QString text = chosenText();
    if (text.isEmpty() || !isVisible())
        return;
    const ChartGeometry geometry(QRectF(rect()), font(), this, m_data, m_texts);
    const std::optional<QPointF> at =
        geometry.point({ChartKind::Battery, m_chosen.transmission, 0}, m_chosen.item);
    QToolTip::showText(mapToGlobal(at ? at->toPoint() : rect().center()), text, this);
}
