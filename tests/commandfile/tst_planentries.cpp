#include "PinnedRandom.h"
#include "PlanTemplates.h"
#include "commandfile/ListText.h"
#include "commandfile/PlanEntries.h"
#include "commandfile/PlanMessage.h"
#include "setup/SetupModel.h"

#include "tests/support/TestText.h"

#include <QtTest>

#include <functional>

using PlanChange = std::function<void(StationPlan &)>;
Q_DECLARE_METATYPE(PlanChange)

namespace {

constexpr int FirstAckId = 20001;
const char *const StationField = " 0000000042 ";

constexpr int Wednesday = 21; // item of the command list's interval drop-down
constexpr int Sunday = 25;

QByteArray Logging(const char *channel, int ack, int sampling, int storage)
{
    return LoggingEntry(QString(StationField).trimmed(), QString::number(ack), channel, sampling,
                        storage);
}

QByteArray Timing(int ack, int index, int interval)
{
    return TimingEntry(QString(StationField).trimmed(), QString::number(ack), index, interval);
}

const char *ReasonName(LeftOutReason reason)
{
    switch (reason) {
    case LeftOutReason::UnknownId:
        return "unknown ID";
    case LeftOutReason::NoSampling:
        return "no sampling";
    case LeftOutReason::NoStorage:
        return "no storage";
    case LeftOutReason::NoInterval:
        return "no interval";
    case LeftOutReason::WeeklyWithoutDay:
        return "weekly without day";
    case LeftOutReason::BeyondLimit:
        return "beyond limit";
    }
    return "?";
}

// "M2 unknown ID, TX2 beyond limit".
QString LeftOutText(const std::vector<PlanLeftOut> &leftOut)
{
    QStringList items;
    for (const PlanLeftOut &item : leftOut)
        items << QString("%1%2 %3")
                     .arg(item.source.kind == PlanSource::Kind::Measurement ? "M" : "TX")
                     .arg(item.source.number)
                     .arg(ReasonName(item.reason));
    return items.join(", ");
}

PlanEntryContext Context(int entriesInList)
{
    PlanEntryContext context;
    context.stationId = StationField;
    context.entriesInList = entriesInList;
    return context;
}

QByteArray EntriesText(const PlanEntries &result)
{
    QByteArray text;
    for (const PlanEntry &entry : result.entries)
        text += Bytes(entry.text);
    return text;
}

} // namespace

class TestPlanEntries : public QObject
{
    Q_OBJECT

private slots:
    void entries_data();
    void entries();
    void panelsShowTheLastEntries_data();
    void panelsShowTheLastEntries();
    void rowIdsAreUpperCasedAsText();
    void leftOutMessage_data();
    void leftOutMessage();
    void weekdaysOfSetup_data();
    void weekdaysOfSetup();
};

void TestPlanEntries::entries_data()
{
    QTest::addColumn<PlanChange>("change");
    QTest::addColumn<int>("entriesInList");
    QTest::addColumn<int>("wednesdayFor"); // transmission whose weekday is known; 0 none
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("leftOut");

    const int a = FirstAckId;
    const QByteArray fiveRows =
        Logging("0001", a, 3600, 3600) + Logging("0002", a + 1, 3600, 3600) +
        Logging("UBAT", a + 2, 86400, 86400) + Logging("PBAT", a + 3, 86400, 86400) +
        Logging("RSSI", a + 4, 86400, 86400);

    QTest::addRow("all IDs known, TX2 off") << PlanChange([](StationPlan &) {}) << 0 << 0
                                            << fiveRows + Timing(a + 5, 1, 86400) << QString();
    QTest::addRow("some IDs unknown")
        << PlanChange([](StationPlan &p) {
               p.rows[2].id.clear();
               p.rows[4].id = "  ";
           })
        << 0 << 0
        << Logging("0001", a, 3600, 3600) + Logging("UBAT", a + 1, 86400, 86400) +
               Logging("RSSI", a + 2, 86400, 86400) + Timing(a + 3, 1, 86400)
        << "M2 unknown ID, M4 unknown ID";
    // The plan's own intervals, not the start-up ones; 12 hours, as the
    // transmission panel must not fall back to 24 hours.
    QTest::addRow("TX1 off, TX2 twice a day")
        << PlanChange([](StationPlan &p) {
               p.rows[1].samplingSeconds = 5;
               p.rows[1].storageSeconds = 900;
               p.transmissions[1].on = false;
               p.transmissions[2].on = true;
               p.transmissions[2].intervalSeconds = 43200;
           })
        << 0 << 0
        << Logging("0001", a, 5, 900) + Logging("0002", a + 1, 3600, 3600) +
               Logging("UBAT", a + 2, 86400, 86400) + Logging("PBAT", a + 3, 86400, 86400) +
               Logging("RSSI", a + 4, 86400, 86400) + Timing(a + 5, 2, 43200)
        << QString();
    QTest::addRow("hidden rows M6 to M8 give nothing")
        << PlanChange([](StationPlan &p) { p.transmissions[1].on = false; }) << 0 << 0 << fiveRows
        << QString();
    QTest::addRow("more than fit: the first that fit, the rest named")
        << PlanChange([](StationPlan &p) {
               p.conductivity = true;
               p.transmissions[2].on = true;
           })
        << 3 << 0
        << fiveRows + Logging("0006", a + 5, 3600, 3600) + Logging("0007", a + 6, 3600, 3600)
        << "M8 beyond limit, TX1 beyond limit, TX2 beyond limit";
    QTest::addRow("exactly fills the list") << PlanChange([](StationPlan &) {}) << 4 << 0
                                            << fiveRows + Timing(a + 5, 1, 86400) << QString();
    QTest::addRow("full list: nothing added")
        << PlanChange([](StationPlan &p) { p.rows[5].id.clear(); }) << 10 << 0 << QByteArray()
        << "M1 beyond limit, M2 beyond limit, M3 beyond limit, M4 beyond limit, M5 unknown ID, "
           "TX1 beyond limit";
    QTest::addRow("no selection")
        << PlanChange([](StationPlan &p) {
               p.rows[2].samplingSeconds.reset();
               p.rows[3].storageSeconds.reset();
               p.rows[4].samplingSeconds = 7; // a value no item stands for
               p.transmissions[1].intervalSeconds.reset();
           })
        << 0 << 0 << Logging("0001", a, 3600, 3600) + Logging("RSSI", a + 1, 86400, 86400)
        << "M2 no sampling, M3 no storage, M4 no sampling, TX1 no interval";
    QTest::addRow("weekly, no weekday known")
        << PlanChange([](StationPlan &p) { p.transmissions[1].intervalSeconds = SecondsPerWeek; })
        << 0 << 2 << fiveRows << "TX1 weekly without day";
    QTest::addRow("weekly on the known weekday") << PlanChange([](StationPlan &p) {
        p.transmissions[1].on = false;
        p.transmissions[2].on = true;
        p.transmissions[2].intervalSeconds = SecondsPerWeek;
    }) << 0 << 2 << fiveRows + Timing(a + 5, 2, 604803)
                                                 << QString();
    // A weekday known for a transmission that is not weekly changes nothing.
    QTest::addRow("daily with a weekday known") << PlanChange([](StationPlan &) {}) << 0 << 1
                                                << fiveRows + Timing(a + 5, 1, 86400) << QString();
}

void TestPlanEntries::entries()
{
    QFETCH(PlanChange, change);
    QFETCH(int, entriesInList);
    QFETCH(int, wednesdayFor);
    QFETCH(QByteArray, expected);
    QFETCH(QString, leftOut);
    StationPlan plan = KnownPlan();
    change(plan);
    PlanEntryContext context = Context(entriesInList);
    if (wednesdayFor)
        context.weekdayItems[wednesdayFor] = Wednesday;

    const PlanEntries result = EntriesFromPlan(plan, context, CountingSource(FirstAckId));
    QCOMPARE(EntriesText(result), expected);
    QCOMPARE(LeftOutText(result.leftOut), leftOut);
    QVERIFY(entriesInList + static_cast<int>(result.entries.size()) <= MaxListEntries);
}

void TestPlanEntries::panelsShowTheLastEntries_data()
{
    QTest::addColumn<PlanChange>("change");
    QTest::addColumn<QString>("measurementShown"); // empty: the sampling panel stays
    QTest::addColumn<int>("transmissionShown");    // 0: the transmission panel stays

    QTest::addRow("both panels") << PlanChange([](StationPlan &p) {
        p.transmissions[2].on = true;
        p.transmissions[2].intervalSeconds = 43200;
    }) << "RSSI" << 2;
    QTest::addRow("no transmission on")
        << PlanChange([](StationPlan &p) { p.transmissions[1].on = false; }) << "RSSI" << 0;
    QTest::addRow("last row without ID") << PlanChange([](StationPlan &p) {
        p.rows[5].id.clear();
        p.rows[4].id.clear();
    }) << "UBAT" << 1;
    QTest::addRow("no ID known") << PlanChange([](StationPlan &p) {
        for (StationPlan::Row &row : p.rows)
            row.id.clear();
    }) << QString() << 1;
}

// The panels show the last entry's values: adding from them again gives that
// very entry, byte for byte.
void TestPlanEntries::panelsShowTheLastEntries()
{
    QFETCH(PlanChange, change);
    QFETCH(QString, measurementShown);
    QFETCH(int, transmissionShown);
    StationPlan plan = KnownPlan();
    change(plan);
    const PlanEntries result = EntriesFromPlan(plan, Context(0), CountingSource(FirstAckId));

    // Each entry drew one ackId, in order; the same one makes the same bytes.
    const auto lastOf = [&result](PlanSource::Kind kind) {
        int last = -1;
        for (std::size_t i = 0; i < result.entries.size(); ++i)
            if (result.entries[i].source.kind == kind)
                last = static_cast<int>(i);
        return last;
    };
    EntryContext typed;
    typed.stationId = StationField;

    QCOMPARE(result.samplingPanel.has_value(), !measurementShown.isEmpty());
    if (result.samplingPanel) {
        QCOMPARE(QString::fromStdString(result.samplingPanel->measurementId), measurementShown);
        typed.measurementId = result.samplingPanel->measurementId;
        const int last = lastOf(PlanSource::Kind::Measurement);
        QCOMPARE(Bytes(BuildEntry(result.samplingPanel->input, typed,
                                  SequenceSource({FirstAckId + last}))),
                 Bytes(result.entries[static_cast<std::size_t>(last)].text));
    }
    QCOMPARE(result.transmissionPanel.has_value(), transmissionShown != 0);
    if (result.transmissionPanel) {
        QCOMPARE(result.transmissionPanel->index, transmissionShown);
        const int last = lastOf(PlanSource::Kind::Transmission);
        QCOMPARE(Bytes(BuildEntry(*result.transmissionPanel, typed,
                                  SequenceSource({FirstAckId + last}))),
                 Bytes(result.entries[static_cast<std::size_t>(last)].text));
    }
}

// An imported ID is 8-bit text; the user's upper-casing reads it as the
// measurement drop-down shows it.
void TestPlanEntries::rowIdsAreUpperCasedAsText()
{
    StationPlan plan = KnownPlan();
    plan.rows[1].id = "\xDF"
                      "1"; // "ß1" in Latin-1
    plan.transmissions[1].on = false;
    PlanEntryContext context = Context(0);
    context.upperCase = [](const std::string &text) {
        std::string upper = AsciiUpperCase(text);
        const std::string sharpS = "\xC3\x9F";
        for (std::size_t at; (at = upper.find(sharpS)) != std::string::npos;)
            upper.replace(at, sharpS.size(), "SS");
        return upper;
    };
    const PlanEntries result = EntriesFromPlan(plan, context, CountingSource(FirstAckId));
    QCOMPARE(EntriesText(result).left(Logging("0SS1", FirstAckId, 3600, 3600).size()),
             Logging("0SS1", FirstAckId, 3600, 3600));
}

void TestPlanEntries::leftOutMessage_data()
{
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("expected");

    QTest::addRow("English") << false
                             << QString("These commands of the plan were not added:\n"
                                        "M1 (0001): the command list is full (10 entries)\n"
                                        "M2: no measurement ID is known\n"
                                        "M3 (UBAT): no sampling interval is chosen\n"
                                        "M4 (PBAT): no storage interval is chosen\n"
                                        "TX1: \"weekly\" needs a weekday, which the plan does not "
                                        "name; choose it on the transmission interval panel\n"
                                        "TX2: no transmission interval is chosen");
    QTest::addRow("German") << true
                            << QString("Diese Kommandos aus dem Plan wurden nicht hinzugefügt:\n"
                                       "M1 (0001): die Kommandoliste ist voll (10 Einträge)\n"
                                       "M2: keine Messungsnummer bekannt\n"
                                       "M3 (UBAT): kein Messintervall gewählt\n"
                                       "M4 (PBAT): kein Speicherintervall gewählt\n"
                                       "TX1: \"weekly\" braucht einen Wochentag, den der Plan "
                                       "nicht nennt; wählen Sie ihn im Feld für das "
                                       "Übertragungsintervall\n"
                                       "TX2: kein Übertragungsintervall gewählt");
}

void TestPlanEntries::leftOutMessage()
{
    QFETCH(bool, german);
    QFETCH(QString, expected);
    using K = PlanSource::Kind;
    const std::vector<PlanLeftOut> leftOut = {
        {{K::Measurement, 1, "0001"}, LeftOutReason::BeyondLimit},
        {{K::Measurement, 2, ""}, LeftOutReason::UnknownId},
        {{K::Measurement, 3, "UBAT"}, LeftOutReason::NoSampling},
        {{K::Measurement, 4, "PBAT"}, LeftOutReason::NoStorage},
        {{K::Transmission, 1, ""}, LeftOutReason::WeeklyWithoutDay},
        {{K::Transmission, 2, ""}, LeftOutReason::NoInterval},
    };
    QCOMPARE(QString::fromStdString(PlanLeftOutMessage(leftOut, german)), expected);
    QCOMPARE(QString::fromStdString(PlanLeftOutMessage({}, german)), QString());
}

void TestPlanEntries::weekdaysOfSetup_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("weekday"); // NoItem: none

    QTest::addRow("off") << 0 << NoItem;
    QTest::addRow("daily") << 86400 << NoItem;
    QTest::addRow("weekly without a day") << 604800 << NoItem;
    QTest::addRow("Wednesday") << 604803 << Wednesday;
    // The transmission panel shows Sunday for any larger number.
    QTest::addRow("beyond Sunday") << 700000 << Sunday;
}

void TestPlanEntries::weekdaysOfSetup()
{
    QFETCH(int, interval);
    QFETCH(int, weekday);
    SetupModel setup;
    setup.Transmissions[2].Interval = interval;
    const auto items = WeekdayItemsOf(setup);
    QVERIFY(!items[1]);
    QCOMPARE(items[2].value_or(NoItem), weekday);
}

QTEST_APPLESS_MAIN(TestPlanEntries)
#include "tst_planentries.moc"
