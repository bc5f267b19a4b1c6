#pragma once

#include <string_view>

// The text without its leading and trailing characters of codes 0 to 32;
// 8-bit characters above 127 are kept.
std::string_view Trimmed(std::string_view text);
