#include "common/AtomicFile.h"

#include "tests/support/Confined.h"
#include "tests/support/Folder.h"
#include "tests/support/SpecialFiles.h"
#include "tests/support/TestText.h"

#include <QtTest>

namespace fs = std::filesystem;

namespace {

const std::string NewBytes = "new content, longer than the file-size limit of the confined runs: "
                             "0123456789012345678901234567890123456789";

// What takes the name before the write.
enum class Occupant
{
    Nothing,
    File,
    Folder,
    DanglingLink,
    LinkToFile,
    Pipe,
    LinkToPipe,
};

// Makes the occupant at path; a link to a file leads to "other" beside it.
void Occupy(Occupant occupant, const fs::path &path)
{
    switch (occupant) {
    case Occupant::Nothing:
        break;
    case Occupant::File:
        WriteFileBytes(path, "old");
        break;
    case Occupant::Folder:
        fs::create_directory(path);
        break;
    case Occupant::DanglingLink:
        fs::create_symlink("nowhere", path);
        break;
    case Occupant::LinkToFile:
        fs::create_symlink("other", path);
        break;
    case Occupant::Pipe:
        SpecialFiles::MakePipe(path);
        break;
    case Occupant::LinkToPipe:
        SpecialFiles::MakePipe(path.parent_path() / "pipe");
        fs::create_symlink("pipe", path);
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Occupant)

class TestAtomicFile : public QObject
{
    Q_OBJECT

private slots:
    void newFileNeverReplaces_data();
    void newFileNeverReplaces();
    void writeIntoMissingFolder();
    void replacingKeepsWhatIsNoFile_data();
    void replacingKeepsWhatIsNoFile();
    void unfinishedNewFileLeavesNothing_data();
    void unfinishedNewFileLeavesNothing();
};

void TestAtomicFile::newFileNeverReplaces_data()
{
    QTest::addColumn<Occupant>("occupant");
    QTest::addColumn<int>("reason"); // errno, 0 for none
    QTest::addColumn<QByteArray>("folderAfter");

    QTest::addRow("free name") << Occupant::Nothing << 0
                               << Bytes("a.kcf: " + NewBytes + "\nother: other\n");
    QTest::addRow("a file") << Occupant::File << EEXIST << QByteArray("a.kcf: old\nother: other\n");
    QTest::addRow("a folder") << Occupant::Folder << EEXIST << QByteArray("a.kcf/\nother: other\n");
    // A link is a name that exists, even when it leads nowhere or elsewhere.
    QTest::addRow("a dangling link")
        << Occupant::DanglingLink << EEXIST << QByteArray("a.kcf -> nowhere\nother: other\n");
    QTest::addRow("a link to a file")
        << Occupant::LinkToFile << EEXIST << QByteArray("a.kcf -> other\nother: other\n");
}

void TestAtomicFile::newFileNeverReplaces()
{
    QFETCH(Occupant, occupant);
    QFETCH(int, reason);
    QFETCH(QByteArray, folderAfter);
    QTemporaryDir dir;
    const fs::path folder(dir.path().toStdString());
    const fs::path path = folder / "a.kcf";
    WriteFileBytes(folder / "other", "other");
    Occupy(occupant, path);

    const FileFault fault = WriteNewFileAtomically(path, NewBytes);
    QCOMPARE(fault.kind, reason ? FileFault::Kind::System : FileFault::Kind::None);
    QCOMPARE(fault.systemError, reason);
    // Nothing else in the folder: no temporary file stays.
    QCOMPARE(Bytes(FolderContent(folder)), folderAfter);
}

// Told as a missing folder: "file not found" would name the wrong thing.
void TestAtomicFile::writeIntoMissingFolder()
{
    QTemporaryDir dir;
    const fs::path path = fs::path(dir.path().toStdString()) / "missing" / "a.kcf";
    QCOMPARE(WriteNewFileAtomically(path, NewBytes).kind, FileFault::Kind::NoFolder);
    QCOMPARE(WriteFileAtomically(path, NewBytes).kind, FileFault::Kind::NoFolder);
    QVERIFY(fs::is_empty(dir.path().toStdString()));
}

void TestAtomicFile::replacingKeepsWhatIsNoFile_data()
{
    QTest::addColumn<Occupant>("occupant");
    QTest::addColumn<QByteArray>("folder");
    QTest::addRow("a folder") << Occupant::Folder << QByteArray("a.pdf/\nother: other\n");
    QTest::addRow("a pipe") << Occupant::Pipe << QByteArray("a.pdf|\nother: other\n");
    QTest::addRow("a link to a pipe")
        << Occupant::LinkToPipe << QByteArray("a.pdf -> pipe\nother: other\npipe|\n");
}

// A name that holds no regular file (a device such as /dev/null alike) is
// refused as such and stays as it was.
void TestAtomicFile::replacingKeepsWhatIsNoFile()
{
    QFETCH(Occupant, occupant);
    QFETCH(QByteArray, folder);
    QTemporaryDir dir;
    const fs::path place(dir.path().toStdString());
    WriteFileBytes(place / "other", "other");
    Occupy(occupant, place / "a.pdf");

    const FileFault fault = WriteFileAtomically(place / "a.pdf", NewBytes);
    QCOMPARE(fault.kind, FileFault::Kind::NotRegular);
    QCOMPARE(Bytes(FolderContent(place)), folder);
}

void TestAtomicFile::unfinishedNewFileLeavesNothing_data()
{
    QTest::addColumn<Confinement>("confinement");
    QTest::addColumn<int>("reason"); // errno
    QTest::addRow("disk full") << Confinement::FullDisk << ENOSPC;
    QTest::addRow("file-size limit") << Confinement::FileSizeLimit << EFBIG;
}

// The bytes do not all fit: neither the file nor a part of it stays.
void TestAtomicFile::unfinishedNewFileLeavesNothing()
{
    QFETCH(Confinement, confinement);
    QFETCH(int, reason);
    QVERIFY(NewBytes.size() > FileSizeLimitBytes);
    QTemporaryDir dir;
    const fs::path folder(dir.path().toStdString());
    const ConfinedRun run = RunConfined(
        confinement, folder, [] {},
        [&] {
            const FileFault fault = WriteNewFileAtomically(folder / "a.kcf", NewBytes);
            return fault.Text() + "\n" + FolderContent(folder);
        });
    if (!run.Confined)
        QSKIP(run.Output.c_str());
    QCOMPARE(Bytes(run.Output), Bytes(FileFault::OfSystem(reason).Text() + "\n"));
}

QTEST_APPLESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
