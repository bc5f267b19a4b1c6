#pragma once

#include "ui/ChartData.h"

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

class QPaintDevice;

// Where everything of the planning chart goes in a rectangle: the battery
// chart above, the volume chart below, both over the same logarithmic time
// axis. Painting and hovering share it, so a tooltip names the point drawn
// under the pointer. Sizes follow the font, so a printer draws the same.

enum class ChartKind
{
    Battery,
    Volume,
};

// One line: a transmission's years at one temperature, or its month's volume.
struct ChartSeries
{
    ChartKind kind = ChartKind::Battery;
    int transmission = 1;
    int row = 0; // temperature row; 0 in the volume chart
};

struct ChartPointRef
{
    int transmission = 0; // 0: no point
    int item = NoItem;

    bool operator==(const ChartPointRef &other) const
    {
        return transmission == other.transmission && item == other.item;
    }
};

// Years run linearly from 0, volumes logarithmically over whole decades.
struct ChartScale
{
    double low = 0;
    double high = 1;
    bool logarithmic = false;
    std::vector<double> ticks;

    // 0 at low, 1 at high; none for a value the axis cannot show.
    std::optional<double> fraction(double value) const;
};

struct ChartLegendEntry
{
    enum class Kind
    {
        Series,
        Current,
        Target,
    };
    Kind kind = Kind::Series;
    ChartSeries series;
    QString text;
    QRectF sample;
    QRectF textBox;
};

struct ChartAxisLabel
{
    int item = NoItem;
    QString text;
    QRectF box;
    bool current = false; // in bold: an interval a transmission has now
};

struct ChartPanel
{
    ChartKind kind = ChartKind::Battery;
    QString title;
    QRectF titleBox;
    QRectF plot;
    ChartScale scale;
    std::vector<QString> tickTexts; // one per scale tick
    std::vector<ChartSeries> series;
    std::vector<ChartLegendEntry> legend;
    // Interval labels that fit beside each other.
    std::vector<ChartAxisLabel> axisLabels;
    QString axisTitle; // under the lower chart only
    QRectF axisTitleBox;
    double target = 0; // in the chart's unit; not above 0: none
};

class ChartGeometry
{
public:
    ChartGeometry(const QRectF &rect, const QFont &font, const QPaintDevice *device,
                  const ChartData &data, const ChartTexts &texts);

    const ChartData &data() const { return m_data; }
    const QFont &font() const { return m_font; }
    // Titles and the current intervals' labels.
    const QFont &boldFont() const { return m_boldFont; }
    double lineHeight() const { return m_lineHeight; }
    const ChartPanel &panel(ChartKind kind) const;

    double x(int item) const;
    // The value of the series at the item in the chart's unit.
    double value(const ChartSeries &series, int item) const;
    // None where the value cannot be drawn (not finite, not above 0 on a
    // logarithmic axis).
    std::optional<QPointF> point(const ChartSeries &series, int item) const;
    // The point nearest to position within reach of a pointer.
    ChartPointRef pointAt(const QPointF &position) const;

private:
    void layOutPanel(ChartPanel &panel, const QRectF &bounds, bool axisTitle,
                     const ChartTexts &texts) const;
    void layOutLegend(ChartPanel &panel, const ChartTexts &texts, double top) const;
    void layOutAxisLabels(ChartPanel &panel) const;

    ChartData m_data;
    QFont m_font;
    QFont m_boldFont;
    const QPaintDevice *m_device;
    double m_lineHeight;
    double m_plotLeft = 0;
    double m_plotRight = 0;
    ChartPanel m_battery;
    ChartPanel m_volume;
};
