#include "app/FormMain.h"
#include "commandfile/CommandEditor.h"
#include "estimators/EstimatorPage.h"
#include "setup/SetupFileFormat.h"
#include "setup/SetupImport.h"
#include "tests/setup/SetupFileBuilder.h"
#include "tests/setup/SetupModelText.h"
#include "tests/setup/SpecialFiles.h"
#include "tests/support/FakeDialogs.h"
#include "ui/ToggleSwitch.h"
#include "ui_CommandPage.h"
#include "ui_FormMain.h"

#include <QMimeData>
#include <QProcess>
#include <QTextDocument>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <new>
#include <optional>
#include <utility>

using ModelChange = std::function<void(SetupModel &)>;
Q_DECLARE_METATYPE(ModelChange)

using namespace SetupFile;
using B = SetupFileBuilder;

namespace {

const QString NoSelection = QStringLiteral("<none>");
const QString Dropped = QStringLiteral("DROPPED");
const QString ReadFailed = QString::fromLatin1(ReadConfigFailedText);
const QString CannotImport = QStringLiteral("Can't import! Error in file content!");
const QString TemporaryCopyName = QStringLiteral("PL1kCfgTmp.bin");

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
        labels << form.MeasurementLabel[i]->text();
    return labels;
}

QStringList ResultLabels(const TFormMain &form)
{
    const auto &ui = *form.ui;
    QStringList labels;
    for (const QLabel *label :
         {ui.LabelVolTrans1, ui.LabelVolMonth1, ui.LabelVolTrans2, ui.LabelVolMonth2,
          ui.LabelVolTransTotal, ui.LabelVolMonthTotal, ui.LabelBLTdays1, ui.LabelBLTyears1,
          ui.LabelBLTdays2, ui.LabelBLTyears2})
        labels << label->objectName() + '=' + label->text();
    return labels;
}

QStringList Messages(const TestPlatform &platform)
{
    QStringList texts;
    for (const FakeDialogs::Shown &shown : platform.boxes->messages)
        texts << shown.text;
    return texts;
}

void CompareModel(const SetupModel &actual, const SetupModel &expected)
{
    const std::string differences = SetupModelText::Differences(actual, expected);
    QVERIFY2(differences.empty(), differences.c_str());
}

// Puts every control that ApplySetup sets away from what it will set, so
// that a control left alone shows.
void Dirty(TFormMain &form)
{
    const auto &ui = *form.ui;
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        form.InTX1Switches[i]->setChecked(true);
        form.InTX2Switches[i]->setChecked(true);
    }
    constexpr int ZrxpV3 = 3;
    constexpr int Hourly = 11;
    constexpr int Ftps = 5;
    constexpr int BothServers = 2;
    for (ToggleSwitch *toggle :
         {ui.SwitchVTX1, ui.SwitchVTX2, ui.SwitchVCompression1, ui.SwitchVCompression2})
        toggle->setChecked(true);
    for (QComboBox *format : {ui.ComboBoxVFormat1, ui.ComboBoxVFormat2})
        format->setCurrentIndex(ZrxpV3);
    for (QComboBox *interval : {ui.ComboBoxVTX1Interval, ui.ComboBoxVTX2Interval})
        interval->setCurrentIndex(Hourly);
    for (QComboBox *type : {ui.ComboBoxVServerType11, ui.ComboBoxVServerType12,
                            ui.ComboBoxVServerType21, ui.ComboBoxVServerType22})
        type->setCurrentIndex(Ftps);
    for (QComboBox *mode : {ui.ComboBoxVServer2ndMode1, ui.ComboBoxVServer2ndMode2})
        mode->setCurrentIndex(BothServers);
}

void Stored(ChannelRec &channel, const char *nr)
{
    channel.Active = channel.Store = true;
    channel.Nr = nr;
}

void FourInstances(SetupModel &m)
{
    m.ServerInstTypes[1] = 1;
    m.ServerInstTypes[2] = 3;
    m.ServerInstTypes[3] = -1;
    m.ServerInstTypes[4] = 6;
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

QByteArray Bytes(const B &file)
{
    const B::Bytes bytes = file.Build();
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), static_cast<int>(bytes.size()));
}

QString Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// A setup whose channel 1 is named; channels 6 to 8 are named when given.
B NamedSetup(const std::string &name1, const std::string &name8 = {})
{
    B file;
    file.Add(ParamStationID, 1, ElemStationID, B::Text("0000004711"))
        .Add(ParamChannel, 1, ElemChannelNr, B::Text("0001"))
        .Add(ParamChannel, 1, ElemChannelName, B::Text(name1))
        .Add(ParamSampling, 1, ElemSamplingInterval, B::Int(900))
        .Add(ParamStorage, 1, 1, B::Int(1))
        .Add(ParamChannel, 6, ElemChannelName, B::Text("Cond"))
        .Add(ParamChannel, 7, ElemChannelName, B::Text("Sal"))
        .Add(ParamChannel, 8, ElemChannelName, B::Text(name8));
    return file;
}

QString WriteSetup(const QString &path, const std::string &name1, const std::string &name8 = {})
{
    return Write(path, Bytes(NamedSetup(name1, name8)));
}

// A walk that fails at its last entry, after channel 1 and 8 have been read:
// a text length larger than the file.
QByteArray BrokenSetup()
{
    B file = NamedSetup("Broken", "TDS");
    file.Add(ParamUnusedA, 1, 1, B::TextClaiming(1000, "abc"));
    return Bytes(file);
}

// The import of one entry point: the dialog answers with the path, or the
// path is dropped.
void Import(TFormMain &form, TestPlatform &platform, bool dialog, const QString &path)
{
    if (dialog) {
        platform.boxes->fileAnswers.push_back(path);
        form.Import->MenuItemImportClick();
    } else {
        form.Import->WMDropFiles({path});
    }
}

// Removes a folder by the bytes of its name.
struct RemovedAtEnd
{
    std::string path;
    ~RemovedAtEnd()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

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

// Rows for each entry point.
void DialogAndDropRows()
{
    QTest::addColumn<bool>("dialog");
    QTest::addRow("dialog") << true;
    QTest::addRow("drop") << false;
}

QString M1(const QString &name)
{
    return QStringLiteral("M1  ") + name;
}

} // namespace

class TestSetupImport : public QObject
{
    Q_OBJECT

private slots:
    // Applying a read setup.
    void applies_data();
    void applies();
    void emptyDirectory();
    void commandEditorIsRefilled();
    void finalStateIsComputed();
    void intervalHandlersAreAttachedAfterwards();

    // The import dialog.
    void dialogRequestsAndImportDir();
    void temporaryCopy();
    void dialogCancelled();
    void channelNamesAndLanguage_data();
    void channelNamesAndLanguage();
    void conductivityVariant_data();
    void conductivityVariant();

    // Dropped files.
    void dropExtension_data();
    void dropExtension();
    void dropTakesTheFirstFile();
    void dropLeavesDialogState();
    void realDrop_data();
    void realDrop();

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

void TestSetupImport::applies_data()
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
        FourInstances(m);
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
        FourInstances(m);
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

void TestSetupImport::applies()
{
    QFETCH(ModelChange, change);
    QFETCH(QStringList, expected);
    TestPlatform platform;
    TFormMain form(platform.environment());
    Dirty(form);
    ResetSetupForRead(form.Setup);
    change(form.Setup);
    QVERIFY(form.Import->ApplySetup());
    CompareShown(form, expected);
    QVERIFY(platform.boxes->messages.empty());
}

// A file whose directory is empty leaves the model as every read starts.
void TestSetupImport::emptyDirectory()
{
    TestPlatform platform;
    TFormMain form(platform.environment());
    Dirty(form);
    const auto selections = [&form] {
        QList<int> items;
        for (int i = 1; i <= EstimatorRowCount; ++i)
            items << form.SamplingIntervalComboBoxes[i]->currentIndex()
                  << form.StorageIntervalComboBoxes[i]->currentIndex();
        return items;
    };
    const QList<int> before = selections();
    form.Import->ImportSetupFile(Write(platform.folder.filePath("empty.bin"), Bytes(B())));

    QVERIFY(platform.boxes->messages.empty());
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        QCOMPARE(form.MeasurementLabel[i]->text(), QStringLiteral("M%1  ").arg(i));
        QVERIFY(!form.InTX1Switches[i]->isChecked());
        QVERIFY(!form.InTX2Switches[i]->isChecked());
    }
    QCOMPARE(selections(), before);
    CompareShown(form, {"SwitchVTX1=off", "SwitchVTX2=off", "ComboBoxVFormat1=Vesk-ML",
                        "ComboBoxVFormat2=Vesk-ML", "SwitchVCompression1=off",
                        "SwitchVCompression2=off"});
    QCOMPARE(form.Commands->Page().ComboEditMeasurementID->count(), 0);
    QCOMPARE(form.Commands->Page().ListBoxMeasurementID->count(), 0);
}

void TestSetupImport::commandEditorIsRefilled()
{
    TestPlatform platform;
    TFormMain form(platform.environment());
    form.Commands->Page().MemoCmdList->setPlainText(QStringLiteral("<Cmd>earlier station</Cmd>"));
    form.CmdCounter = 3;
    ResetSetupForRead(form.Setup);
    Station(form.Setup);
    form.Setup.Channels[7].Nr = "0007"; // after the first empty one: not listed

    form.Import->ApplySetup();
    QCOMPARE(form.Commands->Page().MemoCmdList->toPlainText(), QString());
    QCOMPARE(form.CmdCounter, 0);
    QCOMPARE(form.Commands->Page().LabelCmdCounter->text(), QStringLiteral("0 / 10"));
    QCOMPARE(form.Commands->Page().EditStationID->text(), QStringLiteral("STATION-01"));
    QCOMPARE(form.Commands->Page().ComboEditMeasurementID->count(), 5);
    QCOMPARE(form.Commands->Page().ComboEditMeasurementID->itemText(2), QStringLiteral("UBAT"));
    QCOMPARE(form.Commands->Page().ComboBoxMInt2->currentText(), QStringLiteral("00:15:00"));
}

// The estimates shown at the end belong to the final state, not to the one
// between the two passes.
void TestSetupImport::finalStateIsComputed()
{
    TestPlatform platform;
    TFormMain form(platform.environment());
    const QStringList atStart = ResultLabels(form);
    ResetSetupForRead(form.Setup);
    Station(form.Setup);

    QVERIFY(form.Import->ApplySetup());
    QVERIFY(!form.CalcDisabled);
    const QStringList applied = ResultLabels(form);
    QVERIFY(applied != atStart);
    form.Estimators->CalcDataVolume();
    QCOMPARE(ResultLabels(form), applied);
}

void TestSetupImport::intervalHandlersAreAttachedAfterwards()
{
    TestPlatform platform;
    TFormMain form(platform.environment());
    ResetSetupForRead(form.Setup);
    Station(form.Setup);
    form.Setup.Channels[1].MInterval = 3600;
    form.Setup.Channels[1].AvgInterval = 3600;
    form.Import->ApplySetup();

    form.ui->CheckBoxSAll->setChecked(false);
    const int runs = form.Estimators->DataVolumeRuns();
    // The user lowers the storage interval of row 1 below its sampling interval.
    form.StorageIntervalComboBoxes[1]->setCurrentIndex(
        form.StorageIntervalComboBoxes[1]->findText(QStringLiteral("00:15:00")));
    CompareShown(form, {"ComboBoxM1=00:15:00", "ComboBoxS1=00:15:00"});
    QCOMPARE(form.Estimators->DataVolumeRuns(), runs + 1);
}

void TestSetupImport::dialogRequestsAndImportDir()
{
    TestPlatform platform;
    QTemporaryDir files;
    TFormMain form(platform.environment());
    // The "*.*" choice lets any name through: the dialog way tests no extension.
    const QString path = WriteSetup(files.filePath(QStringLiteral("station.dat")), "Level");
    platform.boxes->fileAnswers.push_back(path);
    form.Import->MenuItemImportClick();

    QCOMPARE(form.MeasurementLabel[1]->text(), M1("Level"));
    const std::vector<Dialogs::FileRequest> &requests = platform.boxes->fileRequests;
    QCOMPARE(requests.size(), std::size_t(1));
    QCOMPARE(requests[0].title, QStringLiteral("Pelora 1000  -  Select File"));
    QCOMPARE(requests[0].filters, (QStringList{"*.BIN", "*.*"}));
    QCOMPARE(requests[0].folder, form.ExePath);
    const QString folder = QDir::toNativeSeparators(files.path());
    QCOMPARE(QString::fromStdString(form.ImportDir), folder);

    form.Import->MenuItemImportClick(); // cancelled
    QCOMPARE(requests.size(), std::size_t(2));
    QCOMPARE(requests[1].folder, folder);
    QVERIFY(platform.boxes->messages.empty());
}

// Deleted and made again at each import, in the data folder, and left there.
void TestSetupImport::temporaryCopy()
{
    TestPlatform platform;
    QTemporaryDir files;
    TFormMain form(platform.environment());
    const QString copy = QDir(platform.folder.path()).filePath(TemporaryCopyName);
    QCOMPARE(form.Import->TemporaryCopyPath(), copy);

    // A read-only source: its copy must not keep the next import out.
    const QString first = WriteSetup(files.filePath(QStringLiteral("first.bin")), "First");
    QFile::setPermissions(first, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    Import(form, platform, true, first);
    QCOMPARE(form.MeasurementLabel[1]->text(), M1("First"));
    QVERIFY(QFileInfo::exists(copy));
    QVERIFY(QFile::permissions(copy) & QFile::WriteOwner);

    const QString second = WriteSetup(files.filePath(QStringLiteral("second.bin")), "Second");
    Import(form, platform, false, second);
    QCOMPARE(form.MeasurementLabel[1]->text(), M1("Second"));
    QFile file(copy);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), Bytes(NamedSetup("Second")));
    QCOMPARE(Messages(platform), QStringList{Dropped});
}

void TestSetupImport::dialogCancelled()
{
    TestPlatform platform;
    TFormMain form(platform.environment());
    const SetupModel model = form.Setup;
    const QStringList labels = RowLabels(form);
    form.Import->MenuItemImportClick();

    QCOMPARE(platform.boxes->fileRequests.size(), std::size_t(1));
    QVERIFY(platform.boxes->messages.empty());
    QCOMPARE(form.ImportDir, std::string());
    QVERIFY(form.ChangeChannelNames);
    QCOMPARE(RowLabels(form), labels);
    CompareModel(form.Setup, model);
    QVERIFY(!QFileInfo::exists(form.Import->TemporaryCopyPath()));
}

void TestSetupImport::channelNamesAndLanguage_data()
{
    DialogAndDropRows();
}

// Only the dialog way marks the names as imported, so that they survive a
// language switch; after a drop the rows get their standard names again.
void TestSetupImport::channelNamesAndLanguage()
{
    QFETCH(bool, dialog);
    TestPlatform platform;
    QTemporaryDir files;
    TFormMain form(platform.environment());
    Import(form, platform, dialog, WriteSetup(files.filePath("setup.bin"), "Level"));
    QCOMPARE(form.MeasurementLabel[1]->text(), M1("Level"));
    QCOMPARE(form.ChangeChannelNames, !dialog);

    form.MenuItemDEClick();
    TestPlatform referencePlatform;
    TFormMain german(referencePlatform.environment());
    german.MenuItemDEClick();
    QCOMPARE(form.MeasurementLabel[1]->text(),
             dialog ? M1("Level") : german.MeasurementLabel[1]->text());
    QCOMPARE(form.MeasurementLabel[2]->text(),
             dialog ? QStringLiteral("M2  ") : german.MeasurementLabel[2]->text());
}

void TestSetupImport::conductivityVariant_data()
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
void TestSetupImport::conductivityVariant()
{
    QFETCH(bool, before);
    QFETCH(QString, name8);
    QFETCH(bool, after);
    QFETCH(QStringList, labels);
    TestPlatform platform;
    QTemporaryDir files;
    TFormMain form(platform.environment());
    form.ui->ConductivityCheckBox->setChecked(before);
    Import(form, platform, true,
           WriteSetup(files.filePath("setup.bin"), "Level", name8.toStdString()));

    QCOMPARE(form.ui->ConductivityCheckBox->isChecked(), after);
    QCOMPARE(RowLabels(form).mid(5), labels);
    for (int i = 6; i <= EstimatorRowCount; ++i) {
        QCOMPARE(form.MeasurementLabel[i]->isHidden(), !after);
        QCOMPARE(form.SamplingIntervalComboBoxes[i]->isHidden(), !after);
    }
    QVERIFY(platform.boxes->messages.empty());
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
    TestPlatform platform;
    QTemporaryDir files;
    TFormMain form(platform.environment());
    const QStringList labels = RowLabels(form);
    const QString path = files.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    form.Import->WMDropFiles({WriteSetup(path, "Dropped")});

    QCOMPARE(Messages(platform), QStringList{Dropped});
    QCOMPARE(platform.boxes->messages.front().kind, Dialogs::Kind::Plain);
    QCOMPARE(form.MeasurementLabel[1]->text(), imported ? M1("Dropped") : labels[0]);
    QCOMPARE(QFileInfo::exists(form.Import->TemporaryCopyPath()), imported);
}

void TestSetupImport::dropTakesTheFirstFile()
{
    TestPlatform platform;
    QTemporaryDir files;
    TFormMain form(platform.environment());
    const QString first = WriteSetup(files.filePath("first.bin"), "First");
    const QString second = WriteSetup(files.filePath("second.bin"), "Second");
    const QString notes = WriteSetup(files.filePath("notes.txt"), "Notes");

    form.Import->WMDropFiles({first, second});
    QCOMPARE(form.MeasurementLabel[1]->text(), M1("First"));
    form.Import->WMDropFiles({notes, second});
    QCOMPARE(form.MeasurementLabel[1]->text(), M1("First"));
    QCOMPARE(Messages(platform), (QStringList{Dropped, Dropped}));
}

// The drop way does not touch what the dialog way sets besides the import.
void TestSetupImport::dropLeavesDialogState()
{
    TestPlatform platform;
    QTemporaryDir files;
    TFormMain form(platform.environment());
    form.ImportDir = "/earlier/folder";

    form.Import->WMDropFiles({WriteSetup(files.filePath("tds.bin"), "Level", "TDS")});
    QCOMPARE(form.MeasurementLabel[8]->text(), QStringLiteral("M8  TDS"));
    QVERIFY(!form.ui->ConductivityCheckBox->isChecked());

    form.ui->ConductivityCheckBox->setChecked(true);
    form.Import->WMDropFiles({WriteSetup(files.filePath("plain.bin"), "Level")});
    QCOMPARE(form.MeasurementLabel[8]->text(), QStringLiteral("M8  "));
    QVERIFY(form.ui->ConductivityCheckBox->isChecked());

    QCOMPARE(form.ImportDir, std::string("/earlier/folder"));
    QVERIFY(form.ChangeChannelNames);
    QVERIFY(platform.boxes->fileRequests.empty());
}

// Dropped onto the window by the desktop: the import runs after the drop has
// been released.
void TestSetupImport::realDrop_data()
{
    QTest::addColumn<QByteArray>("name"); // the file name's bytes
    QTest::addRow("UTF-8") << QByteArray("setup_\xc3\xa4.bin");
    // The desktop hands the bytes over percent-encoded in the address.
    QTest::addRow("not UTF-8") << QByteArray("setup_\xe4.bin");
}

void TestSetupImport::realDrop()
{
    QFETCH(QByteArray, name);
    TestPlatform platform;
    QTemporaryDir files;
    TFormMain form(platform.environment());
    const QByteArray native = QFile::encodeName(files.path()) + '/' + name;
    {
        std::ofstream out(native.toStdString(), std::ios::binary);
        const QByteArray bytes = Bytes(NamedSetup("Dropped"));
        out.write(bytes.constData(), bytes.size());
    }
    const RemovedAtEnd removed{native.toStdString()};
    QMimeData mime;
    mime.setUrls({QUrl::fromEncoded("file://" + native.toPercentEncoding("/"))});

    QDragEnterEvent enter(QPoint(500, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &enter);
    QVERIFY(enter.isAccepted());

    QDropEvent drop(QPointF(500, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &drop);
    QVERIFY(drop.isAccepted());
    QVERIFY(platform.boxes->messages.empty());
    QCoreApplication::processEvents();

    QCOMPARE(Messages(platform), QStringList{Dropped});
    QCOMPARE(form.MeasurementLabel[1]->text(), M1("Dropped"));
}

void TestSetupImport::brokenFile_data()
{
    DialogAndDropRows();
}

// A walk that fails applies nothing; only the drop way says so once more.
void TestSetupImport::brokenFile()
{
    QFETCH(bool, dialog);
    TestPlatform platform;
    QTemporaryDir files;
    TFormMain form(platform.environment());
    const QStringList labels = RowLabels(form);
    const QStringList results = ResultLabels(form);
    Import(form, platform, dialog, Write(files.filePath("broken.bin"), BrokenSetup()));

    const QStringList messages = Messages(platform);
    QCOMPARE(messages.size(), dialog ? 1 : 3);
    const QString failure = messages[dialog ? 0 : 1];
    QVERIFY2(failure.startsWith(ReadFailed), qPrintable(failure));
    QVERIFY2(failure.size() > ReadFailed.size(), qPrintable(failure));
    if (!dialog) {
        QCOMPARE(messages[0], Dropped);
        QCOMPARE(messages[2], CannotImport);
    }
    QCOMPARE(RowLabels(form), labels);
    QCOMPARE(ResultLabels(form), results);
    QCOMPARE(form.Commands->Page().EditStationID->text(), QStringLiteral("0000000001"));
    QVERIFY(!form.ui->ConductivityCheckBox->isChecked());
    QVERIFY(form.ChangeChannelNames);
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
// is not a regular file; the window and the model stay.
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
    TFormMain form(environment);
    if (german)
        form.MenuItemDEClick();
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
    const QString copy = form.Import->TemporaryCopyPath();
    if (dataFolderWritable)
        Write(copy, Bytes(NamedSetup("Stale", "TDS")));
    const SetupModel model = form.Setup;
    const QStringList labels = RowLabels(form);

    SpecialFiles::PipeWatch watch(pipe.toStdString());
    {
        std::optional<SpecialFiles::FileSizeLimit> limit;
        if (source == QLatin1String("limited.bin")) {
            limit.emplace(HeaderSize);
            QVERIFY(limit->Set());
        }
        Import(form, platform, dialog, path);
    }
    QVERIFY2(!watch.Opened(), "the pipe was opened");
    QStringList messages = Messages(platform);
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
    QCOMPARE(RowLabels(form), labels);
    CompareModel(form.Setup, model);
    QVERIFY(form.ChangeChannelNames);
    QVERIFY(!form.ui->ConductivityCheckBox->isChecked());
    // The dialog remembers the chosen folder as soon as a file is chosen.
    QCOMPARE(QString::fromStdString(form.ImportDir),
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
    TestPlatform platform;
    QTemporaryDir files;
    TFormMain form(platform.environment());
    const QString link = files.filePath("link.bin");
    QVERIFY(QFile::link(WriteSetup(files.filePath("setup.bin"), "Linked"), link));
    Import(form, platform, dialog, link);
    QCOMPARE(Messages(platform), dialog ? QStringList() : QStringList{Dropped});
    QCOMPARE(form.MeasurementLabel[1]->text(), M1("Linked"));
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
    TFormMain form(environment);
    const QStringList labels = RowLabels(form);
    const QString path = WriteSetup(files.filePath("setup.bin"), "Level");
    if (dialog)
        boxes->fileAnswers.push_back(path);

    try {
        if (dialog)
            form.Import->MenuItemImportClick();
        else
            form.Import->WMDropFiles({path});
    } catch (const std::exception &escaped) {
        QFAIL(escaped.what());
    }
    QVERIFY(boxes->failed);
    QCOMPARE(boxes->messages.size(), std::size_t(1));
    QCOMPARE(boxes->messages[0].kind, Dialogs::Kind::Error);
    QVERIFY2(boxes->messages[0].text.contains("not enough memory"),
             qPrintable(boxes->messages[0].text));
    QCOMPARE(RowLabels(form), labels);
    QVERIFY(form.ChangeChannelNames);
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
    TFormMain form(environment);
    Import(form, platform, dialog, path);

    QCOMPARE(Messages(platform), dialog ? QStringList() : QStringList{Dropped});
    QCOMPARE(form.MeasurementLabel[1]->text(), M1("Level"));
    if (inDataFolder)
        QVERIFY(std::filesystem::is_regular_file(
            (nativeFolder + "/" + TemporaryCopyName.toLatin1()).toStdString()));
    if (dialog) {
        // The folder is remembered as its bytes and offered again.
        QCOMPARE(form.ImportDir, nativeFolder.toStdString());
        form.Import->MenuItemImportClick();
        QCOMPARE(platform.boxes->fileRequests.back().folder, folder);
    }
}

// The name in a message reads as Latin-1 where it is not UTF-8.
void TestSetupImport::nameThatIsNotUtf8InAMessage()
{
    TestPlatform platform;
    QTemporaryDir files;
    TFormMain form(platform.environment());
    form.Import->ImportSetupFile(files.path() + "/Pegel_" + QChar(0xDCE4) + QChar(0xDC80) + ".bin");
    const QStringList messages = Messages(platform);
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(files.path() + QString::fromUtf8("/Pegel_ä\\x80.bin")),
             qPrintable(messages[0]));
}

// The sample that make_sample_setup writes reads without failure and shows
// the whole station.
void TestSetupImport::sampleSetup()
{
    QTemporaryDir files;
    const QString path = files.filePath(QStringLiteral("sample.bin"));
    QProcess maker;
    maker.start(QStringLiteral(MAKE_SAMPLE_SETUP), {path});
    QVERIFY(maker.waitForFinished());
    QCOMPARE(maker.exitStatus(), QProcess::NormalExit);
    QCOMPARE(maker.exitCode(), 0);

    TestPlatform platform;
    TFormMain form(platform.environment());
    Import(form, platform, true, path);
    QVERIFY2(platform.boxes->messages.empty(), qPrintable(Messages(platform).join('\n')));

    QCOMPARE(RowLabels(form),
             (QStringList{"M1  Level", "M2  Water Temp", "M3  Battery", "M4  Consumption",
                          "M5  Signal", "M6  Specific Conductivity", "M7  Salinity", "M8  TDS"}));
    QVERIFY(form.ui->ConductivityCheckBox->isChecked());
    CompareShown(form, {"ComboBoxM1=00:15:00", "ComboBoxS1=01:00:00", "ComboBoxM2=00:15:00",
                        "ComboBoxS2=01:00:00", "ComboBoxM3=24:00:00", "ComboBoxS8=01:00:00",
                        "SwitchVTX1=on", "ComboBoxVTX1Interval=01:00:00",
                        "ComboBoxVFormat1=Vesk-ML", "ComboBoxVServerType11=HTTPS",
                        "ComboBoxVServer2ndMode1=Backup", "ComboBoxVServerType12=HTTPS",
                        "SwitchVCompression1=off", "SwitchVTX2=on", "ComboBoxVTX2Interval=weekly",
                        "ComboBoxVFormat2=CSV", "ComboBoxVServerType21=FTP",
                        "ComboBoxVServer2ndMode2=- none -", "SwitchVCompression2=on"});
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        QVERIFY(form.InTX1Switches[i]->isChecked());
        QCOMPARE(form.InTX2Switches[i]->isChecked(), i <= 2 || i >= 6);
    }
    QCOMPARE(form.Commands->Page().EditStationID->text(), QStringLiteral("0000004711"));
    QCOMPARE(form.Commands->Page().ComboEditMeasurementID->count(), 8);
    QCOMPARE(form.Commands->Page().EditSkalFactor->text(), QStringLiteral("0.001"));
    const ChannelRec &level = form.Setup.Channels[1];
    QCOMPARE(level.SkalOffset, -0.25f);
    QCOMPARE(level.Limits[1].LimitValue, 2.5f);
    QCOMPARE(level.Limits[1].GradValue, 0.2f);
    QCOMPARE(level.Limits[2].LimitValue, 0.3f);
    QCOMPARE(level.Limits[2].LimitDir, 1);
    QCOMPARE(form.Setup.Transmissions[2].Interval, 604801);
    QCOMPARE(form.Setup.Transmissions[2].Offset, 7200);
}

QTEST_MAIN(TestSetupImport)
#include "tst_setupimport.moc"
