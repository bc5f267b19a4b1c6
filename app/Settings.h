#pragma once

#include "app/IniFile.h"

#include <filesystem>
#include <optional>
#include <string>

// The settings file beside the program.
extern const char SettingsFileName[];

// What the settings file remembers from one run to the next. Folders are UTF-8.
struct Settings
{
    bool LanguageEN = true;
    int LastTabItem = 0;
    std::string ImportDir;
    std::string ExportDir;
    // The folder of the last plan file opened, saved or compared with.
    std::string PlanDir;
};

// Reads the keys of the section "" with their defaults and checks.
Settings ReadSettings(const IniFile &ini);

// Writes the keys in their order; every other line stays as it was. A folder
// that cannot be held on one line (it has a line break) is written empty.
// PlanDir is added to a file only once a plan folder is known, so that a run
// without plans leaves the file as the program has always written it.
void WriteSettings(const Settings &settings, IniFile &ini);

// Reading at start-up never fails: a missing or unreadable file gives the
// defaults, and `error` says why a file that is there was not read.
Settings LoadSettings(const std::filesystem::path &path, std::optional<FileError> &error);

// Reads the file as it is now, writes the keys into it and saves it safely.
// An existing file that cannot be read is left alone. On failure returns false
// with the failure.
bool SaveSettings(const Settings &settings, const std::filesystem::path &path, FileError &error);
