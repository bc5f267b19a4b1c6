#include "CommandPageFixture.h"
#include "commandfile/ListText.h"
#include "commandfile/Messages.h"
#include "commandfile/PageTexts.h"
#include "commandfile/StationExportDialog.h"
#include "setup/SetupReader.h"
#include "tests/setup/SampleStation.h"
#include "tests/support/Controls.h"
#include "tests/support/Folder.h"
#include "texts/FileReasons.h"
#include "texts/LanguageTable.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

QString Text(const Message &message, bool german)
{
    return QString::fromUtf8(message.In(german));
}

// A page whose list holds a sampling entry, the configuration and
// diagnostics query and a firmware file with a Latin-1 letter, for station
// 0000000001; and the export dialog it opened.
struct DialogPage : Page
{
    explicit DialogPage(bool english = true, const QLocale &locale = QLocale::c()) : Page(locale)
    {
        if (!english)
            german();
        ui().EditFW->setText(QString::fromUtf8("fw_ä.bin"));
        for (const char *panel : {"ExpanderMIntSInt", "ExpanderCfgDiag", "ExpanderFW"}) {
            open(panel);
            add();
        }
        messages().clear();
        QTest::mouseClick(ui().CornerButtonExportStations, Qt::LeftButton);
    }

    StationExportDialog &dialog()
    {
        auto *dialog = form.findChild<StationExportDialog *>();
        if (!dialog)
            qFatal("the export dialog is not open");
        return *dialog;
    }
    template <typename Control> Control *control(const char *name)
    {
        return Named<Control>(dialog(), QLatin1String(name));
    }
    QPlainTextEdit *ids() { return control<QPlainTextEdit>("MemoStationIds"); }
    QStringList notes()
    {
        QStringList notes;
        const auto *list = control<QListWidget>("ListBoxLineNotes");
        for (int i = 0; i < list->count(); ++i)
            notes << list->item(i)->text();
        return notes;
    }
    void chooseFolder(const QString &folder)
    {
        boxes().fileAnswers.push_back(folder);
        control<QPushButton>("ButtonChooseFolder")->click();
    }
    void write() { control<QPushButton>("ButtonWriteFiles")->click(); }
    // Hands the dialog's windows the events they have left, closing too.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    bool dialogOpen() const
    {
        const auto *dialog = form.findChild<StationExportDialog *>();
        return dialog && dialog->isVisible();
    }

    // The list as the file for the station holds it, its ackIds masked.
    QByteArray listFor(const QString &station) const
    {
        return Masked(list())
            .replace("stationId=\"0000000001\"", QString("stationId=\"%1\"").arg(station))
            .toLatin1();
    }
};

// Every file of the folder is the list for its station, byte for byte but for
// the ackIds, which are all new: none repeats, in the files or in the list.
void CompareFiles(const DialogPage &page, const QString &folder, const QStringList &stations)
{
    QStringList ackIds = AckIds(page.list());
    for (const QString &station : stations) {
        const QByteArray bytes =
            Bytes(ReadFileBytes(fs::path(folder.toStdString()) / (station + ".kcf").toStdString()));
        QCOMPARE(Masked(QString::fromLatin1(bytes)).toLatin1(), page.listFor(station));
        ackIds << AckIds(QString::fromLatin1(bytes));
    }
    QCOMPARE(QSet<QString>(ackIds.begin(), ackIds.end()).size(), ackIds.size());
}

QStringList KcfNames(const QStringList &stations)
{
    QStringList names;
    for (const QString &station : stations)
        names << station + ".kcf";
    names.sort();
    return names;
}

void WriteSetup(const QString &path, const std::string &stationId)
{
    SampleStation::Station station;
    station.stationId = stationId;
    const SetupFileBuilder::Bytes bytes = SampleStation::Build(station);
    WriteFileBytes(path.toStdString(), std::string(bytes.begin(), bytes.end()));
}

} // namespace

class TestStationExportDialog : public QObject
{
    Q_OBJECT

private slots:
    void filesForIdLists_data();
    void filesForIdLists();
    void existingFileIsKeptAndListed();
    void failedWriteAmongGoodOnes();
    void unencodableCharacterRefusesEverything();
    void idsFromSetupFiles_data();
    void idsFromSetupFiles();
    void idsFromTextFile();
    void unreadableTextFile();
    void folderAndWriteButton();
    void textsAndKeyboard_data();
    void textsAndKeyboard();
    void onlyWithAnExportableList();
};

void TestStationExportDialog::filesForIdLists_data()
{
    QTest::addColumn<bool>("german");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QStringList>("notes");
    QTest::addColumn<QStringList>("stations");
    QTest::addColumn<QString>("summary"); // "%1" is the folder

    const QLocale c = QLocale::c();
    QTest::addRow("as typed") << false << c << "0000000001\n0000000002\n"
                              << QStringList() << QStringList{"0000000001", "0000000002"}
                              << "Command files for 2 stations in \"%1\":\n\nWritten (2):\n"
                                 "  0000000001.kcf\n  0000000002.kcf";
    QTest::addRow("normalised") << false << c << "12\n ab c \n0000000003"
                                << QStringList{"Line 1: \"12\" becomes 0000000012",
                                               "Line 2: \" ab c \" becomes 0000000ABC"}
                                << QStringList{"0000000012", "0000000ABC", "0000000003"}
                                << "Command files for 3 stations in \"%1\":\n\nWritten (3):\n"
                                   "  0000000012.kcf\n  0000000ABC.kcf\n  0000000003.kcf";
    QTest::addRow("duplicate and empty lines")
        << false << c << "\n12\n\n0000000012\n  \n12"
        << QStringList{"Line 1: empty, left out",
                       "Line 2: \"12\" becomes 0000000012",
                       "Line 3: empty, left out",
                       "Line 4: \"0000000012\" gives 0000000012 as line 2 does, left out",
                       "Line 5: empty, left out",
                       "Line 6: \"12\" gives 0000000012 as line 2 does, left out"}
        << QStringList{"0000000012"}
        << "Command files for 1 stations in \"%1\":\n\nWritten (1):\n  0000000012.kcf";
    QTest::addRow("German")
        << true << c << "7\n\n7"
        << QStringList{QString::fromUtf8("Zeile 1: \"7\" wird zu 0000000007"),
                       QString::fromUtf8("Zeile 2: leer, entfällt"),
                       QString::fromUtf8("Zeile 3: \"7\" ergibt 0000000007 wie Zeile 1, entfällt")}
        << QStringList{"0000000007"}
        << QString::fromUtf8("Kommandodateien für 1 Stationen in \"%1\":\n\nGeschrieben (1):\n"
                             "  0000000007.kcf");
    // Upper-cased as the station ID field upper-cases in the user's language.
    QTest::addRow("the user's upper case")
        << false << QLocale(QLocale::German) << QString::fromUtf8("ß1")
        << QStringList{QString::fromUtf8("Line 1: \"ß1\" becomes 0000000SS1")}
        << QStringList{"0000000SS1"}
        << "Command files for 1 stations in \"%1\":\n\nWritten (1):\n  0000000SS1.kcf";
}

void TestStationExportDialog::filesForIdLists()
{
    QFETCH(bool, german);
    QFETCH(QLocale, locale);
    QFETCH(QString, lines);
    QFETCH(QStringList, notes);
    QFETCH(QStringList, stations);
    QFETCH(QString, summary);

    DialogPage page(!german, locale);
    page.ids()->setPlainText(lines);
    QCOMPARE(page.notes(), notes);
    QCOMPARE(page.control<QLabel>("LabelFileCount")->text(),
             Text(FileCountText, german).arg(stations.size()));
    QTemporaryDir out;
    page.chooseFolder(out.path());
    page.write();

    QCOMPARE(Entries(out.path().toStdString()), KcfNames(stations));
    CompareFiles(page, out.path(), stations);
    QCOMPARE(page.messages().size(), std::size_t(1));
    QCOMPARE(page.messages()[0].kind, Dialogs::Kind::Information);
    QCOMPARE(page.messages()[0].text, summary.arg(out.path()));
    // Done: the dialog closes, and the page's next export starts there.
    QVERIFY(!page.dialogOpen());
    QCOMPARE(QString::fromStdString(page.form.ExportDir), out.path());
}

void TestStationExportDialog::existingFileIsKeptAndListed()
{
    DialogPage page;
    QTemporaryDir out;
    const fs::path folder = out.path().toStdString();
    WriteFileBytes(folder / "0000000002.kcf", "old");
    page.ids()->setPlainText("1\n2\n3\n");
    page.chooseFolder(out.path());
    page.write();

    QCOMPARE(Bytes(ReadFileBytes(folder / "0000000002.kcf")), QByteArray("old"));
    CompareFiles(page, out.path(), {"0000000001", "0000000003"});
    QCOMPARE(Entries(folder), KcfNames({"0000000001", "0000000002", "0000000003"}));
    QCOMPARE(page.messages().size(), std::size_t(1));
    QCOMPARE(page.messages()[0].kind, Dialogs::Kind::Warning);
    QCOMPARE(page.messages()[0].text,
             QString("Command files for 3 stations in \"%1\":\n\n"
                     "Written (2):\n  0000000001.kcf\n  0000000003.kcf\n\n"
                     "Skipped, the file exists already and is kept (1):\n  0000000002.kcf")
                 .arg(out.path()));
}

// A folder stands where one file should go: the others are written, the
// dialog stays open, and a second try keeps what the first wrote.
void TestStationExportDialog::failedWriteAmongGoodOnes()
{
    DialogPage page(false);
    QTemporaryDir out;
    const fs::path folder = out.path().toStdString();
    fs::create_directory(folder / "0000000002.kcf");
    page.ids()->setPlainText("1\n2\n3\n");
    page.chooseFolder(out.path());
    page.write();

    CompareFiles(page, out.path(), {"0000000001", "0000000003"});
    QVERIFY(fs::is_empty(folder / "0000000002.kcf"));
    const QString notRegular =
        QString::fromStdString(FileFaultReason(FileFault{FileFault::Kind::NotRegular}, true));
    QCOMPARE(page.messages().size(), std::size_t(1));
    QCOMPARE(page.messages()[0].kind, Dialogs::Kind::Error);
    QCOMPARE(page.messages()[0].text,
             QString::fromUtf8("Kommandodateien für 3 Stationen in \"%1\":\n\n"
                               "Geschrieben (2):\n  0000000001.kcf\n  0000000003.kcf\n\n"
                               "Nicht geschrieben (1):\n  0000000002.kcf: %2")
                 .arg(out.path(), notRegular));
    QVERIFY(page.dialogOpen());
    QCOMPARE(QString::fromStdString(page.form.ExportDir), out.path());

    const std::string written = FolderContent(folder);
    page.write();
    QCOMPARE(FolderContent(folder), written);
    QCOMPARE(page.messages().size(), std::size_t(2));
    QVERIFY2(page.messages()[1].text.contains(QString::fromUtf8(
                 "Übersprungen, die Datei existiert bereits und bleibt erhalten (2):\n"
                 "  0000000001.kcf\n  0000000003.kcf")),
             qPrintable(page.messages()[1].text));
}

// The list can hold any character; the files only ISO-8859-1. Nothing is
// written then, not even for the stations before.
void TestStationExportDialog::unencodableCharacterRefusesEverything()
{
    DialogPage page;
    page.dialog().close();
    DialogPage::settle();
    const QString comment = QString::fromUtf8("<!-- 5 € -->");
    page.ui().MemoCmdList->appendPlainText(comment);
    const int line = page.list().split("\r\n").indexOf(comment) + 1;
    QVERIFY(line > 0);
    page.form.CornerButtonExportStationsClick();
    page.ids()->setPlainText("1\n2\n");
    QTemporaryDir out;
    page.chooseFolder(out.path());
    page.write();

    QVERIFY(fs::is_empty(out.path().toStdString()));
    QCOMPARE(page.messages().size(), std::size_t(1));
    QCOMPARE(page.messages()[0].kind, Dialogs::Kind::Error);
    QCOMPARE(page.messages()[0].text, Text(CharacterNotExportable, false).arg("€").arg(line));
    QVERIFY(page.dialogOpen());
    QVERIFY(page.form.ExportDir.empty());
}

void TestStationExportDialog::idsFromSetupFiles_data()
{
    QTest::addColumn<bool>("german");
    QTest::addRow("English") << false;
    QTest::addRow("German") << true;
}

// The station ID of each chosen setup file goes below the lines there; the
// files that give none are named with their reasons, and nothing of any
// file reaches the page.
void TestStationExportDialog::idsFromSetupFiles()
{
    QFETCH(bool, german);
    DialogPage page(!german);
    QTemporaryDir in;
    const QString first = in.filePath("first.BIN");
    const QString second = in.filePath("second.bin");
    const QString noId = in.filePath("no-id.BIN");
    const QString folder = in.filePath("folder.BIN");
    const QString broken = in.filePath("broken.BIN");
    WriteSetup(first, "0000000042");
    WriteSetup(second, " pel 7 ");
    WriteSetup(noId, "");
    QVERIFY(QDir().mkdir(folder));
    SetupFileBuilder brokenFile;
    brokenFile.Add(SetupFile::ParamStationID, 1, SetupFile::ElemStationID,
                   SetupFileBuilder::Text("0000000099"));
    brokenFile.Add(SetupFile::ParamChannel, 1, SetupFile::ElemChannelNr,
                   SetupFileBuilder::Text("0001"));
    // A sampling interval no logger holds stops the walk.
    brokenFile.Add(SetupFile::ParamSampling, 1, SetupFile::ElemSamplingInterval,
                   SetupFileBuilder::UInt(3000000000u));
    const SetupFileBuilder::Bytes brokenBytes = brokenFile.Build();
    WriteFileBytes(broken.toStdString(), std::string(brokenBytes.begin(), brokenBytes.end()));

    page.ids()->setPlainText("0000000001");
    page.boxes().fileListAnswers.push_back({first, noId, folder, broken, second});
    page.control<QPushButton>("ButtonFromSetupFiles")->click();

    QCOMPARE(page.ids()->toPlainText(), QString("0000000001\n0000000042\npel 7\n"));
    QCOMPARE(page.notes(),
             QStringList{Text(LineChangedNote, german).arg("3", "pel 7", "000000PEL7")});
    QCOMPARE(page.dialog().StationIds(),
             (std::vector<std::string>{"0000000001", "0000000042", "000000PEL7"}));
    QCOMPARE(page.boxes().fileRequests.back().title, Text(SetupFilesTitle, german));

    QCOMPARE(page.messages().size(), std::size_t(1));
    QCOMPARE(page.messages()[0].kind, Dialogs::Kind::Warning);
    const QStringList told = page.messages()[0].text.split('\n');
    QCOMPARE(told.size(), 4);
    QCOMPARE(told[0], Text(SetupIdsNotRead, german));
    QCOMPARE(told[1], noId + ": " + Text(SetupNamesNoStation, german));
    QCOMPARE(told[2], folder + ": " +
                          QString::fromStdString(
                              FileFaultReason(FileFault{FileFault::Kind::NotRegular}, german)));
    QVERIFY2(told[3].startsWith(broken + ": " + ReadConfigFailedText), qPrintable(told[3]));

    QCOMPARE(page.ui().EditStationID->text(), QString("0000000001"));
    QCOMPARE(page.ui().ComboEditMeasurementID->count(), 6);

    // Cancelled: nothing changes.
    page.messages().clear();
    page.control<QPushButton>("ButtonFromSetupFiles")->click();
    QCOMPARE(page.ids()->toPlainText(), QString("0000000001\n0000000042\npel 7\n"));
    QVERIFY(page.messages().empty());
}

// A Latin-1 file of IDs goes below a last line without its end.
void TestStationExportDialog::idsFromTextFile()
{
    DialogPage page;
    QTemporaryDir in;
    const QString file = in.filePath("stations.txt");
    WriteFileBytes(file.toStdString(), "12\r\n\xC4"
                                       "b\r\n\r\n");
    page.ids()->setPlainText("0000000001");
    page.boxes().fileAnswers.push_back(file);
    page.control<QPushButton>("ButtonFromTextFile")->click();

    QCOMPARE(page.ids()->toPlainText(), QString::fromUtf8("0000000001\n12\nÄb\n\n"));
    QCOMPARE(page.dialog().StationIds(),
             (std::vector<std::string>{"0000000001", "0000000012", "000000000B"}));
    QCOMPARE(page.notes().size(), 3);
    QVERIFY(page.messages().empty());
    QCOMPARE(page.boxes().fileRequests.back().title, Text(TextFileTitle, false));
}

void TestStationExportDialog::unreadableTextFile()
{
    DialogPage page(false);
    QTemporaryDir in;
    const QString missing = in.filePath("missing.txt");
    page.ids()->setPlainText("1\n");
    page.boxes().fileAnswers.push_back(missing);
    page.control<QPushButton>("ButtonFromTextFile")->click();

    QCOMPARE(page.ids()->toPlainText(), QString("1\n"));
    QCOMPARE(page.messages().size(), std::size_t(1));
    QCOMPARE(page.messages()[0].kind, Dialogs::Kind::Error);
    QCOMPARE(page.messages()[0].text,
             Text(FileNotRead, true)
                 .arg(missing,
                      QString::fromStdString(FileFaultReason(FileFault::OfSystem(ENOENT), true))));
}

// The folder starts as the page's last export folder and is only ever chosen;
// writing needs a folder and at least one ID.
void TestStationExportDialog::folderAndWriteButton()
{
    QTemporaryDir out;
    DialogPage page;
    page.dialog().close();
    DialogPage::settle();
    page.form.ExportDir = out.path().toStdString();
    page.form.CornerButtonExportStationsClick();

    auto *folder = page.control<QLineEdit>("EditFolder");
    auto *write = page.control<QPushButton>("ButtonWriteFiles");
    QCOMPARE(folder->text(), out.path());
    QVERIFY(folder->isReadOnly());
    QVERIFY(!write->isEnabled());
    page.ids()->setPlainText("\n \n");
    QVERIFY(!write->isEnabled());
    page.ids()->setPlainText("1");
    QVERIFY(write->isEnabled());

    // Cancelling keeps the folder; the dialog starts where it is.
    page.control<QPushButton>("ButtonChooseFolder")->click();
    QCOMPARE(folder->text(), out.path());
    QCOMPARE(page.boxes().fileRequests.back().folder, out.path());
    QCOMPARE(page.boxes().fileRequests.back().title, Text(FolderTitle, false));
    page.chooseFolder(out.filePath("other"));
    QCOMPARE(folder->text(), out.filePath("other"));

    // Without a folder nothing can be written.
    DialogPage fresh;
    fresh.ids()->setPlainText("1");
    QVERIFY(fresh.control<QLineEdit>("EditFolder")->text().isEmpty());
    QVERIFY(!fresh.control<QPushButton>("ButtonWriteFiles")->isEnabled());
    fresh.dialog().ButtonWriteFilesClick();
    QVERIFY(fresh.messages().empty());
}

void TestStationExportDialog::textsAndKeyboard_data()
{
    QTest::addColumn<bool>("german");
    QTest::addRow("English") << false;
    QTest::addRow("German") << true;
}

// Every control reached by Tab or by its Alt key; Escape closes.
void TestStationExportDialog::textsAndKeyboard()
{
    QFETCH(bool, german);
    DialogPage page(!german);
    StationExportDialog &dialog = page.dialog();
    QCOMPARE(dialog.windowTitle(), Text(StationExportTitle, german));
    const std::pair<const char *, Message> buttons[] = {
        {"ButtonFromSetupFiles", FromSetupFilesCaption},
        {"ButtonFromTextFile", FromTextFileCaption},
        {"ButtonChooseFolder", ChooseFolderCaption},
        {"ButtonWriteFiles", WriteFilesCaption},
        {"ButtonClose", CloseCaption}};
    for (const auto &[name, text] : buttons)
        QCOMPARE(page.control<QPushButton>(name)->text(), Text(text, german));
    const std::tuple<const char *, Message, const char *> labels[] = {
        {"LabelStationIds", StationIdsCaption, "MemoStationIds"},
        {"LabelLineNotes", LineNotesCaption, "ListBoxLineNotes"},
        {"LabelFolder", FolderCaption, "EditFolder"}};
    for (const auto &[name, text, buddy] : labels) {
        const auto *label = page.control<QLabel>(name);
        QCOMPARE(label->text(), Text(text, german));
        QVERIFY2(label->buddy() == page.control<QWidget>(buddy), name);
    }
    QVERIFY(page.ids()->tabChangesFocus());
    QVERIFY(page.control<QPushButton>("ButtonWriteFiles")->isDefault());

    // No two controls share an Alt key.
    QStringList keys;
    for (const QString &text : {page.control<QLabel>("LabelStationIds")->text(),
                                page.control<QLabel>("LabelLineNotes")->text(),
                                page.control<QLabel>("LabelFolder")->text(),
                                page.control<QPushButton>("ButtonFromSetupFiles")->text(),
                                page.control<QPushButton>("ButtonFromTextFile")->text(),
                                page.control<QPushButton>("ButtonChooseFolder")->text(),
                                page.control<QPushButton>("ButtonWriteFiles")->text()}) {
        const int at = text.indexOf('&');
        QVERIFY2(at >= 0, qPrintable(text));
        keys << text.mid(at + 1, 1).toLower();
    }
    keys.removeDuplicates();
    QCOMPARE(keys.size(), 7);

    QVERIFY(page.dialogOpen());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!page.dialogOpen());
    DialogPage::settle();
    QVERIFY(!page.form.findChild<StationExportDialog *>());
}

// The dialog exports what the single export would: a list it would not
// write opens no dialog; the button follows the single export's.
void TestStationExportDialog::onlyWithAnExportableList()
{
    Page page;
    QVERIFY(!page.ui().CornerButtonExportStations->isEnabled());
    page.ui().MemoCmdList->setPlainText("a\nb\nc");
    page.form.CornerButtonExportStationsClick();
    QVERIFY(!page.form.findChild<StationExportDialog *>());
    page.open("ExpanderCfgDiag");
    page.add();
    QVERIFY(page.ui().CornerButtonExportStations->isEnabled());
    QCOMPARE(page.ui().CornerButtonExportStations->isEnabled(),
             page.ui().CornerButtonExportFTPFile->isEnabled());
}

QTEST_MAIN(TestStationExportDialog)
#include "tst_stationexportdialog.moc"
