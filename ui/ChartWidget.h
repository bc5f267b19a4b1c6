#pragma once

#include "ui/ChartData.h"
#include "ui/ChartGeometry.h"

#include <QWidget>

// The planning chart on screen: battery life and monthly volume over the
// transmission intervals. Hovering a point shows its figures; so does the
// keyboard: Left and Right choose the interval, Home and End the first and
// the last, Up and Down the transmission. Screen readers hear a chart with
// the chosen point's figures as its description.
class ChartWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ChartWidget(QWidget *parent = nullptr);

    void setData(const ChartData &data);
    void setTexts(const ChartTexts &texts);
    const ChartData &data() const { return m_data; }
    const ChartTexts &texts() const { return m_texts; }

    // What hovering there shows; empty away from every point.
    QString toolTipAt(const QPoint &position) const;
    // The point the keyboard chose, and its figures; none until the chart
    // first has the focus.
    ChartPointRef chosen() const { return m_chosen; }
    QString chosenText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void choose(const ChartPointRef &point);
    void showChosen();

    ChartData m_data;
    ChartTexts m_texts;
    ChartPointRef m_chosen;
};
