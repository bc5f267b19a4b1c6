#include "CommandPageFixture.h"
#include "PlanTemplates.h"
#include "commandfile/ListText.h"
#include "commandfile/Messages.h"
#include "commandfile/PageTexts.h"

#include <QtTest>

#include <functional>

using PlanChange = std::function<void(StationPlan &)>;
Q_DECLARE_METATYPE(PlanChange)

namespace {

const QString Station = QStringLiteral("0000000001");
const QString Unknown = QStringLiteral("#"); // an ackId, as Masked shows it

QByteArray Logging(const char *channel, int sampling, int storage)
{
    return LoggingEntry(Station, Unknown, channel, sampling, storage);
}

QByteArray Timing(int index, int interval)
{
    return TimingEntry(Station, Unknown, index, interval);
}

const QByteArray ListBegin = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n<CommandList>\r\n";
const QByteArray ListEnd = "</CommandList>\r\n";

// A page whose button takes the plan the test sets.
struct PlanPage : Page
{
    explicit PlanPage(bool english = true)
    {
        form.setPlanProvider([this] { return plan; });
        if (!english)
            german();
    }

    void addFromPlan() { QTest::mouseClick(ui().CornerButtonCmdFromPlan, Qt::LeftButton); }

    // What the sampling and the transmission panel show.
    QStringList samplingPanel()
    {
        return {ui().ComboEditMeasurementID->currentText(), ui().ComboBoxMInt2->currentText(),
                ui().CheckBoxSint->isChecked() ? "ticked" : "unticked",
                ui().ComboBoxSInt2->currentText()};
    }
    QStringList transmissionPanel()
    {
        auto &u = ui();
        return {QString::number(u.SpinBoxTIIndex->value()), u.ComboBoxTIInterval->currentText(),
                u.CheckBoxTIOffset->isChecked() ? "offset" : "no offset",
                QString::number(u.CheckBoxTIAlarmInt1->isChecked() +
                                u.CheckBoxTIAlarmInt2->isChecked() +
                                u.CheckBoxTIAlarmInt3->isChecked()) +
                    " alarms"};
    }

    StationPlan plan = KnownPlan();
};

QString Text(const Message &message, bool german)
{
    return QString::fromUtf8(message.In(german));
}

} // namespace

class TestCommandsFromPlan : public QObject
{
    Q_OBJECT

private slots:
    void entriesFromPlans_data();
    void entriesFromPlans();
    void buttonFollowsTheCounter();
    void captionsInBothLanguages();
};

void TestCommandsFromPlan::entriesFromPlans_data()
{
    QTest::addColumn<PlanChange>("change");
    QTest::addColumn<int>("handAdded"); // limit entries in the list before
    QTest::addColumn<bool>("german");
    QTest::addColumn<QByteArray>("entries");       // added, in list order
    QTest::addColumn<QString>("leftOut");          // the message naming them; empty: none
    QTest::addColumn<bool>("memoryWarning");       // a sampling entry was added
    QTest::addColumn<QStringList>("sampling");     // the panel afterwards; empty: as before
    QTest::addColumn<QStringList>("transmission"); // likewise

    const QByteArray fiveRows = Logging("0001", 3600, 3600) + Logging("0002", 3600, 3600) +
                                Logging("UBAT", 86400, 86400) + Logging("PBAT", 86400, 86400) +
                                Logging("RSSI", 86400, 86400);
    const QStringList rssiDaily = {"RSSI", "24:00:00", "ticked", "24:00:00"};
    const QStringList tx1Daily = {"1", "24:00:00", "no offset", "0 alarms"};
    const auto unchanged = QStringList();

    QTest::addRow("all IDs known, TX2 off")
        << PlanChange([](StationPlan &) {}) << 0 << false << fiveRows + Timing(1, 86400)
        << QString() << true << rssiDaily << tx1Daily;
    QTest::addRow("some IDs unknown") << PlanChange([](StationPlan &p) {
        p.rows[2].id.clear();
        p.rows[4].id.clear();
    }) << 0 << false
                                      << Logging("0001", 3600, 3600) +
                                             Logging("UBAT", 86400, 86400) +
                                             Logging("RSSI", 86400, 86400) + Timing(1, 86400)
                                      << "These commands of the plan were not added:\n"
                                         "M2: no measurement ID is known\n"
                                         "M4: no measurement ID is known"
                                      << true << rssiDaily << tx1Daily;
    QTest::addRow("some IDs unknown, German")
        << PlanChange([](StationPlan &p) { p.rows[5].id.clear(); }) << 0 << true
        << Logging("0001", 3600, 3600) + Logging("0002", 3600, 3600) +
               Logging("UBAT", 86400, 86400) + Logging("PBAT", 86400, 86400) + Timing(1, 86400)
        << QString::fromUtf8("Diese Kommandos aus dem Plan wurden nicht hinzugefügt:\n"
                             "M5: keine Messungsnummer bekannt")
        << true << QStringList{"PBAT", "24:00:00", "ticked", "24:00:00"} << tx1Daily;
    // Whole entries up to the limit; the rest named, none cut.
    QTest::addRow("more than fit")
        << PlanChange([](StationPlan &) {}) << 7 << false
        << Logging("0001", 3600, 3600) + Logging("0002", 3600, 3600) + Logging("UBAT", 86400, 86400)
        << "These commands of the plan were not added:\n"
           "M4 (PBAT): the command list is full (10 entries)\n"
           "M5 (RSSI): the command list is full (10 entries)\n"
           "TX1: the command list is full (10 entries)"
        << true << QStringList{"UBAT", "24:00:00", "ticked", "24:00:00"} << unchanged;
    // The panel shows the plan's 12 hours, not the setup's 24.
    QTest::addRow("TX1 twice a day")
        << PlanChange([](StationPlan &p) {
               p.rows[1].samplingSeconds = 5;
               p.rows[1].storageSeconds = 900;
               p.transmissions[1].intervalSeconds = 43200;
           })
        << 0 << false
        << Logging("0001", 5, 900) + Logging("0002", 3600, 3600) + Logging("UBAT", 86400, 86400) +
               Logging("PBAT", 86400, 86400) + Logging("RSSI", 86400, 86400) + Timing(1, 43200)
        << QString() << true << rssiDaily << QStringList{"1", "12:00:00", "no offset", "0 alarms"};
    QTest::addRow("TX1 off, TX2 on") << PlanChange([](StationPlan &p) {
        p.transmissions[1].on = false;
        p.transmissions[2].on = true;
        p.transmissions[2].intervalSeconds = 3600;
    }) << 0 << false << fiveRows + Timing(2, 3600)
                                     << QString() << true << rssiDaily
                                     << QStringList{"2", "01:00:00", "no offset", "0 alarms"};
    // Only sampling entries warn about the data memory.
    QTest::addRow("no ID known") << PlanChange([](StationPlan &p) {
        for (StationPlan::Row &row : p.rows)
            row.id.clear();
    }) << 0 << false << Timing(1, 86400)
                                 << "These commands of the plan were not added:\n"
                                    "M1: no measurement ID is known\n"
                                    "M2: no measurement ID is known\n"
                                    "M3: no measurement ID is known\n"
                                    "M4: no measurement ID is known\n"
                                    "M5: no measurement ID is known"
                                 << false << unchanged << tx1Daily;
    QTest::addRow("nothing to add") << PlanChange([](StationPlan &p) {
        for (StationPlan::Row &row : p.rows)
            row.id.clear();
        p.rows[3].id = "UBAT";
        p.rows[3].samplingSeconds.reset();
        p.transmissions[1].on = false;
    }) << 0 << false << QByteArray()
                                    << "These commands of the plan were not added:\n"
                                       "M1: no measurement ID is known\n"
                                       "M2: no measurement ID is known\n"
                                       "M3 (UBAT): no sampling interval is chosen\n"
                                       "M4: no measurement ID is known\n"
                                       "M5: no measurement ID is known"
                                    << false << unchanged << unchanged;
}

// The list after the button, byte for byte but for the ackIds, the counter,
// the messages and what the panels show.
void TestCommandsFromPlan::entriesFromPlans()
{
    QFETCH(PlanChange, change);
    QFETCH(int, handAdded);
    QFETCH(bool, german);
    QFETCH(QByteArray, entries);
    QFETCH(QString, leftOut);
    QFETCH(bool, memoryWarning);
    QFETCH(QStringList, sampling);
    QFETCH(QStringList, transmission);

    PlanPage page(!german);
    change(page.plan);
    page.open("ExpanderLimit");
    for (int i = 0; i < handAdded; ++i)
        page.add();
    page.form.AllExpanderClick(page.ui().ExpanderLimit);
    const QByteArray before = Masked(page.list()).toUtf8();
    const QStringList samplingBefore = page.samplingPanel();
    const QStringList transmissionBefore = page.transmissionPanel();

    page.addFromPlan();

    QByteArray expected = before;
    if (!entries.isEmpty()) {
        if (expected.isEmpty())
            expected = ListBegin + ListEnd;
        expected.insert(expected.indexOf(ListEnd), entries);
    }
    QCOMPARE(Masked(page.list()).toUtf8(), expected);
    const QStringList ackIds = AckIds(page.list());
    QCOMPARE(QSet<QString>(ackIds.begin(), ackIds.end()).size(), ackIds.size());

    const int counter = handAdded + static_cast<int>(entries.count("<StationCommands"));
    auto &ui = page.ui();
    QCOMPARE(page.form.CmdCounter, counter);
    QCOMPARE(ui.LabelCmdCounter->text(), QString("%1 / 10").arg(counter));
    QCOMPARE(ui.EditStationID->isEnabled(), counter == 0);
    QCOMPARE(ui.CornerButtonExportFTPFile->isEnabled(), counter > 0);
    QCOMPARE(ui.CornerButtonExportStations->isEnabled(), counter > 0);
    QCOMPARE(ui.CornerButtonCmdFromPlan->isEnabled(), counter < MaxListEntries);
    QVERIFY(!ui.CornerButtonAddCmd->isEnabled()); // no panel is open

    QStringList shown;
    for (const FakeDialogs::Shown &message : page.messages()) {
        QCOMPARE(message.kind, Dialogs::Kind::Warning);
        shown << message.text;
    }
    QStringList expectedMessages;
    if (memoryWarning)
        expectedMessages << Text(DataMemoryMayBeDeleted, german);
    if (!leftOut.isEmpty())
        expectedMessages << leftOut;
    QCOMPARE(shown, expectedMessages);

    QCOMPARE(page.samplingPanel(), sampling.isEmpty() ? samplingBefore : sampling);
    QCOMPARE(page.transmissionPanel(), transmission.isEmpty() ? transmissionBefore : transmission);
}

// The button adds while the list has room, whichever panel is open, and only
// while the window hands the page a plan.
void TestCommandsFromPlan::buttonFollowsTheCounter()
{
    Page alone;
    QVERIFY(!alone.ui().CornerButtonCmdFromPlan->isEnabled());
    alone.form.CornerButtonCmdFromPlanClick();
    QCOMPARE(alone.list(), QString());

    PlanPage page;
    auto &ui = page.ui();
    QVERIFY(ui.CornerButtonCmdFromPlan->isEnabled());
    page.addFromPlan();
    QCOMPARE(page.form.CmdCounter, 6);
    page.open("ExpanderCfgDiag");
    for (int i = page.form.CmdCounter; i < MaxListEntries; ++i) {
        QVERIFY(ui.CornerButtonCmdFromPlan->isEnabled());
        page.add();
    }
    QVERIFY(!ui.CornerButtonCmdFromPlan->isEnabled());
    // A call past the disabled button adds nothing and says nothing.
    const QString full = page.list();
    page.messages().clear();
    page.form.CornerButtonCmdFromPlanClick();
    QCOMPARE(page.list(), full);
    QCOMPARE(page.form.CmdCounter, MaxListEntries);
    QVERIFY(page.messages().empty());

    QTest::mouseClick(ui.CornerButtonClearList, Qt::LeftButton);
    QVERIFY(ui.CornerButtonCmdFromPlan->isEnabled());
    QVERIFY(!ui.CornerButtonExportStations->isEnabled());
    QVERIFY(ui.EditStationID->isEnabled());
}

void TestCommandsFromPlan::captionsInBothLanguages()
{
    PlanPage page;
    auto &ui = page.ui();
    for (const bool german : {false, true, false}) {
        page.form.applyLanguage(!german);
        QCOMPARE(ui.CornerButtonCmdFromPlan->text(), Text(CommandsFromPlanCaption, german));
        QCOMPARE(ui.CornerButtonExportStations->text(), Text(ExportStationsCaption, german));
    }
    // Made in German from the start.
    TestPlatform platform;
    CommandPage made(platform.environment(), false);
    QCOMPARE(made.Form().CornerButtonCmdFromPlan->text(), Text(CommandsFromPlanCaption, true));
    QCOMPARE(made.Form().CornerButtonExportStations->text(), Text(ExportStationsCaption, true));
}

QTEST_MAIN(TestCommandsFromPlan)
#include "tst_commandsfromplan.moc"
