#pragma once

#include <string>

// The plain parts of exporting the command list: which lists are exported,
// the proposed name and the folder remembered. The bytes written are the
// list's Latin-1 text (common/Text.h).

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
