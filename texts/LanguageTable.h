#pragma once

#include "common/ListItems.h"
#include "common/Message.h"
#include "texts/ItemTexts.h"

#include <array>
#include <cstddef>

// Every fixed text of the main window in English and German, in the order in
// which the language switch sets them. Texts are UTF-8.

enum class TextKind
{
    Label,
    MenuEntry,
    CheckBox,
    TabCaption,
    PushButton,
    ExpanderCaption,
    Items, // the whole item list of a drop-down
};

struct LanguageText
{
    const char *Control;
    TextKind Kind;
    const char *English;
    const char *German;
    bool ChannelName; // set only while channel names follow the language
};

inline constexpr std::size_t LanguageTextCount = 86;
extern const std::array<LanguageText, LanguageTextCount> LanguageTexts;

inline constexpr std::size_t GradDirItemCount = 3;
// Items of ComboBoxGradDir; those of ComboBoxObserverInt are ObserverIntervalItems.
extern const std::array<ItemText, GradDirItemCount> GradientDirectionItems;

// The items a row of kind Items puts into its drop-down, in their order.
struct ItemList
{
    const ItemText *First;
    std::size_t Count;

    const ItemText *begin() const { return First; }
    const ItemText *end() const { return First + Count; }
};
ItemList ItemsOfRow(const LanguageText &row);

// Ours: closing could not keep the settings; "%1" is one of the file failures below.
inline constexpr Message SettingsNotSaved = {
    "The settings could not be saved.\r\n%1",
    "Die Einstellungen konnten nicht gespeichert werden.\r\n%1"};

// Ours: a settings file too large to be one is not read at start-up; "%1" is
// the failure below.
inline constexpr Message SettingsNotRead = {
    "The settings could not be read; the program starts with its default settings.\r\n%1",
    "Die Einstellungen konnten nicht gelesen werden; das Programm startet mit seinen "
    "Standardeinstellungen.\r\n%1"};

// Ours: file failures; "%1" is the file, "%2" the reason or, for a file too
// large, the bound in MB.
inline constexpr Message FileNotRead = {"The file \"%1\" could not be read: %2",
                                        "Die Datei \"%1\" konnte nicht gelesen werden: %2"};
inline constexpr Message FileNotWritten = {"The file \"%1\" could not be written: %2",
                                           "Die Datei \"%1\" konnte nicht geschrieben werden: %2"};
inline constexpr Message FileTooLarge = {
    "The file \"%1\" is larger than %2 MB and cannot be a settings file; it is left as it is.",
    "Die Datei \"%1\" ist größer als %2 MB und kann keine Einstellungsdatei sein; sie bleibt "
    "unverändert."};

// The row of a control, or nullptr.
const LanguageText *FindLanguageText(const char *control);

inline const char *Translated(const LanguageText &row, bool english)
{
    return english ? row.English : row.German;
}
