#include "common/Text.h"

namespace {

constexpr unsigned char LastTrimmedCode = ' ';

bool Kept(char c)
{
    return static_cast<unsigned char>(c) > LastTrimmedCode;
}

} // namespace

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && !Kept(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && !Kept(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string Utf8FromLatin1(std::string_view text)
{
    std::string utf8;
    utf8.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
            continue;
        }
        utf8 += static_cast<char>(0xC0 | byte >> 6);
        utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    }
    return utf8;
}
