#pragma once

#include "commandfile/Normalizers.h"
#include "common/FileFault.h"

#include <filesystem>
#include <string>
#include <vector>

// A list of station IDs, one a line, typed, pasted or read from a text file.
// Each line is normalised as the station ID field normalises its text.

struct StationIdLine
{
    enum class Status
    {
        Kept,      // the line is an ID as it stands (blanks around it aside)
        Changed,   // normalising changed it; id is what it becomes
        Empty,     // nothing but blanks: dropped
        Duplicate, // its ID came before, perhaps only after normalising: dropped
    };
    int number = 0;   // counted from 1
    std::string text; // the line as it stands, without its line end
    std::string id;   // the normalised ID; empty for an empty line
    Status status = Status::Empty;
    int firstLine = 0; // a duplicate: the line that gave the ID first
};

struct StationIdList
{
    std::vector<StationIdLine> lines;
    std::vector<std::string> ids; // the IDs kept, in the order of their lines
};

// CR LF, LF and CR each end a line; a line end at the very end starts no
// further line. A byte order mark at the start is not part of the first line.
StationIdList ParseStationIdList(const std::string &text,
                                 const UpperCase &upperCase = AsciiUpperCase);

// The text of a plain text file of IDs, as UTF-8: a file that is not UTF-8
// is taken for Latin-1, as older editors write. Only a regular file of at
// most MaxStationIdFileBytes is read; on failure text is empty.
// A hundred thousand stations take about a megabyte; the lines of a larger
// file would only tie up the list field they fill.
inline constexpr std::uint64_t MaxStationIdFileBytes = 1'000'000;

FileFault ReadStationIdFile(const std::filesystem::path &path, std::string &text);
