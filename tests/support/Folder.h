#pragma once

#include "tests/support/TestText.h"

#include <QStringList>

#include <filesystem>
#include <fstream>
#include <string>

// Files of a test's own folder, made and read back.

inline void WriteFileBytes(const std::filesystem::path &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// The names in the folder, sorted.
inline QStringList Entries(const std::filesystem::path &folder)
{
    QStringList names;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        names << QString::fromStdString(entry.path().filename().string());
    names.sort();
    return names;
}

// Every file of the folder with its content, one a line; a folder as its
// name and "/", a pipe as its name and "|", a link as its name, "->" and
// where it leads.
inline std::string FolderContent(const std::filesystem::path &folder)
{
    std::string content;
    for (const QString &name : Entries(folder)) {
        const std::filesystem::path path = folder / name.toStdString();
        if (std::filesystem::is_symlink(path))
            content += name.toStdString() + " -> " + std::filesystem::read_symlink(path).string();
        else if (std::filesystem::is_directory(path))
            content += name.toStdString() + "/";
        else if (std::filesystem::is_fifo(path))
            content += name.toStdString() + "|";
        else
            content += name.toStdString() + ": " + ReadFileBytes(path);
        content += "\n";
    }
    return content;
}
