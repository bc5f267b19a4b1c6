#include "texts/LanguageTable.h"

#include <cstring>

// clang-format off
const std::array<LanguageText, LanguageTextCount> LanguageTexts = {{
    {"LabelHeader", TextKind::Label, "Calculation of battery life time && data transmission volume  / FTP Command control file", "Batterielebensdauer  /  Datenübertragungsvolumen  /  FTP Kommando-Steuerdatei", false},
    {"MenuItemImport", TextKind::MenuEntry, "Import Setup...", "Konfiguration importieren...", false},
    {"MenuItemLanguage", TextKind::MenuEntry, "Language", "Sprache", false},
    {"MenuItemAbout", TextKind::MenuEntry, "About...", "Info...", false},
    {"MenuItemExit", TextKind::MenuEntry, "Exit", "Beenden", false},
    {"ConductivityCheckBox", TextKind::CheckBox, "Pelora 1000 with Conductivity", "Pelora 1000 mit Leitfähigkeit", false},
    {"TabItemBattLife", TextKind::TabCaption, "Battery life time / Data Volume", "Batterielebensdauer / Datenvolumen", false},
    {"LabelMeas", TextKind::Label, "Measurements", "Messungen", false},
    {"LabelMeasInt", TextKind::Label, "Sampling interval", "Mess Intervall", false},
    {"LabelStoreInt", TextKind::Label, "Storage interval", "Speicher Intervall", false},
    {"LabelMDisclaimer", TextKind::Label, "Disclaimer", "Disclaimer", false},
    {"CheckBoxMAll", TextKind::CheckBox, "Change all", "Alle ändern", false},
    {"CheckBoxSAll", TextKind::CheckBox, "Change all", "Alle ändern", false},
    {"LabelM1", TextKind::Label, "M1  Distance to Water", "M1  Abstich", true},
    {"LabelM2", TextKind::Label, "M2  Water Temperature", "M2  Wassertemperatur", true},
    {"LabelM3", TextKind::Label, "M3  Supply Voltage", "M3  Versorgungsspannung", true},
    {"LabelM4", TextKind::Label, "M4  Power Consumption", "M4  Batterieverbrauch", true},
    {"LabelM5", TextKind::Label, "M5  Signal Strength", "M5  Signalstärke", true},
    {"LabelM6", TextKind::Label, "M6  Specific Conductivity", "M6  Spez. Leitfähigkeit", true},
    {"LabelM7", TextKind::Label, "M7  Salinity", "M7  Salzgehalt", true},
    {"LabelM8", TextKind::Label, "M8  TDS", "M8  TDS", true},
    {"LabelModemType", TextKind::Label, "Radio network type", "Funknetzwerk", false},
    {"LabelMBLE", TextKind::Label, "Local communication via BLE", "Lokale Kommunikation mit Bluetooth", false},
    {"LabelMBLE2", TextKind::Label, "Data download, observer, etc.", "Daten auslesen, Beobachter, usw.", false},
    {"ComboBoxObserverInt", TextKind::Items, nullptr, nullptr, false},
    {"LabelBattery", TextKind::Label, "Battery type", "Batterietyp", false},
    {"LabelBattery2", TextKind::Label, "Available capacity", "Verfügbare Kapazität", false},
    {"LabelMResult", TextKind::Label, "Result: Estimated battery life time", "Ergebnis: Geschätzte Batterielebensdauer", false},
    {"LabelMResultD", TextKind::Label, "Days", "Tage", false},
    {"LabelMResultY", TextKind::Label, "Years", "Jahre", false},
    {"LabelMResultY10", TextKind::Label, "10years", "10Jahre", false},
    {"LabelVTransm", TextKind::Label, "IP Transmissions", "IP Übertragungen", false},
    {"LabelVTXS2Mode", TextKind::Label, "Secondary server mode", "Sekundärer Server (Modus)", false},
    {"LabelVTXS2Type", TextKind::Label, "Secondary server type", "Sekundärer Server (Typ)", false},
    {"LabelVTXS2Backuprate", TextKind::Label, "Backup data rate [%]", "Sicherungsrate [%]", false},
    {"LabelVTXInterval", TextKind::Label, "Interval", "Intervall", false},
    {"LabelVTXSType", TextKind::Label, "Server type", "Servertyp", false},
    {"LabelVTXFormat", TextKind::Label, "Data format", "Datenformat", false},
    {"LabelVCompression", TextKind::Label, "Compress data active", "Daten komprimieren aktiv", false},
    {"LabelVCompression2", TextKind::Label, "(Assumption: 25%)", "(Annahme: 25%)", false},
    {"LabelVStationEvents", TextKind::Label, "Station events active", "Stationsereignisse aktiv", false},
    {"LabelVChannelEvents", TextKind::Label, "Measurement events active / Number per transmission", "Kanalereignisse aktiv / Anzahl je Übertragung", false},
    {"LabelVResult", TextKind::Label, "Result: Estimated transmission volume **", "Ergebnis: Geschätztes Übertragungsvolumen **", false},
    {"LabelVResult2", TextKind::Label, "per transmission", "je Übertragung", false},
    {"LabelVResult3", TextKind::Label, "per month", "je Monat", false},
    {"LabelVResult4", TextKind::Label, "Total", "Gesamt", false},
    {"LabelVResult5", TextKind::Label, "** 1 kB = 1000 Bytes / 1 MB = 1000 kB / 1 month = 31 days or 5 weeks", "** 1 kB = 1000 Bytes / 1 MB = 1000 kB / 1 Monat = 31 Tage oder 5 Wochen", false},
    {"TabItemXMLCmd", TextKind::TabCaption, "FTP Command control file", "FTP Kommando-Steuerdatei", false},
    {"LabelStationID", TextKind::Label, "Station ID", "Stations-ID", false},
    {"LabelMeasurementID", TextKind::Label, "Measurement - Number", "Messung - Nummer", false},
    {"CornerButtonAddCmd", TextKind::PushButton, "Add command / query", "Kommando/Abfrage hinzufügen", false},
    {"CornerButtonExportFTPFile", TextKind::PushButton, "Export control file", "Steuerdatei exportieren", false},
    {"CornerButtonClearList", TextKind::PushButton, "Clear", "Löschen", false},
    {"ExpanderCfg", TextKind::ExpanderCaption, "Upload new configuration", "Neue Konfiguration aufspielen", false},
    {"LabelCfg", TextKind::Label, "Filename", "Dateiname", false},
    {"ExpanderFW", TextKind::ExpanderCaption, "Upload new firmware", "Neue Firmware aufspielen", false},
    {"LabelFW", TextKind::Label, "Filename", "Dateiname", false},
    {"ExpanderMIntSInt", TextKind::ExpanderCaption, "Change Sampling and Averaging interval", "Messtakt und Mittelungsintervall umstellen", false},
    {"LabelMInt2", TextKind::Label, "Sampling interval", "Messtakt", false},
    {"CheckBoxSint", TextKind::CheckBox, "Averaging interval", "Mittelungsintervall", false},
    {"ExpanderSkal", TextKind::ExpanderCaption, "Change Scaling", "Skalierung umstellen", false},
    {"LabelSkalFactor", TextKind::Label, "Slope", "Steigung", false},
    {"LabelSkalOffset", TextKind::Label, "Offset", "Offset", false},
    {"ExpanderLimit", TextKind::ExpanderCaption, "Change Limit", "Grenzwert umstellen", false},
    {"LabelLimitIndex", TextKind::Label, "Index", "Index", false},
    {"LabelLimitDir", TextKind::Label, "Direction", "Richtung", false},
    {"LabelLimitValue", TextKind::Label, "Value", "Wert", false},
    {"ExpanderGrad", TextKind::ExpanderCaption, "Change Gradient", "Gradient umstellen", false},
    {"LabelGradIndex", TextKind::Label, "Index", "Index", false},
    {"LabelGradDir", TextKind::Label, "Direction", "Richtung", false},
    {"ComboBoxGradDir", TextKind::Items, nullptr, nullptr, false},
    {"LabelGradValue", TextKind::Label, "Threshold", "Wert", false},
    {"ExpanderTInt", TextKind::ExpanderCaption, "Change Transmission interval", "Übertragungsintervall umstellen", false},
    {"LabelTIIndex", TextKind::Label, "Index", "Index", false},
    {"LabelTIInterval", TextKind::Label, "Scheduled interval", "Geplantes Intervall", false},
    {"CheckBoxTIOffset", TextKind::CheckBox, "Time", "Uhrzeit", false},
    {"LabelTILimitInt", TextKind::Label, "Limit interval", "Grenzw.intervall", false},
    {"ExpanderCfgDiag", TextKind::ExpanderCaption, "Retrieve Configuration and/or Diagnostics", "Konfiguration und/oder Diagnose abrufen", false},
    {"CheckBoxGetCfg", TextKind::CheckBox, "Configuration", "Konfiguration", false},
    {"CheckBoxGetDiag", TextKind::CheckBox, "Diagnostics", "Diagnose", false},
    {"ExpanderQuery", TextKind::ExpanderCaption, "Retrieve Data and Events", "Daten und Ereignisse abfragen", false},
    {"LabelQueryStart", TextKind::Label, "Start time", "Startzeit", false},
    {"LabelQueryEnd", TextKind::Label, "End time", "Endezeit", false},
    {"LabelQueryFormat", TextKind::Label, "Format", "Format", false},
    {"CheckBoxQueryEventsChannels", TextKind::CheckBox, "Measurement events", "Kanalereignisse", false},
    {"CheckBoxQueryEventsStation", TextKind::CheckBox, "Station events", "Stationsereignisse", false},
}};

const std::array<ItemText, GradDirItemCount> GradientDirectionItems = {{
    {"rising", "steigend"},
    {"falling", "fallend"},
    {"rising+falling", "steigend+fallend"},
}};
// clang-format on

const LanguageText *FindLanguageText(const char *control)
{
    for (const LanguageText &row : LanguageTexts) {
        if (std::strcmp(row.Control, control) == 0)
            return &row;
    }
    return nullptr;
}

ItemList ItemsOfRow(const LanguageText &row)
{
    if (std::strcmp(row.Control, "ComboBoxObserverInt") == 0)
        return {ObserverIntervalItems.data(), ObserverIntervalItems.size()};
    return {GradientDirectionItems.data(), GradientDirectionItems.size()};
}
