#pragma once

#include "common/ListItems.h"
#include "common/Message.h"

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

struct ItemText
{
    const char *English;
    const char *German;
};

inline constexpr std::size_t LanguageTextCount = 86;
extern const std::array<LanguageText, LanguageTextCount> LanguageTexts;

inline constexpr std::size_t GradDirItemCount = 3;
// Items of ComboBoxObserverInt and ComboBoxGradDir.
extern const std::array<ItemText, ObserverIntervalCount> ObserverIntervalItems;
extern const std::array<ItemText, GradDirItemCount> GradientDirectionItems;

// Ours: closing could not keep the settings; "%1" names the file and the reason.
inline constexpr Message SettingsNotSaved = {
    "The settings could not be saved.\r\n%1",
    "Die Einstellungen konnten nicht gespeichert werden.\r\n%1"};

// The row of a control, or nullptr.
const LanguageText *FindLanguageText(const char *control);

inline const char *Translated(const LanguageText &row, bool english)
{
    return english ? row.English : row.German;
}
inline const char *Translated(const ItemText &item, bool english)
{
    return english ? item.English : item.German;
}
