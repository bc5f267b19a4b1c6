#pragma once

#include <optional>
#include <string>

// The plain parts of exporting the command list: which lists are exported,
// the bytes written, the proposed name and the folder remembered.

// A character the file's code page cannot hold, and the line it stands on.
struct UnencodableCharacter
{
    std::string character; // UTF-8
    int line = 0;          // counted from 1
};

// The list text as ISO-8859-1 bytes, or the first character that has no byte
// there; then bytes is empty and nothing must be written.
struct Latin1Text
{
    std::string bytes;
    std::optional<UnencodableCharacter> unencodable;
};

Latin1Text ToLatin1(const std::string &utf8Text);

// Lines as the text box shows them: a break at the very end starts a further,
// empty line; an empty text has none. CR LF, CR and LF each break a line.
int ListLineCount(const std::string &listText);

// Lists of three lines or fewer are not exported.
bool IsExportable(const std::string &listText);

// The trimmed station ID followed by ".kcf".
std::string ProposedFileName(const std::string &stationIdText);

// The folder of a chosen path: without its last component and without a
// trailing separator, except that a root ("/", "C:/") keeps it. Both "/" and
// "\" separate; a bare name gives an empty folder.
std::string ExportFolderOf(const std::string &chosenPath);
