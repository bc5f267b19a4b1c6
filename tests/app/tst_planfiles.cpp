#include "app/IniFile.h"
#include "app/Settings.h"
#include "commandfile/CommandPage.h"
#include "common/TimeUnits.h"
#include "tests/app/PlanWindow.h"
#include "tests/estimators/PageFigures.h"
#include "tests/estimators/PlanText.h"
#include "tests/estimators/SetupCases.h"
#include "tests/support/Confined.h"
#include "tests/support/Drop.h"
#include "tests/support/SpecialFiles.h"
#include "tests/support/TestText.h"
#include "texts/FileReasons.h"
#include "ui/ToggleSwitch.h"
#include "ui_CommandPage.h"

#include <QMenu>
#include <QtTest>

#include <sys/stat.h>

#include <fstream>
#include <functional>

using WindowChange = std::function<void(PlanWindow &)>;
Q_DECLARE_METATYPE(WindowChange)

namespace {

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteText(const QString &path, const QByteArray &bytes)
{
    ImportFiles::Write(path, bytes);
}

QString Header(const TFormMain &form)
{
    return Named<QLabel>(form, "LabelPlanOpen")->text();
}

QStringList CommandIds(CommandPage &commands)
{
    QStringList ids;
    const QComboBox *list = commands.Form().ComboEditMeasurementID;
    for (int i = 0; i < list->count(); ++i)
        ids << list->itemText(i);
    return ids;
}

} // namespace

// Plan files in the window: what saving and opening keep, what a refused
// file leaves, drops and the file the program starts with, and what the
// header says is open.
class TestPlanFiles : public QObject
{
    Q_OBJECT

private slots:
    void saveThenOpen_data();
    void saveThenOpen();
    void refusedFileLeavesTheWindow_data();
    void refusedFileLeavesTheWindow();
    void failedSaveIsTold();
    void unfinishedSaveIsTold_data();
    void unfinishedSaveIsTold();
    void fileDialogs();
    void planFolderIsKept();
    void commandPageFollowsThePlan();
    void headerSaysWhatIsOpen_data();
    void headerSaysWhatIsOpen();
    void drops_data();
    void drops();
    void realDropOfAPlan();
    void givenFile_data();
    void givenFile();
    void planMenuEntries();
};

void TestPlanFiles::saveThenOpen_data()
{
    QTest::addColumn<WindowChange>("prepare");
    QTest::addRow("start-up") << WindowChange([](PlanWindow &) {});
    QTest::addRow("every value changed")
        << WindowChange([](PlanWindow &w) { w.page().setPlan(SetupCases::ChangedPage()); });
    QTest::addRow("drop-downs without selection") << WindowChange([](PlanWindow &w) {
        StationPlan plan = DefaultPlan();
        SetupCases::WithoutChoices(plan);
        w.page().setPlan(plan);
    });
    QTest::addRow("from an imported setup") << WindowChange(
        [](PlanWindow &w) { w.importSetup(WriteSampleSetup(w.path("station.bin"))); });
    QTest::addRow("from a dropped setup, TX2 off") << WindowChange([](PlanWindow &w) {
        SampleStation::Station station;
        station.tx2Interval = 0;
        w.form.DropFiles({WriteSampleSetup(w.path("station.BIN"), station)});
    });
    QTest::addRow("by the user's hand") << WindowChange([](PlanWindow &w) {
        Named<ToggleSwitch>(w.form, "SwitchVTX2")->click();
        Named<QComboBox>(w.form, "ComboBoxS4")->setCurrentIndex(3);
        Named<QComboBox>(w.form, "ComboBoxVFormat2")->setCurrentIndex(4);
        Named<QSpinBox>(w.form, "SpinBoxVEventsNumber1")->setValue(12);
        Named<QCheckBox>(w.form, "ConductivityCheckBox")->click();
    });
}

// A saved plan opens in another window exactly as it was: every control,
// the same figures; saving it again gives the same bytes.
void TestPlanFiles::saveThenOpen()
{
    QFETCH(WindowChange, prepare);
    PlanWindow source;
    prepare(source);
    source.platform.boxes->messages.clear();
    const QString file = source.path("site-a.p1kplan");
    source.savePlan(file);
    QCOMPARE(source.messages(), QStringList());
    QCOMPARE(source.form.PlanFileName(), file);

    PlanWindow target;
    target.page().setPlan(SetupCases::ChangedPage());
    target.openPlan(file);
    QCOMPARE(target.messages(), QStringList());
    QCOMPARE(PlanText::Lines(target.page().plan()), PlanText::Lines(source.page().plan()));
    QCOMPARE(PageShown(target.page()), PageShown(source.page()));
    CompareFigures(target.page());
    QCOMPARE(target.form.PlanFileName(), file);

    const QString again = target.path("again.p1kplan");
    target.savePlan(again);
    QCOMPARE(FileBytes(again), FileBytes(file));
}

void TestPlanFiles::refusedFileLeavesTheWindow_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: the name is a folder
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("reason");

    const auto changed = [](const char *from, const char *to) {
        QByteArray text = QByteArray::fromStdString(PlanFileText(DefaultPlan()));
        if (!text.contains(from))
            qFatal("no %s in the plan file", from);
        return text.replace(from, to);
    };
    QTest::addRow("not JSON") << QByteArray("{\"format\": ") << false
                              << QString("the file is not JSON (line 1");
    const auto setup = SampleStation::Build();
    QTest::addRow("a setup file") << QByteArray(reinterpret_cast<const char *>(setup.data()),
                                                static_cast<qsizetype>(setup.size()))
                                  << false << QString("the file is not JSON");
    QTest::addRow("another format") << changed("pelora-toolbox-plan", "other") << false
                                    << QString("the file is not a station plan (");
    QTest::addRow("a newer version")
        << changed("\"version\": 1", "\"version\": 2") << false << QString("\"version\" is 2");
    QTest::addRow("a missing key, German") << changed("\"radio_network\"", "\"radio\"") << true
                                           << QString("der Schlüssel \"radio_network\" fehlt");
    QTest::addRow("an interval the page does not offer")
        << changed("\"sampling_interval_s\": 3600", "\"sampling_interval_s\": 3601") << false
        << QString("\"measurements[0].sampling_interval_s\" holds 3601, which the page does "
                   "not offer");
    // The reader's exception ended the program.
    QTest::addRow("a number beyond double")
        << changed("\"data_plan_mb\": 0", "\"data_plan_mb\": 1e400") << false
        << QString("\"targets.data_plan_mb\" holds the number 1e400, which is too large");
    QTest::addRow("a key twice, German")
        << changed("\"radio_network\"", "\"radio_network\": \"cat-m1\", \"radio_network\"") << true
        << QString("der Schlüssel \"radio_network\" kommt mehrmals vor");
    QTest::addRow("a folder") << QByteArray() << false << QString("not a regular file");
}

// One message names the file and why, and the window stays as it was: the
// page, its figures, the file it shows and the undo history.
void TestPlanFiles::refusedFileLeavesTheWindow()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, german);
    QFETCH(QString, reason);
    PlanWindow window;
    if (german)
        window.form.MenuItemDEClick();
    const QString shown = WritePlan(window.path("shown.p1kplan"), SetupCases::ChangedPage());
    window.openPlan(shown);
    const QStringList before = PageShown(window.page());
    const StationPlan plan = window.page().plan();

    const QString file = window.path("refused.p1kplan");
    if (content.isEmpty())
        QVERIFY(QDir().mkpath(file));
    else
        WriteText(file, content);
    window.openPlan(file);

    QCOMPARE(window.messages().size(), 1);
    const QString message = window.messages().front();
    const QString start = german ? QString("Der Plan \"%1\" konnte nicht geöffnet werden: ")
                                 : QString("The plan \"%1\" could not be opened: ");
    QVERIFY2(message.startsWith(start.arg(file) + reason), qPrintable(message));
    QVERIFY(window.page().plan() == plan);
    QCOMPARE(PageShown(window.page()), before);
    QCOMPARE(window.form.PlanFileName(), shown);
    window.undo();
    QVERIFY(window.page().plan() == DefaultPlan());
}

void TestPlanFiles::failedSaveIsTold()
{
    PlanWindow window;
    const QString file = window.path("no-folder/site-a.p1kplan");
    window.savePlan(file);
    QCOMPARE(
        window.messages(),
        QStringList{
            QString("The file \"%1\" could not be written: the folder does not exist").arg(file)});
    QVERIFY(!QFile::exists(file));
    QCOMPARE(window.form.PlanFileName(), QString());
}

void TestPlanFiles::unfinishedSaveIsTold_data()
{
    QTest::addColumn<Confinement>("confinement");
    QTest::addColumn<bool>("replacing"); // an older plan stands at the name
    QTest::addColumn<int>("reason");     // errno
    QTest::addRow("disk full") << Confinement::FullDisk << false << ENOSPC;
    QTest::addRow("disk full, over an older plan") << Confinement::FullDisk << true << ENOSPC;
    QTest::addRow("file-size limit") << Confinement::FileSizeLimit << false << EFBIG;
    QTest::addRow("a read-only folder") << Confinement::Unprivileged << false << EACCES;
    QTest::addRow("a read-only plan") << Confinement::Unprivileged << true << EACCES;
}

// A save that cannot be finished says why and leaves the folder as it was:
// no part of the new plan, the older plan whole; the window shows no file.
void TestPlanFiles::unfinishedSaveIsTold()
{
    QFETCH(Confinement, confinement);
    QFETCH(bool, replacing);
    QFETCH(int, reason);
    PlanWindow window;
    window.page().setPlan(SetupCases::ChangedPage());
    QTemporaryDir plans;
    const QString file = QDir(plans.path()).filePath("site-a.p1kplan");
    const QByteArray older = QByteArray::fromStdString(PlanFileText(DefaultPlan()));
    const auto prepare = [&] {
        if (replacing)
            WriteText(file, older);
        // Another user may look, not write.
        QFile::setPermissions(plans.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                                QFile::ExeOther);
    };
    const ConfinedRun run = RunConfined(confinement, plans.path().toStdString(), prepare, [&] {
        window.savePlan(file);
        QStringList seen = window.messages();
        seen << QDir(plans.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
             << QString::fromUtf8(FileBytes(file)) << window.form.PlanFileName();
        return seen.join(QLatin1Char('\n')).toStdString();
    });
    QFile::setPermissions(plans.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!run.Confined)
        QSKIP(run.Output.c_str());
    QStringList expected = {QString("The file \"%1\" could not be written: %2")
                                .arg(file, QString::fromStdString(FileFaultReason(
                                               FileFault::OfSystem(reason), false)))};
    if (replacing)
        expected << "site-a.p1kplan";
    expected << (replacing ? QString::fromUtf8(older) : QString()) << QString();
    QCOMPARE(QString::fromStdString(run.Output), expected.join(QLatin1Char('\n')));
}

// The dialogs offer plan files; saving asks before replacing one, adds the
// extension to a bare name and proposes the plan file's name, else the
// station's.
void TestPlanFiles::fileDialogs()
{
    PlanWindow window;
    FakeDialogs &boxes = *window.platform.boxes;
    window.form.MenuItemSavePlanClick();
    window.form.MenuItemOpenPlanClick();
    window.form.MenuItemComparePlanClick();
    QCOMPARE(boxes.fileRequests.size(), std::size_t(3));
    const QStringList titles = {"Save plan as", "Open plan", "Compare with plan"};
    for (std::size_t i = 0; i < 3; ++i) {
        const Dialogs::FileRequest &request = boxes.fileRequests[i];
        QCOMPARE(request.title, titles[int(i)]);
        QCOMPARE(request.filters, QStringList{"Station plans (*.p1kplan)"});
        QCOMPARE(request.confirmOverwrite, i == 0);
        QCOMPARE(request.defaultSuffix, i == 0 ? QString("p1kplan") : QString());
    }
    QCOMPARE(boxes.fileRequests[0].proposedName, QString());
    QVERIFY(boxes.messages.empty());

    window.importSetup(WriteSampleSetup(window.path("station.bin")));
    window.form.MenuItemSavePlanClick();
    QCOMPARE(boxes.fileRequests.back().proposedName, QString("0000004711.p1kplan"));
    window.savePlan(window.path("site-a.p1kplan"));
    window.form.MenuItemSavePlanClick();
    QCOMPARE(boxes.fileRequests.back().proposedName, QString("site-a.p1kplan"));

    window.form.MenuItemDEClick();
    window.form.MenuItemOpenPlanClick();
    QCOMPARE(boxes.fileRequests.back().title, QString("Plan öffnen"));
    QCOMPARE(boxes.fileRequests.back().filters, QStringList{"Stationspläne (*.p1kplan)"});
}

// The dialogs start in the folder of the last plan file chosen, also after
// a restart.
void TestPlanFiles::planFolderIsKept()
{
    TestPlatform platform;
    QTemporaryDir plans;
    const QString file = QDir(plans.path()).filePath("site-a.p1kplan");
    {
        TFormMain form(platform.environment());
        platform.boxes->fileAnswers.push_back(file);
        form.MenuItemSavePlanClick();
        form.MenuItemOpenPlanClick();
        QCOMPARE(platform.boxes->fileRequests.back().folder, plans.path());
        QVERIFY(form.close());
    }
    const IniFile ini = IniFile::Parse(
        ReadFileBytes(QDir(platform.folder.path()).filePath(SettingsFileName).toStdString()));
    QCOMPARE(ReadSettings(ini).PlanDir, plans.path().toStdString());

    TFormMain again(platform.environment());
    again.MenuItemComparePlanClick();
    QCOMPARE(platform.boxes->fileRequests.back().folder, plans.path());
}

// The command page shows the station and measurements of a plan that names
// them; for one that does not, it keeps what it shows.
void TestPlanFiles::commandPageFollowsThePlan()
{
    PlanWindow window;
    window.importSetup(WriteSampleSetup(window.path("station.bin")));
    CommandPage &commands = window.form.Commands();
    QCOMPARE(commands.Form().EditStationID->text(), QString("0000004711"));

    window.openPlan(WritePlan(window.path("start-up.p1kplan"), DefaultPlan()));
    QCOMPARE(commands.Form().EditStationID->text(), QString("0000004711"));
    QCOMPARE(CommandIds(commands).first(), QString("0001"));

    window.openPlan(WritePlan(window.path("changed.p1kplan"), SetupCases::ChangedPage()));
    QCOMPARE(commands.Form().EditStationID->text(), QString("0000000007"));
    QCOMPARE(CommandIds(commands),
             (QStringList{"OLD1", "OLD2", "OLD3", "OLD4", "OLD5", "OLD6", "OLD7", "OLD8"}));
    QCOMPARE(window.messages(), QStringList());
}

void TestPlanFiles::headerSaysWhatIsOpen_data()
{
    QTest::addColumn<WindowChange>("change");
    QTest::addColumn<QString>("header");

    const auto openChanged = [](PlanWindow &w) {
        w.openPlan(WritePlan(w.path("site-a.p1kplan"), SetupCases::ChangedPage()));
    };
    QTest::addRow("start-up") << WindowChange([](PlanWindow &) {}) << QString();
    QTest::addRow("an imported setup") << WindowChange([](PlanWindow &w) {
        w.importSetup(WriteSampleSetup(w.path("station.bin")));
    }) << QString("Station ID 0000004711");
    QTest::addRow("an opened plan")
        << WindowChange(openChanged) << QString("Station ID 0000000007\nsite-a.p1kplan");
    QTest::addRow("an opened plan, in German") << WindowChange([openChanged](PlanWindow &w) {
        openChanged(w);
        w.form.MenuItemDEClick();
    }) << QString("Stations-ID 0000000007\nsite-a.p1kplan");
    QTest::addRow("a saved plan without a station")
        << WindowChange([](PlanWindow &w) { w.savePlan(w.path("empty.p1kplan")); })
        << QString("empty.p1kplan");
    QTest::addRow("an import after an opened plan") << WindowChange([openChanged](PlanWindow &w) {
        openChanged(w);
        w.importSetup(WriteSampleSetup(w.path("station.bin")));
    }) << QString("Station ID 0000004711");
    QTest::addRow("a new plan") << WindowChange([openChanged](PlanWindow &w) {
        openChanged(w);
        w.form.MenuItemNewPlanClick();
    }) << QString();
    QTest::addRow("undone and redone") << WindowChange([openChanged](PlanWindow &w) {
        w.importSetup(WriteSampleSetup(w.path("station.bin")));
        openChanged(w);
        w.undo();
        w.undo();
        w.redo();
    }) << QString("Station ID 0000004711");
}

// The header names the station and the plan file; the window's caption
// stays the program's.
void TestPlanFiles::headerSaysWhatIsOpen()
{
    QFETCH(WindowChange, change);
    QFETCH(QString, header);
    PlanWindow window;
    change(window);
    QCOMPARE(Header(window.form), header);
    QCOMPARE(window.form.windowTitle(), QString("Vesk Pelora 1000 Toolbox"));
    QCOMPARE(window.messages(), QStringList());
}

void TestPlanFiles::drops_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("planOpened");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("imported");

    const QString dropped = "DROPPED";
    QTest::addRow("a plan file") << QStringList{"plan.p1kplan"} << true << QStringList() << false;
    QTest::addRow("a plan file by any name")
        << QStringList{"plan.BIN"} << true << QStringList() << false;
    QTest::addRow("the first of two")
        << QStringList{"plan.p1kplan", "setup.bin"} << true << QStringList() << false;
    QTest::addRow("a setup file") << QStringList{"setup.bin"} << false << QStringList{dropped}
                                  << true;
    QTest::addRow("a setup file named as a plan")
        << QStringList{"setup.p1kplan"} << false << QStringList{dropped} << false;
    QTest::addRow("a text file") << QStringList{"notes.txt"} << false << QStringList{dropped}
                                 << false;
    QTest::addRow("a pipe") << QStringList{"pipe.p1kplan"} << false << QStringList{dropped}
                            << false;
    QTest::addRow("JSON of another program")
        << QStringList{"other.json"} << false
        << QStringList{"The plan \"%1\" could not be opened: the file is not a station plan "
                       "(\"format\" is not \"pelora-toolbox-plan\")"}
        << false;
    // Opening it to look at its content would wait for a writer.
    QTest::addRow("a pipe") << QStringList{"pipe.bin"} << false
                            << QStringList{dropped, "The setup file \"%1\" could not be imported: "
                                                    "not a regular file (a folder, a pipe or a "
                                                    "device)"}
                            << false;
}

// The first dropped file counts: a plan file, told by its content, opens;
// anything else is dropped on the setup import as before, a pipe without
// being opened.
void TestPlanFiles::drops()
{
    QFETCH(QStringList, names);
    QFETCH(bool, planOpened);
    QFETCH(QStringList, messages);
    QFETCH(bool, imported);
    PlanWindow window;
    QStringList files;
    for (const QString &name : names) {
        const QString file = window.path(name);
        if (name.startsWith("plan"))
            WritePlan(file, SetupCases::ChangedPage());
        else if (name.startsWith("setup"))
            WriteSampleSetup(file);
        else if (name.endsWith(".json"))
            WriteText(file, "{\"name\": \"other\"}");
        else if (name.startsWith("pipe"))
            QVERIFY(SpecialFiles::MakePipe(file.toStdString()));
        else
            WriteText(file, "notes");
        files << file;
    }
    const SpecialFiles::PipeWatch watch(files.first().toStdString());
    window.form.DropFiles(files);
    QVERIFY2(!watch.Opened(), "the pipe was opened");

    QStringList expected;
    for (const QString &message : messages)
        expected << (message.contains("%1") ? message.arg(files.first()) : message);
    QCOMPARE(window.messages(), expected);
    QCOMPARE(window.form.PlanFileName(), planOpened ? files.first() : QString());
    StationPlan shown = DefaultPlan();
    if (planOpened)
        shown = SetupCases::ChangedPage();
    QCOMPARE(window.page().plan().stationId,
             imported ? std::string("0000004711") : shown.stationId);
    if (!imported)
        QVERIFY(window.page().plan() == shown);
}

void TestPlanFiles::realDropOfAPlan()
{
    PlanWindow window;
    const QString file = WritePlan(window.path("site-a.p1kplan"), SetupCases::ChangedPage());
    QVERIFY(DropOnto(window.form, {QUrl::fromLocalFile(file)}));
    QCoreApplication::processEvents();
    QCOMPARE(window.messages(), QStringList());
    QVERIFY(window.page().plan() == SetupCases::ChangedPage());
}

void TestPlanFiles::givenFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message"); // how it starts; "%1" is the file
    QTest::addRow("a plan file") << "site-a.p1kplan" << QString();
    QTest::addRow("a setup file") << "station.bin" << QString();
    QTest::addRow("a missing file")
        << "missing.bin"
        << "The setup file \"%1\" could not be imported: file not found";
    QTest::addRow("a broken plan file")
        << "broken.p1kplan"
        << "The plan \"%1\" could not be opened: the file is not JSON";
    QTest::addRow("a pipe") << "pipe.bin"
                            << "The setup file \"%1\" could not be imported: not a regular file";
}

// The file the program is started with: a plan file opens, a setup file is
// imported as one chosen in the import dialog, and either dialog then starts
// in its folder; a pipe is refused without being opened.
void TestPlanFiles::givenFile()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    PlanWindow window;
    const QString file = window.path(name);
    if (name == "site-a.p1kplan")
        WritePlan(file, SetupCases::ChangedPage());
    else if (name == "station.bin")
        WriteSampleSetup(file);
    else if (name == "broken.p1kplan")
        WriteText(file, "{\"format\": ");
    else if (name == "pipe.bin")
        QVERIFY(SpecialFiles::MakePipe(file.toStdString()));
    const SpecialFiles::PipeWatch watch(file.toStdString());
    window.form.OpenGivenFile(file);
    QVERIFY2(!watch.Opened(), "the pipe was opened");

    const QStringList messages = window.messages();
    QCOMPARE(messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QVERIFY2(messages.front().startsWith(message.arg(file)), qPrintable(messages.front()));
    const StationPlan plan = window.page().plan();
    if (name == "site-a.p1kplan") {
        QVERIFY(plan == SetupCases::ChangedPage());
        QCOMPARE(window.form.PlanFolder(), window.platform.folder.path().toStdString());
    } else if (name == "station.bin") {
        // As the dialog import: names kept through a language switch, the
        // variant from channel 8.
        QCOMPARE(plan.stationId, std::string("0000004711"));
        QVERIFY(plan.conductivity);
        QCOMPARE(window.form.Import().ImportDir, window.platform.folder.path().toStdString());
        window.form.MenuItemDEClick();
        QCOMPARE(window.page().MeasurementLabel[1]->text(), QString("M1  Level"));
    } else {
        QVERIFY(plan == DefaultPlan());
    }
}

// The plan's entries follow "Import Setup..." in the menu, in both languages.
void TestPlanFiles::planMenuEntries()
{
    PlanWindow window;
    const QStringList names = {"MenuItemImport",
                               "MenuItemNewPlan",
                               "MenuItemOpenPlan",
                               "MenuItemSavePlan",
                               "MenuItemComparePlan",
                               "",
                               "MenuItemSaveReport",
                               "MenuItemPrintReport",
                               "MenuItemCopyResults",
                               "",
                               "MenuItemUndo",
                               "MenuItemRedo",
                               "",
                               "MenuItemLanguage",
                               "MenuItemAbout",
                               "MenuItemExit"};
    QStringList shown;
    for (const QAction *entry : window.form.MainMenu()->actions())
        shown << (entry->menu() ? entry->menu()->objectName() : entry->objectName());
    QCOMPARE(shown, names);

    const QStringList english = {"New plan",
                                 "Open plan...",
                                 "Save plan as...",
                                 "Compare with plan...",
                                 "Save report as PDF...",
                                 "Print report...",
                                 "Copy results",
                                 "Undo",
                                 "Redo"};
    const QStringList german = {"Neuer Plan",
                                "Plan öffnen...",
                                "Plan speichern unter...",
                                "Mit Plan vergleichen...",
                                "Bericht als PDF speichern...",
                                "Bericht drucken...",
                                "Ergebnisse kopieren",
                                "Rückgängig",
                                "Wiederholen"};
    const QStringList entries = {"MenuItemNewPlan",     "MenuItemOpenPlan",   "MenuItemSavePlan",
                                 "MenuItemComparePlan", "MenuItemSaveReport", "MenuItemPrintReport",
                                 "MenuItemCopyResults", "MenuItemUndo",       "MenuItemRedo"};
    for (const bool toGerman : {true, false}) {
        if (toGerman)
            window.form.MenuItemDEClick();
        else
            window.form.MenuItemENClick();
        QStringList texts;
        for (const QString &entry : entries)
            texts << Named<QAction>(window.form, entry)->text();
        QCOMPARE(texts, toGerman ? german : english);
    }
    QCOMPARE(Named<QAction>(window.form, "MenuItemUndo")->shortcut(), QKeySequence("Ctrl+Z"));
    QCOMPARE(Named<QAction>(window.form, "MenuItemRedo")->shortcut(), QKeySequence("Ctrl+Shift+Z"));
}

QTEST_MAIN(TestPlanFiles)
#include "tst_planfiles.moc"
