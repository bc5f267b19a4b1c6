#include "app/IniFile.h"

#include "tests/support/Confined.h"
#include "tests/support/Folder.h"
#include "tests/support/TestText.h"

#include <QtTest>

namespace fs = std::filesystem;

namespace {

// Sections, comments, odd lines and a key above the first header.
const char Fixture[] = "; comment\n"
                       "Orphan=top\n"
                       "[]\n"
                       "Language = 0 \n"
                       "ImportDir=\"  spaced  \"\n"
                       "Empty=\n"
                       "Twice=first\n"
                       "Twice=second\n"
                       ";Hidden=1\n"
                       "no equals sign\n"
                       "[Other]\n"
                       "Language=5\n"
                       "[ ] trailing text\n"
                       "Later=in second empty section\n"
                       "Folder=/home/Łukasz/データ\n";

} // namespace

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void read_data();
    void read();
    void readInteger_data();
    void readInteger();
    void readWhateverTheLineEnds_data();
    void readWhateverTheLineEnds();
    void write_data();
    void write();
    void valueSurvivesWriteAndRead_data();
    void valueSurvivesWriteAndRead();
    void writeRejectsWhatALineCannotHold_data();
    void writeRejectsWhatALineCannotHold();
    void loadMissingFile();
    void saveAndLoad();
    void saveFailureLeavesNothingBehind_data();
    void saveFailureLeavesNothingBehind();
    void unfinishedSaveKeepsTheOldFile_data();
    void unfinishedSaveKeepsTheOldFile();
    void loadFailureNamesFile();
    void loadRefusesWhatIsTooLarge_data();
    void loadRefusesWhatIsTooLarge();
    void saveThroughSymbolicLink();
};

void TestIniFile::roundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("empty") << QByteArray();
    QTest::addRow("LF with odd lines") << QByteArray(Fixture);
    QTest::addRow("CR LF") << QByteArray("[]\r\nA=1\r\n\r\n; c\r\n[B]\r\n");
    QTest::addRow("mixed line ends") << QByteArray("[]\r\nA=1\nB=2\r\n");
    QTest::addRow("no final line end") << QByteArray("[]\nA=1");
    QTest::addRow("byte order mark") << QByteArray("\xEF\xBB\xBF[]\nA=1\n");
    QTest::addRow("blank lines only") << QByteArray("\n\n  \n");
    QTest::addRow("CR only") << QByteArray("[]\rA=1\r\r; c\r");
    QTest::addRow("CR CR LF") << QByteArray("[]\r\r\nA=1\r\r\n");
    QTest::addRow("CR at the very end") << QByteArray("[]\nA=1\r");
}

void TestIniFile::roundTrip()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(Bytes(IniFile::Parse(bytes.toStdString()).Serialize()), bytes);
}

void TestIniFile::read_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("value");
    QTest::addRow("empty section, blanks trimmed")
        << QByteArray("") << QByteArray("Language") << true << QByteArray("0");
    QTest::addRow("key case ignored")
        << QByteArray("") << QByteArray("LANGUAGE") << true << QByteArray("0");
    QTest::addRow("section case ignored")
        << QByteArray("OTHER") << QByteArray("language") << true << QByteArray("5");
    QTest::addRow("quotes taken off")
        << QByteArray("") << QByteArray("ImportDir") << true << QByteArray("  spaced  ");
    QTest::addRow("empty value") << QByteArray("") << QByteArray("Empty") << true << QByteArray();
    QTest::addRow("first line of a key wins")
        << QByteArray("") << QByteArray("Twice") << true << QByteArray("first");
    QTest::addRow("second section of the same name")
        << QByteArray("") << QByteArray("Later") << true << QByteArray("in second empty section");
    QTest::addRow("UTF-8 value") << QByteArray("") << QByteArray("Folder") << true
                                 << QByteArray("/home/Łukasz/データ");
    QTest::addRow("key above the first header")
        << QByteArray("") << QByteArray("Orphan") << false << QByteArray();
    QTest::addRow("commented-out key")
        << QByteArray("") << QByteArray("Hidden") << false << QByteArray();
    QTest::addRow("key of another section")
        << QByteArray("Other") << QByteArray("Twice") << false << QByteArray();
    QTest::addRow("missing section")
        << QByteArray("Nowhere") << QByteArray("Language") << false << QByteArray();
}

void TestIniFile::read()
{
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(bool, found);
    QFETCH(QByteArray, value);
    const IniFile ini = IniFile::Parse(Fixture);
    const auto read = ini.ReadValue(section.toStdString(), key.toStdString());
    QCOMPARE(read.has_value(), found);
    if (found)
        QCOMPARE(Bytes(*read), value);
    QCOMPARE(Bytes(ini.ReadString(section.toStdString(), key.toStdString(), "default")),
             found ? value : QByteArray("default"));
}

void TestIniFile::readInteger_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<int>("expected");
    const int fallback = 7;
    const auto row = [&](const char *value, int expected) {
        QTest::addRow("\"%s\"", value) << QByteArray("[]\nN=") + value + "\n" << expected;
    };
    row("0", 0);
    row("12", 12);
    row("-1", -1);
    row("+3", 3);
    row(" 2 ", 2);
    row("007", 7);
    row("2147483647", 2147483647);
    row("-2147483648", -2147483647 - 1);
    row("abc", fallback);
    row("", fallback);
    row("1.5", fallback);
    row("0x10", fallback);
    row("1 2", fallback);
    row("2a", fallback);
    row("-", fallback);
    row("+-1", fallback);
    row("2147483648", fallback);
    QTest::addRow("missing key") << QByteArray("[]\nM=1\n") << fallback;
}

void TestIniFile::readInteger()
{
    QFETCH(QByteArray, document);
    QFETCH(int, expected);
    QCOMPARE(IniFile::Parse(document.toStdString()).ReadInteger("", "N", 7), expected);
}

void TestIniFile::readWhateverTheLineEnds_data()
{
    QTest::addColumn<QByteArray>("end");
    QTest::addRow("LF") << QByteArray("\n");
    QTest::addRow("CR LF") << QByteArray("\r\n");
    QTest::addRow("CR") << QByteArray("\r");
    QTest::addRow("CR CR LF") << QByteArray("\r\r\n");
    QTest::addRow("LF CR") << QByteArray("\n\r");
}

void TestIniFile::readWhateverTheLineEnds()
{
    QFETCH(QByteArray, end);
    const QByteArray document = "[]" + end + "A=1" + end + "B= two " + end + "[X]" + end + "A=2";
    const IniFile ini = IniFile::Parse(document.toStdString());
    QCOMPARE(ini.ReadInteger("", "A", -1), 1);
    QCOMPARE(Bytes(ini.ReadString("", "B", "?")), QByteArray("two"));
    QCOMPARE(ini.ReadInteger("X", "A", -1), 2);
    QCOMPARE(Bytes(ini.Serialize()), document);
}

void TestIniFile::write_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("after");
    QTest::addRow("new document gets the section with LF ends")
        << QByteArray() << QByteArray("") << QByteArray("Language") << QByteArray("1")
        << QByteArray("[]\nLanguage=1\n");
    QTest::addRow("in place, key spelling and blanks kept")
        << QByteArray("[]\nlanguage = 0\nTabItem=1\n") << QByteArray("") << QByteArray("Language")
        << QByteArray("1") << QByteArray("[]\nlanguage = 1\nTabItem=1\n");
    QTest::addRow("in place, blanks after the value dropped")
        << QByteArray("[]\n  A =  x \n") << QByteArray("") << QByteArray("A") << QByteArray("x")
        << QByteArray("[]\n  A =  x\n");
    QTest::addRow("empty value") << QByteArray("[]\nImportDir = /x\n") << QByteArray("")
                                 << QByteArray("ImportDir") << QByteArray()
                                 << QByteArray("[]\nImportDir =\n");
    QTest::addRow("appended after the last key of its section")
        << QByteArray("[]\nA=1\n; note\n\n[Other]\nB=2\n") << QByteArray("") << QByteArray("C")
        << QByteArray("3") << QByteArray("[]\nA=1\nC=3\n; note\n\n[Other]\nB=2\n");
    QTest::addRow("appended after a bare header")
        << QByteArray("[]\n[Other]\nB=2\n") << QByteArray("") << QByteArray("C") << QByteArray("3")
        << QByteArray("[]\nC=3\n[Other]\nB=2\n");
    QTest::addRow("section ignores case")
        << QByteArray("[OTHER]\nb=1\n") << QByteArray("Other") << QByteArray("B") << QByteArray("2")
        << QByteArray("[OTHER]\nb=2\n");
    QTest::addRow("missing section added at the end, key above headers untouched")
        << QByteArray("; top\nOrphan=1\n[Other]\nB=2\n") << QByteArray("") << QByteArray("Orphan")
        << QByteArray("5") << QByteArray("; top\nOrphan=1\n[Other]\nB=2\n\n[]\nOrphan=5\n");
    QTest::addRow("missing section after a final blank line")
        << QByteArray("[Other]\nB=2\n\n") << QByteArray("") << QByteArray("A") << QByteArray("1")
        << QByteArray("[Other]\nB=2\n\n[]\nA=1\n");
    QTest::addRow("CR LF kept") << QByteArray("[]\r\nA=1\r\n") << QByteArray("") << QByteArray("B")
                                << QByteArray("2") << QByteArray("[]\r\nA=1\r\nB=2\r\n");
    QTest::addRow("CR kept") << QByteArray("[]\rA=1\r") << QByteArray("") << QByteArray("A")
                             << QByteArray("2") << QByteArray("[]\rA=2\r");
    QTest::addRow("CR for a new key")
        << QByteArray("[]\rA=1\r") << QByteArray("") << QByteArray("B") << QByteArray("2")
        << QByteArray("[]\rA=1\rB=2\r");
    QTest::addRow("CR LF for a new section")
        << QByteArray("[Other]\r\nB=2") << QByteArray("") << QByteArray("A") << QByteArray("1")
        << QByteArray("[Other]\r\nB=2\r\n\r\n[]\r\nA=1\r\n");
    QTest::addRow("appended after a last line without line end")
        << QByteArray("[]\nA=1") << QByteArray("") << QByteArray("B") << QByteArray("2")
        << QByteArray("[]\nA=1\nB=2\n");
    QTest::addRow("in place on a last line without line end")
        << QByteArray("[]\nA=1") << QByteArray("") << QByteArray("A") << QByteArray("2")
        << QByteArray("[]\nA=2");
    QTest::addRow("byte order mark kept")
        << QByteArray("\xEF\xBB\xBF[]\nA=1\n") << QByteArray("") << QByteArray("A")
        << QByteArray("2") << QByteArray("\xEF\xBB\xBF[]\nA=2\n");
    QTest::addRow("key in a second section of the name replaced there")
        << QByteArray("[]\nA=1\n[X]\n[]\nB=1\n") << QByteArray("") << QByteArray("B")
        << QByteArray("2") << QByteArray("[]\nA=1\n[X]\n[]\nB=2\n");
    QTest::addRow("new key goes to the first section of the name")
        << QByteArray("[]\nA=1\n[X]\n[]\nB=1\n") << QByteArray("") << QByteArray("C")
        << QByteArray("3") << QByteArray("[]\nA=1\nC=3\n[X]\n[]\nB=1\n");
    QTest::addRow("blank at an end quoted")
        << QByteArray("[]\nA=1\n") << QByteArray("") << QByteArray("A") << QByteArray(" x")
        << QByteArray("[]\nA=\" x\"\n");
}

void TestIniFile::write()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, after);
    IniFile ini = IniFile::Parse(before.toStdString());
    QVERIFY(ini.WriteString(section.toStdString(), key.toStdString(), value.toStdString()));
    QCOMPARE(Bytes(ini.Serialize()), after);
}

void TestIniFile::valueSurvivesWriteAndRead_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addRow("empty") << QByteArray();
    QTest::addRow("beyond Latin-1") << QByteArray("/home/Łukasz/データ");
    QTest::addRow("leading blank") << QByteArray(" lead");
    QTest::addRow("trailing tab") << QByteArray("trail\t");
    QTest::addRow("quoted") << QByteArray("\"quoted\"");
    QTest::addRow("one quote") << QByteArray("\"half");
    QTest::addRow("equals sign") << QByteArray("a=b");
    QTest::addRow("looks like a comment") << QByteArray("; not a comment");
    QTest::addRow("looks like a header") << QByteArray("[not a header]");
    QTest::addRow("backslashes") << QByteArray("C:\\Temp\\x");
}

void TestIniFile::valueSurvivesWriteAndRead()
{
    QFETCH(QByteArray, value);
    IniFile ini = IniFile::Parse("[]\nBefore=1\nV=old\nAfter=2\n");
    QVERIFY(ini.WriteString("", "V", value.toStdString()));
    const IniFile reread = IniFile::Parse(ini.Serialize());
    QCOMPARE(Bytes(reread.ReadString("", "V", "missing")), value);
    QCOMPARE(reread.ReadInteger("", "Before", 0), 1);
    QCOMPARE(reread.ReadInteger("", "After", 0), 2);
}

void TestIniFile::writeRejectsWhatALineCannotHold_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addRow("LF in value") << QByteArray("") << QByteArray("A")
                                 << QByteArray("/tmp/x\n[]\nLanguage=0");
    QTest::addRow("CR in value") << QByteArray("") << QByteArray("A") << QByteArray("a\rb");
    QTest::addRow("empty key") << QByteArray("") << QByteArray("") << QByteArray("1");
    QTest::addRow("equals sign in key") << QByteArray("") << QByteArray("A=B") << QByteArray("1");
    QTest::addRow("line break in key") << QByteArray("") << QByteArray("A\nB") << QByteArray("1");
    QTest::addRow("comment key") << QByteArray("") << QByteArray(";A") << QByteArray("1");
    QTest::addRow("bracket in section") << QByteArray("a]b") << QByteArray("A") << QByteArray("1");
    QTest::addRow("line break in section")
        << QByteArray("a\nb") << QByteArray("A") << QByteArray("1");
}

void TestIniFile::writeRejectsWhatALineCannotHold()
{
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    const std::string before = "[]\nA=1\n";
    IniFile ini = IniFile::Parse(before);
    QVERIFY(!ini.WriteString(section.toStdString(), key.toStdString(), value.toStdString()));
    QCOMPARE(Bytes(ini.Serialize()), Bytes(before));
}

void TestIniFile::loadMissingFile()
{
    QTemporaryDir dir;
    IniFile ini = IniFile::Parse("[]\nA=1\n");
    FileError error;
    QVERIFY(LoadIniFile(fs::path(dir.path().toStdString()) / "none.ini", ini, error));
    QVERIFY(error.Path.empty());
    QCOMPARE(Bytes(ini.Serialize()), QByteArray());
}

void TestIniFile::saveAndLoad()
{
    QTemporaryDir dir;
    const fs::path folder = fs::path(dir.path().toStdString()) / "Łukasz";
    fs::create_directory(folder);
    const fs::path path = folder / "a.ini";
    WriteFileBytes(path, "old content that is longer than the new one\n");
    const IniFile ini = IniFile::Parse(Fixture);
    FileError error;
    QVERIFY(SaveIniFile(ini, path, error));
    QVERIFY(error.Path.empty());
    QCOMPARE(Bytes(ReadFileBytes(path)), QByteArray(Fixture));
    QCOMPARE(Entries(folder), QStringList{"a.ini"});
    IniFile loaded;
    QVERIFY(LoadIniFile(path, loaded, error));
    QCOMPARE(Bytes(loaded.Serialize()), QByteArray(Fixture));
}

void TestIniFile::saveFailureLeavesNothingBehind_data()
{
    QTest::addColumn<bool>("folderInPlace");
    QTest::addRow("a folder in place of the file") << true;
    QTest::addRow("a missing folder") << false;
}

void TestIniFile::saveFailureLeavesNothingBehind()
{
    QFETCH(bool, folderInPlace);
    QTemporaryDir dir;
    const fs::path root(dir.path().toStdString());
    const fs::path path = folderInPlace ? root / "a.ini" : root / "missing" / "a.ini";
    if (folderInPlace)
        fs::create_directory(path);
    const QStringList entriesBefore = Entries(root);
    FileError error;
    QVERIFY(!SaveIniFile(IniFile::Parse("[]\nA=1\n"), path, error));
    QCOMPARE(error.What, FileError::Kind::NotWritten);
    QCOMPARE(Bytes(error.Path.string()), Bytes(path.string()));
    QVERIFY(error.Fault);
    QCOMPARE(Entries(root), entriesBefore);
    if (folderInPlace)
        QVERIFY(fs::is_directory(path) && fs::is_empty(path));
}

void TestIniFile::unfinishedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<Confinement>("confinement");
    QTest::addColumn<int>("reason"); // errno
    QTest::addColumn<QByteArray>("old");
    QTest::addRow("disk full, no old file") << Confinement::FullDisk << ENOSPC << QByteArray();
    QTest::addRow("disk full, old file")
        << Confinement::FullDisk << ENOSPC << QByteArray("[]\nA=1\n");
    QTest::addRow("file-size limit, no old file")
        << Confinement::FileSizeLimit << EFBIG << QByteArray();
    QTest::addRow("file-size limit, old file")
        << Confinement::FileSizeLimit << EFBIG << QByteArray("[]\nA=1\n");
}

// The new file is larger than the room left: the old file, or none, stays.
void TestIniFile::unfinishedSaveKeepsTheOldFile()
{
    QFETCH(Confinement, confinement);
    QFETCH(int, reason);
    QFETCH(QByteArray, old);
    QVERIFY(sizeof Fixture > FileSizeLimitBytes);
    QTemporaryDir dir;
    const fs::path folder(dir.path().toStdString());
    const fs::path path = folder / "a.ini";
    const auto prepare = [&] {
        if (!old.isEmpty())
            WriteFileBytes(path, old.toStdString());
    };
    const ConfinedRun run = RunConfined(confinement, folder, prepare, [&] {
        FileError error;
        const bool saved = SaveIniFile(IniFile::Parse(Fixture), path, error);
        return std::string(saved ? "saved" : "not saved") + ", " + error.Path.string() + ", " +
               error.Fault.Text() + "\n" + FolderContent(folder);
    });
    if (!run.Confined)
        QSKIP(run.Output.c_str());
    const std::string kept = old.isEmpty() ? "" : "a.ini: " + old.toStdString() + "\n";
    QCOMPARE(Bytes(run.Output), Bytes("not saved, " + path.string() + ", " +
                                      FileFault::OfSystem(reason).Text() + "\n" + kept));
}

void TestIniFile::loadFailureNamesFile()
{
    QTemporaryDir dir;
    const fs::path path = fs::path(dir.path().toStdString()) / "a.ini";
    fs::create_directory(path);
    IniFile ini = IniFile::Parse("[]\nA=1\n");
    FileError error;
    QVERIFY(!LoadIniFile(path, ini, error));
    QCOMPARE(error.What, FileError::Kind::NotRead);
    QCOMPARE(error.Fault.kind, FileFault::Kind::NotRegular);
    QCOMPARE(Bytes(error.Path.string()), Bytes(path.string()));
    QCOMPARE(Bytes(ini.Serialize()), QByteArray());
}

void TestIniFile::loadRefusesWhatIsTooLarge_data()
{
    QTest::addColumn<qulonglong>("size");
    QTest::addColumn<bool>("read");
    QTest::addRow("at the bound") << qulonglong(MaxInputFileBytes) << true;
    QTest::addRow("a byte beyond the bound") << qulonglong(MaxInputFileBytes + 1) << false;
    QTest::addRow("2 GB") << qulonglong(2) * 1024 * 1024 * 1024 << false;
}

// Made sparse, so that the test takes no room on the disk.
void TestIniFile::loadRefusesWhatIsTooLarge()
{
    QFETCH(qulonglong, size);
    QFETCH(bool, read);
    QTemporaryDir dir;
    const fs::path path = fs::path(dir.path().toStdString()) / "a.ini";
    WriteFileBytes(path, "[]\nA=1\n");
    fs::resize_file(path, size);
    IniFile ini = IniFile::Parse("[]\nB=2\n");
    FileError error;
    QCOMPARE(LoadIniFile(path, ini, error), read);
    QCOMPARE(ini.ReadInteger("", "A", 0), read ? 1 : 0);
    QCOMPARE(ini.ReadInteger("", "B", 0), 0);
    if (!read) {
        QCOMPARE(error.What, FileError::Kind::NotRead);
        QCOMPARE(error.Fault.kind, FileFault::Kind::TooLarge);
        QCOMPARE(Bytes(error.Path.string()), Bytes(path.string()));
    }
}

void TestIniFile::saveThroughSymbolicLink()
{
    QTemporaryDir dir;
    const fs::path root(dir.path().toStdString());
    WriteFileBytes(root / "real.ini", "[]\nA=1\n");
    fs::create_symlink("real.ini", root / "link.ini");
    FileError error;
    QVERIFY(SaveIniFile(IniFile::Parse("[]\nA=2\n"), root / "link.ini", error));
    QVERIFY(fs::is_symlink(root / "link.ini"));
    QCOMPARE(Bytes(ReadFileBytes(root / "real.ini")), QByteArray("[]\nA=2\n"));
    QCOMPARE(Entries(root), (QStringList{"link.ini", "real.ini"}));
}

QTEST_APPLESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
