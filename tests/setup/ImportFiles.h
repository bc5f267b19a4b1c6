#pragma once

#include "setup/SetupFileFormat.h"
#include "setup/SetupImport.h"
#include "tests/setup/SetupFileBuilder.h"
#include "tests/support/FakeDialogs.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTest>

#include <filesystem>
#include <string>
#include <system_error>

// Setup files the import tests write, how they write them, and the two ways
// the tests import them.
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

// Has the program make_sample_setup write its sample setup to path.
inline bool WriteSampleSetup(const QString &maker, const QString &path)
{
    QProcess process;
    process.start(maker, {path});
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// The import of one entry point: the dialog answers with the path, or the
// path is dropped.
inline void ImportBy(SetupImport &import, FakeDialogs &boxes, bool dialog, const QString &path)
{
    if (dialog) {
        boxes.fileAnswers.push_back(path);
        import.MenuItemImportClick();
    } else {
        import.WMDropFiles({path});
    }
}

// Rows for each entry point.
inline void DialogAndDropRows()
{
    QTest::addColumn<bool>("dialog");
    QTest::addRow("dialog") << true;
    QTest::addRow("drop") << false;
}

} // namespace ImportFiles
