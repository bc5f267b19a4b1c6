#include "app/ResultTable.h"

#include "planfile/FiguresJson.h"

#include <algorithm>
#include <ostream>

namespace {

constexpr const char *ColumnGap = "  ";
constexpr const char *AbsentInTable = "-";

std::vector<ResultCell> Header(const std::vector<ResultColumn> &columns,
                               std::string ResultColumn::*heading)
{
    std::vector<ResultCell> header;
    for (const ResultColumn &column : columns)
        header.emplace_back(column.*heading);
    return header;
}

// RFC 4180: a field holding a comma, a quote or a line break is quoted, its
// quotes doubled.
std::string CsvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

class CsvWriter final : public ResultWriter
{
public:
    CsvWriter(const std::vector<ResultColumn> &columns, std::ostream &out) : out_(out)
    {
        Row(Header(columns, &ResultColumn::key));
    }

    void Row(const std::vector<ResultCell> &cells) override
    {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0)
                line += ',';
            line += CsvField(cells[i].value_or(std::string()));
        }
        out_ << line << '\n';
    }

    void Finish() override {}

private:
    std::ostream &out_;
};

class JsonWriter final : public ResultWriter
{
public:
    JsonWriter(std::vector<ResultColumn> columns, std::ostream &out)
        : columns_(std::move(columns)), out_(out)
    {
        out_ << '[';
    }

    void Row(const std::vector<ResultCell> &cells) override
    {
        nlohmann::ordered_json object;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const ResultCell &cell = cells[i];
            nlohmann::ordered_json &value = object[columns_[i].key];
            if (cell)
                value = columns_[i].number ? JsonNumber(*cell) : nlohmann::ordered_json(*cell);
        }
        // A file name need not be UTF-8; its stray bytes become U+FFFD.
        out_ << (rows_++ > 0 ? ",\n  " : "\n  ")
             << object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    }

    void Finish() override { out_ << (rows_ > 0 ? "\n]\n" : "]\n"); }

private:
    std::vector<ResultColumn> columns_;
    std::ostream &out_;
    std::size_t rows_ = 0;
};

// A control character would reach the terminal as it is: an escape sequence
// in a station ID could recolour or clear it, a line break would tear the
// row. Each shows as \xHH of its code instead, C1 controls (U+0080 to
// U+009F, which some terminals obey too) included.
std::string Visible(const std::string &text)
{
    constexpr unsigned char Utf8C1Lead = 0xC2;
    constexpr unsigned char FirstC1 = 0x80;
    constexpr unsigned char LastC1 = 0x9F;
    constexpr unsigned char Delete = 0x7F;
    constexpr char Hex[] = "0123456789ABCDEF";
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto code = static_cast<unsigned char>(text[i]);
        const bool c1 = code == Utf8C1Lead && i + 1 < text.size() &&
                        static_cast<unsigned char>(text[i + 1]) >= FirstC1 &&
                        static_cast<unsigned char>(text[i + 1]) <= LastC1;
        if (c1)
            code = static_cast<unsigned char>(text[++i]);
        else if (code >= ' ' && code != Delete) {
            shown += text[i];
            continue;
        }
        shown += "\\x";
        shown += Hex[code >> 4];
        shown += Hex[code & 0xF];
    }
    return shown;
}

// Characters of UTF-8 text, for aligning: every byte but continuation bytes.
std::size_t Width(const std::string &text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

class TableWriter final : public ResultWriter
{
public:
    TableWriter(std::vector<ResultColumn> columns, std::ostream &out)
        : columns_(std::move(columns)), out_(out)
    {
        Row(Header(columns_, &ResultColumn::title));
    }

    void Row(const std::vector<ResultCell> &cells) override
    {
        std::vector<std::string> row;
        for (const ResultCell &cell : cells)
            row.push_back(cell ? Visible(*cell) : AbsentInTable);
        rows_.push_back(std::move(row));
    }

    void Finish() override
    {
        std::vector<std::size_t> widths(columns_.size(), 0);
        for (const auto &row : rows_) {
            for (std::size_t i = 0; i < row.size(); ++i)
                widths[i] = std::max(widths[i], Width(row[i]));
        }
        for (const auto &row : rows_) {
            std::string line;
            for (std::size_t i = 0; i < row.size(); ++i) {
                const std::string padding(widths[i] - Width(row[i]), ' ');
                if (i > 0)
                    line += ColumnGap;
                line += columns_[i].number ? padding + row[i] : row[i] + padding;
            }
            // No blanks at the end of a line.
            line.erase(line.find_last_not_of(' ') + 1);
            out_ << line << '\n';
        }
        rows_.clear();
    }

private:
    std::vector<ResultColumn> columns_;
    std::ostream &out_;
    std::vector<std::vector<std::string>> rows_;
};

} // namespace

std::unique_ptr<ResultWriter> MakeCsvWriter(std::vector<ResultColumn> columns, std::ostream &out)
{
    return std::make_unique<CsvWriter>(columns, out);
}

std::unique_ptr<ResultWriter> MakeJsonWriter(std::vector<ResultColumn> columns, std::ostream &out)
{
    return std::make_unique<JsonWriter>(std::move(columns), out);
}

std::unique_ptr<ResultWriter> MakeTableWriter(std::vector<ResultColumn> columns, std::ostream &out)
{
    return std::make_unique<TableWriter>(std::move(columns), out);
}
