#include "ui/ToggleSwitch.h"

#include "ui/AccessibleWidgets.h"
#include "ui/FocusRing.h"

#include <QPainter>

namespace {

constexpr int TrackWidth = 36;
constexpr int TrackHeight = 18;
constexpr int KnobMargin = 2;
const QColor OnColor(0x41, 0x69, 0xe1);
const QColor OffColor(0xbd, 0xbd, 0xbd);

} // namespace

ToggleSwitch::ToggleSwitch(QWidget *parent) : QAbstractButton(parent)
{
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    // As a check box: reached by Tab and by a click, toggled by Space.
    setFocusPolicy(Qt::StrongFocus);
    InstallAccessibleWidgets();
}

QSize ToggleSwitch::sizeHint() const
{
    return {TrackWidth + 2, TrackHeight + 2};
}

void ToggleSwitch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF track(1, (height() - TrackHeight) / 2.0, TrackWidth, TrackHeight);
    QColor trackColor = isChecked() ? OnColor : OffColor;
    if (!isEnabled())
        trackColor = trackColor.lighter(150);
    painter.setPen(Qt::NoPen);
    painter.setBrush(trackColor);
    painter.drawRoundedRect(track, TrackHeight / 2.0, TrackHeight / 2.0);

    const qreal knobSize = TrackHeight - 2 * KnobMargin;
    const qreal knobX =
        isChecked() ? track.right() - KnobMargin - knobSize : track.left() + KnobMargin;
    painter.setBrush(isEnabled() ? QColor(Qt::white) : QColor(0xf0, 0xf0, 0xf0));
    painter.drawEllipse(QRectF(knobX, track.top() + KnobMargin, knobSize, knobSize));

    // Over the track's edge, where the switch has room for it.
    if (ShowsFocus(this))
        DrawFocusRing(painter, track.adjusted(-1, -1, 1, 1), TrackHeight / 2.0 + 1, palette());
}
