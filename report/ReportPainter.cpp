#include "report/ReportPainter.h"

#include "estimators/PlanningChart.h"
#include "report/ReportContent.h"
#include "texts/ReportTexts.h"
#include "ui/ChartPainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <functional>
#include <limits>
#include <numeric>

namespace {

// The page in millimetres.
constexpr double PageWidth = 210;
constexpr double PageHeight = 297;
constexpr double MmPerInch = 25.4;
constexpr double SideMargin = 14;
constexpr double TopMargin = 12;
constexpr double BottomMargin = 11;
constexpr double ColumnGap = 8;
constexpr double SectionGap = 4.5;
constexpr double TableGap = 3.4;
constexpr double TitleGap = 0.8;
constexpr double CellPadX = 1.2;
constexpr double CellPadY = 0.5;
constexpr double BarHeight = 2.3;
constexpr double BarGap = 0.6;
constexpr double HeavyRule = 0.45;
constexpr double Rule = 0.2;
constexpr double FineRule = 0.12;
constexpr double BulletIndent = 3;
// The chart takes what the page leaves, within these bounds.
constexpr double ChartMinHeight = 58;
constexpr double ChartMaxHeight = 112;

// Font sizes in points at full size.
constexpr double TitleSize = 15;
constexpr double StationSize = 10.5;
constexpr double SectionSize = 9.5;
constexpr double TableTitleSize = 7.8;
constexpr double BodySize = 7.4;
constexpr double HeadingSize = 6.6;
constexpr double SmallSize = 6.2;
constexpr double ChartSize = 6.3;

// Sizes tried, largest first, until everything fits on the page: names of
// the longest length and every target answer take more room.
constexpr std::array<double, 8> Scales = {1.0, 0.94, 0.88, 0.82, 0.76, 0.7, 0.64, 0.58};

// Lines a cell, the station ID and the names may take; the rest is elided.
// A label may take more than a figure.
constexpr int LabelLines = 3;
constexpr int CellLines = 2;
constexpr int StationLines = 1;
constexpr int NameLines = 2;

const char *const FontFamily = "DejaVu Sans";
const char *const NameSeparator = "   \u00b7   ";
const char *const Bullet = "o  ";

const QColor Ink(0x21, 0x21, 0x21);
const QColor Muted(0x8a, 0x8a, 0x8a);
const QColor Accent(0x1f, 0x3f, 0x9f);
const QColor RuleColor(0xb0, 0xb0, 0xb0);
const QColor FineRuleColor(0xe2, 0xe2, 0xe2);
const QColor HeadingFill(0xee, 0xf1, 0xf7);
const QColor BarBackground(0xf2, 0xf2, 0xf2);
const QColor BarFrame(0xc0, 0xc0, 0xc0);

// Fixed column widths in mm after the first column, which takes the rest.
const std::vector<double> MeasurementWidths = {15.5, 15.5, 9, 9};
const std::vector<double> TransmissionWidths = {21, 21};
const std::vector<double> DeviceWidths = {32};
const std::vector<double> BatteryWidths = {16, 13};
const std::vector<double> ChargeWidths = {22};
const std::vector<double> VolumeWidths = {19, 19, 19};
const std::vector<double> TargetWidths = {15, 17, 21};

QString Q(const std::string &text)
{
    return QString::fromStdString(text);
}

struct Fonts
{
    QFont title, station, stationBold, section, tableTitle, body, bodyBold, heading, small,
        smallBold, chart;
};

// Draws, or only measures, in millimetres of the page.
class Canvas
{
public:
    Canvas(QPainter &painter, const QRectF &page, double scale, bool paint)
        : m_painter(painter), m_paint(paint), m_scale(scale)
    {
        m_mm = std::min(page.width() / PageWidth, page.height() / PageHeight);
        m_origin = QPointF(page.left() + (page.width() - PageWidth * m_mm) / 2,
                           page.top() + (page.height() - PageHeight * m_mm) / 2);
        // Point sizes as on paper, whatever the device's resolution.
        const QPaintDevice *device = painter.device();
        m_fontScale = scale * m_mm * MmPerInch / device->logicalDpiY();
        fonts.title = font(TitleSize, true);
        fonts.station = font(StationSize, false);
        fonts.stationBold = font(StationSize, true);
        fonts.section = font(SectionSize, true);
        fonts.tableTitle = font(TableTitleSize, true);
        fonts.body = font(BodySize, false);
        fonts.bodyBold = font(BodySize, true);
        fonts.heading = font(HeadingSize, true);
        fonts.small = font(SmallSize, false);
        fonts.smallBold = font(SmallSize, true);
        fonts.chart = font(ChartSize, false);
    }

    Fonts fonts;

    bool painting() const { return m_paint; }
    // Gives the former state.
    bool setPainting(bool paint)
    {
        const bool was = m_paint;
        m_paint = paint;
        return was;
    }
    double scale() const { return m_scale; }
    QPainter &painter() { return m_painter; }

    // In mm.
    double lineHeight(const QFont &font) const
    {
        return QFontMetricsF(font, m_painter.device()).height() / m_mm;
    }
    double width(const QString &text, const QFont &font) const
    {
        return QFontMetricsF(font, m_painter.device()).horizontalAdvance(text) / m_mm;
    }

    QRectF rect(double x, double y, double w, double h) const
    {
        return QRectF(m_origin.x() + x * m_mm, m_origin.y() + y * m_mm, w * m_mm, h * m_mm);
    }

    // The text in lines of at most width mm, broken between words (or
    // within a word longer than a line); what does not fit into maxLines
    // ends in an ellipsis.
    QStringList wrap(const QString &text, const QFont &font, double width, int maxLines) const
    {
        const double limit = width * m_mm;
        QTextLayout layout(text, font, m_painter.device());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        std::vector<int> starts;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(limit);
            starts.push_back(line.textStart());
        }
        layout.endLayout();
        starts.push_back(text.size());
        QStringList lines;
        const int count = static_cast<int>(starts.size()) - 1;
        for (int i = 0; i < std::min(count, maxLines); ++i)
            lines << text.mid(starts[i], starts[i + 1] - starts[i]).trimmed();
        if (count > maxLines) {
            const QString rest = text.mid(starts[maxLines - 1]).simplified();
            lines.back() =
                QFontMetricsF(font, m_painter.device()).elidedText(rest, Qt::ElideRight, limit);
        }
        return lines;
    }

    void text(double x, double y, double w, double h, int flags, const QString &text,
              const QFont &font, const QColor &color)
    {
        if (!m_paint || text.isEmpty())
            return;
        m_painter.setFont(font);
        m_painter.setPen(color);
        m_painter.drawText(rect(x, y, w, h), flags | Qt::TextSingleLine, text);
    }

    void fill(double x, double y, double w, double h, const QColor &color)
    {
        if (m_paint)
            m_painter.fillRect(rect(x, y, w, h), color);
    }

    void frame(double x, double y, double w, double h, const QColor &color, double lineWidth)
    {
        if (!m_paint)
            return;
        m_painter.setPen(QPen(color, lineWidth * m_mm));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(rect(x, y, w, h));
    }

    void line(double x1, double y1, double x2, double y2, const QColor &color, double lineWidth)
    {
        if (!m_paint)
            return;
        QPen pen(color, lineWidth * m_mm);
        pen.setCapStyle(Qt::FlatCap);
        m_painter.setPen(pen);
        m_painter.drawLine(rect(x1, y1, 0, 0).topLeft(), rect(x2, y2, 0, 0).topLeft());
    }

private:
    QFont font(double points, bool bold) const
    {
        QFont font(QString::fromLatin1(FontFamily));
        font.setPointSizeF(points * m_fontScale);
        font.setBold(bold);
        // No ligatures, so that a search for "fi" finds its two letters.
        font.setStyleStrategy(QFont::PreferNoShaping);
        return font;
    }

    QPainter &m_painter;
    bool m_paint;
    double m_scale;
    double m_mm = 1;
    double m_fontScale = 1;
    QPointF m_origin;
};

Qt::Alignment AlignmentOf(ColumnAlign align)
{
    switch (align) {
    case ColumnAlign::Right:
    case ColumnAlign::Decimal:
        return Qt::AlignRight;
    case ColumnAlign::Center:
        return Qt::AlignHCenter;
    case ColumnAlign::Left:
        break;
    }
    return Qt::AlignLeft;
}

// Something drawn under a table row; gives the height it took.
using BelowRow = std::function<double(Canvas &canvas, int row, double y)>;

struct Cell
{
    QStringList lines;
    Qt::Alignment align;
    bool muted = false;
    double inset = 0; // mm kept free on the right
};

struct Columns
{
    std::vector<double> xs;
    std::vector<double> widths;
};

Columns ColumnsOf(double x, double width, const std::vector<double> &fixed)
{
    Columns columns;
    columns.widths = {width - std::accumulate(fixed.begin(), fixed.end(), 0.0)};
    columns.widths.insert(columns.widths.end(), fixed.begin(), fixed.end());
    for (const double w : columns.widths) {
        columns.xs.push_back(x);
        x += w;
    }
    return columns;
}

double RowHeight(const Canvas &canvas, const std::vector<Cell> &cells, const QFont &font)
{
    int lines = 1;
    for (const Cell &cell : cells)
        lines = std::max(lines, static_cast<int>(cell.lines.size()));
    return lines * canvas.lineHeight(font) + 2 * CellPadY;
}

// Cells wrapped into their columns, lines from the top; gives the row's height.
double DrawRow(Canvas &canvas, const std::vector<Cell> &cells, const Columns &columns, double y,
               const QFont &font)
{
    const double lh = canvas.lineHeight(font);
    for (std::size_t c = 0; c < cells.size(); ++c) {
        for (int i = 0; i < cells[c].lines.size(); ++i)
            canvas.text(columns.xs[c] + CellPadX, y + CellPadY + i * lh,
                        columns.widths[c] - 2 * CellPadX - cells[c].inset, lh,
                        cells[c].align | Qt::AlignVCenter, cells[c].lines[i], font,
                        cells[c].muted ? Muted : Ink);
    }
    return RowHeight(canvas, cells, font);
}

double DrawTableTitle(Canvas &canvas, const std::string &title, double x, double y, double width)
{
    if (title.empty())
        return 0;
    const QFont &font = canvas.fonts.tableTitle;
    const double lh = canvas.lineHeight(font);
    canvas.text(x, y, width, lh, Qt::AlignLeft | Qt::AlignVCenter,
                canvas.wrap(Q(title), font, width, 1).value(0), font, Accent);
    return lh + TitleGap;
}

// A table with its title: headings on a tinted band, fine rules between
// rows, a firmer one under the headings, above a total and at the end.
// Gives the height taken.
double DrawTable(Canvas &canvas, const ReportTable &table, double x, double y, double width,
                 const std::vector<double> &fixed, const BelowRow &below = {})
{
    const double top = y;
    y += DrawTableTitle(canvas, table.title, x, y, width);
    const Columns columns = ColumnsOf(x, width, fixed);
    const auto cellOf = [&](std::size_t c, const std::string &text, const QFont &font, bool muted) {
        return Cell{canvas.wrap(Q(text), font, columns.widths[c] - 2 * CellPadX,
                                c == 0 ? LabelLines : CellLines),
                    AlignmentOf(table.columns[c].align), muted};
    };

    // In a Decimal column each figure moves left by what its fraction lacks
    // of the longest one.
    const QChar separator = QLatin1Char(table.decimalSeparator);
    const auto fraction = [&](const std::string &text, const QFont &font) {
        const QString figure = Q(text);
        const qsizetype at = figure.lastIndexOf(separator);
        return at < 0 ? 0.0 : canvas.width(figure.mid(at), font);
    };
    const auto fontOf = [&](std::size_t r) {
        return static_cast<int>(r) == table.totalRow ? canvas.fonts.bodyBold : canvas.fonts.body;
    };
    std::vector<double> fractions(columns.widths.size(), 0);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        for (std::size_t c = 0; c < fractions.size() && c < table.rows[r].size(); ++c) {
            if (table.columns[c].align == ColumnAlign::Decimal)
                fractions[c] = std::max(fractions[c], fraction(table.rows[r][c].text, fontOf(r)));
        }
    }

    if (table.hasHeadings()) {
        const QFont &font = canvas.fonts.heading;
        std::vector<Cell> cells;
        for (std::size_t c = 0; c < columns.widths.size(); ++c)
            cells.push_back(cellOf(c, table.columns[c].heading, font, false));
        const double height = RowHeight(canvas, cells, font);
        canvas.fill(x, y, width, height, HeadingFill);
        DrawRow(canvas, cells, columns, y, font);
        y += height;
        canvas.line(x, y, x + width, y, RuleColor, Rule);
    } else {
        canvas.line(x, y, x + width, y, RuleColor, Rule);
    }
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const bool total = static_cast<int>(r) == table.totalRow;
        const QFont font = fontOf(r);
        if (r > 0)
            canvas.line(x, y, x + width, y, total ? RuleColor : FineRuleColor,
                        total ? Rule : FineRule);
        std::vector<Cell> cells;
        for (std::size_t c = 0; c < columns.widths.size() && c < table.rows[r].size(); ++c) {
            const ReportCell &cell = table.rows[r][c];
            cells.push_back(cellOf(c, cell.text, font, cell.muted));
            if (table.columns[c].align == ColumnAlign::Decimal)
                cells.back().inset = fractions[c] - fraction(cell.text, font);
        }
        y += DrawRow(canvas, cells, columns, y, font);
        if (below)
            y += below(canvas, static_cast<int>(r), y);
    }
    canvas.line(x, y, x + width, y, RuleColor, Rule);
    return y - top;
}

// "INPUTS", "RESULTS": a heading over a column, underlined.
double DrawSection(Canvas &canvas, const std::string &title, double x, double y, double width)
{
    const QFont &font = canvas.fonts.section;
    const double lh = canvas.lineHeight(font);
    canvas.text(x, y, width, lh, Qt::AlignLeft | Qt::AlignVCenter, Q(title), font, Accent);
    canvas.line(x, y + lh + 0.3, x + width, y + lh + 0.3, Accent, Rule);
    return lh + 2.2;
}

// Title and station on the left, date and version on the right, the names
// of the measurements below across the page, a heavy rule under it all.
double DrawHeader(Canvas &canvas, const ReportContent &content, double x, double y, double width)
{
    const double top = y;
    const Fonts &f = canvas.fonts;
    // The facts, label before value, right-aligned.
    double factsWidth = 0;
    for (const auto &[label, value] : content.facts)
        factsWidth = std::max(factsWidth, canvas.width(Q(label + "  " + value), f.body));
    const double factLine = canvas.lineHeight(f.body);
    double factsY = y + 0.8;
    for (const auto &[label, value] : content.facts) {
        const double valueWidth = canvas.width(Q(value), f.bodyBold);
        canvas.text(x + width - valueWidth, factsY, valueWidth, factLine,
                    Qt::AlignRight | Qt::AlignVCenter, Q(value), f.bodyBold, Ink);
        canvas.text(x + width - factsWidth - 2, factsY, factsWidth - valueWidth, factLine,
                    Qt::AlignRight | Qt::AlignVCenter, Q(label), f.body, Muted);
        factsY += factLine;
    }

    const double left = width - factsWidth - 6;
    const double titleLine = canvas.lineHeight(f.title);
    canvas.text(x, y, left, titleLine, Qt::AlignLeft | Qt::AlignVCenter,
                canvas.wrap(Q(content.title), f.title, left, 1).value(0), f.title, Ink);
    y += titleLine;
    const auto &[stationLabel, stationId] = content.station;
    if (!stationId.empty()) {
        const double stationLine = canvas.lineHeight(f.station);
        const QString label = Q(stationLabel) + QStringLiteral("  ");
        const double labelWidth = canvas.width(label, f.station);
        canvas.text(x, y, labelWidth, stationLine, Qt::AlignLeft | Qt::AlignVCenter, label,
                    f.station, Muted);
        canvas.text(
            x + labelWidth, y, left - labelWidth, stationLine, Qt::AlignLeft | Qt::AlignVCenter,
            canvas.wrap(Q(stationId), f.stationBold, left - labelWidth, StationLines).value(0),
            f.stationBold, Ink);
        y += stationLine;
    }
    y = std::max(y, factsY) + 1;
    if (!content.names.empty()) {
        QStringList names;
        for (const std::string &name : content.names)
            names << Q(name);
        const double lh = canvas.lineHeight(f.small);
        for (const QString &line :
             canvas.wrap(names.join(QString::fromUtf8(NameSeparator)), f.small, width, NameLines)) {
            canvas.text(x, y, width, lh, Qt::AlignLeft | Qt::AlignVCenter, line, f.small, Muted);
            y += lh;
        }
        y += 0.6;
    }
    canvas.line(x, y, x + width, y, Accent, HeavyRule);
    return y - top + HeavyRule;
}

double DrawInputs(Canvas &canvas, const ReportContent &content, double x, double y, double width)
{
    const double top = y;
    y += DrawSection(canvas, content.inputsTitle, x, y, width);
    y += DrawTable(canvas, content.measurements, x, y, width, MeasurementWidths) + TableGap;
    y += DrawTable(canvas, content.transmissions, x, y, width, TransmissionWidths) + TableGap;
    y += DrawTable(canvas, content.device, x, y, width, DeviceWidths);
    return y - top;
}

// Under each battery row its bar on the ten-year scale, and under the last
// one the scale's ends.
BelowRow BatteryBars(const ReportContent &content, double x, double width)
{
    return [&content, x, width](Canvas &canvas, int row, double y) {
        const double left = x + CellPadX;
        const double full = width - 2 * CellPadX;
        const double fraction =
            std::clamp(content.barFractions[static_cast<std::size_t>(row)], 0.0, 1.0);
        canvas.fill(left, y, full, BarHeight, BarBackground);
        canvas.fill(left, y, full * fraction, BarHeight, TemperatureColor(row));
        for (int year = 1; year < 10; ++year)
            canvas.line(left + full * year / 10, y + BarHeight * 0.65, left + full * year / 10,
                        y + BarHeight, BarFrame, FineRule);
        canvas.frame(left, y, full, BarHeight, BarFrame, FineRule);
        double height = BarHeight + BarGap;
        if (row + 1 == static_cast<int>(content.battery.rows.size())) {
            const QFont &font = canvas.fonts.small;
            const double lh = canvas.lineHeight(font);
            canvas.text(left, y + height, full, lh, Qt::AlignLeft | Qt::AlignVCenter,
                        QString::fromUtf8(BarStartText), font, Muted);
            canvas.text(left, y + height, full, lh, Qt::AlignRight | Qt::AlignVCenter,
                        Q(content.barEnd), font, Muted);
            height += lh;
        }
        return height;
    };
}

double DrawLines(Canvas &canvas, const std::vector<std::string> &lines, double x, double y,
                 double width, const QFont &font, const QColor &color)
{
    const double top = y;
    const double lh = canvas.lineHeight(font);
    for (const std::string &text : lines) {
        for (const QString &line : canvas.wrap(Q(text), font, width, CellLines)) {
            canvas.text(x, y, width, lh, Qt::AlignLeft | Qt::AlignVCenter, line, font, color);
            y += lh;
        }
    }
    return y - top;
}

double DrawResults(Canvas &canvas, const ReportContent &content, double x, double y, double width)
{
    const double top = y;
    y += DrawSection(canvas, content.resultsTitle, x, y, width);
    y += DrawTable(canvas, content.battery, x, y, width, BatteryWidths,
                   BatteryBars(content, x, width)) +
         TableGap;
    y += DrawTable(canvas, content.charge, x, y, width, ChargeWidths) + TableGap;
    y += DrawTable(canvas, content.volume, x, y, width, VolumeWidths) + TitleGap;
    y += DrawLines(canvas, {content.volumeFootnote}, x, y, width, canvas.fonts.small, Muted);
    if (!content.targets.rows.empty()) {
        y += TableGap;
        y += DrawTable(canvas, content.targets, x, y, width, TargetWidths);
    }
    return y - top;
}

// A line of the disclaimers as laid out: a title, or a line of a paragraph
// whose bullet stands out to the left.
struct DisclaimerLine
{
    QString text;
    bool title = false;
    bool bullet = false; // the first line of a bulleted paragraph
    bool indented = false;
    double height = 0;
    bool paragraph = false; // the first line of a paragraph
};

std::vector<DisclaimerLine> DisclaimerLines(const Canvas &canvas, const ReportContent &content,
                                            double width)
{
    const Fonts &f = canvas.fonts;
    const double lh = canvas.lineHeight(f.small);
    const QString bullet = QString::fromLatin1(Bullet);
    std::vector<DisclaimerLine> lines;
    for (const ReportDisclaimer &disclaimer : content.disclaimers) {
        lines.push_back({Q(disclaimer.title), true, false, false,
                         canvas.lineHeight(f.smallBold) + (lines.empty() ? 0 : 1.2), true});
        for (const std::string &paragraph : disclaimer.lines) {
            QString text = Q(paragraph);
            const bool bulleted = text.startsWith(bullet);
            if (bulleted)
                text = text.mid(bullet.size());
            const QStringList wrapped =
                canvas.wrap(text, f.small, width - (bulleted ? BulletIndent : 0),
                            std::numeric_limits<int>::max());
            for (int i = 0; i < wrapped.size(); ++i)
                lines.push_back({wrapped[i], false, bulleted && i == 0, bulleted, lh, i == 0});
        }
    }
    return lines;
}

// Both disclaimers in full, flowing over two columns.
double DrawDisclaimers(Canvas &canvas, const ReportContent &content, double x, double y,
                       double width)
{
    const double columnWidth = (width - ColumnGap) / 2;
    const std::vector<DisclaimerLine> lines = DisclaimerLines(canvas, content, columnWidth);
    double total = 0;
    for (const DisclaimerLine &line : lines)
        total += line.height;
    // The second column starts with the paragraph that evens the columns
    // best; a title goes along with the paragraph after it.
    std::size_t split = lines.size();
    double best = total;
    double first = 0;
    for (std::size_t i = 0; i < lines.size(); first += lines[i++].height) {
        const bool starts = lines[i].title || lines[i].paragraph;
        if (!starts || (i > 0 && lines[i - 1].title))
            continue;
        const double taller = std::max(first, total - first);
        if (taller < best) {
            best = taller;
            split = i;
        }
    }
    double heights[2] = {0, 0};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int column = i < split ? 0 : 1;
        const double cx = x + column * (columnWidth + ColumnGap);
        const DisclaimerLine &line = lines[i];
        double cy = y + heights[column];
        // A title's gap above it is dropped at the top of a column.
        if (line.title && heights[column] == 0)
            cy -= line.height - canvas.lineHeight(canvas.fonts.smallBold);
        const double lh =
            canvas.lineHeight(line.title ? canvas.fonts.smallBold : canvas.fonts.small);
        const double top = cy + line.height - lh;
        if (line.title) {
            canvas.text(cx, top, columnWidth, lh, Qt::AlignLeft | Qt::AlignVCenter, line.text,
                        canvas.fonts.smallBold, Accent);
        } else {
            if (line.bullet)
                canvas.text(cx, top, BulletIndent, lh, Qt::AlignLeft | Qt::AlignVCenter,
                            QStringLiteral("o"), canvas.fonts.small, Ink);
            const double indent = line.indented ? BulletIndent : 0;
            canvas.text(cx + indent, top, columnWidth - indent, lh,
                        Qt::AlignLeft | Qt::AlignVCenter, line.text, canvas.fonts.small, Ink);
        }
        heights[column] = cy + line.height - y;
    }
    return std::max(heights[0], heights[1]);
}

// Lays out the whole page at the canvas's size of fonts, painting it if the
// canvas paints; false when it does not fit.
bool DrawPage(Canvas &canvas, const ReportContent &content, const ChartData &chart,
              const ChartTexts &chartTexts)
{
    const double x = SideMargin;
    const double width = PageWidth - 2 * SideMargin;
    const double column = (width - ColumnGap) / 2;
    double y = TopMargin;
    y += DrawHeader(canvas, content, x, y, width) + SectionGap;
    const double inputs = DrawInputs(canvas, content, x, y, column);
    const double results = DrawResults(canvas, content, x + column + ColumnGap, y, column);
    y += std::max(inputs, results) + SectionGap;
    // The answers are sentences: across the page they take a line each.
    if (!content.answers.empty())
        y += DrawLines(canvas, content.answers, x, y, width, canvas.fonts.body, Ink) + SectionGap;
    y += DrawTableTitle(canvas, content.chartTitle, x, y, width);

    // The disclaimers end the page; the chart takes the room between.
    const bool painting = canvas.setPainting(false);
    const double disclaimers = DrawDisclaimers(canvas, content, x, 0, width);
    canvas.setPainting(painting);
    const double room = PageHeight - BottomMargin - disclaimers - SectionGap - y;
    if (room < ChartMinHeight * canvas.scale())
        return false;
    const double chartHeight = std::min(room, ChartMaxHeight);
    if (canvas.painting()) {
        QPainter &painter = canvas.painter();
        painter.save();
        painter.setFont(canvas.fonts.chart);
        paintChart(painter, canvas.rect(x, y, width, chartHeight), chart, chartTexts);
        painter.restore();
    }
    y += chartHeight + SectionGap;
    DrawDisclaimers(canvas, content, x, y, width);
    return true;
}

} // namespace

void paintReport(QPainter &painter, const QRectF &page, const ReportData &data)
{
    const ReportContent content = ContentOf(data);
    const ChartData chart = ChartDataOf(data.plan, content.aids, data.plan.targets);
    const ChartTexts texts{data.german, data.decimalSeparator};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    double chosen = Scales.back();
    for (const double scale : Scales) {
        Canvas measure(painter, page, scale, false);
        if (DrawPage(measure, content, chart, texts)) {
            chosen = scale;
            break;
        }
    }
    Canvas canvas(painter, page, chosen, true);
    DrawPage(canvas, content, chart, texts);
    painter.restore();
}
