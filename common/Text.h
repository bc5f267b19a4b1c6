#pragma once

#include <string>
#include <string_view>

// The text without its leading and trailing characters of codes 0 to 32;
// 8-bit characters above 127 are kept.
std::string_view Trimmed(std::string_view text);

// 8-bit text as setup files hold it (one byte per character, ISO-8859-1) in
// UTF-8, as every text of the window is.
std::string Latin1ToUtf8(std::string_view text);
