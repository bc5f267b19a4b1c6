#include "commandfile/ListText.h"

namespace {

const std::string DeclarationMarker = "<?xml";

struct Section
{
    const char *opening;
    const char *closing;
};

constexpr Section CommandSection{"<CommandList>", "</CommandList>"};
constexpr Section QuerySection{"<QueryList>", "</QueryList>"};

} // namespace

std::string ListLine(int indent, const std::string &text)
{
    return std::string(static_cast<std::size_t>(indent), ' ') + text + LineEnd;
}

std::string InsertEntry(const std::string &listText, EntryKind kind, const std::string &entry)
{
    std::string text = listText;
    if (text.find(DeclarationMarker) == std::string::npos)
        text = ListLine(0, XmlDeclaration);

    const Section &section = kind == EntryKind::Command ? CommandSection : QuerySection;
    if (text.find(section.closing) == std::string::npos)
        text += ListLine(0, section.opening) + ListLine(0, section.closing);

    text.insert(text.find(section.closing), entry);
    return text;
}
