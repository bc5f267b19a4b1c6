#pragma once

#include <QByteArray>

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
