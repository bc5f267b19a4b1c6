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
            row.push_back(cell.value_or(AbsentInTable));
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
