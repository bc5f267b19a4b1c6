#include "setup/ByteSource.h"
#include "setup/SetupModel.h"
#include "tests/support/SpecialFiles.h"

#include <QtTest>

#include <fstream>

namespace {

constexpr std::size_t FileSize = 10000;

std::vector<std::uint8_t> Pattern()
{
    std::vector<std::uint8_t> bytes(FileSize);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    return bytes;
}

} // namespace

class TestByteSource : public QObject
{
    Q_OBJECT

private slots:
    void littleEndianValues();
    void fileReadsMatchMemory_data();
    void fileReadsMatchMemory();
    void filesThatCannotBeOpened_data();
    void filesThatCannotBeOpened();
};

void TestByteSource::littleEndianValues()
{
    const std::uint8_t bytes[] = {0x78, 0x56, 0x34, 0x12, 0xFF, 0xFF,
                                  0xFF, 0xFF, 0x7F, 0x96, 0x18, 0xCB};
    MemoryByteSource source(bytes, sizeof bytes);
    std::uint32_t unsignedValue = 0;
    QVERIFY(source.ReadUInt32At(0, unsignedValue));
    QCOMPARE(unsignedValue, 0x12345678u);
    std::int32_t signedValue = 0;
    QVERIFY(source.ReadInt32At(4, signedValue));
    QCOMPARE(signedValue, -1);
    float real = 0;
    QVERIFY(source.ReadFloat32At(8, real));
    QCOMPARE(real, NoLimit);
    QVERIFY(!source.ReadUInt32At(9, unsignedValue));
}

// The page cache of the file source must give exactly the bytes of the file,
// across page ends and after pages have been replaced.
void TestByteSource::fileReadsMatchMemory_data()
{
    QTest::addColumn<int>("pageSize");
    for (int size : {1, 3, 20, 64, 4096, static_cast<int>(FileByteSource::DefaultPageSize)})
        QTest::addRow("pages of %d bytes", size) << size;
}

void TestByteSource::fileReadsMatchMemory()
{
    QFETCH(int, pageSize);
    const std::vector<std::uint8_t> bytes = Pattern();
    QTemporaryDir dir;
    const std::string path = dir.filePath("PATTERN.BIN").toStdString();
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char *>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    FileByteSource file(path, static_cast<std::size_t>(pageSize));
    QVERIFY(file.IsOpen());
    QCOMPARE(file.Size(), static_cast<std::uint64_t>(FileSize));
    MemoryByteSource memory(bytes.data(), bytes.size());

    struct Read
    {
        std::uint64_t position;
        std::size_t count;
    };
    const Read reads[] = {{0, 20},         {256, 20},    {9000, 4},  {60, 9},    {61, 200},
                          {4090, 12},      {0, 20},      {9996, 4},  {9999, 1},  {10000, 0},
                          {5000, 5000},    {9997, 4},    {10000, 1}, {10001, 0}, {1, 10000},
                          {UINT64_MAX, 4}, {4, SIZE_MAX}};
    for (const Read &read : reads) {
        std::vector<std::uint8_t> fromFile(std::min<std::size_t>(read.count, FileSize), 0xAA);
        std::vector<std::uint8_t> fromMemory(fromFile.size(), 0xAA);
        const bool fileRead = file.ReadAt(read.position, fromFile.data(), read.count);
        const bool memoryRead = memory.ReadAt(read.position, fromMemory.data(), read.count);
        const QByteArray where = QByteArray::number(quint64(read.position)) + "+" +
                                 QByteArray::number(quint64(read.count));
        QVERIFY2(fileRead == memoryRead, where.constData());
        QVERIFY2(fileRead == (read.position + read.count <= FileSize && read.count <= FileSize &&
                              read.position <= FileSize),
                 where.constData());
        QVERIFY2(fromFile == fromMemory, where.constData());
    }
}

void TestByteSource::filesThatCannotBeOpened_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    const auto kind = [](FileFault::Kind k) { return static_cast<int>(k); };
    QTest::addRow("missing") << "MISSING.BIN" << kind(FileFault::Kind::System);
    QTest::addRow("a folder") << "FOLDER.BIN" << kind(FileFault::Kind::NotRegular);
    QTest::addRow("a pipe") << "PIPE.BIN" << kind(FileFault::Kind::NotRegular);
    QTest::addRow("a device") << "/dev/null" << kind(FileFault::Kind::NotRegular);
}

// Only regular files are opened: opening a pipe would wait for a writer.
void TestByteSource::filesThatCannotBeOpened()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath(name).toStdString();
    if (name == QLatin1String("FOLDER.BIN"))
        QVERIFY(QDir().mkpath(QString::fromStdString(path)));
    if (name == QLatin1String("PIPE.BIN"))
        QVERIFY(SpecialFiles::MakePipe(path));
    SpecialFiles::PipeWatch watch(path);

    FileByteSource file(path);
    QVERIFY(!file.IsOpen());
    QCOMPARE(static_cast<int>(file.OpenFault().kind), kind);
    QVERIFY(!file.OpenFault().Text().empty());
    std::uint32_t value = 0;
    QVERIFY(!file.ReadUInt32At(0, value));
    QVERIFY(!watch.Opened());
}

QTEST_APPLESS_MAIN(TestByteSource)
#include "tst_bytesource.moc"
