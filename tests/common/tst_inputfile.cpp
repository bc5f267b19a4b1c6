#include "common/InputFile.h"

#include "tests/support/SpecialFiles.h"

#include <QtTest>

#include <cerrno>
#include <fstream>

namespace {

// What the name holds.
enum class Occupant
{
    File, // ContentBytes bytes
    Huge, // a sparse file one byte beyond the bound
    Pipe,
    Folder,
    Nothing,
};

constexpr std::size_t ContentBytes = 100000;
constexpr std::size_t Whole = 0; // the whole file, not its start

std::string Content()
{
    std::string bytes;
    for (std::size_t i = 0; i < ContentBytes; ++i)
        bytes += static_cast<char>('a' + i % 26);
    return bytes;
}

} // namespace

Q_DECLARE_METATYPE(Occupant)
Q_DECLARE_METATYPE(FileFault::Kind)

class TestInputFile : public QObject
{
    Q_OBJECT

private slots:
    void readOrRefused_data();
    void readOrRefused();
};

void TestInputFile::readOrRefused_data()
{
    QTest::addColumn<Occupant>("occupant");
    QTest::addColumn<std::size_t>("start"); // bytes asked for, or Whole
    QTest::addColumn<FileFault::Kind>("fault");
    QTest::addColumn<int>("error"); // errno of a system fault
    QTest::addColumn<std::size_t>("read");

    using Kind = FileFault::Kind;
    QTest::addRow("a file") << Occupant::File << Whole << Kind::None << 0 << ContentBytes;
    QTest::addRow("a file's start")
        << Occupant::File << std::size_t(4096) << Kind::None << 0 << std::size_t(4096);
    QTest::addRow("more than the file holds")
        << Occupant::File << ContentBytes + 1 << Kind::None << 0 << ContentBytes;
    QTest::addRow("beyond the bound")
        << Occupant::Huge << Whole << Kind::TooLarge << 0 << std::size_t(0);
    QTest::addRow("the start of a file beyond the bound")
        << Occupant::Huge << std::size_t(4096) << Kind::None << 0 << std::size_t(4096);
    // Opening a pipe would wait for a writer.
    QTest::addRow("a pipe") << Occupant::Pipe << Whole << Kind::NotRegular << 0 << std::size_t(0);
    QTest::addRow("a pipe's start")
        << Occupant::Pipe << std::size_t(4096) << Kind::NotRegular << 0 << std::size_t(0);
    QTest::addRow("a folder's start")
        << Occupant::Folder << std::size_t(4096) << Kind::NotRegular << 0 << std::size_t(0);
    QTest::addRow("nothing's start")
        << Occupant::Nothing << std::size_t(4096) << Kind::System << ENOENT << std::size_t(0);
}

// A regular file is read from its start, whole or in part; anything else is
// refused before it is opened, with no bytes.
void TestInputFile::readOrRefused()
{
    QFETCH(Occupant, occupant);
    QFETCH(std::size_t, start);
    QFETCH(FileFault::Kind, fault);
    QFETCH(int, error);
    QFETCH(std::size_t, read);

    QTemporaryDir folder;
    const std::string path = folder.filePath("input").toStdString();
    if (occupant == Occupant::File)
        std::ofstream(path, std::ios::binary) << Content();
    if (occupant == Occupant::Huge) {
        std::ofstream(path, std::ios::binary).close();
        std::filesystem::resize_file(path, MaxInputFileBytes + 1);
    }
    if (occupant == Occupant::Pipe)
        QVERIFY(SpecialFiles::MakePipe(path));
    if (occupant == Occupant::Folder)
        QVERIFY(QDir().mkpath(QString::fromStdString(path)));
    const SpecialFiles::PipeWatch watch(path);

    std::string bytes = "left over";
    const FileFault got =
        start == Whole ? ReadInputFile(path, bytes) : ReadInputFileStart(path, start, bytes);
    QVERIFY(!watch.Opened());
    QCOMPARE(got.kind, fault);
    QCOMPARE(got.systemError, error);
    QCOMPARE(bytes.size(), read);
    if (occupant == Occupant::File)
        QCOMPARE(bytes, Content().substr(0, read));
}

QTEST_APPLESS_MAIN(TestInputFile)
#include "tst_inputfile.moc"
