#include "PinnedRandom.h"
#include "commandfile/EntryBuilder.h"
#include "commandfile/ListText.h"

#include "tests/support/TestText.h"

#include <QtTest>

Q_DECLARE_METATYPE(PanelInput)

using Missing = std::optional<PanelField>;
Q_DECLARE_METATYPE(Missing)

namespace {

constexpr int FirstAckId = 20001;
constexpr int MillisecondsPerSecond = 1000;

// Station and measurement as a user may leave them: blanks, lower case, short.
EntryContext TypedContext()
{
    EntryContext context;
    context.stationId = " 0000000001 ";
    context.measurementId = "1";
    return context;
}

TransmissionInput Transmission(int index, int intervalItem)
{
    TransmissionInput input;
    input.index = index;
    input.intervalItem = intervalItem;
    return input;
}

QueryInput Query(std::vector<ListedMeasurement> measurements)
{
    QueryInput input;
    input.start = {2024, 3, 1, 0, 0};
    input.end = {2024, 3, 2, 23, 59};
    input.format = "CSV";
    input.measurements = std::move(measurements);
    return input;
}

const std::vector<ListedMeasurement> ThreeListed = {
    {"0001", false}, {"0002", false}, {"UBAT", false}};

std::vector<ListedMeasurement> Ticked(std::initializer_list<bool> ticks)
{
    std::vector<ListedMeasurement> measurements = ThreeListed;
    std::size_t i = 0;
    for (const bool tick : ticks)
        measurements[i++].ticked = tick;
    return measurements;
}

} // namespace

class TestEntryBuilder : public QObject
{
    Q_OBJECT

private slots:
    void templates_data();
    void templates();
    void missingSelection_data();
    void missingSelection();
    void buildRefusesMissingSelection();
    void kindOfPanels();
    void fileNameSpace_data();
    void fileNameSpace();
    void exampleFile();
};

void TestEntryBuilder::templates_data()
{
    QTest::addColumn<PanelInput>("panel");
    QTest::addColumn<QByteArray>("expected");

    const char *open = " <StationCommands stationId=\"0000000001\">";
    const char *close = " </StationCommands>";

    QTest::addRow("configuration, trimmed")
        << PanelInput(ConfigurationInput{"  Pelora_1000_1_setup_20200818.bin "})
        << Lines({open,
                  "  <UpdateConfiguration configurationFile=\"Pelora_1000_1_setup_20200818.bin\" "
                  "ackId=\"20001\" />",
                  close});
    QTest::addRow("configuration, empty name")
        << PanelInput(ConfigurationInput{""})
        << Lines({open, "  <UpdateConfiguration configurationFile=\"\" ackId=\"20001\" />", close});
    QTest::addRow("firmware, ampersand and space unescaped")
        << PanelInput(FirmwareInput{"fw&new 1.bin"})
        << Lines(
               {open, "  <UpdateFirmware firmwareFile=\"fw&new 1.bin\" ackId=\"20001\" />", close});
    QTest::addRow("sampling only")
        << PanelInput(SamplingInput{15, false, 18})
        << Lines({open, "  <ChannelCommands channelId=\"0001\">",
                  "   <Logging ackId=\"20001\" samplingInterval=\"900\" />", "  </ChannelCommands>",
                  close});
    QTest::addRow("sampling and averaging")
        << PanelInput(SamplingInput{0, true, 25})
        << Lines({open, "  <ChannelCommands channelId=\"0001\">",
                  "   <Logging ackId=\"20001\" samplingInterval=\"5\" storageInterval=\"86400\" />",
                  "  </ChannelCommands>", close});
    QTest::addRow("sampling, averaging unticked without item")
        << PanelInput(SamplingInput{18, false, NoItem})
        << Lines({open, "  <ChannelCommands channelId=\"0001\">",
                  "   <Logging ackId=\"20001\" samplingInterval=\"3600\" />",
                  "  </ChannelCommands>", close});
    QTest::addRow("scaling")
        << PanelInput(ScalingInput{"2,50", "-0.25"})
        << Lines({open, "  <ChannelCommands channelId=\"0001\">",
                  "   <Scaling ackId=\"20001\" factor=\"2.5\" offset=\"-0.25\" />",
                  "  </ChannelCommands>", close});
    QTest::addRow("scaling defaults")
        << PanelInput(ScalingInput{"abc", ""})
        << Lines({open, "  <ChannelCommands channelId=\"0001\">",
                  "   <Scaling ackId=\"20001\" factor=\"1\" offset=\"0\" />",
                  "  </ChannelCommands>", close});
    QTest::addRow("limit upper") << PanelInput(LimitInput{1, 0, "2,50"})
                                 << Lines({open, "  <ChannelCommands channelId=\"0001\">",
                                           "   <Limit ackId=\"20001\" index=\"1\" upper=\"2.5\" />",
                                           "  </ChannelCommands>", close});
    QTest::addRow("limit lower, letter deleted")
        << PanelInput(LimitInput{3, 1, "1e5"})
        << Lines({open, "  <ChannelCommands channelId=\"0001\">",
                  "   <Limit ackId=\"20001\" index=\"3\" lower=\"15\" />", "  </ChannelCommands>",
                  close});
    QTest::addRow("limit without direction")
        << PanelInput(LimitInput{2, NoItem, "0,00001"})
        << Lines({open, "  <ChannelCommands channelId=\"0001\">",
                  "   <Limit ackId=\"20001\" index=\"2\" upper=\"1E-5\" />", "  </ChannelCommands>",
                  close});
    QTest::addRow("gradient rising")
        << PanelInput(GradientInput{1, 0, "0.5"})
        << Lines({open, "  <ChannelCommands channelId=\"0001\">",
                  "   <Gradient ackId=\"20001\" index=\"1\" rising=\"0.5\" />",
                  "  </ChannelCommands>", close});
    QTest::addRow("gradient falling")
        << PanelInput(GradientInput{2, 1, "-1"})
        << Lines({open, "  <ChannelCommands channelId=\"0001\">",
                  "   <Gradient ackId=\"20001\" index=\"2\" falling=\"-1\" />",
                  "  </ChannelCommands>", close});
    QTest::addRow("gradient both")
        << PanelInput(GradientInput{3, 2, ""})
        << Lines({open, "  <ChannelCommands channelId=\"0001\">",
                  "   <Gradient ackId=\"20001\" index=\"3\" both=\"0\" />", "  </ChannelCommands>",
                  close});

    QTest::addRow("transmission, interval only")
        << PanelInput(Transmission(2, 18))
        << Lines({open, "  <SetIPDataTransmission ackId=\"20001\" index=\"2\">",
                  "   <Timing interval=\"86400\" />", "  </SetIPDataTransmission>", close});
    TransmissionInput everything = Transmission(1, 0);
    everything.offsetTicked = true;
    everything.offsetMilliseconds = (23 * 3600 + 59 * 60 + 59) * MillisecondsPerSecond;
    everything.alarmTicked = {true, true, true};
    everything.alarmItems = {0, 8, 18};
    QTest::addRow("transmission, every option in order")
        << PanelInput(everything)
        << Lines({open, "  <SetIPDataTransmission ackId=\"20001\" index=\"1\">",
                  "   <Timing interval=\"60\" offset=\"86399\" alarmInterval1=\"60\" "
                  "alarmInterval2=\"900\" alarmInterval3=\"86400\" />",
                  "  </SetIPDataTransmission>", close});
    TransmissionInput weekly = Transmission(1, 25);
    weekly.alarmTicked = {false, true, false};
    weekly.alarmItems = {NoItem, 11, NoItem};
    QTest::addRow("transmission, weekly Sunday, only second alarm")
        << PanelInput(weekly)
        << Lines({open, "  <SetIPDataTransmission ackId=\"20001\" index=\"1\">",
                  "   <Timing interval=\"604807\" alarmInterval2=\"3600\" />",
                  "  </SetIPDataTransmission>", close});
    TransmissionInput rounded = Transmission(1, 19);
    rounded.offsetTicked = true;
    rounded.offsetMilliseconds = 300 * MillisecondsPerSecond + 499;
    QTest::addRow("transmission, Monday, offset rounded")
        << PanelInput(rounded)
        << Lines({open, "  <SetIPDataTransmission ackId=\"20001\" index=\"1\">",
                  "   <Timing interval=\"604801\" offset=\"300\" />", "  </SetIPDataTransmission>",
                  close});
    TransmissionInput midnight = Transmission(1, 11);
    midnight.offsetTicked = true;
    midnight.offsetMilliseconds = 86399 * MillisecondsPerSecond + 600;
    QTest::addRow("transmission, offset rounding up to midnight")
        << PanelInput(midnight)
        << Lines({open, "  <SetIPDataTransmission ackId=\"20001\" index=\"1\">",
                  "   <Timing interval=\"3600\" offset=\"0\" />", "  </SetIPDataTransmission>",
                  close});

    QTest::addRow("configuration and diagnostics: two blocks")
        << PanelInput(ConfigDiagnosticsInput{true, true})
        << Lines({open, "  <SaveConfiguration ackId=\"20001\" />", close, open,
                  "  <SendDebugLog ackId=\"20002\" />", close});
    QTest::addRow("configuration only")
        << PanelInput(ConfigDiagnosticsInput{true, false})
        << Lines({open, "  <SaveConfiguration ackId=\"20001\" />", close});
    QTest::addRow("diagnostics only") << PanelInput(ConfigDiagnosticsInput{false, true})
                                      << Lines({open, "  <SendDebugLog ackId=\"20001\" />", close});

    const char *queryOpen =
        " <Query start=\"2024-03-01T00:00:00\" end=\"2024-03-02T23:59:00\" ackId=\"20001\" "
        "format=\"CSV\" >";
    QTest::addRow("query, nothing ticked")
        << PanelInput(Query(ThreeListed)) << Lines({queryOpen, " </Query>"});
    QTest::addRow("query, one of three")
        << PanelInput(Query(Ticked({false, true, false})))
        << Lines({queryOpen, "  <QueryValues />", "  <QueryChannel channelId=\"0002\" />",
                  " </Query>"});
    QTest::addRow("query, all three") << PanelInput(Query(Ticked({true, true, true})))
                                      << Lines({queryOpen, "  <QueryValues />", " </Query>"});
    QueryInput events = Query(Ticked({true, false, true}));
    events.stationEvents = true;
    events.measurementEvents = true;
    QTest::addRow("query, two of three and both event kinds")
        << PanelInput(events)
        << Lines({queryOpen, "  <QueryValues />", "  <QueryChannel channelId=\"0001\" />",
                  "  <QueryChannel channelId=\"UBAT\" />", "  <QueryStationEvents />",
                  "  <QueryEvents />", " </Query>"});
    QueryInput channelEvents = Query({});
    channelEvents.measurementEvents = true;
    channelEvents.format = "ZRXPV3";
    channelEvents.start = {2023, 12, 31, 7, 5};
    channelEvents.end = {2024, 1, 1, 23, 59};
    QTest::addRow("query, empty list, measurement events")
        << PanelInput(channelEvents)
        << Lines({" <Query start=\"2023-12-31T07:05:00\" end=\"2024-01-01T23:59:00\" "
                  "ackId=\"20001\" format=\"ZRXPV3\" >",
                  "  <QueryEvents />", " </Query>"});
}

void TestEntryBuilder::templates()
{
    QFETCH(PanelInput, panel);
    QFETCH(QByteArray, expected);
    QCOMPARE(Bytes(BuildEntry(panel, TypedContext(), CountingSource(FirstAckId))), expected);
}

void TestEntryBuilder::missingSelection_data()
{
    QTest::addColumn<PanelInput>("panel");
    QTest::addColumn<Missing>("missing");

    QTest::addRow("sampling without item")
        << PanelInput(SamplingInput{NoItem, false, 18}) << Missing(PanelField::SamplingInterval);
    QTest::addRow("sampling beyond table")
        << PanelInput(SamplingInput{26, false, 18}) << Missing(PanelField::SamplingInterval);
    QTest::addRow("averaging ticked without item")
        << PanelInput(SamplingInput{18, true, NoItem}) << Missing(PanelField::AveragingInterval);
    QTest::addRow("sampling complete") << PanelInput(SamplingInput{18, true, 25}) << Missing();
    QTest::addRow("interval without item")
        << PanelInput(Transmission(1, NoItem)) << Missing(PanelField::TransmissionInterval);
    QTest::addRow("interval beyond table")
        << PanelInput(Transmission(1, 26)) << Missing(PanelField::TransmissionInterval);
    TransmissionInput alarm = Transmission(1, 18);
    alarm.alarmTicked = {false, false, true};
    alarm.alarmItems = {NoItem, NoItem, NoItem};
    QTest::addRow("ticked alarm without item")
        << PanelInput(alarm) << Missing(PanelField::AlarmInterval3);
    alarm.alarmTicked = {true, true, false};
    QTest::addRow("first of two alarms without item")
        << PanelInput(alarm) << Missing(PanelField::AlarmInterval1);
    alarm.alarmTicked = {false, false, true};
    alarm.alarmItems = {NoItem, NoItem, 19};
    QTest::addRow("alarm on a weekday item")
        << PanelInput(alarm) << Missing(PanelField::AlarmInterval3);
    alarm.alarmTicked = {false, false, false};
    QTest::addRow("unticked alarm without item") << PanelInput(alarm) << Missing();
    QTest::addRow("limit needs no drop-down item")
        << PanelInput(LimitInput{1, NoItem, "1"}) << Missing();
}

void TestEntryBuilder::missingSelection()
{
    QFETCH(PanelInput, panel);
    QFETCH(Missing, missing);
    QVERIFY(MissingSelection(panel) == missing);
}

void TestEntryBuilder::buildRefusesMissingSelection()
{
    QVERIFY_THROWS_EXCEPTION(
        std::invalid_argument,
        BuildEntry(Transmission(1, NoItem), TypedContext(), CountingSource(FirstAckId)));
}

void TestEntryBuilder::kindOfPanels()
{
    QCOMPARE(KindOf(QueryInput{}), EntryKind::Query);
    QCOMPARE(KindOf(FirmwareInput{}), EntryKind::Command);
    QCOMPARE(KindOf(ConfigDiagnosticsInput{}), EntryKind::Command);
}

void TestEntryBuilder::fileNameSpace_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("warned");

    QTest::addRow("inner space") << QByteArray("new fw.bin") << true;
    QTest::addRow("outer blanks only") << QByteArray(" fw.bin  ") << false;
    QTest::addRow("none") << QByteArray("fw.bin") << false;
}

void TestEntryBuilder::fileNameSpace()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, warned);
    QCOMPARE(FileNameHasSpace(file.toStdString()), warned);
}

// Five command entries and one query added one after another, as a user
// composes them for station 0000000001.
void TestEntryBuilder::exampleFile()
{
    EntryContext context;
    context.stationId = "0000000001";
    context.measurementId = "0001";
    context.decimalSeparator = ',';

    TransmissionInput transmission = Transmission(1, 11);
    transmission.offsetTicked = true;
    transmission.offsetMilliseconds = 300 * MillisecondsPerSecond;
    transmission.alarmTicked = {true, false, false};
    transmission.alarmItems = {8, 18, 18};

    QueryInput query = Query(Ticked({true, true, false}));
    query.format = "Vesk-ML";
    query.stationEvents = true;

    const std::vector<PanelInput> added = {FirmwareInput{"7310482265_01005_pl1000.bin"},
                                           SamplingInput{15, true, 18},
                                           LimitInput{1, 0, "2,50"},
                                           transmission,
                                           ConfigDiagnosticsInput{true, true},
                                           query};

    const RandomSource random = CountingSource(FirstAckId);
    std::string list;
    for (const PanelInput &panel : added)
        list = InsertEntry(list, KindOf(panel), BuildEntry(panel, context, random));

    const QByteArray expected = Lines({
        "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>",
        "<CommandList>",
        " <StationCommands stationId=\"0000000001\">",
        "  <UpdateFirmware firmwareFile=\"7310482265_01005_pl1000.bin\" ackId=\"20001\" />",
        " </StationCommands>",
        " <StationCommands stationId=\"0000000001\">",
        "  <ChannelCommands channelId=\"0001\">",
        "   <Logging ackId=\"20002\" samplingInterval=\"900\" storageInterval=\"3600\" />",
        "  </ChannelCommands>",
        " </StationCommands>",
        " <StationCommands stationId=\"0000000001\">",
        "  <ChannelCommands channelId=\"0001\">",
        "   <Limit ackId=\"20003\" index=\"1\" upper=\"2.5\" />",
        "  </ChannelCommands>",
        " </StationCommands>",
        " <StationCommands stationId=\"0000000001\">",
        "  <SetIPDataTransmission ackId=\"20004\" index=\"1\">",
        "   <Timing interval=\"3600\" offset=\"300\" alarmInterval1=\"900\" />",
        "  </SetIPDataTransmission>",
        " </StationCommands>",
        " <StationCommands stationId=\"0000000001\">",
        "  <SaveConfiguration ackId=\"20005\" />",
        " </StationCommands>",
        " <StationCommands stationId=\"0000000001\">",
        "  <SendDebugLog ackId=\"20006\" />",
        " </StationCommands>",
        "</CommandList>",
        "<QueryList>",
        " <Query start=\"2024-03-01T00:00:00\" end=\"2024-03-02T23:59:00\" ackId=\"20007\" "
        "format=\"Vesk-ML\" >",
        "  <QueryValues />",
        "  <QueryChannel channelId=\"0001\" />",
        "  <QueryChannel channelId=\"0002\" />",
        "  <QueryStationEvents />",
        " </Query>",
        "</QueryList>",
    });
    QCOMPARE(Bytes(list), expected);
}

QTEST_APPLESS_MAIN(TestEntryBuilder)
#include "tst_entrybuilder.moc"
