#pragma once

#include <string>
#include <string_view>

// The text without its leading and trailing characters of codes 0 to 32;
// 8-bit characters above 127 are kept.
std::string_view Trimmed(std::string_view text);

// The 8-bit text (ISO-8859-1, one byte per character) as UTF-8.
std::string Utf8FromLatin1(std::string_view text);
