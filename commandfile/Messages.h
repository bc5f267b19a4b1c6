#pragma once

#include "common/Message.h"

// Messages of the command editor in English and German. "%1" and "%2" are
// filled in by the page.

inline constexpr Message NoSpacesInFileName = {
    "There must be no spaces in the filename!",
    "Es dürfen keine Leerzeichen im Dateinamen vorkommen!"};

inline constexpr Message SaveConfigurationFile = {
    "Save the configuration file in the FTP directory “config”.",
    "Legen Sie die Konfigurationsdatei im FTP Verzeichnis “config” ab."};

inline constexpr Message SaveFirmwareFile = {
    "Save the firmware file in the FTP directory “firmware”.",
    "Legen Sie die Firmware-Datei im FTP Verzeichnis “firmware” ab."};

inline constexpr Message DataMemoryMayBeDeleted = {
    "Please note that the data memory may be deleted!\r\n"
    "It should be ensured that the data is on the server.",
    "Es ist zu beachten, dass ggf. der Datenspeicher gelöscht wird!\r\n"
    "Es sollte sichergestellt sein, dass die Daten sich auf dem Server befinden."};

inline constexpr Message FileAlreadyExists = {"%1  already exists!", "%1  existiert bereits!"};

// Ours: a drop-down without a chosen item cannot go into a command.
inline constexpr Message NoItemChosen = {
    "No item is chosen for \"%1\". Choose one before adding the command.",
    "Für \"%1\" ist kein Eintrag gewählt. Bitte wählen Sie einen aus, bevor Sie das "
    "Kommando hinzufügen."};

// Ours: the logger reads ISO-8859-1 only; nothing is written then.
inline constexpr Message CharacterNotExportable = {
    "The command list was not exported: the character \"%1\" in line %2 cannot be written in "
    "the file's character set (ISO-8859-1).",
    "Die Kommandoliste wurde nicht exportiert: Das Zeichen \"%1\" in Zeile %2 ist im "
    "Zeichensatz der Datei (ISO-8859-1) nicht darstellbar."};
