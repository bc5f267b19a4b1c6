#include "app/AboutBox.h"
#include "app/FormMain.h"
#include "app/IniFile.h"
#include "app/Settings.h"
#include "commandfile/CommandPage.h"
#include "estimators/EstimatorPage.h"
#include "tests/support/Confined.h"
#include "tests/support/Controls.h"
#include "tests/support/FakeDialogs.h"
#include "texts/FileReasons.h"
#include "texts/LanguageTable.h"
#include "ui/Expander.h"
#include "ui/TabWidget.h"
#include "ui_CommandPage.h"
#include "ui_FormAbout.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QPointer>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

namespace {

QString SettingsPathIn(const TestPlatform &platform)
{
    return QDir(platform.folder.path()).filePath(QLatin1String(SettingsFileName));
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

IniFile ReadIni(const QString &path)
{
    return IniFile::Parse(ReadFile(path).toStdString());
}

QStringList ItemsOf(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

template <std::size_t N>
QStringList Translations(const std::array<ItemText, N> &items, bool english)
{
    QStringList texts;
    for (const ItemText &item : items)
        texts << QString::fromUtf8(Translated(item, english));
    return texts;
}

// What the user sees of a row's control, read the way each kind shows it.
// The main menu and the command page are made on first use, with their texts
// in the language of then.
QString ShownText(TFormMain &form, const LanguageText &row)
{
    form.MainMenu();
    form.Commands().Form();
    QObject *control = form.findChild<QObject *>(QLatin1String(row.Control));
    if (!control)
        return QStringLiteral("<missing>");
    switch (row.Kind) {
    case TextKind::Label:
        return qobject_cast<QLabel *>(control)->text();
    case TextKind::MenuEntry:
        if (const auto *menu = qobject_cast<QMenu *>(control))
            return menu->title();
        return qobject_cast<QAction *>(control)->text();
    case TextKind::CheckBox:
    case TextKind::PushButton:
        return qobject_cast<QAbstractButton *>(control)->text();
    case TextKind::TabCaption:
        return Named<TabWidget>(form, "TabControlMain")
            ->tabText(Named<TabWidget>(form, "TabControlMain")
                          ->indexOfPage(qobject_cast<QWidget *>(control)));
    case TextKind::ExpanderCaption:
        return qobject_cast<Expander *>(control)->text();
    case TextKind::Items:
        return ItemsOf(qobject_cast<QComboBox *>(control)).join(QLatin1Char('|'));
    }
    return {};
}

// The row's text as the user should see it: a label shows "&&" as one ampersand.
QString ExpectedText(const LanguageText &row, bool english)
{
    if (row.Kind == TextKind::Items) {
        const QStringList items = QLatin1String(row.Control) == QLatin1String("ComboBoxObserverInt")
                                      ? Translations(ObserverIntervalItems, english)
                                      : Translations(GradientDirectionItems, english);
        return items.join(QLatin1Char('|'));
    }
    QString text = QString::fromUtf8(Translated(row, english));
    if (row.Kind == TextKind::Label)
        text.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return text;
}

// Every row of the table whose control does not show the text of the language.
QStringList Mismatches(TFormMain &form, bool english, bool channelNames = true)
{
    QStringList wrong;
    for (const LanguageText &row : LanguageTexts) {
        if (row.ChannelName && !channelNames)
            continue;
        const QString shown = ShownText(form, row);
        const QString expected = ExpectedText(row, english);
        if (shown != expected)
            wrong << QStringLiteral("%1: \"%2\" instead of \"%3\"")
                         .arg(QLatin1String(row.Control), shown, expected);
    }
    return wrong;
}

void VerifyLanguageChecks(const TFormMain &form, bool english)
{
    QCOMPARE(form.English(), english);
    QCOMPARE(Named<QAction>(form, "MenuItemEN")->isChecked(), english);
    QCOMPARE(Named<QAction>(form, "MenuItemDE")->isChecked(), !english);
}

// Ways of showing a message box, each returning the text its "%1" stands for.
using Trigger = QString (*)(TFormMain &form, FakeDialogs &boxes, const QString &folder);

QString ShowBatteryDisclaimer(TFormMain &form, FakeDialogs &, const QString &)
{
    form.Estimators().LabelMDisclaimerClick();
    return {};
}

QString AddFirmwareCommand(TFormMain &form, FakeDialogs &, const QString &)
{
    if (!form.Commands().Form().ExpanderFW->isExpanded())
        form.Commands().AllExpanderClick(form.Commands().Form().ExpanderFW);
    form.Commands().Form().EditFW->setText(QStringLiteral("pelora.fw"));
    form.Commands().CornerButtonAddCmdClick();
    return {};
}

QString ExportOverExistingFile(TFormMain &form, FakeDialogs &boxes, const QString &folder)
{
    if (form.Commands().CmdCounter == 0)
        AddFirmwareCommand(form, boxes, folder);
    const QString existing = QDir(folder).filePath(QStringLiteral("0000000001.kcf"));
    WriteFile(existing, "kept");
    boxes.fileAnswers.push_back(existing);
    form.Commands().CornerButtonExportFTPFileClick();
    return existing;
}

// What the about box showed while it was open.
struct AboutSeen
{
    QPointer<TfrmAbout> box;
    bool modal = false;
    bool fresh = false;
    QSize size;
    bool fixedSize = false;
    QString caption;
    QStringList texts;
    QSize logo;
};

// Notes the open about box and closes it by its OK button; any other modal
// window is closed, so a failing check cannot leave the test waiting.
void InspectAndCloseAbout(AboutSeen &seen)
{
    QWidget *modal = QApplication::activeModalWidget();
    auto *box = qobject_cast<TfrmAbout *>(modal);
    if (!box) {
        if (modal)
            modal->close();
        return;
    }
    seen.box = box;
    seen.modal = box->isModal() && box->isVisible();
    seen.fresh = !box->property("seenBefore").isValid();
    box->setProperty("seenBefore", true);
    seen.size = box->size();
    seen.fixedSize = box->minimumSize() == box->maximumSize();
    seen.caption = box->windowTitle();
    seen.texts = QStringList{box->ui->LabelProduct->text(), box->ui->LabelTitle->text(),
                             box->ui->LabelVersion->text()};
    seen.logo = box->ui->ImageLogo->pixmap().size();
    QTest::mouseClick(box->ui->ButtonOK, Qt::LeftButton);
}

} // namespace

Q_DECLARE_METATYPE(Trigger)

// The application shell: settings file, languages, menu, tabs and about box.
class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void startupFromSettings_data();
    void startupFromSettings();
    void tabCaptionsFollowTheActiveTab();
    void tabsKeepTheirPlace_data();
    void tabsKeepTheirPlace();
    void settingsWrittenAtClose_data();
    void settingsWrittenAtClose();
    void exitStoresLikeCloseButton();
    void otherKeysSurvive();
    void unchangedRunLeavesFileAsItWas();
    void unwritableSettingsFile_data();
    void unwritableSettingsFile();
    void writeProtectedSettingsFile();
    void oversizedSettingsFile_data();
    void oversizedSettingsFile();
    void settingsBesideWritableProgram();
    void languageRoundTrip();
    void sameTextInBothLanguages_data();
    void sameTextInBothLanguages();
    void selectionsSurviveSwitch();
    void importedChannelNamesStay();
    void messagesFollowLanguage_data();
    void messagesFollowLanguage();
    void mainMenu();
    void aboutBoxIsFreshAndModal();
};

void TestShell::startupFromSettings_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no settings file
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("boldTab"); // -1: both captions plain
    QTest::addColumn<QByteArray>("importDir");
    QTest::addColumn<QByteArray>("exportDir");

    QTest::addRow("no file") << QByteArray() << true << 0 << -1 << QByteArray() << QByteArray();
    QTest::addRow("TabItem 0") << QByteArray("[]\r\nTabItem=0\r\n") << true << 0 << -1
                               << QByteArray() << QByteArray();
    QTest::addRow("TabItem 1") << QByteArray("[]\r\nTabItem=1\r\n") << true << 1 << 1
                               << QByteArray() << QByteArray();
    QTest::addRow("TabItem 2") << QByteArray("[]\r\nTabItem=2\r\n") << true << 0 << -1
                               << QByteArray() << QByteArray();
    QTest::addRow("TabItem -1") << QByteArray("[]\r\nTabItem=-1\r\n") << true << 0 << -1
                                << QByteArray() << QByteArray();
    QTest::addRow("TabItem 3") << QByteArray("[]\r\nTabItem=3\r\n") << true << 0 << -1
                               << QByteArray() << QByteArray();
    QTest::addRow("Language 0") << QByteArray("[]\r\nLanguage=0\r\n") << false << 0 << -1
                                << QByteArray() << QByteArray();
    for (const char *value : {"1", "2", "-1", "abc", ""})
        QTest::addRow("Language '%s'", value) << (QByteArray("[]\r\nLanguage=") + value + "\r\n")
                                              << true << 0 << -1 << QByteArray() << QByteArray();
    QTest::addRow("folders") << QByteArray("[]\r\nImportDir=C:\\Users\\Jörg\\Setups\r\n"
                                           "ExportDir=/srv/ftp/Ωmega データ\r\n")
                             << true << 0 << -1 << QByteArray("C:\\Users\\Jörg\\Setups")
                             << QByteArray("/srv/ftp/Ωmega データ");
    QTest::addRow("all four") << QByteArray("[]\nLanguage=0\nTabItem=1\nImportDir=/in\n"
                                            "ExportDir=/out\n")
                              << false << 1 << 1 << QByteArray("/in") << QByteArray("/out");
}

void TestShell::startupFromSettings()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, english);
    QFETCH(int, page);
    QFETCH(int, boldTab);
    QFETCH(QByteArray, importDir);
    QFETCH(QByteArray, exportDir);

    TestPlatform platform;
    if (!file.isEmpty())
        WriteFile(SettingsPathIn(platform), file);
    TFormMain form(platform.environment());

    VerifyLanguageChecks(form, english);
    QCOMPARE(Mismatches(form, english), QStringList());
    QCOMPARE(Named<TabWidget>(form, "TabControlMain")->currentIndex(), page);
    QCOMPARE(form.LastTab() == 1, page == 1);
    const TabBar *tabs = Named<TabWidget>(form, "TabControlMain")->bar();
    for (int i = 0; i < tabs->count(); ++i) {
        QCOMPARE(tabs->tabFont(i).bold(), i == boldTab);
        QCOMPARE(tabs->tabFont(i).pixelSize(), i == boldTab ? 18 : 16);
    }
    QCOMPARE(QByteArray::fromStdString(form.Import().ImportDir), importDir);
    QCOMPARE(QByteArray::fromStdString(form.Commands().ExportDir), exportDir);
    QVERIFY(platform.boxes->messages.empty());
}

void TestShell::tabCaptionsFollowTheActiveTab()
{
    TestPlatform platform;
    WriteFile(SettingsPathIn(platform), "[]\r\nTabItem=2\r\n");
    const TFormMain form(platform.environment());
    QCOMPARE(form.LastTab(), 2);
    const TabBar *tabs = Named<TabWidget>(form, "TabControlMain")->bar();
    for (const int active : {1, 0, 1}) {
        Named<TabWidget>(form, "TabControlMain")->setCurrentIndex(active);
        QCOMPARE(form.LastTab(), active);
        for (int i = 0; i < tabs->count(); ++i) {
            QCOMPARE(tabs->tabFont(i).bold(), i == active);
            QCOMPARE(tabs->tabFont(i).pixelSize(), i == active ? 18 : 16);
        }
    }
}

void TestShell::tabsKeepTheirPlace_data()
{
    QTest::addColumn<bool>("english");
    QTest::addRow("English") << true;
    QTest::addRow("German") << false;
}

// Changing the page moves no tab, and each caption fits its tab also in
// the larger bold font of the active tab.
void TestShell::tabsKeepTheirPlace()
{
    QFETCH(bool, english);
    TestPlatform platform;
    TFormMain form(platform.environment());
    if (!english)
        form.MenuItemDEClick();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const TabBar *tabs = Named<TabWidget>(form, "TabControlMain")->bar();
    const auto rects = [tabs] {
        QList<QRect> shown;
        for (int i = 0; i < tabs->count(); ++i)
            shown << tabs->tabRect(i);
        return shown;
    };
    const QList<QRect> atStart = rects();
    for (const int active : {1, 0, 1}) {
        Named<TabWidget>(form, "TabControlMain")->setCurrentIndex(active);
        QCOMPARE(rects(), atStart);
        const QFont bold = tabs->tabFont(active);
        for (int i = 0; i < tabs->count(); ++i) {
            const int caption = QFontMetrics(bold).horizontalAdvance(tabs->tabText(i));
            QVERIFY2(caption < atStart[i].width(), qPrintable(tabs->tabText(i)));
        }
    }
    QVERIFY(atStart.back().right() < tabs->parentWidget()->width());
}

void TestShell::settingsWrittenAtClose_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no settings file
    QTest::addColumn<QList<int>>("tabs"); // tabs chosen one after the other
    QTest::addColumn<bool>("toGerman");
    QTest::addColumn<int>("storedTab");

    const QByteArray two("[]\r\nLanguage=1\r\nTabItem=2\r\n");
    QTest::addRow("no file, nothing changed") << QByteArray() << QList<int>{} << false << 0;
    QTest::addRow("no file, command page, German") << QByteArray() << QList<int>{1} << true << 1;
    QTest::addRow("2 never changed") << two << QList<int>{} << false << 2;
    QTest::addRow("2 to the command page") << two << QList<int>{1} << true << 1;
    QTest::addRow("2 there and back") << two << QList<int>{1, 0} << false << 0;
    QTest::addRow("1 back to the estimators")
        << QByteArray("[]\r\nTabItem=1\r\n") << QList<int>{0} << false << 0;
    QTest::addRow("1 never changed")
        << QByteArray("[]\r\nTabItem=1\r\n") << QList<int>{} << true << 1;
    QTest::addRow("-1 never changed")
        << QByteArray("[]\r\nTabItem=-1\r\n") << QList<int>{} << false << 0;
    QTest::addRow("3 never changed")
        << QByteArray("[]\r\nTabItem=3\r\n") << QList<int>{} << false << 0;
}

void TestShell::settingsWrittenAtClose()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<int>, tabs);
    QFETCH(bool, toGerman);
    QFETCH(int, storedTab);

    TestPlatform platform;
    const QString path = SettingsPathIn(platform);
    if (!file.isEmpty())
        WriteFile(path, file);
    TFormMain form(platform.environment());
    for (const int tab : tabs)
        Named<TabWidget>(form, "TabControlMain")->setCurrentIndex(tab);
    if (toGerman)
        form.MenuItemDEClick();
    form.Import().ImportDir = "/data/setups";

    // Nothing reaches the disk before closing.
    QCOMPARE(QFileInfo::exists(path), !file.isEmpty());
    QCOMPARE(ReadFile(path), file);

    QVERIFY(form.close());
    const IniFile ini = ReadIni(path);
    QCOMPARE(ini.ReadInteger("", "Language", -99), toGerman ? 0 : 1);
    QCOMPARE(ini.ReadInteger("", "TabItem", -99), storedTab);
    QCOMPARE(ini.ReadValue("", "ImportDir"), std::optional<std::string>("/data/setups"));
    QCOMPARE(ini.ReadValue("", "ExportDir"), std::optional<std::string>(""));
    QVERIFY(platform.boxes->messages.empty());
}

void TestShell::exitStoresLikeCloseButton()
{
    // The same run ended three ways must leave the same file.
    const auto runAndEnd = [](void (*end)(TFormMain &)) {
        TestPlatform platform;
        const QString path = SettingsPathIn(platform);
        WriteFile(path, "; ours\r\n[]\r\nTabItem=2\r\n[Other]\r\nKey=1\r\n");
        TFormMain form(platform.environment());
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            return QByteArray("<not exposed>");
        Named<TabWidget>(form, "TabControlMain")->setCurrentIndex(1);
        form.MenuItemDEClick();
        form.Import().ImportDir = "/in/Jörg";
        form.Commands().ExportDir = "/out";
        end(form);
        if (form.isVisible() || !platform.boxes->messages.empty())
            return QByteArray("<still open or complained>");
        return ReadFile(path);
    };
    const QByteArray byCloseButton = runAndEnd([](TFormMain &form) { form.close(); });
    const QByteArray byExitHandler = runAndEnd([](TFormMain &form) { form.MenuItemExitClick(); });
    const QByteArray byExitEntry =
        runAndEnd([](TFormMain &form) { Named<QAction>(form, "MenuItemExit")->trigger(); });

    QCOMPARE(byExitHandler, byCloseButton);
    QCOMPARE(byExitEntry, byCloseButton);
    const IniFile ini = IniFile::Parse(byCloseButton.toStdString());
    QCOMPARE(ini.ReadInteger("", "Language", -99), 0);
    QCOMPARE(ini.ReadInteger("", "TabItem", -99), 1);
    QCOMPARE(ini.ReadString("", "ImportDir", "?"), std::string("/in/Jörg"));
    QCOMPARE(ini.ReadString("", "ExportDir", "?"), std::string("/out"));
    QCOMPARE(ini.ReadInteger("Other", "Key", -99), 1);
}

void TestShell::otherKeysSurvive()
{
    TestPlatform platform;
    const QString path = SettingsPathIn(platform);
    WriteFile(path, "; written by hand\r\n"
                    "[]\r\n"
                    "Language=1\r\n"
                    "Extra=kept\r\n"
                    "TabItem=0\r\n"
                    "ImportDir=\r\n"
                    "ExportDir=\r\n"
                    "\r\n"
                    "[Window]\r\n"
                    "Left=12\r\n");
    TFormMain form(platform.environment());
    Named<TabWidget>(form, "TabControlMain")->setCurrentIndex(1);
    form.MenuItemDEClick();
    form.Commands().ExportDir = "/home/zoë/kcf";
    QVERIFY(form.close());
    QCOMPARE(ReadFile(path), QByteArray("; written by hand\r\n"
                                        "[]\r\n"
                                        "Language=0\r\n"
                                        "Extra=kept\r\n"
                                        "TabItem=1\r\n"
                                        "ImportDir=\r\n"
                                        "ExportDir=/home/zoë/kcf\r\n"
                                        "\r\n"
                                        "[Window]\r\n"
                                        "Left=12\r\n"));
}

void TestShell::unchangedRunLeavesFileAsItWas()
{
    // Folders with characters beyond any 8-bit code page come back in full.
    const QByteArray file("[]\r\nLanguage=0\r\nTabItem=2\r\nImportDir=C:\\Setups\\Ωmega\r\n"
                          "ExportDir=/srv/データ/Jörg\r\n");
    TestPlatform platform;
    const QString path = SettingsPathIn(platform);
    WriteFile(path, file);
    TFormMain form(platform.environment());
    QVERIFY(form.close());
    QCOMPARE(ReadFile(path), file);
}

void TestShell::unwritableSettingsFile_data()
{
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("detail"); // "%1" is the file
    QTest::addRow("English") << false << QString("The settings could not be saved.")
                             << QString("\"%1\" could not be read: not a regular file (a folder, "
                                        "a pipe or a device)");
    QTest::addRow("German") << true
                            << QString("Die Einstellungen konnten nicht gespeichert werden.")
                            << QString::fromUtf8("\"%1\" konnte nicht gelesen werden: keine "
                                                 "reguläre Datei (sondern ein Ordner, eine Pipe "
                                                 "oder ein Gerät)");
}

void TestShell::unwritableSettingsFile()
{
    QFETCH(bool, german);
    QFETCH(QString, message);
    QFETCH(QString, detail);

    TestPlatform platform;
    const QString path = SettingsPathIn(platform);
    // A folder in the file's place cannot be written over, not even by root.
    QVERIFY(QDir().mkpath(path));
    TFormMain form(platform.environment());
    VerifyLanguageChecks(form, true);
    if (german)
        form.MenuItemDEClick();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QVERIFY(form.close());
    QVERIFY(!form.isVisible());
    QCOMPARE(platform.boxes->messages.size(), std::size_t(1));
    const FakeDialogs::Shown &shown = platform.boxes->messages.front();
    QCOMPARE(shown.kind, Dialogs::Kind::Error);
    QVERIFY2(shown.text.startsWith(message), qPrintable(shown.text));
    QVERIFY2(shown.text.contains(path), qPrintable(shown.text));
    QVERIFY2(shown.text.endsWith(detail.arg(path)), qPrintable(shown.text));
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(QDir(platform.folder.path()).entryList(QDir::Files), QStringList());
}

// Closing as a user who may not write the file: it stays, and the user is told.
void TestShell::writeProtectedSettingsFile()
{
    TestPlatform platform;
    const QString path = SettingsPathIn(platform);
    const QByteArray old("[]\r\nLanguage=1\r\nTabItem=1\r\n");
    WriteFile(path, old);
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    QVERIFY(QFile::setPermissions(platform.folder.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                              QFile::ExeOwner | QFile::ReadOther |
                                                              QFile::WriteOther | QFile::ExeOther));
    TFormMain form(platform.environment());
    form.MenuItemDEClick();
    const ConfinedRun run = RunConfined(
        Confinement::Unprivileged, platform.folder.path().toStdString(), [] {},
        [&] {
            form.close();
            QStringList seen;
            for (const FakeDialogs::Shown &shown : platform.boxes->messages)
                seen << shown.text;
            seen << QDir(platform.folder.path()).entryList(QDir::Files | QDir::Hidden)
                 << QString::fromUtf8(ReadFile(path));
            return seen.join(QLatin1Char('\n')).toStdString();
        });
    if (!run.Confined)
        QSKIP(run.Output.c_str());
    const QString message = QString::fromUtf8(SettingsNotSaved.German)
                                .arg(QString::fromUtf8(FileNotWritten.German)
                                         .arg(path, QString::fromStdString(FileFaultReason(
                                                        FileFault::OfSystem(EACCES), true))));
    QCOMPARE(QString::fromStdString(run.Output),
             QStringList({message, SettingsFileName, QString::fromUtf8(old)}).join('\n'));
}

void TestShell::oversizedSettingsFile_data()
{
    QTest::addColumn<bool>("germanAtClose");
    QTest::addRow("English") << false;
    QTest::addRow("German at close") << true;
}

// Far beyond any settings file: the window starts with the defaults, says so
// once it is up, and at close says the file stays as it is.
void TestShell::oversizedSettingsFile()
{
    QFETCH(bool, germanAtClose);
    TestPlatform platform;
    const QString path = SettingsPathIn(platform);
    WriteFile(path, "[]\r\nLanguage=0\r\nTabItem=1\r\n");
    const qint64 size = qint64(3) << 30;
    QVERIFY(QFile::resize(path, size));

    TFormMain form(platform.environment());
    VerifyLanguageChecks(form, true);
    QCOMPARE(form.LastTab(), 0);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_COMPARE(platform.boxes->messages.size(), std::size_t(1));
    const QString english = QString::fromUtf8(FileTooLarge.English).arg(path).arg(64);
    QCOMPARE(platform.boxes->messages[0].kind, Dialogs::Kind::Warning);
    QCOMPARE(platform.boxes->messages[0].text,
             QString::fromUtf8(SettingsNotRead.English).arg(english));

    if (germanAtClose)
        form.MenuItemDEClick();
    QVERIFY(form.close());
    QCOMPARE(platform.boxes->messages.size(), std::size_t(2));
    QCOMPARE(platform.boxes->messages[1].text,
             QString::fromUtf8(SettingsNotSaved.In(germanAtClose))
                 .arg(QString::fromUtf8(FileTooLarge.In(germanAtClose)).arg(path).arg(64)));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.size(), size);
    QCOMPARE(file.read(12), QByteArray("[]\r\nLanguage"));
}

void TestShell::settingsBesideWritableProgram()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (!QFileInfo(programFolder).isWritable())
        QSKIP("the test program's folder is not writable");
    const Environment env = Environment::System();
    QCOMPARE(env.ProgramFolder, programFolder);
    QCOMPARE(env.SettingsFolder, programFolder);
    QCOMPARE(env.DataFolder, programFolder);
}

void TestShell::languageRoundTrip()
{
    TestPlatform platform;
    TFormMain form(platform.environment());
    QCOMPARE(Named<QLabel>(form, "LabelHeader")->text(),
             QString("Calculation of battery life time & data transmission volume  / FTP Command "
                     "control file"));
    const bool addEnabled = form.Commands().Form().CornerButtonAddCmd->isEnabled();

    // Each switch runs twice: choosing the language in force changes nothing.
    for (const bool english : {false, false, true, true, false, true}) {
        (english ? Named<QAction>(form, "MenuItemEN") : Named<QAction>(form, "MenuItemDE"))
            ->trigger();
        VerifyLanguageChecks(form, english);
        QCOMPARE(Mismatches(form, english), QStringList());
        QVERIFY(form.Estimators().ChangeChannelNames);
        QVERIFY(form.Estimators().MeasurementLabel[6]->isHidden());
        QVERIFY(!form.Estimators().MeasurementLabel[5]->isHidden());
        QCOMPARE(form.Commands().Form().CornerButtonAddCmd->isEnabled(), addEnabled);
        QCOMPARE(Named<TabWidget>(form, "TabControlMain")->currentIndex(), 0);
    }
    QVERIFY(platform.boxes->messages.empty());
}

void TestShell::sameTextInBothLanguages_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addRow("LabelMDisclaimer") << "LabelMDisclaimer"
                                      << "Disclaimer";
    QTest::addRow("LabelSkalOffset") << "LabelSkalOffset"
                                     << "Offset";
    QTest::addRow("LabelLimitIndex") << "LabelLimitIndex"
                                     << "Index";
    QTest::addRow("LabelGradIndex") << "LabelGradIndex"
                                    << "Index";
    QTest::addRow("LabelTIIndex") << "LabelTIIndex"
                                  << "Index";
    QTest::addRow("LabelQueryFormat") << "LabelQueryFormat"
                                      << "Format";
    QTest::addRow("LabelM8") << "LabelM8"
                             << "M8  TDS";
}

void TestShell::sameTextInBothLanguages()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    TestPlatform platform;
    TFormMain form(platform.environment());
    form.Commands().Form();
    const QLabel *label = form.findChild<QLabel *>(control);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    form.MenuItemDEClick();
    QCOMPARE(label->text(), text);
    form.MenuItemENClick();
    QCOMPARE(label->text(), text);
}

void TestShell::selectionsSurviveSwitch()
{
    TestPlatform platform;
    TFormMain form(platform.environment());
    QComboBox *observer = Named<QComboBox>(form, "ComboBoxObserverInt");
    QComboBox *gradient = form.Commands().Form().ComboBoxGradDir;
    observer->setCurrentIndex(4);
    QCOMPARE(observer->currentText(), QString("Every 3 months"));
    gradient->setCurrentIndex(-1);
    const double mAhTotal = form.Estimators().Charges.mAhTotal;
    QVERIFY(mAhTotal > 0);
    const QSignalSpy observerChanges(observer, &QComboBox::currentIndexChanged);
    const QSignalSpy gradientChanges(gradient, &QComboBox::currentIndexChanged);

    form.MenuItemDEClick();
    QCOMPARE(observer->currentIndex(), 4);
    QCOMPARE(observer->currentText(), QString("Alle 3 Monate"));
    QCOMPARE(gradient->currentIndex(), -1);
    QCOMPARE(form.Estimators().Charges.mAhTotal, mAhTotal);

    form.MenuItemENClick();
    QCOMPARE(observer->currentIndex(), 4);
    QCOMPARE(observer->currentText(), QString("Every 3 months"));
    QCOMPARE(gradient->currentIndex(), -1);
    QCOMPARE(form.Estimators().Charges.mAhTotal, mAhTotal);

    QCOMPARE(observerChanges.count(), 0);
    QCOMPARE(gradientChanges.count(), 0);
}

void TestShell::importedChannelNamesStay()
{
    TestPlatform platform;
    TFormMain form(platform.environment());
    form.Estimators().ChangeChannelNames = false;
    QStringList names;
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        names << QStringLiteral("Pegel %1 &&").arg(i);
        form.Estimators().MeasurementLabel[i]->setText(names.back());
    }
    const auto channelLabels = [&form] {
        QStringList shown;
        for (int i = 1; i <= EstimatorRowCount; ++i)
            shown << form.Estimators().MeasurementLabel[i]->text();
        return shown;
    };

    form.MenuItemDEClick();
    QCOMPARE(channelLabels(), names);
    QCOMPARE(Mismatches(form, false, false), QStringList());
    form.MenuItemENClick();
    QCOMPARE(channelLabels(), names);
    QCOMPARE(Mismatches(form, true, false), QStringList());
}

void TestShell::messagesFollowLanguage_data()
{
    QTest::addColumn<Trigger>("trigger");
    QTest::addColumn<QString>("german"); // the start of the text; "%1" as the trigger says
    QTest::addColumn<QString>("english");

    QTest::addRow("battery disclaimer")
        << Trigger(ShowBatteryDisclaimer) << QString("Bitte beachten:") << QString("Please note:");
    QTest::addRow("firmware note")
        << Trigger(AddFirmwareCommand)
        << QString("Legen Sie die Firmware-Datei im FTP Verzeichnis “firmware” ab.")
        << QString("Save the firmware file in the FTP directory “firmware”.");
    QTest::addRow("existing export file")
        << Trigger(ExportOverExistingFile) << QString("%1  existiert bereits!")
        << QString("%1  already exists!");
}

void TestShell::messagesFollowLanguage()
{
    QFETCH(Trigger, trigger);
    QFETCH(QString, german);
    QFETCH(QString, english);

    TestPlatform platform;
    TFormMain form(platform.environment());
    for (const bool toGerman : {true, false}) {
        if (toGerman)
            form.MenuItemDEClick();
        else
            form.MenuItemENClick();
        platform.boxes->messages.clear();
        const QString subject = trigger(form, *platform.boxes, platform.folder.path());
        QVERIFY(!platform.boxes->messages.empty());
        const QString &start = toGerman ? german : english;
        const QString expected = subject.isEmpty() ? start : start.arg(subject);
        const QString shown = platform.boxes->messages.back().text;
        QVERIFY2(shown.startsWith(expected), qPrintable(shown));
    }
}

void TestShell::mainMenu()
{
    TestPlatform platform;
    TFormMain form(platform.environment());
    // Well inside the screen, so the menu need not be moved to fit.
    form.move(30, 20);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QTest::mouseClick(Named<QLabel>(form, "ImageMenu"), Qt::LeftButton);
    QMenu *menu = form.MainMenu();
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), Named<TabWidget>(form, "TabControlMain")->mapToGlobal(QPoint(0, 0)));
    QCOMPARE(menu->pos(), form.mapToGlobal(QPoint(0, 46)));

    // The plan and report entries after the import are tested with plan files.
    const QList<QAction *> entries = menu->actions();
    QCOMPARE(entries.size(), 16);
    QCOMPARE(entries[0], Named<QAction>(form, "MenuItemImport"));
    QMenu *language = entries[13]->menu();
    QVERIFY(language);
    QCOMPARE(language, form.findChild<QMenu *>("MenuItemLanguage"));
    QCOMPARE(entries[13]->text(), QString("Language"));
    QCOMPARE(entries[14], Named<QAction>(form, "MenuItemAbout"));
    QCOMPARE(entries[15], Named<QAction>(form, "MenuItemExit"));
    QCOMPARE(language->actions(), (QList<QAction *>{Named<QAction>(form, "MenuItemEN"),
                                                    Named<QAction>(form, "MenuItemDE")}));
    QCOMPARE(Named<QAction>(form, "MenuItemEN")->text(), QString("English"));
    QCOMPARE(Named<QAction>(form, "MenuItemDE")->text(), QString("Deutsch"));
    menu->hide();

    for (const bool english : {true, false, true}) {
        (english ? Named<QAction>(form, "MenuItemEN") : Named<QAction>(form, "MenuItemDE"))
            ->trigger();
        int checked = 0;
        for (const QAction *entry : language->actions())
            checked += entry->isChecked() ? 1 : 0;
        QCOMPARE(checked, 1);
        QCOMPARE(Named<QAction>(form, "MenuItemEN")->isChecked(), english);
        // The entry names stay the same in both languages.
        QCOMPARE(Named<QAction>(form, "MenuItemEN")->text(), QString("English"));
        QCOMPARE(Named<QAction>(form, "MenuItemDE")->text(), QString("Deutsch"));
    }
}

void TestShell::aboutBoxIsFreshAndModal()
{
    TestPlatform platform;
    TFormMain form(platform.environment());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    for (int run = 0; run < 2; ++run) {
        AboutSeen seen;
        QTimer::singleShot(0, &form, [&seen] { InspectAndCloseAbout(seen); });
        Named<QAction>(form, "MenuItemAbout")->trigger();

        QVERIFY2(seen.size.isValid(), "no about box was modal");
        QVERIFY(seen.box.isNull()); // destroyed once closed
        QVERIFY(seen.modal);
        QVERIFY(seen.fresh);
        QCOMPARE(seen.size, QSize(601, 189));
        QVERIFY(seen.fixedSize);
        QCOMPARE(seen.caption, QString("About "));
        QCOMPARE(seen.texts,
                 (QStringList{"Vesk Pelora 1000", "Vesk Pelora 1000 Toolbox", "Version 1.05.0"}));
        // The logo is compiled into a static library, which keeps it only when asked.
        QCOMPARE(seen.logo, QSize(171, 126));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
    QVERIFY(form.findChildren<TfrmAbout *>().isEmpty());
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
