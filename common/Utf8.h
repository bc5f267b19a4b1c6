#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splitting UTF-8 text into characters, so that cutting and padding never
// tear a multi-byte character apart and bytes that are no UTF-8 are found.

// The characters of the text, each as its own byte sequence. A byte that
// starts no valid sequence stands alone.
std::vector<std::string> Utf8Characters(const std::string &text);

// The code point of one character as Utf8Characters gives it; -1 when the
// bytes are no valid UTF-8 sequence.
long Utf8CodePoint(const std::string &character);

// One character of a text and where it lies, for walking a long text without
// holding every character at once.
struct Utf8Character
{
    std::string_view bytes; // as Utf8Characters gives it
    long codePoint;         // -1 for a byte that starts no valid sequence
};

// The character starting at position, which must lie within the text.
Utf8Character Utf8CharacterAt(const std::string &text, std::size_t position);
