#include "app/Settings.h"

#include "tests/support/Confined.h"
#include "tests/support/Folder.h"
#include "tests/support/TestText.h"

#include <QtTest>

#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

const char NewFile[] = "[]\nLanguage=1\nTabItem=0\nImportDir=\nExportDir=\n";

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void readThenWrite_data();
    void readThenWrite();
    void write_data();
    void write();
    void planFolder_data();
    void planFolder();
    void noFile();
    void foldersSurviveSaveAndLoad();
    void unwritablePath_data();
    void unwritablePath();
    void writeProtectedFileIsKept_data();
    void writeProtectedFileIsKept();
    void oversizedFileIsLeftAlone();
};

void TestSettings::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("languageEN");
    QTest::addColumn<int>("lastTabItem");
    QTest::addColumn<QByteArray>("importDir");
    QTest::addColumn<QByteArray>("exportDir");
    QTest::addRow("empty file") << QByteArray() << true << 0 << QByteArray() << QByteArray();
    const auto language = [](const char *value, bool english) {
        QTest::addRow("Language %s", value) << QByteArray("[]\nLanguage=") + value + "\n"
                                            << english << 0 << QByteArray() << QByteArray();
    };
    language("0", false);
    language("1", true);
    language("2", true);
    language("-1", true);
    language("abc", true);
    const auto tabItem = [](const char *value, int expected) {
        QTest::addRow("TabItem %s", value) << QByteArray("[]\nTabItem=") + value + "\n"
                                           << true << expected << QByteArray() << QByteArray();
    };
    tabItem("-1", 0);
    tabItem("0", 0);
    tabItem("1", 1);
    tabItem("2", 2);
    tabItem("3", 0);
    QTest::addRow("folders") << QByteArray("[]\nImportDir=/home/Łukasz/データ\nExportDir=C:\\out\n")
                             << true << 0 << QByteArray("/home/Łukasz/データ")
                             << QByteArray("C:\\out");
    const auto lineEnds = [](const char *name, const QByteArray &end) {
        QTest::addRow("%s line ends", name)
            << "[]" + end + "Language=0" + end + "TabItem=1" + end + "ImportDir=/in" + end +
                   "ExportDir=/out" + end
            << false << 1 << QByteArray("/in") << QByteArray("/out");
    };
    lineEnds("CR", "\r");
    lineEnds("CR CR LF", "\r\r\n");
    QTest::addRow("keys of another section ignored")
        << QByteArray("[Other]\nLanguage=0\nTabItem=1\nImportDir=/x\n") << true << 0 << QByteArray()
        << QByteArray();
}

void TestSettings::read()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, languageEN);
    QFETCH(int, lastTabItem);
    QFETCH(QByteArray, importDir);
    QFETCH(QByteArray, exportDir);
    const Settings settings = ReadSettings(IniFile::Parse(file.toStdString()));
    QCOMPARE(settings.LanguageEN, languageEN);
    QCOMPARE(settings.LastTabItem, lastTabItem);
    QCOMPARE(Bytes(settings.ImportDir), importDir);
    QCOMPARE(Bytes(settings.ExportDir), exportDir);
}

void TestSettings::readThenWrite_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addRow("Language 2 written back as 1")
        << QByteArray("[]\nLanguage=2\n") << QByteArray(NewFile);
    QTest::addRow("Language not a number written back as 1")
        << QByteArray("[]\nLanguage=abc\n") << QByteArray(NewFile);
    QTest::addRow("Language 0 kept")
        << QByteArray("[]\nLanguage=0\n")
        << QByteArray("[]\nLanguage=0\nTabItem=0\nImportDir=\nExportDir=\n");
    QTest::addRow("TabItem -1 written back as 0")
        << QByteArray("[]\nTabItem=-1\n")
        << QByteArray("[]\nTabItem=0\nLanguage=1\nImportDir=\nExportDir=\n");
    QTest::addRow("TabItem 3 written back as 0")
        << QByteArray("[]\nTabItem=3\n")
        << QByteArray("[]\nTabItem=0\nLanguage=1\nImportDir=\nExportDir=\n");
    QTest::addRow("TabItem 2 written back as 2")
        << QByteArray("[]\nTabItem=2\n")
        << QByteArray("[]\nTabItem=2\nLanguage=1\nImportDir=\nExportDir=\n");
    QTest::addRow("other keys and sections kept in place and order")
        << QByteArray("; Pelora\n[Other]\nX=1\n\n[]\nExportDir=/e\nExtra=keep\nLanguage=0\n\n"
                      "[Last]\nY=2\n")
        << QByteArray("; Pelora\n[Other]\nX=1\n\n[]\nExportDir=/e\nExtra=keep\nLanguage=0\n"
                      "TabItem=0\nImportDir=\n\n[Last]\nY=2\n");
    QTest::addRow("file without [] gets one")
        << QByteArray("[Other]\nX=1\n") << QByteArray("[Other]\nX=1\n\n") + NewFile;
    QTest::addRow("CR LF kept")
        << QByteArray("[]\r\nLanguage=0\r\n")
        << QByteArray("[]\r\nLanguage=0\r\nTabItem=0\r\nImportDir=\r\nExportDir=\r\n");
    const QByteArray crOnly("[]\rLanguage=0\rTabItem=1\rImportDir=/in\rExportDir=/out\r");
    QTest::addRow("CR only kept") << crOnly << crOnly;
    const QByteArray crCrLf("; note\r\r\n[]\r\r\nLanguage=0\r\r\nTabItem=1\r\r\n"
                            "ImportDir=/in\r\r\nExportDir=/out\r\r\n");
    QTest::addRow("CR CR LF kept") << crCrLf << crCrLf;
    QTest::addRow("CR only, missing keys added with CR")
        << QByteArray("[]\rImportDir=/in\r")
        << QByteArray("[]\rImportDir=/in\rLanguage=1\rTabItem=0\rExportDir=\r");
}

void TestSettings::readThenWrite()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    IniFile ini = IniFile::Parse(before.toStdString());
    WriteSettings(ReadSettings(ini), ini);
    QCOMPARE(Bytes(ini.Serialize()), after);
}

void TestSettings::write_data()
{
    QTest::addColumn<bool>("languageEN");
    QTest::addColumn<int>("lastTabItem");
    QTest::addColumn<QByteArray>("importDir");
    QTest::addColumn<QByteArray>("after");
    QTest::addRow("German, command page, folder emptied")
        << false << 1 << QByteArray()
        << QByteArray("[]\nLanguage=0\nTabItem=1\nImportDir=\nExportDir=/e\n");
    QTest::addRow("folder beyond Latin-1")
        << true << 0 << QByteArray("/home/Łukasz/データ")
        << QByteArray("[]\nLanguage=1\nTabItem=0\nImportDir=/home/Łukasz/データ\nExportDir=/e\n");
    QTest::addRow("folder with a line break forgotten, file intact")
        << true << 0 << QByteArray("/tmp/a\n[]\nLanguage=0")
        << QByteArray("[]\nLanguage=1\nTabItem=0\nImportDir=\nExportDir=/e\n");
}

void TestSettings::write()
{
    QFETCH(bool, languageEN);
    QFETCH(int, lastTabItem);
    QFETCH(QByteArray, importDir);
    QFETCH(QByteArray, after);
    IniFile ini = IniFile::Parse("[]\nLanguage=1\nTabItem=0\nImportDir=/old\nExportDir=/e\n");
    Settings settings = ReadSettings(ini);
    settings.LanguageEN = languageEN;
    settings.LastTabItem = lastTabItem;
    settings.ImportDir = importDir.toStdString();
    WriteSettings(settings, ini);
    QCOMPARE(Bytes(ini.Serialize()), after);
}

void TestSettings::planFolder_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("planDir");
    QTest::addColumn<QByteArray>("after");
    const QByteArray four("[]\nLanguage=1\nTabItem=0\nImportDir=/i\nExportDir=/e\n");
    QTest::addRow("no plan folder yet: the file stays as it was") << four << QByteArray() << four;
    QTest::addRow("a plan folder is added after the others")
        << four << QByteArray("/home/Łukasz/Pläne") << four + "PlanDir=/home/Łukasz/Pläne\n";
    QTest::addRow("a known plan folder stays in its place")
        << QByteArray("[]\nPlanDir=/old\nLanguage=1\n") << QByteArray("/new")
        << QByteArray("[]\nPlanDir=/new\nLanguage=1\nTabItem=0\nImportDir=\nExportDir=\n");
    QTest::addRow("a folder with a line break is forgotten")
        << QByteArray("[]\nPlanDir=/old\n") << QByteArray("/a\n[]")
        << QByteArray("[]\nPlanDir=\nLanguage=1\nTabItem=0\nImportDir=\nExportDir=\n");
}

// The folder of plan files is read and written like the other folders, but
// added to a file only once there is one to keep.
void TestSettings::planFolder()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, planDir);
    QFETCH(QByteArray, after);
    IniFile ini = IniFile::Parse(before.toStdString());
    Settings settings = ReadSettings(ini);
    settings.PlanDir = planDir.toStdString();
    WriteSettings(settings, ini);
    QCOMPARE(Bytes(ini.Serialize()), after);
    const Settings again = ReadSettings(IniFile::Parse(after.toStdString()));
    QCOMPARE(Bytes(again.PlanDir), planDir.contains('\n') ? QByteArray() : planDir);
}

void TestSettings::noFile()
{
    QTemporaryDir dir;
    const fs::path path = fs::path(dir.path().toStdString()) / SettingsFileName;
    std::optional<FileError> loadError;
    const Settings settings = LoadSettings(path, loadError);
    QVERIFY(!loadError);
    QCOMPARE(settings.LanguageEN, true);
    QCOMPARE(settings.LastTabItem, 0);
    QVERIFY(settings.ImportDir.empty());
    QVERIFY(settings.ExportDir.empty());
    FileError error;
    QVERIFY(SaveSettings(settings, path, error));
    QCOMPARE(Bytes(ReadFileBytes(path)), QByteArray(NewFile));
}

void TestSettings::foldersSurviveSaveAndLoad()
{
    QTemporaryDir dir;
    const fs::path path = fs::path(dir.path().toStdString()) / SettingsFileName;
    Settings settings;
    settings.LanguageEN = false;
    settings.LastTabItem = 1;
    settings.ImportDir = "/home/Łukasz/データ";
    settings.ExportDir = " C:\\Users\\Zoë\\Ausgabe ";
    settings.PlanDir = "/srv/Pläne";
    FileError error;
    QVERIFY(SaveSettings(settings, path, error));
    std::optional<FileError> loadError;
    const Settings loaded = LoadSettings(path, loadError);
    QVERIFY(!loadError);
    QCOMPARE(loaded.LanguageEN, false);
    QCOMPARE(loaded.LastTabItem, 1);
    QCOMPARE(Bytes(loaded.ImportDir), Bytes(settings.ImportDir));
    QCOMPARE(Bytes(loaded.ExportDir), Bytes(settings.ExportDir));
    QCOMPARE(Bytes(loaded.PlanDir), Bytes(settings.PlanDir));
}

void TestSettings::unwritablePath_data()
{
    QTest::addColumn<bool>("folderInPlace");
    QTest::addRow("a folder in place of the settings file") << true;
    QTest::addRow("the program folder missing") << false;
}

void TestSettings::unwritablePath()
{
    QFETCH(bool, folderInPlace);
    QTemporaryDir dir;
    const fs::path root(dir.path().toStdString());
    const fs::path path = (folderInPlace ? root : root / "missing") / SettingsFileName;
    if (folderInPlace)
        fs::create_directory(path);
    FileError error;
    QVERIFY(!SaveSettings(Settings(), path, error));
    QCOMPARE(Bytes(error.Path.string()), Bytes(path.string()));
    QCOMPARE(Entries(root), folderInPlace ? QStringList{SettingsFileName} : QStringList());
    if (folderInPlace)
        QVERIFY(fs::is_empty(path));
}

void TestSettings::writeProtectedFileIsKept_data()
{
    QTest::addColumn<bool>("throughLink");
    QTest::addRow("the file itself") << false;
    QTest::addRow("through a symbolic link") << true;
}

// The folder may be written, the file may not: renaming a new file over it
// would overrule its protection. Run as nobody, since root may write anyway.
void TestSettings::writeProtectedFileIsKept()
{
    QFETCH(bool, throughLink);
    QTemporaryDir dir;
    const fs::path folder(dir.path().toStdString());
    const fs::path file = folder / (throughLink ? "kept.ini" : SettingsFileName);
    const fs::path path = folder / SettingsFileName;
    const std::string old = "[]\nLanguage=0\n";
    const auto prepare = [&] {
        fs::permissions(folder, fs::perms::all);
        std::ofstream(file, std::ios::binary) << old;
        fs::permissions(file,
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        if (throughLink)
            fs::create_symlink(file.filename(), path);
    };
    const ConfinedRun run = RunConfined(Confinement::Unprivileged, folder, prepare, [&] {
        FileError error;
        const bool saved = SaveSettings(Settings(), path, error);
        std::string seen = std::string(saved ? "saved" : "not saved") + ", " + error.Path.string() +
                           ", " + error.Fault.Text() + "\n";
        for (const QString &name : Entries(folder))
            seen += name.toStdString() + "\n";
        return seen + ReadFileBytes(path);
    });
    if (!run.Confined)
        QSKIP(run.Output.c_str());
    const std::string files =
        std::string(SettingsFileName) + "\n" + (throughLink ? "kept.ini\n" : "");
    QCOMPARE(Bytes(run.Output), Bytes("not saved, " + path.string() + ", " +
                                      FileFault::OfSystem(EACCES).Text() + "\n" + files + old));
}

// A settings file far beyond any real one gives the defaults at start and is
// not written over at close; reading it does not take memory of its size.
void TestSettings::oversizedFileIsLeftAlone()
{
    QTemporaryDir dir;
    const fs::path path = fs::path(dir.path().toStdString()) / SettingsFileName;
    const std::uintmax_t size = std::uintmax_t(2) << 30;
    std::ofstream(path) << "[]\nLanguage=0\nTabItem=1\nImportDir=/in\n";
    fs::resize_file(path, size);
    const auto modified = fs::last_write_time(path);

    std::optional<FileError> loadError;
    const Settings settings = LoadSettings(path, loadError);
    QVERIFY(loadError);
    QCOMPARE(loadError->Fault.kind, FileFault::Kind::TooLarge);
    QCOMPARE(Bytes(loadError->Path.string()), Bytes(path.string()));
    QCOMPARE(settings.LanguageEN, true);
    QCOMPARE(settings.LastTabItem, 0);
    QVERIFY(settings.ImportDir.empty());

    FileError saveError;
    QVERIFY(!SaveSettings(settings, path, saveError));
    QCOMPARE(saveError.Fault.kind, FileFault::Kind::TooLarge);
    QCOMPARE(Bytes(saveError.Path.string()), Bytes(path.string()));
    QCOMPARE(fs::file_size(path), size);
    QVERIFY(fs::last_write_time(path) == modified);
    QCOMPARE(Entries(dir.path().toStdString()), QStringList{SettingsFileName});
}

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
