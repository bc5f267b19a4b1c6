#pragma once

#include "ui/ChartData.h"

#include <QWidget>

// The planning chart on screen: battery life and monthly volume over the
// transmission intervals. Hovering a point shows its figures.
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

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    ChartData m_data;
    ChartTexts m_texts;
};
