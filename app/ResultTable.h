#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Rows of results written as a table for a terminal, as CSV or as JSON.
// Every row has one cell per column.

struct ResultColumn
{
    std::string key;     // CSV's heading and JSON's key
    std::string title;   // the table's shorter heading
    bool number = false; // its cells are numbers with "."
};

// None: the value is absent.
using ResultCell = std::optional<std::string>;

class ResultWriter
{
public:
    virtual ~ResultWriter() = default;
    virtual void Row(const std::vector<ResultCell> &cells) = 0;
    // Writes what is still held back.
    virtual void Finish() = 0;
};

// CSV per RFC 4180 with a header line and LF line ends; an absent value is
// an empty field.
std::unique_ptr<ResultWriter> MakeCsvWriter(std::vector<ResultColumn> columns, std::ostream &out);
// A list of objects with the columns as keys, one a line; an absent value is
// null.
std::unique_ptr<ResultWriter> MakeJsonWriter(std::vector<ResultColumn> columns, std::ostream &out);
// Columns aligned, numbers to the right; an absent value shows as "-", a
// control character as \xHH. Holds every row back until Finish.
std::unique_ptr<ResultWriter> MakeTableWriter(std::vector<ResultColumn> columns, std::ostream &out);
