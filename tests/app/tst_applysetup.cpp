#include "app/FormMain.h"
#include "commandfile/CommandPage.h"
#include "estimators/EstimatorPage.h"
#include "tests/estimators/PageFigures.h"
#include "tests/estimators/PlanText.h"
#include "tests/estimators/SetupCases.h"
#include "tests/setup/ImportFiles.h"
#include "tests/support/Controls.h"
#include "tests/support/Drop.h"
#include "tests/support/FakeDialogs.h"
#include "ui/ToggleSwitch.h"
#include "ui_CommandPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTextDocument>
#include <QtTest>

#include <fstream>
#include <functional>

using ModelChange = std::function<void(SetupModel &)>;
Q_DECLARE_METATYPE(ModelChange)

using namespace ImportFiles;
using Way = SetupImport::Way;

namespace {

const QString NoSelection = QStringLiteral("<none>");
const QString Dropped = QStringLiteral("DROPPED");

// A window with a pinned platform.
struct Window
{
    TestPlatform platform;
    TFormMain form{platform.environment()};

    EstimatorPage &estimators() { return form.Estimators(); }
    Ui::CommandPage &commands() { return form.Commands().Form(); }

    void import(bool dialog, const QString &path)
    {
        ImportBy(form.Import(), *platform.boxes, dialog, path);
    }

    QStringList messages() const
    {
        QStringList texts;
        for (const FakeDialogs::Shown &shown : platform.boxes->messages)
            texts << shown.text;
        return texts;
    }
};

bool Conductivity(const TFormMain &form)
{
    return Named<QCheckBox>(form, "ConductivityCheckBox")->isChecked();
}

// What a control shows: a label its text, a drop-down its chosen item, a
// switch or check box "on" or "off". "Name.enabled" gives its enabled state,
// "LabelName.markup" whether the label would read its text as markup.
QString Shown(const TFormMain &form, const QString &key)
{
    const QString name = key.section(QLatin1Char('.'), 0, 0);
    const QString aspect = key.section(QLatin1Char('.'), 1);
    const auto *control = form.findChild<QWidget *>(name);
    if (!control)
        return QStringLiteral("<no control>");
    if (aspect == QLatin1String("enabled"))
        return control->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled");
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        if (aspect != QLatin1String("markup"))
            return label->text();
        const bool markup =
            label->textFormat() == Qt::RichText ||
            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
        return markup ? QStringLiteral("interpreted") : QStringLiteral("literal");
    }
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentIndex() < 0 ? NoSelection : combo->currentText();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
    return QStringLiteral("<unknown kind>");
}

// Compares "Control=shown" expectations; the control's name stays in the
// compared texts so a failure names it.
void CompareShown(const TFormMain &form, const QStringList &expected)
{
    for (const QString &line : expected) {
        const QString key = line.section(QLatin1Char('='), 0, 0);
        QCOMPARE(key + '=' + Shown(form, key), line);
    }
}

QStringList RowLabels(const TFormMain &form)
{
    QStringList labels;
    for (int i = 1; i <= EstimatorRowCount; ++i)
        labels << form.Estimators().MeasurementLabel[i]->text();
    return labels;
}

QStringList ResultLabels(const TFormMain &form)
{
    QStringList labels;
    for (const char *name : {"LabelVolTrans1", "LabelVolMonth1", "LabelVolTrans2", "LabelVolMonth2",
                             "LabelVolTransTotal", "LabelVolMonthTotal", "LabelBLTdays1",
                             "LabelBLTyears1", "LabelBLTdays2", "LabelBLTyears2"})
        labels << QLatin1String(name) + '=' + Named<QLabel>(form, QLatin1String(name))->text();
    return labels;
}

// Puts every control that applying a setup sets away from what it will set,
// so that a control left alone shows.
void Dirty(TFormMain &form)
{
    EstimatorPage &page = form.Estimators();
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        page.InTX1Switches[i]->setChecked(true);
        page.InTX2Switches[i]->setChecked(true);
    }
    constexpr int ZrxpV3 = 3;
    constexpr int Hourly = 11;
    constexpr int Ftps = 5;
    constexpr int BothServers = 2;
    for (const char *name :
         {"SwitchVTX1", "SwitchVTX2", "SwitchVCompression1", "SwitchVCompression2"})
        Named<ToggleSwitch>(form, name)->setChecked(true);
    const auto select = [&form](std::initializer_list<const char *> names, int item) {
        for (const char *name : names)
            Named<QComboBox>(form, name)->setCurrentIndex(item);
    };
    select({"ComboBoxVFormat1", "ComboBoxVFormat2"}, ZrxpV3);
    select({"ComboBoxVTX1Interval", "ComboBoxVTX2Interval"}, Hourly);
    select({"ComboBoxVServerType11", "ComboBoxVServerType12", "ComboBoxVServerType21",
            "ComboBoxVServerType22"},
           Ftps);
    select({"ComboBoxVServer2ndMode1", "ComboBoxVServer2ndMode2"}, BothServers);
}

void Stored(ChannelRec &channel, const char *nr)
{
    channel.Active = channel.Store = true;
    channel.Nr = nr;
}

// A station with stored channels and both transmissions on.
void Station(SetupModel &m)
{
    m.StationID = "STATION-01";
    const char *const nrs[] = {"0001", "0002", "UBAT", "PBAT", "RSSI"};
    for (int i = 1; i <= 5; ++i) {
        Stored(m.Channels[i], nrs[i - 1]);
        m.Channels[i].MInterval = i <= 2 ? 900 : 86400;
        m.Channels[i].AvgInterval = i <= 2 ? 900 : 86400;
    }
    m.Transmissions[1].Interval = 3600;
    m.Transmissions[1].DataFormat = 5;
    m.Transmissions[1].ChannelList = "00010002UBATPBATRSSI";
    m.Transmissions[2].Interval = 86400;
    m.Transmissions[2].DataFormat = 6;
    m.Transmissions[2].ChannelList = "00010002";
}

SetupModel ReadModel(const ModelChange &change)
{
    SetupModel model;
    ResetSetupForRead(model);
    change(model);
    return model;
}

QString M1(const QString &name)
{
    return QStringLiteral("M1  ") + name;
}

} // namespace

// Showing a read setup on the window: the fixed steps of applying it to the
// estimator page, the command page refilled, and what the dialog way adds.
class TestApplySetup : public QObject
{
    Q_OBJECT

private slots:
    void applies_data();
    void applies();
    void appliedPageShowsPlanFromSetup_data();
    void appliedPageShowsPlanFromSetup();
    void planChangedOncePerAppliedSetup_data();
    void planChangedOncePerAppliedSetup();
    void emptyDirectory();
    void commandEditorIsRefilled();
    void finalStateIsComputed();
    void intervalHandlersAreAttachedAfterwards();

    void channelNamesAndLanguage_data();
    void channelNamesAndLanguage();
    void conductivityVariant_data();
    void conductivityVariant();
    void dropLeavesDialogState();
    void realDrop_data();
    void realDrop();

    void failedImportLeavesTheWindow_data();
    void failedImportLeavesTheWindow();
    void failedImportKeepsThePanelModel();
    void sampleSetup();
};

void TestApplySetup::applies_data()
{
    QTest::addColumn<ModelChange>("change");
    QTest::addColumn<QStringList>("expected");

    QTest::addRow("named channel with intervals") << ModelChange([](SetupModel &m) {
        Stored(m.Channels[1], "0001");
        m.Channels[1].Name = "Level";
        m.Channels[1].MInterval = 900;
        m.Channels[1].AvgInterval = 3600;
    }) << QStringList{"LabelM1=M1  Level", "ComboBoxM1=00:15:00", "ComboBoxS1=01:00:00"};
    QTest::addRow("no sampling interval keeps the selection")
        << ModelChange([](SetupModel &m) { m.Channels[3].Nr = "UBAT"; })
        << QStringList{"LabelM3=M3  ", "ComboBoxM3=24:00:00", "ComboBoxS3=24:00:00"};
    QTest::addRow("sampling interval not in the table")
        << ModelChange([](SetupModel &m) { m.Channels[1].MInterval = 45; })
        << QStringList{"ComboBoxM1=" + NoSelection, "ComboBoxS1=01:00:00"};
    QTest::addRow("storage of a channel that does not store is kept")
        << ModelChange([](SetupModel &m) { m.Channels[2].AvgInterval = 900; })
        << QStringList{"ComboBoxS2=01:00:00"};
    QTest::addRow("storage interval 0 of a storing channel")
        << ModelChange([](SetupModel &m) { Stored(m.Channels[2], "0002"); })
        << QStringList{"ComboBoxM2=01:00:00", "ComboBoxS2=" + NoSelection};
    // With "Change all" ticked an attached handler would copy row 1's choice
    // to every row and raise the storage interval.
    QTest::addRow("rows keep their own intervals")
        << ModelChange([](SetupModel &m) {
               Stored(m.Channels[1], "0001");
               m.Channels[1].MInterval = 86400;
               m.Channels[1].AvgInterval = 900;
               m.Channels[2].MInterval = 60;
           })
        << QStringList{"ComboBoxM1=24:00:00", "ComboBoxS1=00:15:00", "ComboBoxM2=00:01:00",
                       "ComboBoxM3=24:00:00"};
    QTest::addRow("markup in a name")
        << ModelChange([](SetupModel &m) { m.Channels[1].Name = "<b>Level</b>"; })
        << QStringList{"LabelM1=M1  <b>Level</b>", "LabelM1.markup=literal"};

    QTest::addRow("channel list of transmission 1") << ModelChange([](SetupModel &m) {
        m.Transmissions[1].Interval = 3600;
        m.Transmissions[1].ChannelList = "00010003";
        Stored(m.Channels[1], "0001");
        Stored(m.Channels[2], "0003");
        m.Channels[3].Nr = "0003"; // not stored
        Stored(m.Channels[4], "0002");
    }) << QStringList{"SwitchTX1_M1=on",  "SwitchTX1_M2=on",  "SwitchTX1_M3=off",
                      "SwitchTX1_M4=off", "SwitchTX1_M5=off", "SwitchTX2_M1=off",
                      "SwitchTX2_M2=off", "SwitchVTX1=on"};
    QTest::addRow("channel lists of both transmissions")
        << ModelChange([](SetupModel &m) {
               m.Transmissions[1].Interval = 3600;
               m.Transmissions[1].ChannelList = "0001";
               m.Transmissions[2].Interval = 86400;
               m.Transmissions[2].ChannelList = "UBAT0001";
               Stored(m.Channels[1], "0001");
               Stored(m.Channels[3], "UBAT");
           })
        << QStringList{"SwitchTX1_M1=on", "SwitchTX2_M1=on", "SwitchTX1_M3=off", "SwitchTX2_M3=on",
                       "SwitchTX2_M3.enabled=enabled"};
    QTest::addRow("transmission 2 off with a channel list")
        << ModelChange([](SetupModel &m) {
               m.Transmissions[2].ChannelList = "0001";
               Stored(m.Channels[1], "0001");
           })
        << QStringList{"SwitchVTX2=off", "SwitchTX2_M1=off", "SwitchTX2_M1.enabled=disabled",
                       "ComboBoxVTX2Interval=01:00:00", "ComboBoxVTX2Interval.enabled=disabled"};
    QTest::addRow("negative interval switches off")
        << ModelChange([](SetupModel &m) { m.Transmissions[1].Interval = -60; })
        << QStringList{"SwitchVTX1=off", "ComboBoxVTX1Interval=01:00:00"};
    QTest::addRow("weekly on Wednesday and weekly")
        << ModelChange([](SetupModel &m) {
               m.Transmissions[1].Interval = 604803;
               m.Transmissions[2].Interval = 604800;
           })
        << QStringList{"SwitchVTX1=on", "ComboBoxVTX1Interval=weekly", "SwitchVTX2=on",
                       "ComboBoxVTX2Interval=weekly"};
    QTest::addRow("daily and an interval not in the list")
        << ModelChange([](SetupModel &m) {
               m.Transmissions[1].Interval = 86400;
               m.Transmissions[2].Interval = 100;
           })
        << QStringList{"ComboBoxVTX1Interval=24:00:00", "SwitchVTX2=on",
                       "ComboBoxVTX2Interval=" + NoSelection};

    QTest::addRow("data formats 3 and 9") << ModelChange([](SetupModel &m) {
        m.Transmissions[1].DataFormat = 3;
        m.Transmissions[2].DataFormat = 9;
    }) << QStringList{"ComboBoxVFormat1=ZRXP", "ComboBoxVFormat2=Vesk-ML"};
    QTest::addRow("data formats 4 and 8") << ModelChange([](SetupModel &m) {
        m.Transmissions[1].DataFormat = 4;
        m.Transmissions[2].DataFormat = 8;
    }) << QStringList{"ComboBoxVFormat1=Vesk QDX", "ComboBoxVFormat2=CSV Column"};
    QTest::addRow("events only while the transmission is on")
        << ModelChange([](SetupModel &m) {
               m.Transmissions[1].Interval = 3600;
               m.Transmissions[1].DataFormat = 5;
               m.Transmissions[2].DataFormat = 5;
           })
        << QStringList{"SwitchVStationEvents1.enabled=enabled",
                       "SwitchVStationEvents2.enabled=disabled", "ComboBoxVFormat2=Vesk-ML"};
    QTest::addRow("compression") << ModelChange([](SetupModel &m) {
        m.Transmissions[1].Interval = 3600;
        m.Transmissions[1].Compression = true;
    }) << QStringList{"SwitchVCompression1=on", "SwitchVCompression2=off"};

    QTest::addRow("server types of the instances") << ModelChange([](SetupModel &m) {
        SetupCases::FourInstances(m);
        m.Transmissions[1].Interval = 3600;
        m.Transmissions[1].Server1Inst = 2;
        m.Transmissions[1].Server2Inst = 4;
        m.Transmissions[2].Interval = 3600;
        m.Transmissions[2].Server1Inst = 1;
    }) << QStringList{"ComboBoxVServerType11=HTTPS",      "ComboBoxVServerType12=MQTT",
                      "ComboBoxVServer2ndMode1=Backup",   "ComboBoxVServerType21=FTP",
                      "ComboBoxVServer2ndMode2=- none -", "ComboBoxVServerType22.enabled=disabled"};
    QTest::addRow("instance 0 is HTTP") << ModelChange([](SetupModel &m) {
        for (std::int32_t &type : m.ServerInstTypes)
            type = 6;
        m.Transmissions[1].Interval = 3600;
    }) << QStringList{"ComboBoxVServerType11=HTTP", "ComboBoxVServerType12=HTTP"};
    QTest::addRow("secondary modes") << ModelChange([](SetupModel &m) {
        SetupCases::FourInstances(m);
        for (TransRec &tx : m.Transmissions) {
            tx.Interval = 3600;
            tx.Server2Inst = 3;
        }
        m.Transmissions[1].Server2Mode = 1;
        m.Transmissions[2].Server2Mode = 7;
    }) << QStringList{"ComboBoxVServer2ndMode1=Both Servers",
                      "ComboBoxVServerType12=HTTP",
                      "ComboBoxVServerType12.enabled=enabled",
                      "SpinBoxVServerBackupProzent1.enabled=disabled",
                      "ComboBoxVServer2ndMode2=Backup",
                      "SpinBoxVServerBackupProzent2.enabled=enabled"};
}

void TestApplySetup::applies()
{
    QFETCH(ModelChange, change);
    QFETCH(QStringList, expected);
    Window window;
    Dirty(window.form);
    window.form.ApplySetup(ReadModel(change), Way::Drop);
    CompareShown(window.form, expected);
    QVERIFY(window.platform.boxes->messages.empty());
}

void TestApplySetup::appliedPageShowsPlanFromSetup_data()
{
    QTest::addColumn<ModelChange>("setup");
    QTest::addColumn<bool>("changedPage");

    for (const bool changed : {false, true}) {
        for (const SetupCases::Case &c : SetupCases::All())
            QTest::addRow("%s: %s", changed ? "changed page" : "start-up page", c.name)
                << ModelChange(c.setup) << changed;
    }
}

// The page after applying a setup shows exactly the plan the setup gives it,
// and the figures of that plan.
void TestApplySetup::appliedPageShowsPlanFromSetup()
{
    QFETCH(ModelChange, setup);
    QFETCH(bool, changedPage);

    Window window;
    EstimatorPage &page = window.estimators();
    if (changedPage)
        page.setPlan(SetupCases::ChangedPage());
    const StationPlan before = page.plan();

    const SetupModel model = SetupCases::ReadModel(setup);
    window.form.ApplySetup(model, Way::Drop);

    QCOMPARE(PlanText::Lines(page.plan()), PlanText::Lines(PlanFromSetup(model, before)));
    CompareFigures(window.form.Estimators());
}

void TestApplySetup::planChangedOncePerAppliedSetup_data()
{
    QTest::addColumn<bool>("dialog");
    QTest::addColumn<std::string>("name8");
    QTest::addRow("drop") << false << std::string("TDS");
    QTest::addRow("dialog") << true << std::string("Level");
    QTest::addRow("dialog turning conductivity on") << true << std::string("TDS");
}

// One applied setup is one change of the plan, also when the dialog way then
// turns the conductivity variant on.
void TestApplySetup::planChangedOncePerAppliedSetup()
{
    QFETCH(bool, dialog);
    QFETCH(std::string, name8);
    Window window;
    QTemporaryDir files;
    QSignalSpy spy(&window.estimators(), &EstimatorPage::planChanged);
    window.import(dialog, WriteSetup(files.filePath("setup.bin"), "Level", name8));
    QCOMPARE(RowLabels(window.form)[0], M1("Level"));
    QCOMPARE(spy.count(), 1);
}

// A file whose directory is empty leaves the model as every read starts.
void TestApplySetup::emptyDirectory()
{
    Window window;
    TFormMain &form = window.form;
    Dirty(form);
    EstimatorPage &page = window.estimators();
    const auto selections = [&page] {
        QList<int> items;
        for (int i = 1; i <= EstimatorRowCount; ++i)
            items << page.SamplingIntervalComboBoxes[i]->currentIndex()
                  << page.StorageIntervalComboBoxes[i]->currentIndex();
        return items;
    };
    const QList<int> before = selections();
    form.Import().ImportSetupFile(Write(window.platform.folder.filePath("empty.bin"), Bytes(B())));

    QVERIFY(window.platform.boxes->messages.empty());
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        QCOMPARE(page.MeasurementLabel[i]->text(), QStringLiteral("M%1  ").arg(i));
        QVERIFY(!page.InTX1Switches[i]->isChecked());
        QVERIFY(!page.InTX2Switches[i]->isChecked());
    }
    QCOMPARE(selections(), before);
    CompareShown(form, {"SwitchVTX1=off", "SwitchVTX2=off", "ComboBoxVFormat1=Vesk-ML",
                        "ComboBoxVFormat2=Vesk-ML", "SwitchVCompression1=off",
                        "SwitchVCompression2=off"});
    QCOMPARE(window.commands().ComboEditMeasurementID->count(), 0);
    QCOMPARE(window.commands().ListBoxMeasurementID->count(), 0);
}

void TestApplySetup::commandEditorIsRefilled()
{
    Window window;
    Ui::CommandPage &commands = window.commands();
    commands.MemoCmdList->setPlainText(QStringLiteral("<Cmd>earlier station</Cmd>"));
    window.form.Commands().CmdCounter = 3;

    window.form.ApplySetup(ReadModel([](SetupModel &m) {
                               Station(m);
                               m.Channels[7].Nr = "0007"; // after the first empty one: not listed
                           }),
                           Way::Drop);
    QCOMPARE(commands.MemoCmdList->toPlainText(), QString());
    QCOMPARE(window.form.Commands().CmdCounter, 0);
    QCOMPARE(commands.LabelCmdCounter->text(), QStringLiteral("0 / 10"));
    QCOMPARE(commands.EditStationID->text(), QStringLiteral("STATION-01"));
    QCOMPARE(commands.ComboEditMeasurementID->count(), 5);
    QCOMPARE(commands.ComboEditMeasurementID->itemText(2), QStringLiteral("UBAT"));
    QCOMPARE(commands.ComboBoxMInt2->currentText(), QStringLiteral("00:15:00"));
}

// The estimates shown at the end belong to the final state, not to the one
// between the two passes.
void TestApplySetup::finalStateIsComputed()
{
    Window window;
    const QStringList atStart = ResultLabels(window.form);
    window.form.ApplySetup(ReadModel(Station), Way::Drop);

    QVERIFY(!window.estimators().CalcDisabled);
    const QStringList applied = ResultLabels(window.form);
    QVERIFY(applied != atStart);
    window.estimators().CalcDataVolume();
    QCOMPARE(ResultLabels(window.form), applied);
}

void TestApplySetup::intervalHandlersAreAttachedAfterwards()
{
    Window window;
    window.form.ApplySetup(ReadModel([](SetupModel &m) {
                               Station(m);
                               m.Channels[1].MInterval = 3600;
                               m.Channels[1].AvgInterval = 3600;
                           }),
                           Way::Drop);

    EstimatorPage &page = window.estimators();
    Named<QCheckBox>(window.form, "CheckBoxSAll")->setChecked(false);
    const int runs = page.DataVolumeRuns();
    // The user lowers the storage interval of row 1 below its sampling interval.
    page.StorageIntervalComboBoxes[1]->setCurrentIndex(
        page.StorageIntervalComboBoxes[1]->findText(QStringLiteral("00:15:00")));
    CompareShown(window.form, {"ComboBoxM1=00:15:00", "ComboBoxS1=00:15:00"});
    QCOMPARE(page.DataVolumeRuns(), runs + 1);
}

void TestApplySetup::channelNamesAndLanguage_data()
{
    DialogAndDropRows();
}

// Only the dialog way marks the names as imported, so that they survive a
// language switch; after a drop the rows get their standard names again.
void TestApplySetup::channelNamesAndLanguage()
{
    QFETCH(bool, dialog);
    Window window;
    QTemporaryDir files;
    window.import(dialog, WriteSetup(files.filePath("setup.bin"), "Level"));
    QCOMPARE(RowLabels(window.form)[0], M1("Level"));
    QCOMPARE(window.estimators().ChangeChannelNames, !dialog);

    window.form.MenuItemDEClick();
    Window german;
    german.form.MenuItemDEClick();
    QCOMPARE(RowLabels(window.form)[0], dialog ? M1("Level") : RowLabels(german.form)[0]);
    QCOMPARE(RowLabels(window.form)[1],
             dialog ? QStringLiteral("M2  ") : RowLabels(german.form)[1]);
}

void TestApplySetup::conductivityVariant_data()
{
    QTest::addColumn<bool>("before");
    QTest::addColumn<QString>("name8");
    QTest::addColumn<bool>("after");
    QTest::addColumn<QStringList>("labels");

    const QStringList conductivityNames = {"M6  Specific Conductivity", "M7  Salinity", "M8  TDS"};
    QTest::addRow("turned on") << false << "TDS" << true << conductivityNames;
    QTest::addRow("turned on by a longer name")
        << false << "Total TDS" << true << conductivityNames;
    QTest::addRow("already on") << true << "TDS Probe" << true
                                << QStringList{"M6  Cond", "M7  Sal", "M8  TDS Probe"};
    QTest::addRow("turned off by no name")
        << true << "" << false << QStringList{"M6  Cond", "M7  Sal", "M8  "};
    QTest::addRow("case-sensitive")
        << false << "tds" << false << QStringList{"M6  Cond", "M7  Sal", "M8  tds"};
    QTest::addRow("stays off") << false << "Level" << false
                               << QStringList{"M6  Cond", "M7  Sal", "M8  Level"};
}

// The variant follows channel 8's name; the check box's handler, which gives
// rows 6 to 8 the conductivity names, runs only when the state changes.
void TestApplySetup::conductivityVariant()
{
    QFETCH(bool, before);
    QFETCH(QString, name8);
    QFETCH(bool, after);
    QFETCH(QStringList, labels);
    Window window;
    QTemporaryDir files;
    Named<QCheckBox>(window.form, "ConductivityCheckBox")->setChecked(before);
    window.import(true, WriteSetup(files.filePath("setup.bin"), "Level", name8.toStdString()));

    QCOMPARE(Conductivity(window.form), after);
    QCOMPARE(RowLabels(window.form).mid(5), labels);
    const EstimatorPage &page = window.estimators();
    for (int i = 6; i <= EstimatorRowCount; ++i) {
        QCOMPARE(page.MeasurementLabel[i]->isHidden(), !after);
        QCOMPARE(page.SamplingIntervalComboBoxes[i]->isHidden(), !after);
    }
    QVERIFY(window.platform.boxes->messages.empty());
}

// The drop way does not touch what the dialog way sets besides the import.
void TestApplySetup::dropLeavesDialogState()
{
    Window window;
    QTemporaryDir files;
    window.form.Import().ImportDir = "/earlier/folder";

    window.import(false, WriteSetup(files.filePath("tds.bin"), "Level", "TDS"));
    QCOMPARE(RowLabels(window.form)[7], QStringLiteral("M8  TDS"));
    QVERIFY(!Conductivity(window.form));

    Named<QCheckBox>(window.form, "ConductivityCheckBox")->setChecked(true);
    window.import(false, WriteSetup(files.filePath("plain.bin"), "Level"));
    QCOMPARE(RowLabels(window.form)[7], QStringLiteral("M8  "));
    QVERIFY(Conductivity(window.form));

    QCOMPARE(window.form.Import().ImportDir, std::string("/earlier/folder"));
    QVERIFY(window.estimators().ChangeChannelNames);
    QVERIFY(window.platform.boxes->fileRequests.empty());
}

// Dropped onto the window by the desktop: the import runs after the drop has
// been released.
void TestApplySetup::realDrop_data()
{
    QTest::addColumn<QByteArray>("name"); // the file name's bytes
    QTest::addRow("UTF-8") << QByteArray("setup_\xc3\xa4.bin");
    // The desktop hands the bytes over percent-encoded in the address.
    QTest::addRow("not UTF-8") << QByteArray("setup_\xe4.bin");
}

void TestApplySetup::realDrop()
{
    QFETCH(QByteArray, name);
    Window window;
    QTemporaryDir files;
    const QByteArray native = QFile::encodeName(files.path()) + '/' + name;
    {
        std::ofstream out(native.toStdString(), std::ios::binary);
        const QByteArray bytes = Bytes(NamedSetup("Dropped"));
        out.write(bytes.constData(), bytes.size());
    }
    const RemovedAtEnd removed{native.toStdString()};
    QVERIFY(DropOnto(window.form, {QUrl::fromEncoded("file://" + native.toPercentEncoding("/"))}));
    QVERIFY(window.platform.boxes->messages.empty());
    QCoreApplication::processEvents();

    QCOMPARE(window.messages(), QStringList{Dropped});
    QCOMPARE(RowLabels(window.form)[0], M1("Dropped"));
}

void TestApplySetup::failedImportLeavesTheWindow_data()
{
    QTest::addColumn<bool>("dialog");
    QTest::addColumn<bool>("broken"); // else missing
    for (const bool dialog : {true, false}) {
        const char *way = dialog ? "dialog" : "drop";
        QTest::addRow("%s, broken file", way) << dialog << true;
        QTest::addRow("%s, missing file", way) << dialog << false;
    }
}

// Nothing of a file that is not read completely is shown, and what the
// dialog way would set stays.
void TestApplySetup::failedImportLeavesTheWindow()
{
    QFETCH(bool, dialog);
    QFETCH(bool, broken);
    Window window;
    QTemporaryDir files;
    const QStringList labels = RowLabels(window.form);
    const QStringList results = ResultLabels(window.form);
    const QString path = files.filePath("setup.bin");
    if (broken)
        Write(path, BrokenSetup());
    window.import(dialog, path);

    QVERIFY(!window.messages().isEmpty());
    QCOMPARE(RowLabels(window.form), labels);
    QCOMPARE(ResultLabels(window.form), results);
    QCOMPARE(window.commands().EditStationID->text(), QStringLiteral("0000000001"));
    QVERIFY(!Conductivity(window.form));
    QVERIFY(window.estimators().ChangeChannelNames);
}

// After a failed import the window still shows the earlier setup, and the
// command page's panels go on loading the values of that setup.
void TestApplySetup::failedImportKeepsThePanelModel()
{
    using namespace SetupFile;
    Window window;
    QTemporaryDir files;
    B good = NamedSetup("Level");
    good.Add(ParamChannel, 2, ElemChannelNr, B::Text("0002"))
        .Add(ParamSampling, 2, ElemSamplingInterval, B::Int(60));
    window.import(false, Write(files.filePath("good.bin"), Bytes(good)));
    window.import(false, Write(files.filePath("broken.bin"), BrokenSetup()));

    Ui::CommandPage &commands = window.commands();
    commands.ComboEditMeasurementID->setCurrentIndex(1);
    QCOMPARE(commands.ComboEditMeasurementID->currentText(), QStringLiteral("0002"));
    QCOMPARE(commands.ComboBoxMInt2->currentText(), QStringLiteral("00:01:00"));
    QCOMPARE(window.form.ShownSetup().Channels[1].Name, std::string("Level"));
}

// The sample that make_sample_setup writes shows the whole station.
void TestApplySetup::sampleSetup()
{
    QTemporaryDir files;
    const QString path = files.filePath(QStringLiteral("sample.bin"));
    QVERIFY(WriteSampleSetup(QStringLiteral(MAKE_SAMPLE_SETUP), path));

    Window window;
    window.import(true, path);
    QVERIFY2(window.platform.boxes->messages.empty(), qPrintable(window.messages().join('\n')));

    QCOMPARE(RowLabels(window.form),
             (QStringList{"M1  Level", "M2  Water Temp", "M3  Battery", "M4  Consumption",
                          "M5  Signal", "M6  Specific Conductivity", "M7  Salinity", "M8  TDS"}));
    QVERIFY(Conductivity(window.form));
    CompareShown(window.form,
                 {"ComboBoxM1=00:15:00", "ComboBoxS1=01:00:00", "ComboBoxM2=00:15:00",
                  "ComboBoxS2=01:00:00", "ComboBoxM3=24:00:00", "ComboBoxS8=01:00:00",
                  "SwitchVTX1=on", "ComboBoxVTX1Interval=01:00:00", "ComboBoxVFormat1=Vesk-ML",
                  "ComboBoxVServerType11=HTTPS", "ComboBoxVServer2ndMode1=Backup",
                  "ComboBoxVServerType12=HTTPS", "SwitchVCompression1=off", "SwitchVTX2=on",
                  "ComboBoxVTX2Interval=weekly", "ComboBoxVFormat2=CSV",
                  "ComboBoxVServerType21=FTP", "ComboBoxVServer2ndMode2=- none -",
                  "SwitchVCompression2=on"});
    const EstimatorPage &page = window.estimators();
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        QVERIFY(page.InTX1Switches[i]->isChecked());
        QCOMPARE(page.InTX2Switches[i]->isChecked(), i <= 2 || i >= 6);
    }
    QCOMPARE(window.commands().EditStationID->text(), QStringLiteral("0000004711"));
    QCOMPARE(window.commands().ComboEditMeasurementID->count(), 8);
    QCOMPARE(window.commands().EditSkalFactor->text(), QStringLiteral("0.001"));
    QCOMPARE(page.plan().stationId, std::string("0000004711"));
    QCOMPARE(page.plan().rows[3].id, std::string("UBAT"));
}

QTEST_MAIN(TestApplySetup)
#include "tst_applysetup.moc"
