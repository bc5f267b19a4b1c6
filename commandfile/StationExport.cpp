#include "commandfile/StationExport.h"

#include "commandfile/ExportFile.h"
#include "commandfile/Normalizers.h"
#include "common/AtomicFile.h"
#include "common/IdLengths.h"
#include "common/Text.h"

#include <cerrno>

namespace fs = std::filesystem;

namespace {

const std::string StationIdAttribute = "stationId";
const std::string AckIdAttribute = "ackId";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The name of the attribute whose value opens with the quote at position:
// the word before "=", blanks allowed around it; empty when there is none.
std::string AttributeBefore(const std::string &text, std::size_t quote)
{
    std::size_t end = quote;
    while (end > 0 && IsBlank(text[end - 1]))
        --end;
    if (end == 0 || text[end - 1] != '=')
        return {};
    --end;
    while (end > 0 && IsBlank(text[end - 1]))
        --end;
    std::size_t start = end;
    while (start > 0 && !IsBlank(text[start - 1]) && text[start - 1] != '<' &&
           text[start - 1] != '"' && text[start - 1] != '\'')
        --start;
    return text.substr(start, end - start);
}

bool IsStationId(const std::string &id)
{
    return NormalizeId(id, StationIdLength) == id;
}

// A name that exists is kept and said; a folder or other special file in
// the file's place is a failure, as no file can be written there.
void Settle(StationFile &file, const FileFault &fault, const fs::path &path)
{
    file.fault = fault;
    file.outcome = fault ? StationFile::Outcome::Failed : StationFile::Outcome::Written;
    if (fault.kind != FileFault::Kind::System || fault.systemError != EEXIST)
        return;
    std::error_code code;
    const fs::file_status status = fs::symlink_status(path, code);
    if (!code && (fs::is_regular_file(status) || fs::is_symlink(status))) {
        file.outcome = StationFile::Outcome::Exists;
        file.fault = {};
    } else {
        file.fault = {FileFault::Kind::NotRegular};
    }
}

} // namespace

std::string ListTextForStation(const std::string &listText, const std::string &stationId,
                               const RandomSource &random)
{
    std::string text;
    text.reserve(listText.size());
    bool inTag = false;
    for (std::size_t i = 0; i < listText.size(); ++i) {
        const char c = listText[i];
        text += c;
        if (!inTag) {
            inTag = c == '<';
            continue;
        }
        if (c == '>') {
            inTag = false;
            continue;
        }
        if (c != '"' && c != '\'')
            continue;
        // A value: copied, or replaced when it is one of ours.
        const std::size_t close = listText.find(c, i + 1);
        if (close == std::string::npos) {
            text += listText.substr(i + 1);
            break;
        }
        const std::string name = AttributeBefore(listText, i);
        if (name == StationIdAttribute)
            text += stationId;
        else if (name == AckIdAttribute)
            text += NewAckId(random);
        else
            text += listText.substr(i + 1, close - i - 1);
        text += c;
        i = close;
    }
    return text;
}

StationExport ExportForStations(const std::string &listText,
                                const std::vector<std::string> &stationIds, const fs::path &folder,
                                const RandomSource &random)
{
    StationExport result;
    const Latin1Text encoded = ToLatin1(listText);
    if (encoded.unencodable) {
        result.unencodable = encoded.unencodable;
        return result;
    }
    for (const std::string &id : stationIds) {
        StationFile file{id, ProposedFileName(id), StationFile::Outcome::Failed, {}};
        // Only an ID names a file: nothing of it can lead out of the folder.
        if (!IsStationId(id)) {
            file.fault = FileFault::OfSystem(EINVAL);
        } else {
            const fs::path path = folder / file.fileName;
            Settle(file,
                   WriteNewFileAtomically(path, ListTextForStation(encoded.bytes, id, random)),
                   path);
        }
        result.files.push_back(file);
    }
    return result;
}
