#pragma once

class QPainter;
class QPalette;
class QRectF;
class QWidget;

// Whether widget shows that it has the keyboard focus. Like the style's own
// controls, it does so once the keyboard has moved the focus in its window,
// so that a mouse click leaves no ring behind.
bool ShowsFocus(const QWidget *widget);

// The focus drawn by our own widgets: a ring just inside rect, in the
// palette's highlight colour with a line of its base colour inside it, so
// that it stands out on whatever it surrounds and follows a high-contrast
// palette.
void DrawFocusRing(QPainter &painter, const QRectF &rect, double radius, const QPalette &palette);
