#pragma once

#include "commandfile/AckId.h"
#include "common/FileFault.h"
#include "common/Text.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// One command list exported for several stations: a file "<ID>.kcf" each,
// in which only the station and the acknowledgement ids differ.

// The list for one station: the value of every stationId attribute becomes
// stationId, that of every ackId attribute a fresh id, so that the logger's
// acknowledgements can be told apart station by station; every other byte
// stays. Attributes are found inside tags, outside other attributes' values,
// in either kind of quotes and with blanks around "=" as hand edits may
// leave them. The text may be UTF-8 or its ISO-8859-1 bytes.
std::string ListTextForStation(const std::string &listText, const std::string &stationId,
                               const RandomSource &random);

struct StationFile
{
    enum class Outcome
    {
        Written,
        Exists, // a file of that name was there and is kept as it was
        Failed,
    };
    std::string stationId;
    std::string fileName; // "<ID>.kcf"
    Outcome outcome = Outcome::Written;
    FileFault fault; // why a file failed
};

struct StationExport
{
    // A character the file's code page cannot hold: then no file is written.
    std::optional<UnencodableCharacter> unencodable;
    std::vector<StationFile> files; // in the order of the IDs
};

// Writes the list for each station (normalised station IDs) into the folder,
// in the bytes of the single export, each file whole or not at all. A name
// that exists is never replaced, even when it appears during the export; a
// folder or other special file of that name is a failure.
StationExport ExportForStations(const std::string &listText,
                                const std::vector<std::string> &stationIds,
                                const std::filesystem::path &folder, const RandomSource &random);
