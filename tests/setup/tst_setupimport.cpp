#include "setup/SetupFileFormat.h"
#include "setup/SetupImport.h"
#include "tests/setup/ImportFiles.h"
#include "tests/setup/SetupModelText.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/SpecialFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <new>
#include <optional>
#include <utility>

using namespace SetupFile;
using namespace ImportFiles;

namespace {

const QString Dropped = QStringLiteral("DROPPED");
const QString ReadFailed = QString::fromLatin1(ReadConfigFailedText);
const QString CannotImport = QStringLiteral("Can't import! Error in file content!");
const QString TemporaryCopyName = QStringLiteral("PL1kCfgTmp.bin");

// The import on its own, with the setups it hands on.
struct Importer
{
    struct Handed
    {
        SetupModel model;
        SetupImport::Way way;
    };

    explicit Importer(const Environment &environment) : import(environment, true, nullptr)
    {
        QObject::connect(&import, &SetupImport::setupRead, &import,
                         [this](const SetupModel &model, SetupImport::Way way) {
                             handed.push_back({model, way});
                         });
    }

    // The name of channel 1 of each setup handed on.
    QStringList names() const
    {
        QStringList names;
        for (const Handed &setup : handed)
            names << QString::fromLatin1(setup.model.Channels[1].Name);
        return names;
    }

    void run(FakeDialogs &boxes, bool dialog, const QString &path)
    {
        ImportBy(import, boxes, dialog, path);
    }

    SetupImport import;
    std::vector<Handed> handed;
};

// An import with a pinned platform.
struct Imports
{
    TestPlatform platform;
    Importer importer{platform.environment()};

    SetupImport &import() { return importer.import; }
    void run(bool dialog, const QString &path) { importer.run(*platform.boxes, dialog, path); }
};

QStringList Messages(const FakeDialogs &boxes)
{
    QStringList texts;
    for (const FakeDialogs::Shown &shown : boxes.messages)
        texts << shown.text;
    return texts;
}

// Dialogs whose first box or file dialog runs out of memory.
class OutOfMemoryOnce : public FakeDialogs
{
public:
    void showMessage(QWidget *parent, Kind kind, const QString &text,
                     QMessageBox::StandardButton button) override
    {
        FailOnce();
        FakeDialogs::showMessage(parent, kind, text, button);
    }
    QString openFileName(QWidget *parent, const FileRequest &request) override
    {
        FailOnce();
        return FakeDialogs::openFileName(parent, request);
    }

    bool failed = false;

private:
    void FailOnce()
    {
        if (!std::exchange(failed, true))
            throw std::bad_alloc();
    }
};

} // namespace

class TestSetupImport : public QObject
{
    Q_OBJECT

private slots:
    // The import dialog.
    void dialogRequestsAndImportDir();
    void temporaryCopy();
    void dialogCancelled();

    // Dropped files.
    void dropExtension_data();
    void dropExtension();
    void dropTakesTheFirstFile();
    void dropKeepsTheImportFolder();

    // Failures of both ways.
    void brokenFile_data();
    void brokenFile();
    void importCannotStart_data();
    void importCannotStart();
    void linkToASetupFile_data();
    void linkToASetupFile();
    void failedAllocation_data();
    void failedAllocation();

    // Names that are not UTF-8.
    void namesThatAreNotUtf8_data();
    void namesThatAreNotUtf8();
    void nameThatIsNotUtf8InAMessage();

    void sampleSetup();
};

void TestSetupImport::dialogRequestsAndImportDir()
{
    Imports imports;
    QTemporaryDir files;
    // The "*.*" choice lets any name through: the dialog way tests no extension.
    const QString path = WriteSetup(files.filePath(QStringLiteral("station.dat")), "Level");
    imports.run(true, path);

    QCOMPARE(imports.importer.names(), QStringList{"Level"});
    QCOMPARE(imports.importer.handed[0].way, SetupImport::Way::Dialog);
    const std::vector<Dialogs::FileRequest> &requests = imports.platform.boxes->fileRequests;
    QCOMPARE(requests.size(), std::size_t(1));
    QCOMPARE(requests[0].title, QStringLiteral("Pelora 1000  -  Select File"));
    QCOMPARE(requests[0].filters, (QStringList{"*.BIN", "*.*"}));
    QCOMPARE(requests[0].folder, imports.platform.folder.path() + '/');
    const QString folder = QDir::toNativeSeparators(files.path());
    QCOMPARE(QString::fromStdString(imports.import().ImportDir), folder);

    imports.import().MenuItemImportClick(); // cancelled
    QCOMPARE(requests.size(), std::size_t(2));
    QCOMPARE(requests[1].folder, folder);
    QCOMPARE(imports.importer.handed.size(), std::size_t(1));
    QVERIFY(imports.platform.boxes->messages.empty());
}

// Deleted and made again at each import, in the data folder, and left there.
void TestSetupImport::temporaryCopy()
{
    Imports imports;
    QTemporaryDir files;
    const QString copy = QDir(imports.platform.folder.path()).filePath(TemporaryCopyName);
    QCOMPARE(imports.import().TemporaryCopyPath(), copy);

    // A read-only source: its copy must not keep the next import out.
    const QString first = WriteSetup(files.filePath(QStringLiteral("first.bin")), "First");
    QFile::setPermissions(first, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    imports.run(true, first);
    QCOMPARE(imports.importer.names(), QStringList{"First"});
    QVERIFY(QFileInfo::exists(copy));
    QVERIFY(QFile::permissions(copy) & QFile::WriteOwner);

    const QString second = WriteSetup(files.filePath(QStringLiteral("second.bin")), "Second");
    imports.run(false, second);
    QCOMPARE(imports.importer.names(), (QStringList{"First", "Second"}));
    QFile file(copy);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), Bytes(NamedSetup("Second")));
    QCOMPARE(Messages(*imports.platform.boxes), QStringList{Dropped});
}

void TestSetupImport::dialogCancelled()
{
    Imports imports;
    imports.import().MenuItemImportClick();

    QCOMPARE(imports.platform.boxes->fileRequests.size(), std::size_t(1));
    QVERIFY(imports.platform.boxes->messages.empty());
    QCOMPARE(imports.import().ImportDir, std::string());
    QVERIFY(imports.importer.handed.empty());
    QVERIFY(!QFileInfo::exists(imports.import().TemporaryCopyPath()));
}

void TestSetupImport::dropExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("imported");

    QTest::addRow("notes.txt") << "notes.txt" << false;
    QTest::addRow("setup.bin") << "setup.bin" << true;
    QTest::addRow("SETUP.Bin") << "SETUP.Bin" << true;
    QTest::addRow("setup.BIN") << "setup.BIN" << true;
    QTest::addRow("setup.bin.txt") << "setup.bin.txt" << false;
    QTest::addRow("no extension") << "setup" << false;
    QTest::addRow("only the folder ends in .bin") << "logger.bin/setup" << false;
}

void TestSetupImport::dropExtension()
{
    QFETCH(QString, name);
    QFETCH(bool, imported);
    Imports imports;
    QTemporaryDir files;
    const QString path = files.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    imports.import().WMDropFiles({WriteSetup(path, "Dropped")});

    QCOMPARE(Messages(*imports.platform.boxes), QStringList{Dropped});
    QCOMPARE(imports.platform.boxes->messages.front().kind, Dialogs::Kind::Plain);
    QCOMPARE(imports.importer.names(), imported ? QStringList{"Dropped"} : QStringList());
    QCOMPARE(QFileInfo::exists(imports.import().TemporaryCopyPath()), imported);
}

void TestSetupImport::dropTakesTheFirstFile()
{
    Imports imports;
    QTemporaryDir files;
    const QString first = WriteSetup(files.filePath("first.bin"), "First");
    const QString second = WriteSetup(files.filePath("second.bin"), "Second");
    const QString notes = WriteSetup(files.filePath("notes.txt"), "Notes");

    imports.import().WMDropFiles({first, second});
    QCOMPARE(imports.importer.names(), QStringList{"First"});
    imports.import().WMDropFiles({notes, second});
    QCOMPARE(imports.importer.names(), QStringList{"First"});
    QCOMPARE(Messages(*imports.platform.boxes), (QStringList{Dropped, Dropped}));
}

// The drop way says so and leaves the folder the dialog remembers.
void TestSetupImport::dropKeepsTheImportFolder()
{
    Imports imports;
    QTemporaryDir files;
    imports.import().ImportDir = "/earlier/folder";

    imports.import().WMDropFiles({WriteSetup(files.filePath("tds.bin"), "Level", "TDS")});
    QCOMPARE(imports.importer.handed.size(), std::size_t(1));
    QCOMPARE(imports.importer.handed[0].way, SetupImport::Way::Drop);
    QCOMPARE(imports.import().ImportDir, std::string("/earlier/folder"));
    QVERIFY(imports.platform.boxes->fileRequests.empty());
}

void TestSetupImport::brokenFile_data()
{
    DialogAndDropRows();
}

// A walk that fails hands nothing on; only the drop way says so once more.
void TestSetupImport::brokenFile()
{
    QFETCH(bool, dialog);
    Imports imports;
    QTemporaryDir files;
    imports.run(dialog, Write(files.filePath("broken.bin"), BrokenSetup()));

    const QStringList messages = Messages(*imports.platform.boxes);
    QCOMPARE(messages.size(), dialog ? 1 : 3);
    const QString failure = messages[dialog ? 0 : 1];
    QVERIFY2(failure.startsWith(ReadFailed), qPrintable(failure));
    QVERIFY2(failure.size() > ReadFailed.size(), qPrintable(failure));
    if (!dialog) {
        QCOMPARE(messages[0], Dropped);
        QCOMPARE(messages[2], CannotImport);
    }
    QVERIFY(imports.importer.handed.empty());
}

void TestSetupImport::importCannotStart_data()
{
    QTest::addColumn<bool>("dialog");
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("dataFolderWritable");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("reason");

    const QString notRegular = QStringLiteral("not a regular file");
    const QString notWritten =
        QStringLiteral("cannot be written: a part of the path is not a folder");
    QTest::addRow("dialog, file missing")
        << true << "missing.bin" << true << false << "file not found";
    QTest::addRow("drop, file missing")
        << false << "missing.bin" << true << false << "file not found";
    QTest::addRow("drop, a folder") << false << "folder.bin" << true << false << notRegular;
    QTest::addRow("dialog, data folder not writable")
        << true << "setup.bin" << false << false << notWritten;
    QTest::addRow("drop, data folder not writable")
        << false << "setup.bin" << false << false << notWritten;

    // Opening any of these would block the window or read without end.
    QTest::addRow("dialog, a pipe") << true << "pipe.bin" << true << false << notRegular;
    QTest::addRow("drop, a pipe") << false << "pipe.bin" << true << false << notRegular;
    QTest::addRow("drop, a link to a pipe") << false << "link.bin" << true << false << notRegular;
    QTest::addRow("dialog, a device") << true << "/dev/null" << true << false << notRegular;
    QTest::addRow("drop, a socket") << false << "socket.bin" << true << false << notRegular;
    QTest::addRow("dialog, larger than 64 MB")
        << true << "huge.bin" << true << false << "larger than 64 MB";
    // A copy cut short leaves nothing half-written.
    QTest::addRow("drop, copy cut short")
        << false << "limited.bin" << true << false << "cannot be written: file too large";

    // German sentences keep no English reason; a reason without a German
    // text stands apart as the system's.
    QTest::addRow("drop, file missing, German")
        << false << "missing.bin" << true << true << "Datei nicht gefunden";
    QTest::addRow("dialog, a pipe, German")
        << true << "pipe.bin" << true << true << "keine reguläre Datei";
    QTest::addRow("dialog, larger than 64 MB, German")
        << true << "huge.bin" << true << true << "größer als 64 MB";
    QTest::addRow("dialog, data folder not writable, German")
        << true << "setup.bin" << false << true << "kann nicht geschrieben werden";
    QTest::addRow("drop, a link to itself, German")
        << false << "loop.bin" << true << true << "Systemfehler";
}

// One error naming the file and the reason, without opening anything that
// is not a regular file; nothing is handed on.
void TestSetupImport::importCannotStart()
{
    QFETCH(bool, dialog);
    QFETCH(QString, source);
    QFETCH(bool, dataFolderWritable);
    QFETCH(bool, german);
    QFETCH(QString, reason);
    TestPlatform platform;
    QTemporaryDir files;
    Environment environment = platform.environment();
    if (!dataFolderWritable) {
        // A data folder below a plain file can be neither made nor written.
        Write(files.filePath("plain"), "x");
        environment.DataFolder = files.filePath("plain/data");
    }
    Importer importer(environment);
    if (german)
        importer.import.applyLanguage(false);
    const QString path = QDir(files.path()).filePath(source);
    const QString pipe = files.filePath("pipe.bin");
    std::optional<SpecialFiles::Socket> socket;
    if (source == QLatin1String("folder.bin"))
        QDir().mkpath(path);
    if (source == QLatin1String("setup.bin") || source == QLatin1String("limited.bin"))
        WriteSetup(path, "Level", "TDS");
    if (source == QLatin1String("pipe.bin") || source == QLatin1String("link.bin"))
        QVERIFY(SpecialFiles::MakePipe(pipe.toStdString()));
    if (source == QLatin1String("link.bin"))
        QVERIFY(QFile::link(pipe, path));
    if (source == QLatin1String("loop.bin"))
        std::filesystem::create_symlink(source.toStdString(), path.toStdString());
    if (source == QLatin1String("socket.bin")) {
        socket.emplace(path.toStdString());
        QVERIFY(socket->Bound());
    }
    if (source == QLatin1String("huge.bin")) {
        // Sparse: no disk space is used.
        QFile huge(path);
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(MaxFileSize + 1));
    }
    // A copy that an earlier import left must not be read instead.
    const QString copy = importer.import.TemporaryCopyPath();
    if (dataFolderWritable)
        Write(copy, Bytes(NamedSetup("Stale", "TDS")));

    SpecialFiles::PipeWatch watch(pipe.toStdString());
    {
        std::optional<SpecialFiles::FileSizeLimit> limit;
        if (source == QLatin1String("limited.bin")) {
            limit.emplace(HeaderSize);
            QVERIFY(limit->Set());
        }
        importer.run(*platform.boxes, dialog, path);
    }
    QVERIFY2(!watch.Opened(), "the pipe was opened");
    QStringList messages = Messages(*platform.boxes);
    if (!dialog)
        QCOMPARE(messages.takeFirst(), Dropped);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(platform.boxes->messages.back().kind, Dialogs::Kind::Error);
    QVERIFY2(messages[0].contains(path), qPrintable(messages[0]));
    QVERIFY2(messages[0].contains(reason), qPrintable(messages[0]));
    QVERIFY2(messages[0].startsWith(german ? "Die Konfigurationsdatei" : "The setup file"),
             qPrintable(messages[0]));
    QVERIFY2(!messages[0].trimmed().endsWith(QLatin1Char(':')), qPrintable(messages[0]));

    QVERIFY(!QFileInfo::exists(copy));
    QVERIFY(importer.handed.empty());
    // The dialog remembers the chosen folder as soon as a file is chosen.
    QCOMPARE(QString::fromStdString(importer.import.ImportDir),
             dialog ? QDir::toNativeSeparators(QFileInfo(path).absolutePath()) : QString());
}

void TestSetupImport::linkToASetupFile_data()
{
    DialogAndDropRows();
}

// A link to a regular file is read like the file.
void TestSetupImport::linkToASetupFile()
{
    QFETCH(bool, dialog);
    Imports imports;
    QTemporaryDir files;
    const QString link = files.filePath("link.bin");
    QVERIFY(QFile::link(WriteSetup(files.filePath("setup.bin"), "Linked"), link));
    imports.run(dialog, link);
    QCOMPARE(Messages(*imports.platform.boxes), dialog ? QStringList() : QStringList{Dropped});
    QCOMPARE(imports.importer.names(), QStringList{"Linked"});
}

void TestSetupImport::failedAllocation_data()
{
    DialogAndDropRows();
}

// Memory that runs out during an import is told as a failed import; it never
// escapes the handler.
void TestSetupImport::failedAllocation()
{
    QFETCH(bool, dialog);
    TestPlatform platform;
    QTemporaryDir files;
    Environment environment = platform.environment();
    const auto boxes = std::make_shared<OutOfMemoryOnce>();
    environment.Boxes = boxes;
    Importer importer(environment);
    const QString path = WriteSetup(files.filePath("setup.bin"), "Level");

    try {
        importer.run(*boxes, dialog, path);
    } catch (const std::exception &escaped) {
        QFAIL(escaped.what());
    }
    QVERIFY(boxes->failed);
    QCOMPARE(boxes->messages.size(), std::size_t(1));
    QCOMPARE(boxes->messages[0].kind, Dialogs::Kind::Error);
    QVERIFY2(boxes->messages[0].text.contains("not enough memory"),
             qPrintable(boxes->messages[0].text));
    QVERIFY(importer.handed.empty());
}

void TestSetupImport::namesThatAreNotUtf8_data()
{
    QTest::addColumn<bool>("dialog");
    QTest::addColumn<bool>("inDataFolder");
    QTest::addRow("dialog") << true << false;
    QTest::addRow("drop") << false << false;
    QTest::addRow("temporary copy") << false << true;
}

// A file name is bytes. Those that are not UTF-8 reach the import as the
// characters U+DC80 to U+DCFF, one per byte, and go to the file system as
// the bytes they stand for: here Latin-1 names, as an older system wrote them.
void TestSetupImport::namesThatAreNotUtf8()
{
    QFETCH(bool, dialog);
    QFETCH(bool, inDataFolder);
    QTemporaryDir files;
    const QByteArray nativeFolder = QFile::encodeName(files.path()) + "/Daten_\xfc";
    const QString folder = files.path() + "/Daten_" + QChar(0xDCFC);
    QVERIFY(std::filesystem::create_directory(nativeFolder.toStdString()));
    // QTemporaryDir does not see names that are not UTF-8.
    const RemovedAtEnd removed{nativeFolder.toStdString()};

    TestPlatform platform;
    Environment environment = platform.environment();
    QString path = files.filePath("setup.bin");
    if (inDataFolder) {
        environment.DataFolder = folder;
        WriteSetup(path, "Level");
    } else {
        path = folder + "/Pegel_" + QChar(0xDCE4) + ".bin";
        std::ofstream out(std::filesystem::path((nativeFolder + "/Pegel_\xe4.bin").toStdString()),
                          std::ios::binary);
        const QByteArray bytes = Bytes(NamedSetup("Level"));
        out.write(bytes.constData(), bytes.size());
    }
    Importer importer(environment);
    importer.run(*platform.boxes, dialog, path);

    QCOMPARE(Messages(*platform.boxes), dialog ? QStringList() : QStringList{Dropped});
    QCOMPARE(importer.names(), QStringList{"Level"});
    if (inDataFolder)
        QVERIFY(std::filesystem::is_regular_file(
            (nativeFolder + "/" + TemporaryCopyName.toLatin1()).toStdString()));
    if (dialog) {
        // The folder is remembered as its bytes and offered again.
        QCOMPARE(importer.import.ImportDir, nativeFolder.toStdString());
        importer.import.MenuItemImportClick();
        QCOMPARE(platform.boxes->fileRequests.back().folder, folder);
    }
}

// The name in a message reads as Latin-1 where it is not UTF-8.
void TestSetupImport::nameThatIsNotUtf8InAMessage()
{
    Imports imports;
    QTemporaryDir files;
    imports.import().ImportSetupFile(files.path() + "/Pegel_" + QChar(0xDCE4) + QChar(0xDC80) +
                                     ".bin");
    const QStringList messages = Messages(*imports.platform.boxes);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(files.path() + QString::fromUtf8("/Pegel_ä\\x80.bin")),
             qPrintable(messages[0]));
}

// The sample that make_sample_setup writes reads without failure: the whole
// station is handed on.
void TestSetupImport::sampleSetup()
{
    QTemporaryDir files;
    const QString path = files.filePath(QStringLiteral("sample.bin"));
    QVERIFY(WriteSampleSetup(QStringLiteral(MAKE_SAMPLE_SETUP), path));

    Imports imports;
    imports.run(true, path);
    QVERIFY2(imports.platform.boxes->messages.empty(),
             qPrintable(Messages(*imports.platform.boxes).join('\n')));
    QCOMPARE(imports.importer.handed.size(), std::size_t(1));
    const SetupModel &model = imports.importer.handed[0].model;
    QCOMPARE(model.StationID, std::string("0000004711"));
    QStringList names;
    for (int i = 1; i <= 8; ++i)
        names << QString::fromLatin1(model.Channels[i].Name);
    QCOMPARE(names, (QStringList{"Level", "Water Temp", "Battery", "Consumption", "Signal",
                                 "Spec. Conductivity", "Salinity", "TDS"}));
    const ChannelRec &level = model.Channels[1];
    QCOMPARE(level.MInterval, 900);
    QCOMPARE(level.AvgInterval, 3600);
    QCOMPARE(level.SkalFactor, 0.001f);
    QCOMPARE(level.SkalOffset, -0.25f);
    QCOMPARE(level.Limits[1].LimitValue, 2.5f);
    QCOMPARE(level.Limits[1].GradValue, 0.2f);
    QCOMPARE(level.Limits[2].LimitValue, 0.3f);
    QCOMPARE(level.Limits[2].LimitDir, 1);
    QCOMPARE(model.Transmissions[2].Interval, 604801);
    QCOMPARE(model.Transmissions[2].Offset, 7200);
}

QTEST_MAIN(TestSetupImport)
#include "tst_setupimport.moc"
