#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text without its leading and trailing characters of codes 0 to 32;
// 8-bit characters above 127 are kept.
std::string_view Trimmed(std::string_view text);

// 8-bit text as setup files hold it (one byte per character, ISO-8859-1) in
// UTF-8, as every text of the window is.
std::string Latin1ToUtf8(std::string_view text);

// A character an 8-bit text (ISO-8859-1) cannot hold, and the line it stands on.
struct UnencodableCharacter
{
    std::string character; // UTF-8
    int line = 0;          // counted from 1
};

// UTF-8 text as ISO-8859-1 bytes, or the first character that has no byte
// there; then bytes is empty and nothing must be written.
struct Latin1Text
{
    std::string bytes;
    std::optional<UnencodableCharacter> unencodable;
};

Latin1Text ToLatin1(const std::string &utf8Text);

// The line breaks of the text: CR LF, CR and LF each break a line once.
int LineBreaks(std::string_view text);
