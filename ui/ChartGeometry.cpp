#include "ui/ChartGeometry.h"

#include "common/NumberFormat.h"
#include "common/TableLookup.h"
#include "texts/ItemTexts.h"
#include "texts/PlanningTexts.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Spacing in lines of the font.
constexpr double Margin = 0.6;
constexpr double TopMargin = 0.3;
constexpr double TitleHeight = 1.3;
constexpr double RowHeight = 1.2;
constexpr double LegendSample = 2.2;
constexpr double LegendGap = 0.4;
constexpr double LegendSpacing = 1.0;
constexpr double TickGap = 0.35;
constexpr double LabelGap = 0.5;
constexpr double PointerReach = 0.6;
// Room left and right of the first and last interval, as a share of the axis.
constexpr double AxisPadding = 0.04;

// About this many value ticks; volumes over many decades label fewer.
constexpr double ValueTicks = 5;
constexpr double MaxDecadeLabels = 6;
constexpr double FineDecades = 2;
// Decades a double can reach with room to spare.
constexpr double LowestDecade = -300;
constexpr double HighestDecade = 300;
// Numbers beyond these read better in exponent form.
constexpr double LargestPlain = 1e7;
constexpr double SmallestPlain = 1e-4;

double AxisStart()
{
    return std::log10(TXIntervalSeconds.front());
}

double AxisSpan()
{
    return std::log10(TXIntervalSeconds.back()) - AxisStart();
}

QString AxisNumber(double value, int decimals, char separator)
{
    const double magnitude = std::abs(value);
    if (value != 0 && (magnitude >= LargestPlain || magnitude < SmallestPlain))
        return QString::number(value, 'g', 3).replace(QLatin1Char('.'), QLatin1Char(separator));
    return QString::fromStdString(FormatFloatPattern(value, 0, decimals, separator));
}

ChartScale LinearScale(double top)
{
    ChartScale scale;
    if (!(std::isfinite(top) && top > 0))
        top = 1;
    const double raw = top / ValueTicks;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double normal = raw / magnitude;
    double step = (normal <= 1 ? 1 : normal <= 2 ? 2 : normal <= 5 ? 5 : 10) * magnitude;
    if (!(std::isfinite(step) && step > 0))
        step = top;
    double high = std::ceil(top / step) * step;
    // Room above the highest point, so that it does not sit on the frame.
    if (high <= top)
        high += step;
    if (!std::isfinite(high))
        high = top;
    scale.high = high;
    for (int i = 0; i * step <= high * (1 + 1e-9) && i <= 2 * ValueTicks + 2; ++i)
        scale.ticks.push_back(i * step);
    return scale;
}

ChartScale DecadeScale(double lowest, double highest)
{
    ChartScale scale;
    scale.logarithmic = true;
    double low = -1;
    double high = 1;
    if (lowest <= highest) {
        low = std::clamp(std::floor(std::log10(lowest)), LowestDecade, HighestDecade - 1);
        high = std::clamp(std::ceil(std::log10(highest)), low + 1, HighestDecade);
    }
    const double step = std::max(1.0, std::ceil((high - low) / MaxDecadeLabels));
    high = low + std::ceil((high - low) / step) * step;
    scale.low = std::pow(10.0, low);
    scale.high = std::pow(10.0, high);
    // Over a decade or two, 2 and 5 of each decade are named as well.
    const bool fine = high - low <= FineDecades;
    for (double decade = low; decade <= high; decade += step) {
        const double base = std::pow(10.0, decade);
        scale.ticks.push_back(base);
        if (fine && decade < high) {
            scale.ticks.push_back(2 * base);
            scale.ticks.push_back(5 * base);
        }
    }
    return scale;
}

int Decimals(double step)
{
    return std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
}

std::vector<QString> TickTexts(const ChartScale &scale, char separator)
{
    std::vector<QString> texts;
    const double step = scale.ticks.size() > 1 ? scale.ticks[1] - scale.ticks[0] : 1;
    for (const double tick : scale.ticks)
        texts.push_back(
            AxisNumber(tick, scale.logarithmic ? Decimals(tick) : Decimals(step), separator));
    return texts;
}

// A target is drawn when it is a number above 0.
double DrawnTarget(double target)
{
    return std::isfinite(target) && target > 0 ? target : 0;
}

QString Q(const std::string &text)
{
    return QString::fromStdString(text);
}

// "Target: 5 years", "Data plan: 50 MB"; beyond plain numbers in exponent form.
QString TargetText(const ChartPanel &chart, const ChartTexts &texts)
{
    const double target = chart.target;
    const bool plain = target >= SmallestPlain && target < LargestPlain;
    const std::string number =
        AxisNumber(target, TargetDecimals, texts.decimalSeparator).toStdString();
    if (chart.kind == ChartKind::Battery)
        return Q(Filled(Text(PlanningText::TargetLine, texts.german),
                        {plain ? YearsText(target, texts.german, texts.decimalSeparator)
                               : Filled(Text(PlanningText::Years, texts.german), {number})}));
    return Q(Filled(Text(PlanningText::DataPlanLine, texts.german),
                    {plain ? MegabytesText(target, texts.decimalSeparator)
                           : Filled(Text(PlanningText::Megabytes, texts.german), {number})}));
}

} // namespace

std::optional<double> ChartScale::fraction(double value) const
{
    if (!std::isfinite(value))
        return std::nullopt;
    double f = 0;
    if (logarithmic) {
        if (value <= 0)
            return std::nullopt;
        f = (std::log10(value) - std::log10(low)) / (std::log10(high) - std::log10(low));
    } else {
        f = (value - low) / (high - low);
    }
    if (!(f >= -1e-9 && f <= 1 + 1e-9))
        return std::nullopt;
    return f;
}

ChartGeometry::ChartGeometry(const QRectF &rect, const QFont &font, const QPaintDevice *device,
                             const ChartData &data, const ChartTexts &texts)
    : m_data(data), m_font(font), m_boldFont(font), m_device(device)
{
    m_boldFont.setBold(true);
    const QFontMetricsF metrics(m_font, m_device);
    m_lineHeight = metrics.height();
    const double lh = m_lineHeight;

    m_battery.kind = ChartKind::Battery;
    m_volume.kind = ChartKind::Volume;
    m_battery.title = QString::fromUtf8(Text(PlanningText::BatteryChartTitle, texts.german));
    m_volume.title = QString::fromUtf8(Text(PlanningText::VolumeChartTitle, texts.german));
    m_battery.target = DrawnTarget(data.targetYears);
    m_volume.target = DrawnTarget(data.dataPlanMB);

    double topYears = m_battery.target;
    double lowestMB = m_volume.target > 0 ? m_volume.target : std::numeric_limits<double>::max();
    double highestMB = m_volume.target;
    for (int t = 1; t <= ChartTransmissionCount; ++t) {
        const ChartData::Transmission &tx = data.transmissions[static_cast<std::size_t>(t - 1)];
        if (!tx.shown)
            continue;
        for (int row = 0; row < ChartTemperatureCount; ++row)
            m_battery.series.push_back({ChartKind::Battery, t, row});
        m_volume.series.push_back({ChartKind::Volume, t, 0});
        for (int item = 0; item < TxIntervalCount; ++item) {
            const auto i = static_cast<std::size_t>(item);
            for (const double years : tx.years[i]) {
                if (std::isfinite(years))
                    topYears = std::max(topYears, years);
            }
            const double mb = tx.monthMB[i];
            if (std::isfinite(mb) && mb > 0) {
                lowestMB = std::min(lowestMB, mb);
                highestMB = std::max(highestMB, mb);
            }
        }
    }
    m_battery.scale = LinearScale(topYears);
    m_volume.scale = DecadeScale(lowestMB, highestMB);
    m_battery.tickTexts = TickTexts(m_battery.scale, texts.decimalSeparator);
    m_volume.tickTexts = TickTexts(m_volume.scale, texts.decimalSeparator);

    // Both charts share the left edge, so their time axes line up.
    double widest = 0;
    for (const ChartPanel *panel : {&m_battery, &m_volume}) {
        for (const QString &text : panel->tickTexts)
            widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    m_plotLeft = rect.left() + Margin * lh + widest + TickGap * lh;
    m_plotRight = std::max(m_plotLeft, rect.right() - Margin * lh * 2);

    const double half = std::max(0.0, (rect.height() - Margin * lh) / 2);
    layOutPanel(m_battery, QRectF(rect.left(), rect.top(), rect.width(), half), false, texts);
    layOutPanel(m_volume, QRectF(rect.left(), rect.bottom() - half, rect.width(), half), true,
                texts);
}

const ChartPanel &ChartGeometry::panel(ChartKind kind) const
{
    return kind == ChartKind::Battery ? m_battery : m_volume;
}

double ChartGeometry::x(int item) const
{
    if (!InTable(TXIntervalSeconds, item))
        return m_plotLeft;
    const double padded = AxisSpan() * (1 + 2 * AxisPadding);
    const double at = std::log10(TXIntervalSeconds[static_cast<std::size_t>(item)]) - AxisStart() +
                      AxisSpan() * AxisPadding;
    return m_plotLeft + at / padded * (m_plotRight - m_plotLeft);
}

double ChartGeometry::value(const ChartSeries &series, int item) const
{
    const ChartData::Transmission &tx =
        m_data.transmissions[static_cast<std::size_t>(series.transmission - 1)];
    const auto i = static_cast<std::size_t>(item);
    if (series.kind == ChartKind::Volume)
        return tx.monthMB[i];
    return tx.years[i][static_cast<std::size_t>(series.row)];
}

std::optional<QPointF> ChartGeometry::point(const ChartSeries &series, int item) const
{
    if (!InRange(series.transmission - 1, ChartTransmissionCount) ||
        !InRange(item, TxIntervalCount))
        return std::nullopt;
    const ChartPanel &chart = panel(series.kind);
    const std::optional<double> f = chart.scale.fraction(value(series, item));
    if (!f)
        return std::nullopt;
    return QPointF(x(item), chart.plot.bottom() - *f * chart.plot.height());
}

ChartPointRef ChartGeometry::pointAt(const QPointF &position) const
{
    ChartPointRef nearest;
    double reach = PointerReach * m_lineHeight;
    for (const ChartPanel *chart : {&m_battery, &m_volume}) {
        for (const ChartSeries &series : chart->series) {
            for (int item = 0; item < TxIntervalCount; ++item) {
                const std::optional<QPointF> p = point(series, item);
                if (!p)
                    continue;
                const double distance = std::hypot(p->x() - position.x(), p->y() - position.y());
                if (distance <= reach) {
                    reach = distance;
                    nearest = {series.transmission, item};
                }
            }
        }
    }
    return nearest;
}

void ChartGeometry::layOutPanel(ChartPanel &chart, const QRectF &bounds, bool axisTitle,
                                const ChartTexts &texts) const
{
    const double lh = m_lineHeight;
    chart.titleBox = QRectF(m_plotLeft, bounds.top() + TopMargin * lh, bounds.right() - m_plotLeft,
                            TitleHeight * lh);
    layOutLegend(chart, texts, chart.titleBox.bottom());
    const double legendBottom =
        chart.legend.empty() ? chart.titleBox.bottom() : chart.legend.back().textBox.bottom();
    const double below = TickGap * lh + RowHeight * lh + (axisTitle ? RowHeight * lh : 0);
    const double top = legendBottom + LabelGap * lh;
    const double bottom = std::max(top, bounds.bottom() - below);
    chart.plot = QRectF(QPointF(m_plotLeft, top), QPointF(m_plotRight, bottom));
    layOutAxisLabels(chart);
    if (axisTitle) {
        const bool both = m_data.transmissions[0].shown && m_data.transmissions[1].shown;
        chart.axisTitle = QString::fromUtf8(
            Text(both ? PlanningText::IntervalAxisTitleBoth : PlanningText::IntervalAxisTitle,
                 texts.german));
        chart.axisTitleBox = QRectF(m_plotLeft, bottom + TickGap * lh + RowHeight * lh,
                                    m_plotRight - m_plotLeft, RowHeight * lh);
    }
}

void ChartGeometry::layOutLegend(ChartPanel &chart, const ChartTexts &texts, double top) const
{
    const double lh = m_lineHeight;
    for (const ChartSeries &series : chart.series) {
        ChartLegendEntry entry;
        entry.series = series;
        const std::string name = TransmissionName(series.transmission);
        entry.text =
            series.kind == ChartKind::Volume
                ? Q(name)
                : Q(Filled(Text(PlanningText::SeriesAtTemperature, texts.german),
                           {name, TemperatureTexts[static_cast<std::size_t>(series.row)]}));
        chart.legend.push_back(entry);
    }
    const bool current = std::any_of(m_data.transmissions.begin(), m_data.transmissions.end(),
                                     [](const ChartData::Transmission &tx) {
                                         return tx.shown && InRange(tx.current, TxIntervalCount);
                                     });
    if (current) {
        ChartLegendEntry entry;
        entry.kind = ChartLegendEntry::Kind::Current;
        entry.text = QString::fromUtf8(Text(PlanningText::CurrentInterval, texts.german));
        chart.legend.push_back(entry);
    }
    if (chart.target > 0) {
        ChartLegendEntry entry;
        entry.kind = ChartLegendEntry::Kind::Target;
        entry.text = TargetText(chart, texts);
        chart.legend.push_back(entry);
    }

    // Entries run left to right and wrap at the plot's right edge.
    const QFontMetricsF metrics(m_font, m_device);
    double x = m_plotLeft;
    double y = top;
    for (ChartLegendEntry &entry : chart.legend) {
        const double width =
            LegendSample * lh + LegendGap * lh + metrics.horizontalAdvance(entry.text);
        if (x > m_plotLeft && x + width > m_plotRight) {
            x = m_plotLeft;
            y += RowHeight * lh;
        }
        entry.sample = QRectF(x, y, LegendSample * lh, RowHeight * lh);
        entry.textBox = QRectF(entry.sample.right() + LegendGap * lh, y,
                               metrics.horizontalAdvance(entry.text), RowHeight * lh);
        x = entry.textBox.right() + LegendSpacing * lh;
    }
}

void ChartGeometry::layOutAxisLabels(ChartPanel &chart) const
{
    const QFontMetricsF metrics(m_font, m_device);
    const QFontMetricsF boldMetrics(m_boldFont, m_device);
    const double lh = m_lineHeight;
    const double gap = LabelGap * lh;
    const double top = chart.plot.bottom() + TickGap * lh;
    const double leftmost = m_plotLeft - Margin * lh;
    const double rightmost = m_plotRight + Margin * lh * 2;

    // The current intervals first, then both ends, then whatever fits between.
    std::vector<int> order;
    for (const ChartData::Transmission &tx : m_data.transmissions) {
        if (tx.shown && InRange(tx.current, TxIntervalCount))
            order.push_back(tx.current);
    }
    const std::vector<int> currents = order;
    const auto isCurrent = [&](int item) {
        return std::find(currents.begin(), currents.end(), item) != currents.end();
    };
    order.push_back(0);
    order.push_back(TxIntervalCount - 1);
    for (int item = 1; item < TxIntervalCount - 1; ++item)
        order.push_back(item);

    for (const int item : order) {
        const auto placed = [&](const ChartAxisLabel &label) { return label.item == item; };
        if (std::any_of(chart.axisLabels.begin(), chart.axisLabels.end(), placed))
            continue;
        const QString text = QString::fromLatin1(TXIntervalItems[static_cast<std::size_t>(item)]);
        const bool current = isCurrent(item);
        const double width = (current ? boldMetrics : metrics).horizontalAdvance(text);
        double left =
            std::clamp(x(item) - width / 2, leftmost, std::max(leftmost, rightmost - width));
        const QRectF box(left, top, width, RowHeight * lh);
        const auto overlaps = [&](const ChartAxisLabel &label) {
            return box.left() < label.box.right() + gap && label.box.left() < box.right() + gap;
        };
        if (std::none_of(chart.axisLabels.begin(), chart.axisLabels.end(), overlaps))
            chart.axisLabels.push_back({item, text, box, current});
    }
    std::sort(chart.axisLabels.begin(), chart.axisLabels.end(),
              [](const ChartAxisLabel &a, const ChartAxisLabel &b) { return a.item < b.item; });
}
