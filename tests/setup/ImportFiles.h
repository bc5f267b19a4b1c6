#pragma once

#include "setup/SetupFileFormat.h"
#include "tests/setup/SetupFileBuilder.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <filesystem>
#include <string>
#include <system_error>

// Setup files the import tests write, and how they write them.
namespace ImportFiles {

using B = SetupFileBuilder;

inline QByteArray Bytes(const B &file)
{
    const B::Bytes bytes = file.Build();
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), static_cast<int>(bytes.size()));
}

inline QString Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// A setup whose channel 1 is named; channels 6 to 8 are named when given.
inline B NamedSetup(const std::string &name1, const std::string &name8 = {})
{
    using namespace SetupFile;
    B file;
    file.Add(ParamStationID, 1, ElemStationID, B::Text("0000004711"))
        .Add(ParamChannel, 1, ElemChannelNr, B::Text("0001"))
        .Add(ParamChannel, 1, ElemChannelName, B::Text(name1))
        .Add(ParamSampling, 1, ElemSamplingInterval, B::Int(900))
        .Add(ParamStorage, 1, 1, B::Int(1))
        .Add(ParamChannel, 6, ElemChannelName, B::Text("Cond"))
        .Add(ParamChannel, 7, ElemChannelName, B::Text("Sal"))
        .Add(ParamChannel, 8, ElemChannelName, B::Text(name8));
    return file;
}

inline QString WriteSetup(const QString &path, const std::string &name1,
                          const std::string &name8 = {})
{
    return Write(path, Bytes(NamedSetup(name1, name8)));
}

// A walk that fails at its last entry, after channel 1 and 8 have been read:
// a text length larger than the file.
inline QByteArray BrokenSetup()
{
    B file = NamedSetup("Broken", "TDS");
    file.Add(SetupFile::ParamUnusedA, 1, 1, B::TextClaiming(1000, "abc"));
    return Bytes(file);
}

// Removes a folder by the bytes of its name.
struct RemovedAtEnd
{
    std::string path;
    ~RemovedAtEnd()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

} // namespace ImportFiles
