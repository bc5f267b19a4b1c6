#include "report/ResultsText.h"

#include <string_view>

namespace {

const char *const Tab = "\t";
const char *const NewLine = "\n";
const char *const MutedStyle = " style=\"color:#808080\"";

// A spreadsheet takes a cell that starts so as a formula: a station ID an
// import gave might run one, and "- none -" or "---" would show as an error.
// The apostrophe makes it text.
const char *const FormulaStarts = "=+-@";

std::string AsText(const std::string &cell)
{
    if (!cell.empty() && std::string_view(FormulaStarts).find(cell.front()) != std::string::npos)
        return "'" + cell;
    return cell;
}

// Empty cells at the end of a line add nothing to a spreadsheet.
std::string TabLine(std::vector<std::string> cells)
{
    while (!cells.empty() && cells.back().empty())
        cells.pop_back();
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i)
        line += (i ? Tab : "") + AsText(cells[i]);
    return line + NewLine;
}

std::string PlainTable(const ReportTable &table)
{
    std::string text;
    if (!table.title.empty())
        text += table.title + NewLine;
    if (table.hasHeadings()) {
        std::vector<std::string> headings;
        for (const ReportColumn &column : table.columns)
            headings.push_back(column.heading);
        text += TabLine(headings);
    }
    for (const std::vector<ReportCell> &row : table.rows) {
        std::vector<std::string> cells;
        for (const ReportCell &cell : row)
            cells.push_back(cell.text);
        text += TabLine(cells);
    }
    return text;
}

std::string Escaped(const std::string &text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string Paragraph(const std::string &text, bool bold = false)
{
    const std::string escaped = Escaped(text);
    return "<p>" + (bold ? "<b>" + escaped + "</b>" : escaped) + "</p>" + NewLine;
}

std::string Alignment(ColumnAlign align)
{
    switch (align) {
    case ColumnAlign::Right:
    case ColumnAlign::Decimal:
        return " align=\"right\"";
    case ColumnAlign::Center:
        return " align=\"center\"";
    case ColumnAlign::Left:
        break;
    }
    return "";
}

std::string HtmlTable(const ReportTable &table)
{
    std::string html;
    if (!table.title.empty())
        html += Paragraph(table.title, true);
    html += std::string("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">") + NewLine;
    if (table.hasHeadings()) {
        html += "<tr>";
        for (const ReportColumn &column : table.columns)
            html += "<th" + Alignment(column.align) + ">" + Escaped(column.heading) + "</th>";
        html += std::string("</tr>") + NewLine;
    }
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const bool total = static_cast<int>(r) == table.totalRow;
        html += "<tr>";
        for (std::size_t c = 0; c < table.rows[r].size(); ++c) {
            const ReportCell &cell = table.rows[r][c];
            const ColumnAlign align =
                c < table.columns.size() ? table.columns[c].align : ColumnAlign::Left;
            const std::string text = Escaped(cell.text);
            html += "<td" + Alignment(align) + (cell.muted ? MutedStyle : "") + ">" +
                    (total ? "<b>" + text + "</b>" : text) + "</td>";
        }
        html += std::string("</tr>") + NewLine;
    }
    return html + "</table>" + NewLine;
}

std::vector<const ReportTable *> Tables(const ReportContent &content)
{
    return {&content.measurements, &content.transmissions, &content.device,
            &content.battery,      &content.charge,        &content.volume};
}

} // namespace

std::string ResultsPlainText(const ReportContent &content)
{
    std::string text = content.title + NewLine;
    if (!content.station[1].empty())
        text += TabLine({content.station[0], content.station[1]});
    for (const auto &[label, value] : content.facts)
        text += TabLine({label, value});
    for (const ReportTable *table : Tables(content))
        text += NewLine + PlainTable(*table);
    text += content.volumeFootnote + NewLine;
    if (!content.targets.rows.empty()) {
        text += NewLine + PlainTable(content.targets);
        for (const std::string &answer : content.answers)
            text += answer + NewLine;
    }
    return text;
}

std::string ResultsHtml(const ReportContent &content)
{
    std::string html = std::string("<!DOCTYPE html>") + NewLine +
                       "<html><head><meta charset=\"utf-8\"><title>" + Escaped(content.title) +
                       "</title></head><body>" + NewLine + Paragraph(content.title, true);
    html += std::string("<table border=\"0\" cellpadding=\"2\">") + NewLine;
    const auto fact = [&html](const std::string &label, const std::string &value) {
        html += "<tr><td>" + Escaped(label) + "</td><td>" + Escaped(value) + "</td></tr>" + NewLine;
    };
    if (!content.station[1].empty())
        fact(content.station[0], content.station[1]);
    for (const auto &[label, value] : content.facts)
        fact(label, value);
    html += std::string("</table>") + NewLine;
    for (const ReportTable *table : Tables(content))
        html += HtmlTable(*table);
    html += Paragraph(content.volumeFootnote);
    if (!content.targets.rows.empty()) {
        html += HtmlTable(content.targets);
        for (const std::string &answer : content.answers)
            html += Paragraph(answer);
    }
    return html + "</body></html>" + NewLine;
}
