#include "common/Utf8.h"

namespace {

constexpr long MaxCodePoint = 0x10FFFF;
constexpr long FirstSurrogate = 0xD800;
constexpr long LastSurrogate = 0xDFFF;

struct Decoded
{
    long codePoint;
    std::size_t length;
};

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Decodes the sequence starting at position; an invalid one gives -1 and length 1.
Decoded DecodeAt(const std::string &text, std::size_t position)
{
    const auto lead = static_cast<unsigned char>(text[position]);
    const Decoded invalid{-1, 1};
    if (lead < 0x80)
        return {lead, 1};

    std::size_t length = 0;
    long codePoint = 0;
    long smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
        smallest = 0x10000;
    } else {
        return invalid;
    }
    if (position + length > text.size())
        return invalid;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[position + i]);
        if (!IsContinuation(byte))
            return invalid;
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    if (codePoint < smallest || codePoint > MaxCodePoint ||
        (codePoint >= FirstSurrogate && codePoint <= LastSurrogate))
        return invalid;
    return {codePoint, length};
}

} // namespace

std::vector<std::string> Utf8Characters(const std::string &text)
{
    std::vector<std::string> characters;
    for (std::size_t position = 0; position < text.size();) {
        const std::string_view character = Utf8CharacterAt(text, position).bytes;
        characters.emplace_back(character);
        position += character.size();
    }
    return characters;
}

Utf8Character Utf8CharacterAt(const std::string &text, std::size_t position)
{
    const Decoded decoded = DecodeAt(text, position);
    return {std::string_view(text).substr(position, decoded.length), decoded.codePoint};
}

long Utf8CodePoint(const std::string &character)
{
    if (character.empty())
        return -1;
    const Decoded decoded = DecodeAt(character, 0);
    return decoded.length == character.size() ? decoded.codePoint : -1;
}
