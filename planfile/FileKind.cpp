#include "planfile/FileKind.h"

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view JsonBlanks = " \t\r\n";

// The first character after blanks; 0 at the end.
char NextSignificant(std::string_view bytes, std::size_t &at)
{
    at = bytes.find_first_not_of(JsonBlanks, at);
    return at == std::string_view::npos ? '\0' : bytes[at];
}

} // namespace

FileKind KindOfContent(std::string_view bytes)
{
    std::size_t at = bytes.substr(0, Utf8Bom.size()) == Utf8Bom ? Utf8Bom.size() : 0;
    if (NextSignificant(bytes, at) != '{')
        return FileKind::Setup;
    // An object opens with a key or closes at once; a binary header that
    // happens to start with "{" goes on with neither.
    ++at;
    const char next = NextSignificant(bytes, at);
    return next == '"' || next == '}' ? FileKind::Plan : FileKind::Setup;
}
