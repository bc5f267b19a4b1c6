#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <memory>

class Dialogs;

// What the window takes from the platform, gathered so tests can pin it.
struct Environment
{
    QString ProgramFolder; // folder of the program file
    std::shared_ptr<Dialogs> Boxes;
    QDate Today;
    std::uint32_t RandomSeed = 0;
    QLocale Locale;

    // The running program: its own folder, real dialogs, the clock, the
    // user's locale.
    static Environment System();

    // The locale's decimal separator where it is one plain character, else ".".
    char DecimalSeparator() const;
};
