#include "ui/ChartWidget.h"

#include "ui/ChartGeometry.h"
#include "ui/ChartPainter.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// In lines of the font: room for both charts with their legends.
constexpr double HintWidth = 44;
constexpr double HintHeight = 34;
constexpr double SmallestWidth = 24;
constexpr double SmallestHeight = 22;

} // namespace

ChartWidget::ChartWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartWidget::setData(const ChartData &data)
{
    m_data = data;
    update();
}

void ChartWidget::setTexts(const ChartTexts &texts)
{
    m_texts = texts;
    update();
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
}
