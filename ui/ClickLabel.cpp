#include "ui/ClickLabel.h"

#include "ui/AccessibleWidgets.h"
#include "ui/FocusRing.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace {

// Room between a caption and the focus ring around it.
constexpr int RingPadding = 4;

} // namespace

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    InstallAccessibleWidgets();
}

void ClickLabel::click()
{
    if (isEnabled())
        emit clicked();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        // A key held down acts once.
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    if (!ShowsFocus(this)) {
        QLabel::paintEvent(event);
        return;
    }
    // A caption is drawn over its ring, which may reach under its first
    // letter; a picture would hide the ring, so that goes on top of it.
    const bool caption = !text().isEmpty();
    if (!caption)
        QLabel::paintEvent(event);
    {
        QPainter painter(this);
        DrawFocusRing(painter, focusRect(), 2, palette());
    }
    if (caption)
        QLabel::paintEvent(event);
}

// Around a one-line caption, its full height; around the whole of a picture
// or of a caption that wraps.
QRectF ClickLabel::focusRect() const
{
    if (text().isEmpty() || wordWrap())
        return rect();
    const QRect caption =
        style()->itemTextRect(fontMetrics(), contentsRect(), int(alignment()), isEnabled(), text());
    return QRect(caption.left() - RingPadding, 0, caption.width() + 2 * RingPadding, height())
        .intersected(rect());
}
