#include "commandfile/ExportFile.h"

#include "commandfile/Normalizers.h"
#include "common/Text.h"
#include "common/Utf8.h"

namespace {

constexpr long Latin1Last = 0xFF;
const std::string FileExtension = ".kcf";
constexpr int NotExportedLines = 3;
const std::string PathSeparators = "/\\";

// Counts line breaks one character at a time: CR LF is one break.
class LineCounter
{
public:
    void Add(std::string_view character)
    {
        if (character == "\n" && previousWasCr_) {
            previousWasCr_ = false;
            return;
        }
        previousWasCr_ = character == "\r";
        if (previousWasCr_ || character == "\n")
            ++breaks_;
    }

    int Breaks() const { return breaks_; }

private:
    int breaks_ = 0;
    bool previousWasCr_ = false;
};

bool IsDriveRoot(const std::string &folder)
{
    return folder.size() == 2 && folder[1] == ':';
}

} // namespace

// Walks the text without holding its characters apart: a plan file may hold
// a text of megabytes.
Latin1Text ToLatin1(const std::string &utf8Text)
{
    Latin1Text result;
    LineCounter lines;
    for (std::size_t position = 0; position < utf8Text.size();) {
        const Utf8Character character = Utf8CharacterAt(utf8Text, position);
        if (character.codePoint < 0 || character.codePoint > Latin1Last) {
            result.bytes.clear();
            result.unencodable =
                UnencodableCharacter{std::string(character.bytes), lines.Breaks() + 1};
            return result;
        }
        result.bytes += static_cast<char>(static_cast<unsigned char>(character.codePoint));
        lines.Add(character.bytes);
        position += character.bytes.size();
    }
    return result;
}

int ListLineCount(const std::string &listText)
{
    if (listText.empty())
        return 0;
    LineCounter lines;
    for (const char c : listText)
        lines.Add(std::string_view(&c, 1));
    return lines.Breaks() + 1;
}

bool IsExportable(const std::string &listText)
{
    return ListLineCount(listText) > NotExportedLines;
}

std::string ProposedFileName(const std::string &stationIdText)
{
    return std::string(Trimmed(stationIdText)) + FileExtension;
}

std::string ExportFolderOf(const std::string &chosenPath)
{
    const std::size_t last = chosenPath.find_last_of(PathSeparators);
    if (last == std::string::npos)
        return {};
    std::string folder = chosenPath.substr(0, last);
    while (!folder.empty() && PathSeparators.find(folder.back()) != std::string::npos)
        folder.pop_back();
    if (folder.empty() || IsDriveRoot(folder))
        return folder + chosenPath[last];
    return folder;
}
