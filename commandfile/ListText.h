#pragma once

#include <string>

// The command list is one text whose lines each end with CR LF. It is never
// parsed: entries go in by plain substring search, so hand edits survive.

inline constexpr const char *LineEnd = "\r\n";
inline constexpr const char *XmlDeclaration = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>";

// The command list takes at most this many entries; the counter says how many.
inline constexpr int MaxListEntries = 10;

enum class EntryKind
{
    Command,
    Query
};

// One line of the list: indent spaces, the text, CR LF.
std::string ListLine(int indent, const std::string &text);

// The list text with the entry inserted before the closing line of its
// section. A text without "<?xml" is replaced by the declaration first; a
// missing section is appended after everything else.
std::string InsertEntry(const std::string &listText, EntryKind kind, const std::string &entry);
