#include "app/Settings.h"

const char SettingsFileName[] = "PL1KToolbox.ini";

namespace {

const char Section[] = "";

const char KeyLanguage[] = "Language";
const char KeyTabItem[] = "TabItem";
const char KeyImportDir[] = "ImportDir";
const char KeyExportDir[] = "ExportDir";
const char KeyPlanDir[] = "PlanDir";

const int LanguageDefault = 1;
const int LanguageGerman = 0;
const int LanguageEnglish = 1;
const int TabItemDefault = 0;
const int TabItemLast = 2;

void WriteFolder(IniFile &ini, const char *key, const std::string &folder)
{
    if (!ini.WriteString(Section, key, folder))
        ini.WriteString(Section, key, "");
}

} // namespace

Settings ReadSettings(const IniFile &ini)
{
    Settings settings;
    settings.LanguageEN = ini.ReadInteger(Section, KeyLanguage, LanguageDefault) != LanguageGerman;
    const int tabItem = ini.ReadInteger(Section, KeyTabItem, TabItemDefault);
    settings.LastTabItem = tabItem >= 0 && tabItem <= TabItemLast ? tabItem : TabItemDefault;
    settings.ImportDir = ini.ReadString(Section, KeyImportDir, "");
    settings.ExportDir = ini.ReadString(Section, KeyExportDir, "");
    settings.PlanDir = ini.ReadString(Section, KeyPlanDir, "");
    return settings;
}

void WriteSettings(const Settings &settings, IniFile &ini)
{
    ini.WriteInteger(Section, KeyLanguage, settings.LanguageEN ? LanguageEnglish : LanguageGerman);
    ini.WriteInteger(Section, KeyTabItem, settings.LastTabItem);
    WriteFolder(ini, KeyImportDir, settings.ImportDir);
    WriteFolder(ini, KeyExportDir, settings.ExportDir);
    if (!settings.PlanDir.empty() || ini.ReadValue(Section, KeyPlanDir))
        WriteFolder(ini, KeyPlanDir, settings.PlanDir);
}

Settings LoadSettings(const std::filesystem::path &path, std::optional<FileError> &error)
{
    IniFile ini;
    FileError failure;
    error.reset();
    if (!LoadIniFile(path, ini, failure))
        error = failure;
    return ReadSettings(ini);
}

bool SaveSettings(const Settings &settings, const std::filesystem::path &path, FileError &error)
{
    IniFile ini;
    if (!LoadIniFile(path, ini, error))
        return false;
    WriteSettings(settings, ini);
    return SaveIniFile(ini, path, error);
}
