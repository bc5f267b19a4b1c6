#include "ui/FocusRing.h"

#include <QPainter>
#include <QPalette>
#include <QWidget>

#include <algorithm>

namespace {

constexpr double RingWidth = 2;
constexpr double LiningWidth = 1;

} // namespace

bool ShowsFocus(const QWidget *widget)
{
    return widget->hasFocus() && widget->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void DrawFocusRing(QPainter &painter, const QRectF &rect, double radius, const QPalette &palette)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // Each line is stroked along its middle.
    const auto stroke = [&](const QColor &color, double inset, double width) {
        painter.setPen(QPen(color, width));
        const double r = std::max(0.0, radius - inset);
        painter.drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset), r, r);
    };
    stroke(palette.color(QPalette::Highlight), RingWidth / 2, RingWidth);
    stroke(palette.color(QPalette::Base), RingWidth + LiningWidth / 2, LiningWidth);
    painter.restore();
}
