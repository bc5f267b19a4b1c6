#pragma once

#include <QAbstractButton>

// An on/off switch: a checkable button drawn as a sliding knob on a track.
// A click or Space toggles it; clicked(bool) carries the state after the
// toggle. Screen readers hear a check box.
class ToggleSwitch : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ToggleSwitch(QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
