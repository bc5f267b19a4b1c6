// Reads each input as a plan file. A plan it gives must read again from its
// own file text as the same plan, and saving that must give the same bytes:
// the window takes a plan it opened and saved for unchanged. A file read as
// a plan must be one the file-kind probe hands to the plan reader, and a
// refusal must give a reason in both languages as UTF-8.
#include "common/Utf8.h"
#include "planfile/FileKind.h"
#include "planfile/PlanFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void Fail(const std::string &what)
{
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

bool IsUtf8(const std::string &text)
{
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character character = Utf8CharacterAt(text, at);
        if (character.codePoint < 0)
            return false;
        at += character.bytes.size();
    }
    return true;
}

void CheckReason(const PlanFileError &error)
{
    for (const bool german : {false, true}) {
        const std::string reason = error.Text(german);
        if (reason.empty() || !IsUtf8(reason))
            Fail("refused without a readable reason: '" + reason + "'");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const FileKind kind = KindOfContent(bytes);
    const PlanReadResult read = ParsePlanFile(bytes);
    if (!read.plan) {
        CheckReason(read.error);
        return 0;
    }
    if (kind != FileKind::Plan)
        Fail("a plan that the file-kind probe takes for a setup file");

    const std::string saved = PlanFileText(*read.plan);
    const PlanReadResult reread = ParsePlanFile(saved);
    if (!reread.plan)
        Fail("the plan's own file is refused: " + reread.error.Text(false) + "\n" + saved);
    if (!(*reread.plan == *read.plan))
        Fail("the plan's own file reads as another plan:\n" + saved);
    const std::string savedAgain = PlanFileText(*reread.plan);
    if (savedAgain != saved)
        Fail("saving the plan again changes its file:\n" + saved + "\n---\n" + savedAgain);
    return 0;
}
