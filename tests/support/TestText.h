#pragma once

#include "common/Message.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

// Plain texts as QtTest compares and prints them.
inline QByteArray Bytes(const std::string &text)
{
    return QByteArray::fromStdString(text);
}

// Lines given without their ends; every one gets CR LF.
inline QByteArray Lines(std::initializer_list<const char *> lines)
{
    QByteArray text;
    for (const char *line : lines)
        text += QByteArray(line) + "\r\n";
    return text;
}

inline std::string ReadFileBytes(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// What is wrong with a table of texts in both languages: a text missing, or
// a translation that drops or adds a placeholder, which loses a value or
// shows "%2". Empty when nothing is.
template <typename Table> QStringList TranslationFaults(const Table &texts)
{
    const auto placeholders = [](const char *text) {
        QSet<QString> found;
        static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
        for (const QRegularExpressionMatch &match :
             placeholder.globalMatch(QString::fromUtf8(text)))
            found.insert(match.captured());
        return found;
    };
    QStringList faults;
    int row = 0;
    for (const Message &text : texts) {
        if (!text.English || !*text.English || !text.German || !*text.German)
            faults << QStringLiteral("text %1 is missing").arg(row);
        else if (placeholders(text.English) != placeholders(text.German))
            faults << QStringLiteral("text %1 has other placeholders in German").arg(row);
        ++row;
    }
    return faults;
}
