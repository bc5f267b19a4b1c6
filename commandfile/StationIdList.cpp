#include "commandfile/StationIdList.h"

#include "common/IdLengths.h"
#include "common/InputFile.h"
#include "common/Text.h"
#include "common/Utf8.h"

#include <map>

namespace {

const std::string ByteOrderMark = "\xEF\xBB\xBF";

// The lines of the text without their ends.
std::vector<std::string> SplitLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        lines.push_back(line);
        line.clear();
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

bool IsUtf8(const std::string &text)
{
    for (const std::string &character : Utf8Characters(text))
        if (Utf8CodePoint(character) < 0)
            return false;
    return true;
}

} // namespace

StationIdList ParseStationIdList(const std::string &text, const UpperCase &upperCase)
{
    const bool marked = text.compare(0, ByteOrderMark.size(), ByteOrderMark) == 0;
    StationIdList list;
    std::map<std::string, int> firstLines;
    int number = 0;
    for (const std::string &lineText :
         SplitLines(marked ? text.substr(ByteOrderMark.size()) : text)) {
        StationIdLine line;
        line.number = ++number;
        line.text = lineText;
        const std::string_view trimmed = Trimmed(lineText);
        if (trimmed.empty()) {
            list.lines.push_back(line);
            continue;
        }
        line.id = NormalizeId(lineText, StationIdLength, upperCase);
        const auto [first, isNew] = firstLines.emplace(line.id, line.number);
        if (!isNew) {
            line.status = StationIdLine::Status::Duplicate;
            line.firstLine = first->second;
        } else {
            line.status =
                line.id == trimmed ? StationIdLine::Status::Kept : StationIdLine::Status::Changed;
            list.ids.push_back(line.id);
        }
        list.lines.push_back(line);
    }
    return list;
}

FileFault ReadStationIdFile(const std::filesystem::path &path, std::string &text)
{
    const FileFault fault = ReadInputFile(path, text, MaxStationIdFileBytes);
    if (!fault && !IsUtf8(text))
        text = Latin1ToUtf8(text);
    return fault;
}
