#pragma once

#include <QDate>
#include <QLocale>
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class Dialogs;

// What the window takes from the platform, gathered so tests can pin it.
struct Environment
{
    QString ProgramFolder;  // folder of the program file
    QString SettingsFolder; // where the settings file lives
    QString DataFolder;     // where the temporary setup copy is made
    std::shared_ptr<Dialogs> Boxes;
    // The date now: a window may stay open past midnight.
    std::function<QDate()> Today;
    std::uint32_t RandomSeed = 0;
    QLocale Locale;
    // The part of the screen windows may take, without task bars and docks;
    // empty where nothing bounds the main window.
    QRect FreeScreenArea;

    // The running program: its own folder, real dialogs, the clock, the
    // user's locale, the primary screen. Settings and the setup copy stay
    // beside the program where its folder is writable (a portable copy, a
    // build folder); an installed program uses the user's own folders instead.
    static Environment System();

    // The program's folder, ending with the path separator.
    QString ProgramPath() const;

    // The locale's decimal separator where it is one plain character, else ".".
    char DecimalSeparator() const;
};
