#include "common/Text.h"

#include "common/Utf8.h"

namespace {

constexpr unsigned char LastTrimmedCode = ' ';
constexpr unsigned char LastAscii = 0x7F;
constexpr long Latin1Last = 0xFF;

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

std::string Latin1ToUtf8(std::string_view text)
{
    std::string utf8;
    utf8.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= LastAscii) {
            utf8 += c;
        } else {
            // Two bytes: 110000xx 10xxxxxx.
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

Latin1Text ToLatin1(const std::string &utf8Text)
{
    // Walks the text without holding its characters apart: a plan file may
    // hold a text of megabytes.
    Latin1Text result;
    for (std::size_t offset = 0; offset < utf8Text.size();) {
        const Utf8Character character = Utf8CharacterAt(utf8Text, offset);
        if (character.codePoint < 0 || character.codePoint > Latin1Last) {
            const int line = LineBreaks(std::string_view(utf8Text).substr(0, offset)) + 1;
            result.bytes.clear();
            result.unencodable = UnencodableCharacter{std::string(character.bytes), line};
            return result;
        }
        result.bytes += static_cast<char>(static_cast<unsigned char>(character.codePoint));
        offset += character.bytes.size();
    }
    return result;
}

int LineBreaks(std::string_view text)
{
    int breaks = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n')
            ++breaks;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
    }
    return breaks;
}
