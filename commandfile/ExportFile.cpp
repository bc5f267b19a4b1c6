#include "commandfile/ExportFile.h"

#include "commandfile/Normalizers.h"
#include "common/Text.h"

namespace {

const std::string FileExtension = ".kcf";
constexpr int NotExportedLines = 3;
const std::string PathSeparators = "/\\";

bool IsDriveRoot(const std::string &folder)
{
    return folder.size() == 2 && folder[1] == ':';
}

} // namespace

int ListLineCount(const std::string &listText)
{
    if (listText.empty())
        return 0;
    return LineBreaks(listText) + 1;
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
