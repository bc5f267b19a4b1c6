#pragma once

#include <string_view>

// The two kinds of file the program opens, told apart by their content and
// never by their name.
enum class FileKind
{
    Setup, // a logger's binary setup file
    Plan,  // a plan file (JSON)
};

// The kind of a file from its first bytes: a JSON object, after an optional
// byte order mark and blanks, is a plan; anything else is left to the setup
// reader.
FileKind KindOfContent(std::string_view bytes);
