#include "ui/Expander.h"

#include "ui/AccessibleWidgets.h"
#include "ui/FocusRing.h"

#include <QAccessible>
#include <QKeyEvent>
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

// The frame round an open panel's content; its top line is the header's
// bottom one, drawn again.
QRect ContentFrame(const Expander *panel)
{
    return {0, Expander::HeaderHeight - 1, panel->width() - 1,
            panel->height() - Expander::HeaderHeight};
}

QFont HeaderFont(QFont font, bool bold)
{
    font.setPixelSize(HeaderFontPixels);
    font.setBold(bold);
    return font;
}

} // namespace

Expander::Expander(QWidget *parent) : QWidget(parent), header_(new ExpanderHeader(this))
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFocusProxy(header_);
    connect(header_, &QAbstractButton::clicked, this, &Expander::headerClicked);
    applyState();
}

QString Expander::text() const
{
    return header_->text();
}

void Expander::setText(const QString &text)
{
    header_->setText(text);
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void Expander::setExpanded(bool expanded)
{
    if (expanded_ == expanded)
        return;
    expanded_ = expanded;
    applyState();
    QAccessible::State changed;
    changed.expanded = true;
    changed.collapsed = true;
    QAccessibleStateChangeEvent event(header_, changed);
    QAccessible::updateAccessibility(&event);
    emit expandedChanged(expanded_);
}

void Expander::setHeaderBold(bool bold)
{
    headerBold_ = bold;
    header_->update();
}

void Expander::setContentHeight(int height)
{
    contentHeight_ = height;
    applyState();
}

QAbstractButton *Expander::header() const
{
    return header_;
}

QSize Expander::sizeHint() const
{
    return {width(), HeaderHeight + (expanded_ ? contentHeight_ : 0)};
}

QSize Expander::minimumSizeHint() const
{
    const int caption = QFontMetrics(HeaderFont(font(), true)).horizontalAdvance(text());
    return {TextIndent + caption + BorderWidth, HeaderHeight};
}

void Expander::applyState()
{
    // Hidden rather than clipped, so that the keyboard cannot reach them.
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child != header_)
            child->setVisible(expanded_);
    }
    setFixedHeight(sizeHint().height());
    header_->update();
    update();
}

void Expander::paintEvent(QPaintEvent *)
{
    if (!expanded_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The header draws the rest, over its own line.
    painter.setClipRect(0, HeaderHeight, width(), height() - HeaderHeight);
    painter.setPen(BorderColor);
    painter.drawRect(ContentFrame(this));
}

// A click sent to the panel itself on its header line, as tests send it,
// counts as one on the header. One the header let go of, its press drawn
// off the header, lands outside that line.
void Expander::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && rect().contains(at) && at.y() < HeaderHeight)
        header_->click();
    QWidget::mouseReleaseEvent(event);
}

void Expander::resizeEvent(QResizeEvent *event)
{
    header_->setGeometry(0, 0, width(), HeaderHeight);
    QWidget::resizeEvent(event);
}

ExpanderHeader::ExpanderHeader(Expander *panel) : QAbstractButton(panel), panel_(panel)
{
    setFocusPolicy(Qt::StrongFocus);
    InstallAccessibleWidgets();
}

void ExpanderHeader::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect header(0, 0, width() - 1, height() - 1);
    painter.setPen(BorderColor);
    painter.setBrush(HeaderColor);
    painter.drawRect(header);
    const bool expanded = panel_->isExpanded();
    if (expanded) {
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(ContentFrame(panel_));
    }

    const qreal cx = 8 + ArrowSize / 2.0;
    const qreal cy = height() / 2.0;
    QPainterPath arrow;
    if (expanded) {
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

    painter.setFont(HeaderFont(font(), panel_->isHeaderBold()));
    painter.setPen(palette().windowText().color());
    painter.drawText(header.adjusted(TextIndent, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     text());

    if (ShowsFocus(this))
        DrawFocusRing(painter, rect(), 0, palette());
}

// Space works as on any button; Enter and Return as well, as on a link.
void ExpanderHeader::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
