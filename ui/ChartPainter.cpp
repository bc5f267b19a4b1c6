#include "ui/ChartPainter.h"

#include "common/TableLookup.h"
#include "texts/PlanningTexts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// Colours that stand out on white (contrast 4.5:1 or more); shapes and line
// styles tell the same without them. Temperatures as on the result bars:
// green for 20 °C, blue for -20 °C.
const QColor Warm(0x2e, 0x7d, 0x32);
const QColor Cold(0x15, 0x65, 0xc0);
const QColor FirstVolume(0x6a, 0x1b, 0x9a);
const QColor SecondVolume(0x00, 0x69, 0x74);
const QColor TargetColor(0xc6, 0x28, 0x28);
const QColor CurrentColor(0x42, 0x42, 0x42);
const QColor TextColor(0x21, 0x21, 0x21);
const QColor AxisColor(0x75, 0x75, 0x75);
const QColor GridColor(0xe4, 0xe4, 0xe4);
const QColor FineGridColor(0xf2, 0xf2, 0xf2);

// In lines of the font.
constexpr double MarkerRadius = 0.22;
constexpr double CurrentRingRadius = 0.45;
constexpr double LineWidth = 0.12;
constexpr double ThinWidth = 0.06;
constexpr double TickLength = 0.25;
constexpr double NameGap = 0.2;
// Decimals of the volumes a tooltip names.
constexpr int ToolTipMBDecimals = 3;

enum class Shape
{
    Circle,
    Square,
    Triangle,
    Diamond,
};

struct Style
{
    QColor color;
    Qt::PenStyle line = Qt::SolidLine;
    Shape shape = Shape::Circle;
    bool filled = true;
};

// TX1 solid with filled markers, TX2 dashed with hollow ones; in the battery
// chart each temperature has its own marker as well as its colour.
Style StyleOf(const ChartSeries &series)
{
    Style style;
    const bool first = series.transmission == 1;
    style.line = first ? Qt::SolidLine : Qt::DashLine;
    style.filled = first;
    if (series.kind == ChartKind::Volume) {
        style.color = first ? FirstVolume : SecondVolume;
        style.shape = first ? Shape::Circle : Shape::Triangle;
    } else if (series.row == 0) {
        style.color = Warm;
        style.shape = first ? Shape::Circle : Shape::Triangle;
    } else {
        style.color = Cold;
        style.shape = first ? Shape::Square : Shape::Diamond;
    }
    return style;
}

double Width(const ChartGeometry &geometry, double lines)
{
    return std::max(1.0, lines * geometry.lineHeight());
}

QPen LinePen(const ChartGeometry &geometry, const QColor &color, Qt::PenStyle style,
             double lines = LineWidth)
{
    QPen pen(color, Width(geometry, lines), style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void DrawMarker(QPainter &painter, const ChartGeometry &geometry, const Style &style,
                const QPointF &at)
{
    const double r = MarkerRadius * geometry.lineHeight();
    painter.setPen(LinePen(geometry, style.color, Qt::SolidLine, ThinWidth * 1.5));
    painter.setBrush(style.filled ? QBrush(style.color) : QBrush(Qt::white));
    switch (style.shape) {
    case Shape::Circle:
        painter.drawEllipse(at, r, r);
        break;
    case Shape::Square:
        painter.drawRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r));
        break;
    case Shape::Triangle: {
        const double s = r * 1.25;
        const QPointF corners[] = {
            {at.x(), at.y() - s}, {at.x() + s, at.y() + s * 0.8}, {at.x() - s, at.y() + s * 0.8}};
        painter.drawPolygon(corners, 3);
        break;
    }
    case Shape::Diamond: {
        const double s = r * 1.35;
        const QPointF corners[] = {
            {at.x(), at.y() - s}, {at.x() + s, at.y()}, {at.x(), at.y() + s}, {at.x() - s, at.y()}};
        painter.drawPolygon(corners, 4);
        break;
    }
    }
}

void DrawSeries(QPainter &painter, const ChartGeometry &geometry, const ChartSeries &series)
{
    const Style style = StyleOf(series);
    const ChartData::Transmission &tx =
        geometry.data().transmissions[static_cast<std::size_t>(series.transmission - 1)];
    // A point that cannot be drawn breaks the line.
    QPainterPath path;
    bool open = false;
    for (int item = 0; item < TxIntervalCount; ++item) {
        const std::optional<QPointF> p = geometry.point(series, item);
        if (!p) {
            open = false;
            continue;
        }
        if (open)
            path.lineTo(*p);
        else
            path.moveTo(*p);
        open = true;
    }
    painter.setPen(LinePen(geometry, style.color, style.line));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    for (int item = 0; item < TxIntervalCount; ++item) {
        const std::optional<QPointF> p = geometry.point(series, item);
        if (!p)
            continue;
        DrawMarker(painter, geometry, style, *p);
        if (item == tx.current) {
            const double r = CurrentRingRadius * geometry.lineHeight();
            painter.setPen(LinePen(geometry, CurrentColor, Qt::SolidLine, ThinWidth * 1.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(*p, r, r);
        }
    }
}

void DrawGrid(QPainter &painter, const ChartGeometry &geometry, const ChartPanel &chart)
{
    const QRectF &plot = chart.plot;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(LinePen(geometry, FineGridColor, Qt::SolidLine, ThinWidth));
    for (int item = 0; item < TxIntervalCount; ++item)
        painter.drawLine(QPointF(geometry.x(item), plot.top()),
                         QPointF(geometry.x(item), plot.bottom()));
    painter.setPen(LinePen(geometry, GridColor, Qt::SolidLine, ThinWidth));
    for (const double tick : chart.scale.ticks) {
        const std::optional<double> f = chart.scale.fraction(tick);
        if (f)
            painter.drawLine(QPointF(plot.left(), plot.bottom() - *f * plot.height()),
                             QPointF(plot.right(), plot.bottom() - *f * plot.height()));
    }
}

void DrawAxes(QPainter &painter, const ChartGeometry &geometry, const ChartPanel &chart)
{
    const QRectF &plot = chart.plot;
    const double lh = geometry.lineHeight();
    painter.setPen(LinePen(geometry, AxisColor, Qt::SolidLine, ThinWidth));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (int item = 0; item < TxIntervalCount; ++item)
        painter.drawLine(QPointF(geometry.x(item), plot.bottom()),
                         QPointF(geometry.x(item), plot.bottom() + TickLength * lh));

    painter.setPen(TextColor);
    // On a flat chart some value labels would overlap: those are left out.
    double free = plot.bottom() + lh;
    for (std::size_t i = 0; i < chart.scale.ticks.size(); ++i) {
        const std::optional<double> f = chart.scale.fraction(chart.scale.ticks[i]);
        if (!f)
            continue;
        const double y = plot.bottom() - *f * plot.height();
        if (y > free - lh)
            continue;
        free = y;
        const QRectF box(plot.left() - 20 * lh, y - lh / 2, 20 * lh - TickLength * lh, lh);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, chart.tickTexts[i]);
    }
    for (const ChartAxisLabel &label : chart.axisLabels) {
        painter.setFont(label.current ? geometry.boldFont() : geometry.font());
        painter.drawText(label.box, Qt::AlignCenter, label.text);
    }
    painter.setFont(geometry.font());
    if (!chart.axisTitle.isEmpty())
        painter.drawText(chart.axisTitleBox, Qt::AlignCenter, chart.axisTitle);
}

void DrawTarget(QPainter &painter, const ChartGeometry &geometry, const ChartPanel &chart)
{
    if (!(chart.target > 0))
        return;
    const std::optional<double> f = chart.scale.fraction(chart.target);
    if (!f)
        return;
    const double y = chart.plot.bottom() - *f * chart.plot.height();
    painter.setPen(LinePen(geometry, TargetColor, Qt::DashDotLine));
    painter.drawLine(QPointF(chart.plot.left(), y), QPointF(chart.plot.right(), y));
}

// A vertical line at each shown transmission's interval, named when the two differ.
void DrawCurrent(QPainter &painter, const ChartGeometry &geometry, const ChartPanel &chart)
{
    const auto &txs = geometry.data().transmissions;
    const bool differ = txs[0].shown && txs[1].shown && txs[0].current != txs[1].current;
    for (int t = 1; t <= ChartTransmissionCount; ++t) {
        const ChartData::Transmission &tx = txs[static_cast<std::size_t>(t - 1)];
        if (!tx.shown || !InRange(tx.current, TxIntervalCount))
            continue;
        const double x = geometry.x(tx.current);
        painter.setPen(LinePen(geometry, CurrentColor, Qt::DotLine));
        painter.drawLine(QPointF(x, chart.plot.top()), QPointF(x, chart.plot.bottom()));
        if (differ) {
            // Beside the line, on its left where the right has no room.
            const QString name = QString::fromStdString(TransmissionName(t));
            const double lh = geometry.lineHeight();
            const double width =
                QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(name);
            const double gap = NameGap * lh;
            const bool left = x + gap + width > chart.plot.right();
            const QRectF box(left ? x - gap - width : x + gap, chart.plot.top(), width, lh);
            painter.setPen(CurrentColor);
            painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, name);
        }
    }
}

void DrawLegend(QPainter &painter, const ChartGeometry &geometry, const ChartPanel &chart)
{
    for (const ChartLegendEntry &entry : chart.legend) {
        const QRectF &sample = entry.sample;
        const QPointF middle = sample.center();
        const QPointF left(sample.left(), middle.y());
        const QPointF right(sample.right(), middle.y());
        switch (entry.kind) {
        case ChartLegendEntry::Kind::Series: {
            const Style style = StyleOf(entry.series);
            painter.setPen(LinePen(geometry, style.color, style.line));
            painter.drawLine(left, right);
            DrawMarker(painter, geometry, style, middle);
            break;
        }
        case ChartLegendEntry::Kind::Current: {
            const double half = sample.height() * 0.4;
            painter.setPen(LinePen(geometry, CurrentColor, Qt::DotLine));
            painter.drawLine(QPointF(middle.x(), middle.y() - half),
                             QPointF(middle.x(), middle.y() + half));
            painter.setPen(LinePen(geometry, CurrentColor, Qt::SolidLine, ThinWidth * 1.5));
            painter.setBrush(Qt::NoBrush);
            const double r = CurrentRingRadius * geometry.lineHeight();
            painter.drawEllipse(middle, r, r);
            break;
        }
        case ChartLegendEntry::Kind::Target:
            painter.setPen(LinePen(geometry, TargetColor, Qt::DashDotLine));
            painter.drawLine(left, right);
            break;
        }
        painter.setPen(TextColor);
        painter.drawText(entry.textBox, Qt::AlignLeft | Qt::AlignVCenter, entry.text);
    }
}

void PaintPanel(QPainter &painter, const ChartGeometry &geometry, const ChartPanel &chart)
{
    painter.setFont(geometry.boldFont());
    painter.setPen(TextColor);
    painter.drawText(chart.titleBox, Qt::AlignLeft | Qt::AlignVCenter, chart.title);
    painter.setFont(geometry.font());
    DrawLegend(painter, geometry, chart);
    if (chart.plot.height() <= 0 || chart.plot.width() <= 0)
        return;
    DrawGrid(painter, geometry, chart);
    DrawTarget(painter, geometry, chart);
    DrawCurrent(painter, geometry, chart);
    painter.save();
    // Markers may reach a little past the frame; lines never leave it.
    const double r = CurrentRingRadius * geometry.lineHeight();
    painter.setClipRect(chart.plot.adjusted(-r, -r, r, r));
    for (const ChartSeries &series : chart.series)
        DrawSeries(painter, geometry, series);
    painter.restore();
    DrawAxes(painter, geometry, chart);
}

QString YearsLine(double years, int row, const ChartTexts &texts)
{
    const QString figure =
        std::isfinite(years)
            ? QString::fromStdString(YearsText(years, texts.german, texts.decimalSeparator))
            : QStringLiteral("-");
    return QString::fromUtf8(TemperatureTexts[static_cast<std::size_t>(row)]) +
           QStringLiteral(": ") + figure;
}

} // namespace

void paintChart(QPainter &painter, const QRectF &rect, const ChartData &data,
                const ChartTexts &texts)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(rect, Qt::white);
    painter.setClipRect(rect);
    const ChartGeometry geometry(rect, painter.font(), painter.device(), data, texts);
    PaintPanel(painter, geometry, geometry.panel(ChartKind::Battery));
    PaintPanel(painter, geometry, geometry.panel(ChartKind::Volume));
    painter.restore();
}

QColor TemperatureColor(int row)
{
    return row == 0 ? Warm : Cold;
}

QString ChartToolTip(const ChartData &data, const ChartTexts &texts, const ChartPointRef &point)
{
    if (!InRange(point.transmission - 1, ChartTransmissionCount) ||
        !InRange(point.item, TxIntervalCount))
        return QString();
    const ChartData::Transmission &tx =
        data.transmissions[static_cast<std::size_t>(point.transmission - 1)];
    const auto item = static_cast<std::size_t>(point.item);
    QStringList lines;
    lines << QString::fromStdString(ScheduleText(point.transmission, point.item, texts.german));
    for (int row = 0; row < ChartTemperatureCount; ++row)
        lines << YearsLine(tx.years[item][static_cast<std::size_t>(row)], row, texts);
    const double mb = tx.monthMB[item];
    const bool both = data.transmissions[0].shown && data.transmissions[1].shown;
    const std::string volume = std::isfinite(mb)
                                   ? MegabytesText(mb, texts.decimalSeparator, ToolTipMBDecimals)
                                   : std::string("-");
    lines << QString::fromStdString(Filled(
        Text(both ? PlanningText::PerMonthBoth : PlanningText::PerMonth, texts.german), {volume}));
    if (point.item == tx.current)
        lines << QString::fromUtf8(Text(PlanningText::CurrentInterval, texts.german));
    return lines.join(QLatin1Char('\n'));
}
