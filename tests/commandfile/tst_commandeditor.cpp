#include "CommandPageFixture.h"
#include "commandfile/CommandPage.h"
#include "commandfile/ListText.h"
#include "commandfile/Messages.h"
#include "tests/support/Confined.h"
#include "tests/support/FakeDialogs.h"
#include "texts/FileReasons.h"
#include "texts/LanguageTable.h"
#include "ui/Expander.h"
#include "ui_CommandPage.h"

#include <QRegularExpression>
#include <QtTest>

#include <functional>

// Sets controls of the page before an add.
using PanelSetter = std::function<void(Ui::CommandPage &)>;
Q_DECLARE_METATYPE(PanelSetter)

namespace {

const QStringList PanelNames = {"ExpanderCfg",   "ExpanderFW",      "ExpanderMIntSInt",
                                "ExpanderLimit", "ExpanderGrad",    "ExpanderSkal",
                                "ExpanderTInt",  "ExpanderCfgDiag", "ExpanderQuery"};
const QStringList DefaultIds = {"0001", "0002", "UBAT", "PBAT", "RSSI", "0006"};
const QString CommandListBegin =
    QStringLiteral("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n"
                   "<CommandList>\r\n");

// Lines given without their ends; every one gets CR LF.
QString Lines(std::initializer_list<const char *> lines)
{
    QString text;
    for (const char *line : lines)
        text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    return text;
}

QStringList ItemsOf(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QStringList ItemsOf(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

QString Text(const Message &message, bool german)
{
    return QString::fromUtf8(message.In(german));
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestCommandEditor : public QObject
{
    Q_OBJECT

private slots:
    // Start-up and the panels.
    void startupState();
    void panelRule_data();
    void panelRule();
    void fullCounterKeepsAddDisabled();
    void checkBoxEnablesItsField_data();
    void checkBoxEnablesItsField();
    void configurationOrDiagnosticsStaysTicked();

    // Loading from the setup model.
    void samplingIntervalsFollowTheChosenChannel();
    void samplingIntervalOutsideTheTable_data();
    void samplingIntervalOutsideTheTable();
    void transmissionLoading_data();
    void transmissionLoading();
    void limitAndGradientSlots_data();
    void limitAndGradientSlots();
    void panelNumbersUseTheUsersSeparator();
    void typedIdThatIsNotListedLoadsNothing();
    void typedIdIsNotCompleted_data();
    void typedIdIsNotCompleted();
    void repeatedIdLoadsItsOwnChannel();
    void listsStopAtTheFirstEmptyNr_data();
    void listsStopAtTheFirstEmptyNr();
    void idFieldsAreNormalisedOnExit_data();
    void idFieldsAreNormalisedOnExit();

    // Adding.
    void firstAddWithFirmware();
    void configurationMessages_data();
    void configurationMessages();
    void samplingWarnsAboutDataMemory();
    void configurationAndDiagnosticsCountOnce();
    void sectionsKeepTheirOrder();
    void queryChannelsPerTickedItem_data();
    void queryChannelsPerTickedItem();
    void panelValuesReachTheEntry_data();
    void panelValuesReachTheEntry();
    void missingSelectionIsRefused_data();
    void missingSelectionIsRefused();
    void unusedDropDownsDoNotBlock();
    void modelValueOutsideTheTableBlocksTheAdd();

    // Export.
    void exportWritesLatin1_data();
    void exportWritesLatin1();
    void dialogProposesStationIdAndFolder();
    void existingFileIsKept_data();
    void existingFileIsKept();
    void shortListsAreNotExported_data();
    void shortListsAreNotExported();
    void unencodableCharacterRefusesExport_data();
    void unencodableCharacterRefusesExport();
    void cancelledDialogWritesNothing();
    void failedWriteLeavesNoFile();
    void unfinishedWriteLeavesNoFile_data();
    void unfinishedWriteLeavesNoFile();

    // Clearing.
    void clearingKeepsPanelsAndTicks();
    void clearingWithoutOpenPanel();
    void refillingClearsTheList();
};

// ---- start-up and panels -------------------------------------------------

void TestCommandEditor::startupState()
{
    Page page;
    auto &ui = page.ui();
    QCOMPARE(ItemsOf(ui.ComboEditMeasurementID), DefaultIds);
    QCOMPARE(ItemsOf(ui.ListBoxMeasurementID), DefaultIds);
    for (int i = 0; i < ui.ListBoxMeasurementID->count(); ++i) {
        const QListWidgetItem *item = ui.ListBoxMeasurementID->item(i);
        QVERIFY(item->flags() & Qt::ItemIsUserCheckable);
        QCOMPARE(item->checkState(), Qt::Unchecked);
    }
    QCOMPARE(ui.ComboEditMeasurementID->currentText(), QString("0001"));
    for (const QString &name : PanelNames) {
        QVERIFY2(!page.panel(name)->isExpanded(), qPrintable(name));
        QVERIFY2(!page.panel(name)->isHeaderBold(), qPrintable(name));
    }
    QVERIFY(ui.LabelMeasurementID->isHidden());
    QVERIFY(ui.ComboEditMeasurementID->isHidden());
    QVERIFY(ui.ListBoxMeasurementID->isHidden());
    QVERIFY(!ui.CornerButtonAddCmd->isEnabled());
    QVERIFY(!ui.CornerButtonExportFTPFile->isEnabled());
    QVERIFY(ui.EditStationID->isEnabled());
    QCOMPARE(ui.LabelCmdCounter->text(), QString("0 / 10"));
    QCOMPARE(page.form.CmdCounter, 0);
    QVERIFY(page.messages().empty());
}

void TestCommandEditor::panelRule_data()
{
    QTest::addColumn<QStringList>("clicks"); // panel headers clicked in order
    QTest::addColumn<QString>("open");       // the one open panel, or empty
    QTest::addColumn<QString>("selector");   // "drop-down", "list" or "none"

    const QString dropDown = "drop-down";
    const QString list = "list";
    const QString none = "none";
    const QMap<QString, QString> selectorOf = {
        {"ExpanderCfg", none},       {"ExpanderFW", none},       {"ExpanderMIntSInt", dropDown},
        {"ExpanderLimit", dropDown}, {"ExpanderGrad", dropDown}, {"ExpanderSkal", dropDown},
        {"ExpanderTInt", none},      {"ExpanderCfgDiag", none},  {"ExpanderQuery", list}};
    for (const QString &name : PanelNames)
        QTest::addRow("open %s", qPrintable(name)) << QStringList{name} << name << selectorOf[name];

    QTest::addRow("scaling while limit open")
        << QStringList{"ExpanderLimit", "ExpanderSkal"} << "ExpanderSkal" << dropDown;
    QTest::addRow("query after limit shows the list")
        << QStringList{"ExpanderLimit", "ExpanderQuery"} << "ExpanderQuery" << list;
    QTest::addRow("firmware after query hides both")
        << QStringList{"ExpanderQuery", "ExpanderFW"} << "ExpanderFW" << none;
    QTest::addRow("limit after firmware")
        << QStringList{"ExpanderFW", "ExpanderLimit"} << "ExpanderLimit" << dropDown;
    QTest::addRow("closing the only open panel")
        << QStringList{"ExpanderFW", "ExpanderFW"} << QString() << none;
    QTest::addRow("closing limit keeps the drop-down")
        << QStringList{"ExpanderLimit", "ExpanderLimit"} << QString() << dropDown;
    QTest::addRow("closing query keeps the list")
        << QStringList{"ExpanderQuery", "ExpanderQuery"} << QString() << list;
    QTest::addRow("reopening after closing")
        << QStringList{"ExpanderGrad", "ExpanderGrad", "ExpanderTInt"} << "ExpanderTInt" << none;
}

void TestCommandEditor::panelRule()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, open);
    QFETCH(QString, selector);

    Page page;
    auto &ui = page.ui();
    for (const QString &name : clicks)
        QTest::mouseClick(page.panel(name), Qt::LeftButton, {}, QPoint(40, 10));

    for (const QString &name : PanelNames) {
        const bool isOpen = name == open;
        QVERIFY2(page.panel(name)->isExpanded() == isOpen, qPrintable(name));
        QVERIFY2(page.panel(name)->isHeaderBold() == isOpen, qPrintable(name));
    }
    QCOMPARE(page.form.AnyPanelOpen(), !open.isEmpty());
    QCOMPARE(ui.CornerButtonAddCmd->isEnabled(), !open.isEmpty());
    QCOMPARE(!ui.LabelMeasurementID->isHidden(), selector != "none");
    QCOMPARE(!ui.ComboEditMeasurementID->isHidden(), selector == "drop-down");
    QCOMPARE(!ui.ListBoxMeasurementID->isHidden(), selector == "list");
}

void TestCommandEditor::fullCounterKeepsAddDisabled()
{
    Page page;
    auto &ui = page.ui();
    page.open("ExpanderLimit");
    for (int i = 1; i <= MaxListEntries; ++i) {
        QVERIFY2(ui.CornerButtonAddCmd->isEnabled(), qPrintable(QString::number(i)));
        page.add();
    }
    QCOMPARE(page.form.CmdCounter, 10);
    QCOMPARE(ui.LabelCmdCounter->text(), QString("10 / 10"));
    QVERIFY(!ui.CornerButtonAddCmd->isEnabled());
    QCOMPARE(page.list().count("<Limit "), 10);

    // Neither panels nor a call past the disabled button add an eleventh.
    const QString full = page.list();
    page.form.AllExpanderClick(ui.ExpanderLimit);
    page.form.AllExpanderClick(ui.ExpanderQuery);
    QVERIFY(!ui.CornerButtonAddCmd->isEnabled());
    page.form.AllExpanderClick(ui.ExpanderCfgDiag);
    QVERIFY(!ui.CornerButtonAddCmd->isEnabled());
    page.add();
    page.form.CornerButtonAddCmdClick();
    QCOMPARE(page.list(), full);
    QCOMPARE(page.form.CmdCounter, 10);
}

void TestCommandEditor::checkBoxEnablesItsField_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("field");
    QTest::addRow("averaging interval") << "CheckBoxSint"
                                        << "ComboBoxSInt2";
    QTest::addRow("time offset") << "CheckBoxTIOffset"
                                 << "TimeEditTIOffset";
    QTest::addRow("alarm 1") << "CheckBoxTIAlarmInt1"
                             << "ComboBoxTIAlarmInt1";
    QTest::addRow("alarm 2") << "CheckBoxTIAlarmInt2"
                             << "ComboBoxTIAlarmInt2";
    QTest::addRow("alarm 3") << "CheckBoxTIAlarmInt3"
                             << "ComboBoxTIAlarmInt3";
}

void TestCommandEditor::checkBoxEnablesItsField()
{
    QFETCH(QString, box);
    QFETCH(QString, field);

    Page page;
    auto *check = page.form.findChild<QCheckBox *>(box);
    auto *control = page.form.findChild<QWidget *>(field);
    QVERIFY(check && control);
    QVERIFY(!check->isChecked());
    QVERIFY(!control->isEnabled());
    check->click();
    QVERIFY(control->isEnabled());
    check->click();
    QVERIFY(!control->isEnabled());
    // The other fields of the panel do not follow this box.
    for (auto *other : page.form.findChildren<QComboBox *>(
             QRegularExpression("^ComboBox(SInt2|TIAlarmInt\\d)$"))) {
        if (other != control)
            QVERIFY2(!other->isEnabled(), qPrintable(other->objectName()));
    }
}

void TestCommandEditor::configurationOrDiagnosticsStaysTicked()
{
    Page page;
    QCheckBox *cfg = page.ui().CheckBoxGetCfg;
    QCheckBox *diag = page.ui().CheckBoxGetDiag;
    QVERIFY(cfg->isChecked() && diag->isChecked());

    cfg->click();
    QVERIFY(!cfg->isChecked());
    QVERIFY(diag->isChecked());
    diag->click();
    QVERIFY(cfg->isChecked());
    QVERIFY(!diag->isChecked());
    cfg->click();
    QVERIFY(!cfg->isChecked());
    QVERIFY(diag->isChecked());
    cfg->click();
    QVERIFY(cfg->isChecked() && diag->isChecked());
}

// ---- loading from the setup model ------------------------------------------

void TestCommandEditor::samplingIntervalsFollowTheChosenChannel()
{
    Page page;
    auto &ui = page.ui();
    // Start-up puts both on their hourly item, whatever the model holds.
    QCOMPARE(ui.ComboBoxMInt2->currentText(), QString("01:00:00"));
    QCOMPARE(ui.ComboBoxSInt2->currentText(), QString("01:00:00"));

    ui.ComboEditMeasurementID->setCurrentIndex(2); // UBAT
    QCOMPARE(ui.ComboBoxMInt2->currentIndex(), 25);
    QCOMPARE(ui.ComboBoxMInt2->currentText(), QString("24:00:00"));
    QCOMPARE(ui.ComboBoxSInt2->currentText(), QString("24:00:00"));

    ui.ComboEditMeasurementID->setCurrentIndex(0); // 0001
    QCOMPARE(ui.ComboBoxMInt2->currentIndex(), 18);
    QCOMPARE(ui.ComboBoxMInt2->currentText(), QString("01:00:00"));
    QCOMPARE(ui.ComboBoxSInt2->currentText(), QString("24:00:00"));
}

void TestCommandEditor::samplingIntervalOutsideTheTable_data()
{
    QTest::addColumn<int>("mInterval");
    QTest::addColumn<int>("avgInterval");
    QTest::addColumn<int>("samplingItem");
    QTest::addColumn<int>("averagingItem");
    QTest::addRow("7 s is no item") << 7 << 86400 << -1 << 25;
    QTest::addRow("shortest and longest") << 5 << 86400 << 0 << 25;
    QTest::addRow("nearest is not taken") << 3599 << 3601 << -1 << -1;
    QTest::addRow("zero") << 0 << 0 << -1 << -1;
    QTest::addRow("one minute, two hours") << 60 << 7200 << 7 << 19;
}

void TestCommandEditor::samplingIntervalOutsideTheTable()
{
    QFETCH(int, mInterval);
    QFETCH(int, avgInterval);
    QFETCH(int, samplingItem);
    QFETCH(int, averagingItem);

    Page page;
    page.setup.Channels[1].MInterval = mInterval;
    page.setup.Channels[1].AvgInterval = avgInterval;
    page.refill();
    QCOMPARE(page.ui().ComboBoxMInt2->currentIndex(), samplingItem);
    QCOMPARE(page.ui().ComboBoxSInt2->currentIndex(), averagingItem);
    if (samplingItem < 0)
        QCOMPARE(page.ui().ComboBoxMInt2->currentText(), QString());
}

void TestCommandEditor::transmissionLoading_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QList<int>>("alarms");
    QTest::addColumn<QString>("intervalText"); // empty: no item chosen
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QStringList>("alarmTexts");

    const QStringList daily = {"24:00:00", "24:00:00", "24:00:00"};
    const QTime startTime(0, 0, 1);
    QTest::addRow("Wednesday") << 604803 << 300 << QList<int>{900, 60, 86400} << "Wednesday"
                               << QTime(0, 5) << QStringList{"00:15:00", "00:01:00", "24:00:00"};
    QTest::addRow("above the week is Sunday")
        << 700000 << 0 << QList<int>{3600, 3600, 3600} << "Sunday" << QTime(0, 0)
        << QStringList{"01:00:00", "01:00:00", "01:00:00"};
    QTest::addRow("Monday") << 604801 << 86399 << QList<int>{600, 720, 1200} << "Monday"
                            << QTime(23, 59, 59) << QStringList{"00:10:00", "00:12:00", "00:20:00"};
    QTest::addRow("hourly") << 3600 << 3600 << QList<int>{43200, 28800, 21600} << "01:00:00"
                            << QTime(1, 0) << QStringList{"12:00:00", "08:00:00", "06:00:00"};
    QTest::addRow("weekly alarms have no item")
        << 86400 << 0 << QList<int>{604802, 604801, 700000} << "24:00:00" << QTime(0, 0)
        << QStringList{QString(), QString(), QString()};
    QTest::addRow("values outside the table")
        << 86401 << 0 << QList<int>{59, 0, 604800} << QString() << QTime(0, 0)
        << QStringList{QString(), QString(), QString()};
    QTest::addRow("off leaves the panel")
        << 0 << 300 << QList<int>{900, 900, 900} << "24:00:00" << startTime << daily;
    QTest::addRow("negative is off")
        << -5 << 300 << QList<int>{900, 900, 900} << "24:00:00" << startTime << daily;
}

void TestCommandEditor::transmissionLoading()
{
    QFETCH(int, interval);
    QFETCH(int, offset);
    QFETCH(QList<int>, alarms);
    QFETCH(QString, intervalText);
    QFETCH(QTime, time);
    QFETCH(QStringList, alarmTexts);

    Page page;
    auto &ui = page.ui();
    ui.CheckBoxTIAlarmInt2->click();
    TransRec &tx = page.setup.Transmissions[2];
    tx.Interval = interval;
    tx.Offset = offset;
    tx.AlarmInt1 = alarms[0];
    tx.AlarmInt2 = alarms[1];
    tx.AlarmInt3 = alarms[2];
    page.refill();
    ui.SpinBoxTIIndex->setValue(2);

    QCOMPARE(ui.ComboBoxTIInterval->currentText(), intervalText);
    QCOMPARE(ui.ComboBoxTIInterval->currentIndex() < 0, intervalText.isEmpty());
    QCOMPARE(ui.TimeEditTIOffset->time(), time);
    const QComboBox *combos[] = {ui.ComboBoxTIAlarmInt1, ui.ComboBoxTIAlarmInt2,
                                 ui.ComboBoxTIAlarmInt3};
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(combos[k]->currentText(), alarmTexts[k]);
        QCOMPARE(combos[k]->currentIndex() < 0, alarmTexts[k].isEmpty());
    }
    // Only values are loaded; the boxes keep their state.
    QVERIFY(!ui.CheckBoxTIOffset->isChecked());
    QVERIFY(!ui.CheckBoxTIAlarmInt1->isChecked());
    QVERIFY(ui.CheckBoxTIAlarmInt2->isChecked());

    // Transmission 1 is still off: going back loads nothing.
    ui.SpinBoxTIIndex->setValue(1);
    QCOMPARE(ui.ComboBoxTIInterval->currentText(), intervalText);
}

void TestCommandEditor::limitAndGradientSlots_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("limitDir");
    QTest::addColumn<QString>("limitValue");
    QTest::addColumn<QString>("gradDir");
    QTest::addColumn<QString>("gradValue");
    QTest::addRow("slot 1") << 1 << "<="
                            << "2.5"
                            << "rising+falling"
                            << "-0.25";
    QTest::addRow("slot 2 unset") << 2 << ">="
                                  << "-9999999.0"
                                  << "rising"
                                  << "-9999999.0";
    QTest::addRow("slot 3") << 3 << "<="
                            << "1.0"
                            << "falling"
                            << "0.12346";
}

void TestCommandEditor::limitAndGradientSlots()
{
    QFETCH(int, slot);
    QFETCH(QString, limitDir);
    QFETCH(QString, limitValue);
    QFETCH(QString, gradDir);
    QFETCH(QString, gradValue);

    Page page;
    auto &ui = page.ui();
    ChannelRec &channel = page.setup.Channels[2];
    channel.Limits[1] = {2.5f, 1, -0.25f, 2};
    channel.Limits[2] = {NoLimit, 0, NoLimit, 0};
    channel.Limits[3] = {1.0f, 1, 0.123456f, 1};
    page.refill();

    // Picking the channel loads the slots the spin boxes stand on ...
    ui.SpinBoxLimitIndex->setValue(slot);
    ui.SpinBoxGradIndex->setValue(slot);
    ui.ComboEditMeasurementID->setCurrentIndex(1);
    QCOMPARE(ui.ComboBoxLimitDir->currentText(), limitDir);
    QCOMPARE(ui.EditLimitValue->text(), limitValue);
    QCOMPARE(ui.ComboBoxGradDir->currentText(), gradDir);
    QCOMPARE(ui.EditGradValue->text(), gradValue);

    // ... and turning a spin box loads its slot of the chosen channel.
    ui.SpinBoxLimitIndex->setValue(slot == 2 ? 1 : 2);
    QCOMPARE(ui.EditLimitValue->text(), QString(slot == 2 ? "2.5" : "-9999999.0"));
    QCOMPARE(ui.EditGradValue->text(), gradValue);
    ui.SpinBoxLimitIndex->setValue(slot);
    QCOMPARE(ui.EditLimitValue->text(), limitValue);
}

void TestCommandEditor::panelNumbersUseTheUsersSeparator()
{
    Page page(QLocale(QLocale::German, QLocale::Germany));
    auto &ui = page.ui();
    page.setup.Channels[1].SkalFactor = 2.5f;
    page.setup.Channels[1].Limits[1].LimitValue = NoLimit;
    page.refill();
    QCOMPARE(ui.EditSkalFactor->text(), QString("2,5"));
    QCOMPARE(ui.EditSkalOffset->text(), QString("0,0"));
    QCOMPARE(ui.EditLimitValue->text(), QString("-9999999,0"));

    // Read back with the same separator, written with ".".
    page.open("ExpanderSkal");
    page.add();
    QVERIFY2(page.list().contains("<Scaling ackId=\"" + AckIds(page.list()).value(0) +
                                  "\" factor=\"2.5\" offset=\"0\" />"),
             qPrintable(page.list()));
}

void TestCommandEditor::typedIdThatIsNotListedLoadsNothing()
{
    Page page;
    auto &ui = page.ui();
    page.setup.Channels[2].SkalFactor = 3.0f;
    page.setup.Channels[2].Limits[2].LimitValue = 7.0f;
    page.refill();
    ui.ComboEditMeasurementID->setEditText("0009");
    QCOMPARE(ui.ComboEditMeasurementID->currentText(), QString("0009"));
    QCOMPARE(ui.EditSkalFactor->text(), QString("1.0"));
    ui.SpinBoxLimitIndex->setValue(2);
    QCOMPARE(ui.EditLimitValue->text(), QString("-9999999.0"));

    // The typed ID is still the one the channel commands carry.
    page.open("ExpanderSkal");
    page.add();
    QVERIFY(page.list().contains("<ChannelCommands channelId=\"0009\">"));

    // Typing a listed ID loads it.
    ui.ComboEditMeasurementID->setEditText("0002");
    QCOMPARE(ui.EditSkalFactor->text(), QString("3.0"));
    QCOMPARE(ui.EditLimitValue->text(), QString("7.0"));
}

void TestCommandEditor::typedIdIsNotCompleted_data()
{
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("limitWhileTyped"); // the limit field, 5 typed before the ID
    QTest::addColumn<QString>("left");            // the ID once the field is left
    QTest::addColumn<QString>("limitWhenLeft");

    const QStringList withTen = {"0001", "0002", "0010"};
    QTest::addRow("0003 not listed") << DefaultIds << "0003"
                                     << "5"
                                     << "0003"
                                     << "5";
    QTest::addRow("001 short of 0010") << withTen << "001"
                                       << "5"
                                       << "0001"
                                       << "11.0";
    QTest::addRow("0010 listed") << withTen << "0010"
                                 << "13.0"
                                 << "0010"
                                 << "13.0";
    QTest::addRow("ubat in lower case") << DefaultIds << "ubat"
                                        << "5"
                                        << "UBAT"
                                        << "13.0";
}

// Typed key by key, as the user does: the field keeps what was typed, and
// only a listed ID loads its channel.
void TestCommandEditor::typedIdIsNotCompleted()
{
    QFETCH(QStringList, listed);
    QFETCH(QString, typed);
    QFETCH(QString, limitWhileTyped);
    QFETCH(QString, left);
    QFETCH(QString, limitWhenLeft);

    Page page;
    auto &ui = page.ui();
    for (int i = 1; i <= ChannelCount; ++i) {
        ChannelRec &channel = page.setup.Channels[i];
        channel.Nr = i <= listed.size() ? listed[i - 1].toStdString() : std::string();
        channel.Limits[1].LimitValue = static_cast<float>(10 + i);
    }
    page.refill();
    page.open("ExpanderLimit");
    page.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&page.form));

    QLineEdit *edit = ui.ComboEditMeasurementID->lineEdit();
    edit->setFocus();
    edit->clear();
    ui.EditLimitValue->setText("5");
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), typed);
    QCOMPARE(ui.EditLimitValue->text(), limitWhileTyped);

    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(!edit->hasFocus());
    QCOMPARE(edit->text(), left);
    QCOMPARE(ui.EditLimitValue->text(), limitWhenLeft);

    page.add();
    const QString list = page.list();
    QVERIFY2(list.contains("<ChannelCommands channelId=\"" + left + "\">"), qPrintable(list));
    QVERIFY2(list.contains(QString("upper=\"%1\"").arg(limitWhenLeft.toDouble())),
             qPrintable(list));
}

// A setup may list one ID twice; each item stands for its own channel.
void TestCommandEditor::repeatedIdLoadsItsOwnChannel()
{
    Page page;
    auto &ui = page.ui();
    ChannelRec &second = page.setup.Channels[2];
    second.Nr = "0001";
    second.SkalFactor = 9.0f;
    second.Limits[2].LimitValue = 8.0f;
    page.refill();

    ui.ComboEditMeasurementID->setCurrentIndex(1);
    QCOMPARE(ui.EditSkalFactor->text(), QString("9.0"));
    ui.SpinBoxLimitIndex->setValue(2);
    QCOMPARE(ui.EditLimitValue->text(), QString("8.0"));
    ui.ComboEditMeasurementID->setCurrentIndex(0);
    QCOMPARE(ui.EditSkalFactor->text(), QString("1.0"));
    QCOMPARE(ui.EditLimitValue->text(), QString("-9999999.0"));
}

void TestCommandEditor::listsStopAtTheFirstEmptyNr_data()
{
    QTest::addColumn<int>("emptyChannel"); // 0: none
    QTest::addColumn<QStringList>("listed");
    const QStringList twelve = {"0001", "0002", "UBAT", "PBAT", "RSSI", "0006",
                                "0007", "0008", "0009", "0010", "0011", "0012"};
    QTest::addRow("twelve channels") << 0 << twelve;
    QTest::addRow("channel 3 empty") << 3 << twelve.mid(0, 2);
    QTest::addRow("channel 12 empty") << 12 << twelve.mid(0, 11);
    QTest::addRow("channel 1 empty") << 1 << QStringList();
}

void TestCommandEditor::listsStopAtTheFirstEmptyNr()
{
    QFETCH(int, emptyChannel);
    QFETCH(QStringList, listed);

    Page page;
    auto &ui = page.ui();
    SetupModel &setup = page.setup;
    setup.StationID = "0000000042";
    for (int i = 7; i <= ChannelCount; ++i)
        setup.Channels[i].Nr = QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')).toStdString();
    for (ChannelRec &channel : setup.Channels)
        channel.SkalFactor = 4.0f;
    if (emptyChannel > 0)
        setup.Channels[emptyChannel].Nr.clear();
    page.refill();

    QCOMPARE(ui.EditStationID->text(), QString("0000000042"));
    QCOMPARE(ItemsOf(ui.ComboEditMeasurementID), listed);
    QCOMPARE(ItemsOf(ui.ListBoxMeasurementID), listed);
    if (listed.isEmpty()) {
        QCOMPARE(ui.ComboEditMeasurementID->currentIndex(), -1);
        QCOMPARE(ui.EditSkalFactor->text(), QString("1.0"));
    } else {
        QCOMPARE(ui.ComboEditMeasurementID->currentText(), listed.first());
        QCOMPARE(ui.EditSkalFactor->text(), QString("4.0"));
    }
}

void TestCommandEditor::idFieldsAreNormalisedOnExit_data()
{
    QTest::addColumn<bool>("station"); // else the measurement ID
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("normalised");
    QTest::addRow("station ab c") << true << "ab c"
                                  << "0000000ABC";
    QTest::addRow("station 12") << true << "12"
                                << "0000000012";
    QTest::addRow("station signs only") << true << "#!"
                                        << "0000000001";
    QTest::addRow("station abc-1") << true << "abc-1"
                                   << "00000ABC-1";
    QTest::addRow("measurement 1") << false << "1"
                                   << "0001";
    QTest::addRow("measurement 12345") << false << "12345"
                                       << "1234";
    QTest::addRow("measurement ubat") << false << "ubat"
                                      << "UBAT";
}

void TestCommandEditor::idFieldsAreNormalisedOnExit()
{
    QFETCH(bool, station);
    QFETCH(QString, typed);
    QFETCH(QString, normalised);

    Page page;
    auto &ui = page.ui();
    QLineEdit *edit = station ? ui.EditStationID : ui.ComboEditMeasurementID->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), typed);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(edit->text(), normalised);
}

// ---- adding ----------------------------------------------------------------

void TestCommandEditor::firstAddWithFirmware()
{
    Page page;
    auto &ui = page.ui();
    page.open("ExpanderFW");
    page.add();

    QCOMPARE(Masked(page.list()),
             Lines({"<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>", "<CommandList>",
                    " <StationCommands stationId=\"0000000001\">",
                    "  <UpdateFirmware firmwareFile=\"7310482265_01005_pl1000.bin\" ackId=\"#\" />",
                    " </StationCommands>", "</CommandList>"}));
    const QStringList ids = AckIds(page.list());
    QCOMPARE(ids.size(), 1);
    QVERIFY(ids[0].size() == 5 && ids[0].toInt() >= 10001 && ids[0].toInt() <= 99998);
    QCOMPARE(page.form.CmdCounter, 1);
    QCOMPARE(ui.LabelCmdCounter->text(), QString("1 / 10"));
    QVERIFY(!ui.EditStationID->isEnabled());
    QVERIFY(ui.CornerButtonExportFTPFile->isEnabled());
    QVERIFY(ui.CornerButtonAddCmd->isEnabled());
    QCOMPARE(page.messages().size(), std::size_t(1));
    QCOMPARE(page.messages()[0].kind, Dialogs::Kind::Information);
    QCOMPARE(page.messages()[0].text, Text(SaveFirmwareFile, false));
    QCOMPARE(page.messages()[0].button, QMessageBox::Ok);
    // The text box shows the list with an empty last line.
    QCOMPARE(ui.MemoCmdList->blockCount(), 7);
}

void TestCommandEditor::configurationMessages_data()
{
    QTest::addColumn<bool>("german");
    QTest::addRow("English") << false;
    QTest::addRow("German") << true;
}

void TestCommandEditor::configurationMessages()
{
    QFETCH(bool, german);

    Page page;
    if (german)
        page.german();
    page.ui().EditCfg->setText("  my setup.bin ");
    page.open("ExpanderCfg");
    page.add();

    const auto &shown = page.messages();
    QCOMPARE(shown.size(), std::size_t(3));
    QCOMPARE(shown[0].kind, Dialogs::Kind::Warning);
    QCOMPARE(shown[0].text, Text(NoSpacesInFileName, german));
    QCOMPARE(shown[1].kind, Dialogs::Kind::Information);
    QCOMPARE(shown[1].text, Text(SaveConfigurationFile, german));
    QCOMPARE(shown[2].kind, Dialogs::Kind::Warning);
    QCOMPARE(shown[2].text, Text(DataMemoryMayBeDeleted, german));
    for (const auto &message : shown)
        QCOMPARE(message.button, QMessageBox::Ok);
    // The warning does not stop the entry; the name keeps its inner space.
    QVERIFY(
        Masked(page.list())
            .contains(
                "  <UpdateConfiguration configurationFile=\"my setup.bin\" ackId=\"#\" />\r\n"));
    QCOMPARE(page.form.CmdCounter, 1);
}

void TestCommandEditor::samplingWarnsAboutDataMemory()
{
    Page page;
    page.open("ExpanderMIntSInt");
    page.add();
    QCOMPARE(page.messages().size(), std::size_t(1));
    QCOMPARE(page.messages()[0].kind, Dialogs::Kind::Warning);
    QCOMPARE(page.messages()[0].text, Text(DataMemoryMayBeDeleted, false));
    QCOMPARE(Masked(page.list()),
             CommandListBegin +
                 Lines({" <StationCommands stationId=\"0000000001\">",
                        "  <ChannelCommands channelId=\"0001\">",
                        "   <Logging ackId=\"#\" samplingInterval=\"3600\" />",
                        "  </ChannelCommands>", " </StationCommands>", "</CommandList>"}));
}

void TestCommandEditor::configurationAndDiagnosticsCountOnce()
{
    Page page;
    page.open("ExpanderCfgDiag");
    page.add();
    QCOMPARE(Masked(page.list()),
             CommandListBegin + Lines({" <StationCommands stationId=\"0000000001\">",
                                       "  <SaveConfiguration ackId=\"#\" />", " </StationCommands>",
                                       " <StationCommands stationId=\"0000000001\">",
                                       "  <SendDebugLog ackId=\"#\" />", " </StationCommands>",
                                       "</CommandList>"}));
    QCOMPARE(AckIds(page.list()).size(), 2);
    QCOMPARE(page.form.CmdCounter, 1);
    QCOMPARE(page.ui().LabelCmdCounter->text(), QString("1 / 10"));
    QVERIFY(page.messages().empty());
}

void TestCommandEditor::sectionsKeepTheirOrder()
{
    Page page;
    auto &ui = page.ui();
    page.open("ExpanderFW");
    page.add();
    page.open("ExpanderQuery");
    ui.ListBoxMeasurementID->item(0)->setCheckState(Qt::Checked);
    ui.ListBoxMeasurementID->item(2)->setCheckState(Qt::Checked);
    ui.CheckBoxQueryEventsStation->setChecked(true);
    page.add();
    page.open("ExpanderCfgDiag");
    ui.CheckBoxGetCfg->click();
    page.add();

    QCOMPARE(
        Masked(page.list()),
        CommandListBegin +
            Lines({" <StationCommands stationId=\"0000000001\">",
                   "  <UpdateFirmware firmwareFile=\"7310482265_01005_pl1000.bin\" ackId=\"#\" />",
                   " </StationCommands>", " <StationCommands stationId=\"0000000001\">",
                   "  <SendDebugLog ackId=\"#\" />", " </StationCommands>", "</CommandList>",
                   "<QueryList>",
                   " <Query start=\"2026-12-09T00:00:00\" end=\"2026-12-10T23:59:00\" ackId=\"#\" "
                   "format=\"Vesk-ML\" >",
                   "  <QueryValues />", "  <QueryChannel channelId=\"0001\" />",
                   "  <QueryChannel channelId=\"UBAT\" />", "  <QueryStationEvents />", " </Query>",
                   "</QueryList>"}));
    QCOMPARE(page.form.CmdCounter, 3);
    QCOMPARE(ui.LabelCmdCounter->text(), QString("3 / 10"));
}

void TestCommandEditor::queryChannelsPerTickedItem_data()
{
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QString>("lines");
    QTest::addRow("none") << QList<int>{} << QString();
    QTest::addRow("one") << QList<int>{5}
                         << Lines({"  <QueryValues />", "  <QueryChannel channelId=\"0006\" />"});
    QTest::addRow("two in list order")
        << QList<int>{3, 1}
        << Lines({"  <QueryValues />", "  <QueryChannel channelId=\"0002\" />",
                  "  <QueryChannel channelId=\"PBAT\" />"});
    QTest::addRow("all") << QList<int>{0, 1, 2, 3, 4, 5} << Lines({"  <QueryValues />"});
}

void TestCommandEditor::queryChannelsPerTickedItem()
{
    QFETCH(QList<int>, ticked);
    QFETCH(QString, lines);

    Page page;
    auto &ui = page.ui();
    for (int i : ticked)
        ui.ListBoxMeasurementID->item(i)->setCheckState(Qt::Checked);
    ui.ComboBoxQueryFormat->setCurrentIndex(3);
    ui.CheckBoxQueryEventsChannels->setChecked(true);
    page.open("ExpanderQuery");
    page.add();
    const QString expected =
        " <Query start=\"2026-12-09T00:00:00\" end=\"2026-12-10T23:59:00\" ackId=\"#\" "
        "format=\"ZRXPV3\" >\r\n" +
        lines + Lines({"  <QueryEvents />", " </Query>", "</QueryList>"});
    QVERIFY2(Masked(page.list()).endsWith(expected), qPrintable(page.list()));
}

void TestCommandEditor::panelValuesReachTheEntry_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<PanelSetter>("set");
    QTest::addColumn<QString>("lines");

    QTest::addRow("configuration file trimmed")
        << "ExpanderCfg"
        << PanelSetter([](Ui::CommandPage &ui) { ui.EditCfg->setText(" a&b.bin "); })
        << Lines({"  <UpdateConfiguration configurationFile=\"a&b.bin\" ackId=\"#\" />"});
    QTest::addRow("sampling with averaging")
        << "ExpanderMIntSInt" << PanelSetter([](Ui::CommandPage &ui) {
               ui.ComboEditMeasurementID->setEditText("ubat");
               ui.ComboBoxMInt2->setCurrentIndex(7);
               ui.CheckBoxSint->click();
               ui.ComboBoxSInt2->setCurrentIndex(18);
           })
        << Lines({"  <ChannelCommands channelId=\"UBAT\">",
                  "   <Logging ackId=\"#\" samplingInterval=\"60\" storageInterval=\"3600\" />"});
    QTest::addRow("scaling") << "ExpanderSkal" << PanelSetter([](Ui::CommandPage &ui) {
        ui.ComboEditMeasurementID->setCurrentIndex(4);
        ui.EditSkalFactor->setText("2,50");
        ui.EditSkalOffset->setText("0,00001");
    })
                             << Lines(
                                    {"  <ChannelCommands channelId=\"RSSI\">",
                                     "   <Scaling ackId=\"#\" factor=\"2.5\" offset=\"1E-5\" />"});
    QTest::addRow("limit lower") << "ExpanderLimit" << PanelSetter([](Ui::CommandPage &ui) {
        ui.SpinBoxLimitIndex->setValue(3);
        ui.ComboBoxLimitDir->setCurrentIndex(1);
        ui.EditLimitValue->setText("1e5");
    }) << Lines({"   <Limit ackId=\"#\" index=\"3\" lower=\"15\" />"});
    QTest::addRow("gradient falling") << "ExpanderGrad" << PanelSetter([](Ui::CommandPage &ui) {
        ui.SpinBoxGradIndex->setValue(2);
        ui.ComboBoxGradDir->setCurrentIndex(1);
        ui.EditGradValue->setText("0.5");
    }) << Lines({"   <Gradient ackId=\"#\" index=\"2\" falling=\"0.5\" />"});
    QTest::addRow("gradient both") << "ExpanderGrad" << PanelSetter([](Ui::CommandPage &ui) {
        ui.ComboBoxGradDir->setCurrentIndex(2);
    }) << Lines({"   <Gradient ackId=\"#\" index=\"1\" both=\"-9999999\" />"});
    QTest::addRow("transmission")
        << "ExpanderTInt" << PanelSetter([](Ui::CommandPage &ui) {
               ui.SpinBoxTIIndex->setValue(2);
               ui.ComboBoxTIInterval->setCurrentIndex(25);
               ui.CheckBoxTIOffset->click();
               ui.TimeEditTIOffset->setTime(QTime(0, 5, 0));
               ui.CheckBoxTIAlarmInt1->click();
               ui.ComboBoxTIAlarmInt1->setCurrentIndex(8);
               ui.CheckBoxTIAlarmInt3->click();
               ui.ComboBoxTIAlarmInt3->setCurrentIndex(0);
           })
        << Lines({"  <SetIPDataTransmission ackId=\"#\" index=\"2\">",
                  "   <Timing interval=\"604807\" offset=\"300\" alarmInterval1=\"900\" "
                  "alarmInterval3=\"60\" />",
                  "  </SetIPDataTransmission>"});
    QTest::addRow("transmission at start")
        << "ExpanderTInt" << PanelSetter([](Ui::CommandPage &) {})
        << Lines({"  <SetIPDataTransmission ackId=\"#\" index=\"1\">",
                  "   <Timing interval=\"86400\" />"});
    QTest::addRow("diagnostics only")
        << "ExpanderCfgDiag" << PanelSetter([](Ui::CommandPage &ui) { ui.CheckBoxGetCfg->click(); })
        << Lines({" <StationCommands stationId=\"0000000001\">", "  <SendDebugLog ackId=\"#\" />",
                  " </StationCommands>", "</CommandList>"});
    QTest::addRow("query window")
        << "ExpanderQuery" << PanelSetter([](Ui::CommandPage &ui) {
               ui.DateEditQueryStart->setDate(QDate(2026, 1, 2));
               ui.TimeEditQueryStart->setTime(QTime(10, 30));
               ui.ComboBoxQueryFormat->setCurrentIndex(2);
           })
        << Lines({" <Query start=\"2026-01-02T10:30:00\" end=\"2026-12-10T23:59:00\" ackId=\"#\" "
                  "format=\"CSV\" >",
                  " </Query>"});
}

void TestCommandEditor::panelValuesReachTheEntry()
{
    QFETCH(QString, panel);
    QFETCH(PanelSetter, set);
    QFETCH(QString, lines);

    Page page;
    page.open(panel);
    set(page.ui());
    page.add();
    QVERIFY2(Masked(page.list()).contains(lines), qPrintable(page.list()));
    QCOMPARE(page.form.CmdCounter, 1);
}

void TestCommandEditor::missingSelectionIsRefused_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("box");   // ticked before the add, or empty
    QTest::addColumn<QString>("combo"); // left without a chosen item
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("field");

    struct Case
    {
        const char *name, *panel, *box, *combo, *english, *german;
    };
    const Case cases[] = {
        {"sampling", "ExpanderMIntSInt", "", "ComboBoxMInt2", "Sampling interval", "Messtakt"},
        {"averaging", "ExpanderMIntSInt", "CheckBoxSint", "ComboBoxSInt2", "Averaging interval",
         "Mittelungsintervall"},
        {"scheduled", "ExpanderTInt", "", "ComboBoxTIInterval", "Scheduled interval",
         "Geplantes Intervall"},
        {"alarm 2", "ExpanderTInt", "CheckBoxTIAlarmInt2", "ComboBoxTIAlarmInt2",
         "Limit interval 2:", "Grenzw.intervall 2:"},
    };
    for (const Case &c : cases) {
        QTest::addRow("%s English", c.name) << c.panel << c.box << c.combo << false << c.english;
        QTest::addRow("%s German", c.name) << c.panel << c.box << c.combo << true << c.german;
    }
}

void TestCommandEditor::missingSelectionIsRefused()
{
    QFETCH(QString, panel);
    QFETCH(QString, box);
    QFETCH(QString, combo);
    QFETCH(bool, german);
    QFETCH(QString, field);

    Page page;
    auto &ui = page.ui();
    if (german)
        page.german();
    page.open("ExpanderCfgDiag");
    page.add();
    const QString before = page.list();
    page.messages().clear();

    page.open(panel);
    if (!box.isEmpty())
        page.form.findChild<QCheckBox *>(box)->click();
    page.form.findChild<QComboBox *>(combo)->setCurrentIndex(-1);
    page.add();

    QCOMPARE(page.messages().size(), std::size_t(1));
    QCOMPARE(page.messages()[0].kind, Dialogs::Kind::Warning);
    QCOMPARE(page.messages()[0].text, Text(NoItemChosen, german).arg(field));
    QCOMPARE(page.list(), before);
    QCOMPARE(page.form.CmdCounter, 1);
    QCOMPARE(ui.LabelCmdCounter->text(), QString("1 / 10"));
    QVERIFY(ui.CornerButtonAddCmd->isEnabled());
}

void TestCommandEditor::unusedDropDownsDoNotBlock()
{
    Page page;
    auto &ui = page.ui();
    ui.ComboBoxSInt2->setCurrentIndex(-1);
    ui.ComboBoxTIAlarmInt1->setCurrentIndex(-1);
    page.open("ExpanderMIntSInt");
    page.add();
    page.open("ExpanderTInt");
    page.add();
    QCOMPARE(page.form.CmdCounter, 2);
    const QString list = Masked(page.list());
    QVERIFY(list.contains("<Logging ackId=\"#\" samplingInterval=\"3600\" />"));
    QVERIFY(list.contains("<Timing interval=\"86400\" />"));
}

// The way a drop-down really loses its item: a model value none stands for.
void TestCommandEditor::modelValueOutsideTheTableBlocksTheAdd()
{
    Page page;
    auto &ui = page.ui();
    page.setup.Channels[1].MInterval = 7;
    page.setup.Transmissions[1] = TransRec{};
    page.setup.Transmissions[1].Interval = 3600;
    page.setup.Transmissions[1].AlarmInt1 = 604802;
    page.refill();

    page.open("ExpanderMIntSInt");
    page.add();
    page.open("ExpanderTInt");
    page.add(); // the alarm box is unticked: the weekly alarm is not needed
    ui.CheckBoxTIAlarmInt1->click();
    page.add();

    QCOMPARE(page.form.CmdCounter, 1);
    QVERIFY(Masked(page.list()).contains("<Timing interval=\"3600\" />"));
    QCOMPARE(page.messages().size(), std::size_t(2));
    QCOMPARE(page.messages()[0].text, Text(NoItemChosen, false).arg("Sampling interval"));
    QCOMPARE(page.messages()[1].text, Text(NoItemChosen, false).arg("Limit interval 1:"));
}

// ---- export ----------------------------------------------------------------

void TestCommandEditor::exportWritesLatin1_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("written");
    QTest::addRow("umlaut") << QString::fromUtf8("Gerät.bin") << QByteArray("Ger\xE4t.bin");
    QTest::addRow("no-break space") << QString::fromUtf8("a\u00A0b.bin")
                                    << QByteArray("a\xA0"
                                                  "b.bin");
    QTest::addRow("unescaped signs") << QString("x&<'.bin") << QByteArray("x&<'.bin");
}

void TestCommandEditor::exportWritesLatin1()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, written);

    Page page;
    auto &ui = page.ui();
    ui.EditFW->setText(fileName);
    page.open("ExpanderFW");
    page.add();
    const QString ackId = AckIds(page.list()).value(0);
    page.messages().clear();

    QTemporaryDir out;
    const QString path = out.filePath("station.kcf");
    page.boxes().fileAnswers.push_back(path);
    QTest::mouseClick(ui.CornerButtonExportFTPFile, Qt::LeftButton);

    const QByteArray expected = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n"
                                "<CommandList>\r\n"
                                " <StationCommands stationId=\"0000000001\">\r\n"
                                "  <UpdateFirmware firmwareFile=\"" +
                                written + "\" ackId=\"" + ackId.toLatin1() +
                                "\" />\r\n"
                                " </StationCommands>\r\n"
                                "</CommandList>\r\n";
    QCOMPARE(ReadAll(path), expected);
    QVERIFY(page.messages().empty());
    QCOMPARE(QString::fromStdString(page.form.ExportDir), out.path());
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"station.kcf"});
    // The list and its buttons are as before.
    QCOMPARE(page.form.CmdCounter, 1);
    QVERIFY(ui.CornerButtonExportFTPFile->isEnabled());
    QVERIFY(!ui.EditStationID->isEnabled());
}

void TestCommandEditor::dialogProposesStationIdAndFolder()
{
    Page page;
    auto &ui = page.ui();
    ui.EditStationID->setText("0000000042");
    page.open("ExpanderCfgDiag");
    page.add();

    page.exportList(); // cancelled
    QCOMPARE(page.boxes().fileRequests.size(), std::size_t(1));
    const Dialogs::FileRequest &first = page.boxes().fileRequests[0];
    QCOMPARE(first.proposedName, QString("0000000042.kcf"));
    QCOMPARE(first.folder, QString());
    QCOMPARE(first.filters, QStringList{"FTP command files (*.kcf)"});

    // A name typed without the extension is used as it stands.
    QTemporaryDir out;
    page.boxes().fileAnswers.push_back(out.filePath("plain"));
    page.exportList();
    QVERIFY(QFileInfo::exists(out.filePath("plain")));
    page.exportList();
    QCOMPARE(page.boxes().fileRequests.size(), std::size_t(3));
    QCOMPARE(page.boxes().fileRequests[2].folder, out.path());
}

void TestCommandEditor::existingFileIsKept_data()
{
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("existing"); // what stands under the chosen name
    QTest::addRow("English") << false << "  already exists!"
                             << "file";
    QTest::addRow("German") << true << "  existiert bereits!"
                            << "file";
    // A link to nowhere is a name taken too: writing through it would put
    // the file elsewhere, replacing it would lose the link.
    QTest::addRow("dangling link") << false << "  already exists!"
                                   << "dangling link";
    QTest::addRow("folder") << false << "  already exists!"
                            << "folder";
}

void TestCommandEditor::existingFileIsKept()
{
    QFETCH(bool, german);
    QFETCH(QString, suffix);
    QFETCH(QString, existing);

    Page page;
    if (german)
        page.german();
    page.open("ExpanderCfgDiag");
    page.add();

    QTemporaryDir out;
    const QString path = out.filePath("0000000001.kcf");
    if (existing == "file")
        WriteFile(path, "old content");
    else if (existing == "dangling link")
        QVERIFY(QFile::link(out.filePath("elsewhere.kcf"), path));
    else
        QVERIFY(QDir().mkdir(path));
    // The folder's names, and what stands under the chosen one.
    const auto standing = [&out, &path] {
        const QFileInfo info(path);
        const QString what = info.isSymLink() ? "link to " + info.symLinkTarget()
                             : info.isDir()   ? QString("folder")
                                              : QString::fromLatin1(ReadAll(path));
        return QDir(out.path())
                   .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                   .join(',') +
               ": " + what;
    };
    const QString before = standing();
    page.boxes().fileAnswers.push_back(path);
    page.exportList();

    QCOMPARE(page.messages().size(), std::size_t(1));
    QCOMPARE(page.messages()[0].kind, Dialogs::Kind::Error);
    QCOMPARE(page.messages()[0].text, path + suffix);
    QCOMPARE(page.messages()[0].button, QMessageBox::Cancel);
    QCOMPARE(standing(), before);
    QCOMPARE(page.boxes().fileRequests.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(page.form.ExportDir), out.path());

    page.exportList();
    QCOMPARE(page.boxes().fileRequests.size(), std::size_t(2));
    QCOMPARE(page.boxes().fileRequests[1].folder, out.path());
}

void TestCommandEditor::shortListsAreNotExported_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("exported");
    QTest::addRow("empty") << QString() << false;
    QTest::addRow("three lines") << "a\nb\nc" << false;
    QTest::addRow("three lines and a break") << "a\nb\nc\n" << true;
    QTest::addRow("four lines") << "a\nb\nc\nd" << true;
}

void TestCommandEditor::shortListsAreNotExported()
{
    QFETCH(QString, text);
    QFETCH(bool, exported);

    Page page;
    page.ui().MemoCmdList->setPlainText(text);
    QTemporaryDir out;
    const QString path = out.filePath("hand.kcf");
    page.boxes().fileAnswers.push_back(path);
    page.exportList();

    QCOMPARE(page.boxes().fileRequests.size(), std::size_t(exported ? 1 : 0));
    QCOMPARE(QFileInfo::exists(path), exported);
    if (exported)
        QCOMPARE(ReadAll(path), text.replace("\n", "\r\n").toLatin1());
    QVERIFY(page.messages().empty());
}

void TestCommandEditor::unencodableCharacterRefusesExport_data()
{
    QTest::addColumn<bool>("german");
    QTest::addRow("English") << false;
    QTest::addRow("German") << true;
}

void TestCommandEditor::unencodableCharacterRefusesExport()
{
    QFETCH(bool, german);

    Page page;
    if (german)
        page.german();
    page.ui().EditFW->setText(QString::fromUtf8("fw€ä.bin"));
    page.open("ExpanderFW");
    page.add();
    page.messages().clear();

    QTemporaryDir out;
    const QString path = out.filePath("euro.kcf");
    page.boxes().fileAnswers.push_back(path);
    page.exportList();

    QCOMPARE(page.messages().size(), std::size_t(1));
    QCOMPARE(page.messages()[0].kind, Dialogs::Kind::Error);
    QCOMPARE(page.messages()[0].text,
             Text(CharacterNotExportable, german).arg(QString::fromUtf8("€")).arg(4));
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(QDir(out.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    QCOMPARE(page.form.CmdCounter, 1);
}

void TestCommandEditor::cancelledDialogWritesNothing()
{
    Page page;
    page.form.ExportDir = "/remembered";
    page.open("ExpanderCfgDiag");
    page.add();
    page.exportList();
    QCOMPARE(page.boxes().fileRequests.size(), std::size_t(1));
    QCOMPARE(page.boxes().fileRequests[0].folder, QString("/remembered"));
    QCOMPARE(page.form.ExportDir, std::string("/remembered"));
    QVERIFY(page.messages().empty());
}

void TestCommandEditor::failedWriteLeavesNoFile()
{
    Page page;
    page.open("ExpanderCfgDiag");
    page.add();
    const QString list = page.list();

    QTemporaryDir out;
    const QString path = out.filePath("missing/out.kcf");
    page.boxes().fileAnswers.push_back(path);
    page.exportList();

    QCOMPARE(page.messages().size(), std::size_t(1));
    QCOMPARE(page.messages()[0].kind, Dialogs::Kind::Error);
    const QString named = Text(FileNotWritten, false).arg(path, QString());
    QVERIFY2(page.messages()[0].text.startsWith(named), qPrintable(page.messages()[0].text));
    QVERIFY(page.messages()[0].text.size() > named.size());
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(QDir(out.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    QCOMPARE(QString::fromStdString(page.form.ExportDir), out.filePath("missing"));
    QCOMPARE(page.list(), list);
    QCOMPARE(page.form.CmdCounter, 1);
    QVERIFY(page.ui().CornerButtonExportFTPFile->isEnabled());
}

void TestCommandEditor::unfinishedWriteLeavesNoFile_data()
{
    QTest::addColumn<Confinement>("confinement");
    QTest::addColumn<int>("reason"); // errno
    QTest::addRow("disk full") << Confinement::FullDisk << ENOSPC;
    QTest::addRow("file-size limit") << Confinement::FileSizeLimit << EFBIG;
}

// The list is larger than the room left: the export says so, with the
// system's reason, and leaves no empty or cut file that would block the next.
void TestCommandEditor::unfinishedWriteLeavesNoFile()
{
    QFETCH(Confinement, confinement);
    QFETCH(int, reason);

    Page page;
    page.open("ExpanderCfgDiag");
    page.add();
    QVERIFY(page.list().size() > int(FileSizeLimitBytes));
    QTemporaryDir out;
    const QString path = out.filePath("0000000001.kcf");
    const ConfinedRun run = RunConfined(
        confinement, out.path().toStdString(), [] {},
        [&] {
            page.boxes().fileAnswers.push_back(path);
            page.exportList();
            QStringList seen;
            for (const FakeDialogs::Shown &shown : page.messages())
                seen << shown.text;
            seen << QDir(out.path())
                        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            return seen.join(QLatin1Char('\n')).toStdString();
        });
    if (!run.Confined)
        QSKIP(run.Output.c_str());
    QCOMPARE(QString::fromStdString(run.Output),
             Text(FileNotWritten, false)
                 .arg(path,
                      QString::fromStdString(FileFaultReason(FileFault::OfSystem(reason), false))));
}

// ---- clearing --------------------------------------------------------------

void TestCommandEditor::clearingKeepsPanelsAndTicks()
{
    Page page;
    auto &ui = page.ui();
    page.open("ExpanderQuery");
    ui.ListBoxMeasurementID->item(1)->setCheckState(Qt::Checked);
    for (int i = 0; i < MaxListEntries; ++i)
        page.add();
    QVERIFY(!ui.CornerButtonAddCmd->isEnabled());

    QTest::mouseClick(ui.CornerButtonClearList, Qt::LeftButton);
    QCOMPARE(ui.MemoCmdList->toPlainText(), QString());
    QCOMPARE(page.form.CmdCounter, 0);
    QCOMPARE(ui.LabelCmdCounter->text(), QString("0 / 10"));
    QVERIFY(!ui.CornerButtonExportFTPFile->isEnabled());
    QVERIFY(ui.EditStationID->isEnabled());
    QVERIFY(ui.ExpanderQuery->isExpanded());
    QVERIFY(ui.CornerButtonAddCmd->isEnabled());
    QVERIFY(!ui.ListBoxMeasurementID->isHidden());
    QCOMPARE(ui.ListBoxMeasurementID->item(1)->checkState(), Qt::Checked);
    QCOMPARE(ui.ListBoxMeasurementID->item(0)->checkState(), Qt::Unchecked);

    // A new list begins with a new declaration, and for another station.
    ui.EditStationID->setText("0000000007");
    page.add();
    QVERIFY(page.list().startsWith("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n"
                                   "<QueryList>\r\n"));
    QCOMPARE(page.list().count("<Query "), 1);
    QCOMPARE(page.form.CmdCounter, 1);
}

void TestCommandEditor::clearingWithoutOpenPanel()
{
    Page page;
    auto &ui = page.ui();
    page.open("ExpanderCfgDiag");
    page.add();
    page.form.AllExpanderClick(ui.ExpanderCfgDiag);
    ui.CornerButtonClearList->click();
    QVERIFY(!ui.CornerButtonAddCmd->isEnabled());
    QVERIFY(!ui.CornerButtonExportFTPFile->isEnabled());
    QCOMPARE(page.list(), QString());
    // Nothing to export: no dialog is asked for.
    page.exportList();
    QVERIFY(page.boxes().fileRequests.empty());
}

// Refilling the panels from the model, as an import does, starts a new list.
void TestCommandEditor::refillingClearsTheList()
{
    Page page;
    auto &ui = page.ui();
    page.open("ExpanderLimit");
    page.add();
    page.setup.StationID = "ABCDEFGHIJ";
    page.refill();
    QCOMPARE(page.list(), QString());
    QCOMPARE(page.form.CmdCounter, 0);
    QCOMPARE(ui.LabelCmdCounter->text(), QString("0 / 10"));
    QVERIFY(ui.EditStationID->isEnabled());
    QCOMPARE(ui.EditStationID->text(), QString("ABCDEFGHIJ"));
    QVERIFY(ui.ExpanderLimit->isExpanded());
    QVERIFY(ui.CornerButtonAddCmd->isEnabled());
}

QTEST_MAIN(TestCommandEditor)
#include "tst_commandeditor.moc"
