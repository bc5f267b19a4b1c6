#pragma once

#include <string>
#include <vector>

// Texts of the command editor are UTF-8; these split them into characters so
// that cutting and padding never tear a multi-byte character apart.

// The characters of the text, each as its own byte sequence. A byte that
// starts no valid sequence stands alone.
std::vector<std::string> Utf8Characters(const std::string &text);

// The code point of one character as Utf8Characters gives it; -1 when the
// bytes are no valid UTF-8 sequence.
long Utf8CodePoint(const std::string &character);
