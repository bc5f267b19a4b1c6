#include "ui/Expander.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int HeaderFontPixels = 16;
constexpr int ArrowSize = 8;
constexpr int TextIndent = 26;
constexpr int BorderWidth = 1;
const QColor HeaderColor(0xe8, 0xee, 0xfb);
const QColor BorderColor(0xc0, 0xc8, 0xd8);

} // namespace

Expander::Expander(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    applyState();
}

void Expander::setText(const QString &text)
{
    text_ = text;
    update();
}

void Expander::setExpanded(bool expanded)
{
    if (expanded_ == expanded)
        return;
    expanded_ = expanded;
    applyState();
    emit expandedChanged(expanded_);
}

void Expander::setHeaderBold(bool bold)
{
    headerBold_ = bold;
    update();
}

void Expander::setContentHeight(int height)
{
    contentHeight_ = height;
    applyState();
}

QSize Expander::sizeHint() const
{
    return {width(), HeaderHeight + (expanded_ ? contentHeight_ : 0)};
}

QFont Expander::headerFont(bool bold) const
{
    QFont header = font();
    header.setPixelSize(HeaderFontPixels);
    header.setBold(bold);
    return header;
}

QSize Expander::minimumSizeHint() const
{
    const int caption = QFontMetrics(headerFont(true)).horizontalAdvance(text_);
    return {TextIndent + caption + BorderWidth, HeaderHeight};
}

void Expander::applyState()
{
    // Hidden rather than clipped, so that the keyboard cannot reach them.
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        child->setVisible(expanded_);
    setFixedHeight(sizeHint().height());
    update();
}

void Expander::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect header(0, 0, width() - 1, HeaderHeight - 1);
    painter.setPen(BorderColor);
    painter.setBrush(HeaderColor);
    painter.drawRect(header);
    if (expanded_) {
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(0, HeaderHeight - 1, width() - 1, height() - HeaderHeight));
    }

    const qreal cx = 8 + ArrowSize / 2.0;
    const qreal cy = HeaderHeight / 2.0;
    QPainterPath arrow;
    if (expanded_) {
        arrow.moveTo(cx - ArrowSize / 2.0, cy - ArrowSize / 4.0);
        arrow.lineTo(cx + ArrowSize / 2.0, cy - ArrowSize / 4.0);
        arrow.lineTo(cx, cy + ArrowSize / 2.0);
    } else {
        arrow.moveTo(cx - ArrowSize / 4.0, cy - ArrowSize / 2.0);
        arrow.lineTo(cx + ArrowSize / 2.0, cy);
        arrow.lineTo(cx - ArrowSize / 4.0, cy + ArrowSize / 2.0);
    }
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().windowText());
    painter.drawPath(arrow);

    painter.setFont(headerFont(headerBold_));
    painter.setPen(palette().windowText().color());
    painter.drawText(header.adjusted(TextIndent, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text_);
}

void Expander::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && event->position().y() < HeaderHeight)
        emit headerClicked();
    QWidget::mouseReleaseEvent(event);
}
