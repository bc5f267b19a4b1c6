#include "commandfile/StationSummary.h"

#include "commandfile/Messages.h"
#include "common/Message.h"
#include "texts/FileReasons.h"

namespace {

// "%1" is a count, "%2" the folder.
constexpr Message SummaryHeading = {"Command files for %1 stations in \"%2\":",
                                    "Kommandodateien für %1 Stationen in \"%2\":"};

struct OutcomeText
{
    StationFile::Outcome outcome;
    Message heading; // "%1" is how many files
};

constexpr OutcomeText OutcomeTexts[] = {
    {StationFile::Outcome::Written, {"Written (%1):", "Geschrieben (%1):"}},
    {StationFile::Outcome::Exists,
     {"Skipped, the file exists already and is kept (%1):",
      "Übersprungen, die Datei existiert bereits und bleibt erhalten (%1):"}},
    {StationFile::Outcome::Failed, {"Not written (%1):", "Nicht geschrieben (%1):"}},
};

const char *const FileIndent = "  ";

} // namespace

std::string StationExportSummary(const StationExport &result, const std::string &folderName,
                                 bool german)
{
    if (result.unencodable)
        return Filled(CharacterNotExportable.In(german),
                      {result.unencodable->character, std::to_string(result.unencodable->line)});
    std::string summary =
        Filled(SummaryHeading.In(german), {std::to_string(result.files.size()), folderName});
    for (const OutcomeText &kind : OutcomeTexts) {
        std::string names;
        std::size_t count = 0;
        for (const StationFile &file : result.files) {
            if (file.outcome != kind.outcome)
                continue;
            ++count;
            names += "\n" + std::string(FileIndent) + file.fileName;
            if (file.fault)
                names += ": " + FileFaultReason(file.fault, german);
        }
        if (count > 0)
            summary += "\n\n" + Filled(kind.heading.In(german), {std::to_string(count)}) + names;
    }
    return summary;
}
