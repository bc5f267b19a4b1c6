#pragma once

#include "common/Message.h"

// Texts of the command page's own controls beyond those of the language
// table, and of its export for several stations, in English and German.
// "&" marks the key that reaches a control with Alt.

// The page's buttons.
inline constexpr Message CommandsFromPlanCaption = {"Commands from the plan",
                                                    "Kommandos aus dem Plan"};
inline constexpr Message ExportStationsCaption = {"Export for several stations...",
                                                  "Für mehrere Stationen exportieren..."};

// The dialog of the export for several stations.
inline constexpr Message StationExportTitle = {"Export for several stations",
                                               "Für mehrere Stationen exportieren"};
inline constexpr Message StationIdsCaption = {"Station &IDs, one per line:",
                                              "Stations-&IDs, eine pro Zeile:"};
inline constexpr Message FromSetupFilesCaption = {"From &setup files...", "Aus &Setup-Dateien..."};
inline constexpr Message FromTextFileCaption = {"From a &text file...", "Aus einer &Textdatei..."};
inline constexpr Message LineNotesCaption = {"Lines &changed or left out:",
                                             "&Geänderte oder ausgelassene Zeilen:"};
inline constexpr Message FolderCaption = {"&Folder:", "&Ordner:"};
inline constexpr Message ChooseFolderCaption = {"C&hoose...", "&Wählen..."};
inline constexpr Message WriteFilesCaption = {"&Write files", "&Dateien schreiben"};
inline constexpr Message CloseCaption = {"Close", "Schließen"};

// "%1" is a count.
inline constexpr Message FileCountText = {"Files to write: %1", "Zu schreibende Dateien: %1"};

// What became of a line. "%1" is its number, "%2" its text, "%3" the ID it
// gives; a repeated ID names the line that gave it first as "%4".
inline constexpr Message LineChangedNote = {"Line %1: \"%2\" becomes %3",
                                            "Zeile %1: \"%2\" wird zu %3"};
inline constexpr Message LineEmptyNote = {"Line %1: empty, left out", "Zeile %1: leer, entfällt"};
inline constexpr Message LineRepeatedNote = {"Line %1: \"%2\" gives %3 as line %4 does, left out",
                                             "Zeile %1: \"%2\" ergibt %3 wie Zeile %4, entfällt"};

// The file dialogs.
inline constexpr Message SetupFilesTitle = {"Choose setup files", "Setup-Dateien wählen"};
inline constexpr Message TextFileTitle = {"Choose a text file of station IDs",
                                          "Textdatei mit Stations-IDs wählen"};
inline constexpr Message FolderTitle = {"Choose the folder for the command files",
                                        "Ordner für die Kommandodateien wählen"};
inline constexpr Message SetupFilesFilter = {"Setup files (*.bin *.BIN)",
                                             "Setup-Dateien (*.bin *.BIN)"};
inline constexpr Message TextFilesFilter = {"Text files (*.txt *.TXT)",
                                            "Textdateien (*.txt *.TXT)"};
inline constexpr Message AllFilesFilter = {"All files (*)", "Alle Dateien (*)"};

// Setup files that gave no station ID: the heading, then a line each with
// the file and the reason.
inline constexpr Message SetupIdsNotRead = {
    "No station ID was taken from these files:",
    "Aus diesen Dateien wurde keine Stations-ID übernommen:"};
inline constexpr Message SetupNamesNoStation = {"the file names no station ID",
                                                "die Datei nennt keine Stations-ID"};
