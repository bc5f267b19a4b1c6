#include "estimators/PlanIds.h"
#include "estimators/StationPlan.h"
#include "setup/SetupModel.h"
#include "tests/estimators/PlanText.h"
#include "tests/estimators/SetupCases.h"

#include <QtTest>

#include <functional>

using SetupCases::PlanChange;
using SetupCases::SetupChange;

// What the page's controls hold, as item positions: the form in which the
// page hands its inputs to the models.
struct PageItems
{
    struct Row
    {
        int sampling = 0;
        int storage = 0;
        bool inTX1 = false;
        bool inTX2 = false;
    };
    struct Transmission
    {
        bool on = false;
        int interval = 0;
        int format = 0;
        int server = 0;
        bool compression = false;
        int compressionLevel = 0;
        bool stationEvents = false;
        bool measurementEvents = false;
        int eventsNumber = 0;
        int secondaryMode = 0;
        int secondaryServer = 0;
        int backupPercent = 0;
    };
    OneBasedArray<Row, EstimatorRowCount> rows;
    bool conductivity = false;
    int network = 0;
    int observer = 0;
    OneBasedArray<Transmission, EstimatorTransmissionCount> transmissions;
};

using ItemsChange = std::function<void(PageItems &)>;
Q_DECLARE_METATYPE(PlanChange)
Q_DECLARE_METATYPE(ItemsChange)
Q_DECLARE_METATYPE(SetupChange)
Q_DECLARE_METATYPE(StationPlan)

namespace {

constexpr int Hourly = 18;
constexpr int Daily = 25;
constexpr int DailyTransmission = 18;
constexpr int WeeklyTransmission = 19;

// The page as the program starts, item by item.
PageItems StartupItems()
{
    PageItems page;
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        const int item = i >= 3 && i <= 5 ? Daily : Hourly;
        page.rows[i] = {item, item, true, true};
    }
    page.observer = 2;
    for (int t = 1; t <= EstimatorTransmissionCount; ++t)
        page.transmissions[t] = {
            t == 1, DailyTransmission, t == 1 ? 1 : 0, 0, true, 4, true, true, 1, 0, 0, 30};
    return page;
}

// The inputs the page gives the models.
BatteryInputs BatteryInputsOf(const PageItems &page)
{
    BatteryInputs inputs;
    for (int i = 1; i <= EstimatorRowCount; ++i)
        inputs.samplingIndex[i] = page.rows[i].sampling;
    inputs.conductivity = page.conductivity;
    inputs.radioNetwork = page.network;
    inputs.observer = page.observer;
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const PageItems::Transmission &tx = page.transmissions[t];
        inputs.transmissions[t] = {
            tx.on, tx.interval, tx.server, tx.secondaryMode, tx.secondaryServer, tx.backupPercent};
    }
    return inputs;
}

VolumeInputs VolumeInputsOf(const PageItems &page)
{
    VolumeInputs inputs;
    for (int i = 1; i <= EstimatorRowCount; ++i)
        inputs.rows[i] = {page.rows[i].inTX1, page.rows[i].inTX2, page.rows[i].storage};
    inputs.conductivity = page.conductivity;
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const PageItems::Transmission &in = page.transmissions[t];
        TransmissionInputs &tx = inputs.transmissions[t];
        tx.on = in.on;
        tx.intervalIndex = in.interval;
        tx.format = in.format;
        tx.primaryServerType = in.server;
        tx.compression = in.compression;
        tx.compressionLevel = in.compressionLevel;
        tx.stationEvents = in.stationEvents;
        tx.channelEvents = in.measurementEvents;
        tx.eventsNumber = in.eventsNumber;
        tx.secondaryMode = in.secondaryMode;
        tx.secondaryServerType = in.secondaryServer;
        tx.backupPercent = in.backupPercent;
    }
    return inputs;
}

template <typename Choice> void RoundTrip(int count)
{
    QSet<QString> ids;
    for (int item = 0; item < count; ++item) {
        const auto choice = static_cast<Choice>(item);
        const std::string_view id = IdOf(choice);
        const QString text = QString::fromLatin1(id.data(), static_cast<qsizetype>(id.size()));
        QVERIFY2(!text.isEmpty(), qPrintable(QString::number(item)));
        QCOMPARE(text, text.toLower());
        QVERIFY2(!text.contains(QLatin1Char(' ')), qPrintable(text));
        QVERIFY2(!ids.contains(text), qPrintable(text));
        ids.insert(text);
        QVERIFY2(ChoiceOf<Choice>(id) == choice, qPrintable(text));
    }
    QVERIFY(!ChoiceOf<Choice>("").has_value());
    QVERIFY(!ChoiceOf<Choice>("no-such-choice").has_value());
}

} // namespace

class TestStationPlan : public QObject
{
    Q_OBJECT

private slots:
    void defaultPlanFigures();
    void estimatesAsThePageGivesThem_data();
    void estimatesAsThePageGivesThem();
    void planFromSetup_data();
    void planFromSetup();
    void planFromSetupLeavesTheModel();
    void namesConductivity_data();
    void namesConductivity();
    void chooseConductivity();
    void identifiers();
    void identifiersOfTheExamples();
    void equality_data();
    void equality();
};

// The figures the page shows at start-up.
void TestStationPlan::defaultPlanFigures()
{
    const StationPlan plan = DefaultPlan();
    const BatteryShares shares = EstimateBattery(plan);
    QVERIFY2(qAbs(shares.mAhTotal - 5.33008) < 1e-6, qPrintable(QString::number(shares.mAhTotal)));
    QCOMPARE(QString::fromStdString(BatteryLife(CapacityAtMinus20C, shares.mAhTotal, '.').days),
             QString("2439"));
    QCOMPARE(QString::fromStdString(BatteryLife(CapacityAt20C, shares.mAhTotal, '.').days),
             QString("> 3653"));

    const VolumeResult volume = EstimateVolume(plan);
    QVERIFY2(qAbs(volume.perTX1 - 2305.2) < 1e-9, qPrintable(QString::number(volume.perTX1)));
    QVERIFY2(qAbs(volume.month1 - 71461.2) < 1e-8, qPrintable(QString::number(volume.month1)));
    QCOMPARE(volume.VolTX1Netto, 1080.0);
    QCOMPARE(volume.perTX2, 0.0);
    QCOMPARE(volume.month2, 0.0);
    QCOMPARE(FormatVolume(volume.perTX1, '.'), std::string("2305 Bytes"));
}

// Each row changes the start-up plan and, as the user would see it, the
// start-up controls; both estimates of the plan equal the models' figures
// for those controls.
void TestStationPlan::estimatesAsThePageGivesThem_data()
{
    QTest::addColumn<PlanChange>("plan");
    QTest::addColumn<ItemsChange>("page");

    using F = StationPlan::Format;
    using S = StationPlan::Server;
    using M = StationPlan::SecondaryMode;
    using N = StationPlan::Network;
    using O = StationPlan::Observer;

    QTest::addRow("start-up") << PlanChange([](StationPlan &) {})
                              << ItemsChange([](PageItems &) {});
    QTest::addRow("M1 sampling every 15 minutes")
        << PlanChange([](StationPlan &p) { p.rows[1].samplingSeconds = 900; })
        << ItemsChange([](PageItems &p) { p.rows[1].sampling = 15; });
    QTest::addRow("M1 and M2 sampling without selection") << PlanChange([](StationPlan &p) {
        p.rows[1].samplingSeconds = std::nullopt;
        p.rows[2].samplingSeconds = std::nullopt;
    }) << ItemsChange([](PageItems &p) {
        p.rows[1].sampling = NoItem;
        p.rows[2].sampling = NoItem;
    });
    QTest::addRow("sampling not in the list")
        << PlanChange([](StationPlan &p) { p.rows[2].samplingSeconds = 45; })
        << ItemsChange([](PageItems &p) { p.rows[2].sampling = NoItem; });
    QTest::addRow("M1 storage without selection, M2 every 2 hours")
        << PlanChange([](StationPlan &p) {
               p.rows[1].storageSeconds = std::nullopt;
               p.rows[2].storageSeconds = 7200;
           })
        << ItemsChange([](PageItems &p) {
               p.rows[1].storage = NoItem;
               p.rows[2].storage = 19;
           });
    QTest::addRow("M3 only in TX2") << PlanChange([](StationPlan &p) { p.rows[3].inTX1 = false; })
                                    << ItemsChange([](PageItems &p) { p.rows[3].inTX1 = false; });
    QTest::addRow("conductivity") << PlanChange([](StationPlan &p) { p.conductivity = true; })
                                  << ItemsChange([](PageItems &p) { p.conductivity = true; });
    QTest::addRow("conductivity, M6 every 5 s, M7 not in TX1") << PlanChange([](StationPlan &p) {
        p.conductivity = true;
        p.rows[6].samplingSeconds = 5;
        p.rows[6].storageSeconds = 5;
        p.rows[7].inTX1 = false;
    }) << ItemsChange([](PageItems &p) {
        p.conductivity = true;
        p.rows[6].sampling = 0;
        p.rows[6].storage = 0;
        p.rows[7].inTX1 = false;
    });
    QTest::addRow("M6 to M8 every 5 s without conductivity") << PlanChange([](StationPlan &p) {
        for (int i = FirstConductivityRow; i <= EstimatorRowCount; ++i)
            p.rows[i].samplingSeconds = p.rows[i].storageSeconds = 5;
    }) << ItemsChange([](PageItems &p) {
        for (int i = FirstConductivityRow; i <= EstimatorRowCount; ++i)
            p.rows[i].sampling = p.rows[i].storage = 0;
    });
    QTest::addRow("CAT-M1, BLE once a day") << PlanChange([](StationPlan &p) {
        p.network = N::CatM1;
        p.observer = O::OnceADay;
    }) << ItemsChange([](PageItems &p) {
        p.network = 1;
        p.observer = 0;
    });
    QTest::addRow("network and BLE without selection") << PlanChange([](StationPlan &p) {
        p.network = std::nullopt;
        p.observer = std::nullopt;
    }) << ItemsChange([](PageItems &p) {
        p.network = NoItem;
        p.observer = NoItem;
    });
    QTest::addRow("TX1 weekly") << PlanChange([](StationPlan &p) {
        p.transmissions[1].intervalSeconds = SecondsPerWeek;
    }) << ItemsChange([](PageItems &p) { p.transmissions[1].interval = WeeklyTransmission; });
    QTest::addRow("TX1 weekday code, not in the list")
        << PlanChange([](StationPlan &p) { p.transmissions[1].intervalSeconds = 604803; })
        << ItemsChange([](PageItems &p) { p.transmissions[1].interval = NoItem; });
    QTest::addRow("TX1 interval without selection")
        << PlanChange([](StationPlan &p) { p.transmissions[1].intervalSeconds = std::nullopt; })
        << ItemsChange([](PageItems &p) { p.transmissions[1].interval = NoItem; });
    QTest::addRow("TX1 off") << PlanChange([](StationPlan &p) { p.transmissions[1].on = false; })
                             << ItemsChange([](PageItems &p) { p.transmissions[1].on = false; });
    QTest::addRow("TX1 CSV to HTTPS, uncompressed, events off") << PlanChange([](StationPlan &p) {
        StationPlan::Transmission &tx = p.transmissions[1];
        tx.format = F::Csv;
        tx.server = S::Https;
        tx.compression = false;
        tx.stationEvents = false;
        tx.measurementEvents = false;
    }) << ItemsChange([](PageItems &p) {
        PageItems::Transmission &tx = p.transmissions[1];
        tx.format = 2;
        tx.server = 2;
        tx.compression = false;
        tx.stationEvents = false;
        tx.measurementEvents = false;
    });
    QTest::addRow("TX1 three events, compression level 2") << PlanChange([](StationPlan &p) {
        p.transmissions[1].eventsNumber = 3;
        p.transmissions[1].compressionLevel = 2;
    }) << ItemsChange([](PageItems &p) {
        p.transmissions[1].eventsNumber = 3;
        p.transmissions[1].compressionLevel = 2;
    });
    QTest::addRow("TX1 backup to FTPS, 45 %%") << PlanChange([](StationPlan &p) {
        p.transmissions[1].secondaryMode = M::Backup;
        p.transmissions[1].secondaryServer = S::Ftps;
        p.transmissions[1].backupPercent = 45;
    }) << ItemsChange([](PageItems &p) {
        p.transmissions[1].secondaryMode = 1;
        p.transmissions[1].secondaryServer = 5;
        p.transmissions[1].backupPercent = 45;
    });
    QTest::addRow("TX1 both servers, MQTTS") << PlanChange([](StationPlan &p) {
        p.transmissions[1].secondaryMode = M::BothServers;
        p.transmissions[1].secondaryServer = S::Mqtts;
    }) << ItemsChange([](PageItems &p) {
        p.transmissions[1].secondaryMode = 2;
        p.transmissions[1].secondaryServer = 4;
    });
    QTest::addRow("TX1 drop-downs without selection") << PlanChange([](StationPlan &p) {
        StationPlan::Transmission &tx = p.transmissions[1];
        tx.format = std::nullopt;
        tx.server = std::nullopt;
        tx.secondaryMode = std::nullopt;
        tx.secondaryServer = std::nullopt;
    }) << ItemsChange([](PageItems &p) {
        PageItems::Transmission &tx = p.transmissions[1];
        tx.format = NoItem;
        tx.server = NoItem;
        tx.secondaryMode = NoItem;
        tx.secondaryServer = NoItem;
    });
    QTest::addRow("TX1 primary server without selection, both servers FTP")
        << PlanChange([](StationPlan &p) {
               p.transmissions[1].server = std::nullopt;
               p.transmissions[1].secondaryMode = M::BothServers;
               p.transmissions[1].secondaryServer = S::Ftp;
           })
        << ItemsChange([](PageItems &p) {
               p.transmissions[1].server = NoItem;
               p.transmissions[1].secondaryMode = 2;
               p.transmissions[1].secondaryServer = 1;
           });
    QTest::addRow("TX2 on") << PlanChange([](StationPlan &p) { p.transmissions[2].on = true; })
                            << ItemsChange([](PageItems &p) { p.transmissions[2].on = true; });
    QTest::addRow("TX2 on weekly, ZRXP V3 to MQTT, M4 not in TX2")
        << PlanChange([](StationPlan &p) {
               StationPlan::Transmission &tx = p.transmissions[2];
               tx.on = true;
               tx.intervalSeconds = SecondsPerWeek;
               tx.format = F::ZrxpV3;
               tx.server = S::Mqtt;
               p.rows[4].inTX2 = false;
           })
        << ItemsChange([](PageItems &p) {
               PageItems::Transmission &tx = p.transmissions[2];
               tx.on = true;
               tx.interval = WeeklyTransmission;
               tx.format = 3;
               tx.server = 3;
               p.rows[4].inTX2 = false;
           });
    QTest::addRow("TX2 on hourly, without format") << PlanChange([](StationPlan &p) {
        p.transmissions[2].on = true;
        p.transmissions[2].intervalSeconds = SecondsPerHour;
        p.transmissions[2].format = std::nullopt;
    }) << ItemsChange([](PageItems &p) {
        p.transmissions[2].on = true;
        p.transmissions[2].interval = 11;
        p.transmissions[2].format = NoItem;
    });
}

void TestStationPlan::estimatesAsThePageGivesThem()
{
    QFETCH(PlanChange, plan);
    QFETCH(ItemsChange, page);

    StationPlan chosen = DefaultPlan();
    plan(chosen);
    PageItems items = StartupItems();
    page(items);

    QCOMPARE(PlanText::Figures(EstimateBattery(chosen)),
             PlanText::Figures(EstimateBatteryShares(BatteryInputsOf(items))));
    QCOMPARE(PlanText::Figures(EstimateVolume(chosen)),
             PlanText::Figures(EstimateVolume(VolumeInputsOf(items))));
}

// Every case once on the start-up page and once on a page far from it.
void TestStationPlan::planFromSetup_data()
{
    QTest::addColumn<SetupChange>("setup");
    QTest::addColumn<StationPlan>("base");
    QTest::addColumn<PlanChange>("expected");

    // An import keeps the planner's targets.
    StationPlan withTargets = DefaultPlan();
    withTargets.targets = {5, 50};
    const std::pair<const char *, StationPlan> bases[] = {
        {"start-up page", DefaultPlan()},
        {"changed page", SetupCases::ChangedPage()},
        {"page with targets", withTargets}};
    for (const auto &[baseName, base] : bases) {
        for (const SetupCases::Case &c : SetupCases::All())
            QTest::addRow("%s: %s", baseName, c.name) << c.setup << base << c.expected;
    }
}

void TestStationPlan::planFromSetup()
{
    QFETCH(SetupChange, setup);
    QFETCH(StationPlan, base);
    QFETCH(PlanChange, expected);

    StationPlan wanted = SetupCases::Applied(base);
    expected(wanted);
    const StationPlan actual = PlanFromSetup(SetupCases::ReadModel(setup), base);
    QCOMPARE(PlanText::Lines(actual), PlanText::Lines(wanted));
    QVERIFY(actual == wanted);
}

// The corrections work on a copy: the caller's model keeps its codes.
void TestStationPlan::planFromSetupLeavesTheModel()
{
    const SetupModel model = SetupCases::ReadModel([](SetupModel &m) {
        m.Transmissions[1].DataFormat = 9;
        m.Transmissions[1].Server2Mode = 7;
    });
    const SetupModel before = model;
    PlanFromSetup(model);
    QCOMPARE(model.Transmissions[1].DataFormat, before.Transmissions[1].DataFormat);
    QCOMPARE(model.Transmissions[1].Server2Mode, before.Transmissions[1].Server2Mode);
    QCOMPARE(model.Transmissions[1].Server1Type, before.Transmissions[1].Server1Type);
}

void TestStationPlan::namesConductivity_data()
{
    QTest::addColumn<QByteArray>("name8");
    QTest::addColumn<QByteArray>("name7");
    QTest::addColumn<bool>("conductivity");

    QTest::addRow("TDS") << QByteArray("TDS") << QByteArray() << true;
    QTest::addRow("TDS within the name") << QByteArray("Total TDS mg/l") << QByteArray() << true;
    QTest::addRow("lower case") << QByteArray("tds") << QByteArray() << false;
    QTest::addRow("no name") << QByteArray() << QByteArray() << false;
    QTest::addRow("other name") << QByteArray("Level") << QByteArray() << false;
    QTest::addRow("TDS on channel 7 only") << QByteArray("Level") << QByteArray("TDS") << false;
}

void TestStationPlan::namesConductivity()
{
    QFETCH(QByteArray, name8);
    QFETCH(QByteArray, name7);
    QFETCH(bool, conductivity);

    SetupModel model;
    ResetSetupForRead(model);
    model.Channels[8].Name = name8.toStdString();
    model.Channels[7].Name = name7.toStdString();
    QCOMPARE(NamesConductivity(model), conductivity);
}

// Turning the variant on names rows M6 to M8 as standard; staying on or
// turning it off keeps the names they have.
void TestStationPlan::chooseConductivity()
{
    StationPlan imported = PlanFromSetup(SetupCases::ReadModel([](SetupModel &m) {
        for (int i = 1; i <= EstimatorRowCount; ++i)
            m.Channels[i].Name = "C" + std::to_string(i);
    }));

    StationPlan on = imported;
    ChooseConductivity(on, true);
    StationPlan expected = imported;
    expected.conductivity = true;
    for (int i = FirstConductivityRow; i <= EstimatorRowCount; ++i)
        expected.rows[i].name.reset();
    QCOMPARE(PlanText::Lines(on), PlanText::Lines(expected));

    StationPlan again = imported;
    again.conductivity = true;
    const StationPlan wasOn = again;
    ChooseConductivity(again, true);
    QCOMPARE(PlanText::Lines(again), PlanText::Lines(wasOn));

    StationPlan off = wasOn;
    ChooseConductivity(off, false);
    QCOMPARE(PlanText::Lines(off), PlanText::Lines(imported));
}

void TestStationPlan::identifiers()
{
    RoundTrip<StationPlan::Observer>(ObserverIntervalCount);
    RoundTrip<StationPlan::Network>(RadioNetworkCount);
    RoundTrip<StationPlan::Format>(DataFormatCount);
    RoundTrip<StationPlan::Server>(ServerTypeCount);
    RoundTrip<StationPlan::SecondaryMode>(SecondaryModeCount);
}

// Identifiers are written into files; these must never change.
void TestStationPlan::identifiersOfTheExamples()
{
    QCOMPARE(IdOf(StationPlan::Format::VeskMl), std::string_view("vesk-ml"));
    QCOMPARE(IdOf(StationPlan::Server::Https), std::string_view("https"));
    QCOMPARE(IdOf(StationPlan::SecondaryMode::Backup), std::string_view("backup"));
    QCOMPARE(IdOf(StationPlan::Network::CatM1), std::string_view("cat-m1"));
    QCOMPARE(IdOf(StationPlan::Observer::OnceADay), std::string_view("once-a-day"));
}

// A plan differs from the start-up plan in any single field.
void TestStationPlan::equality_data()
{
    QTest::addColumn<PlanChange>("change");

    QTest::addRow("row name") << PlanChange([](StationPlan &p) { p.rows[8].name = "TDS"; });
    QTest::addRow("row name empty, not standard")
        << PlanChange([](StationPlan &p) { p.rows[1].name = std::string(); });
    QTest::addRow("row ID") << PlanChange([](StationPlan &p) { p.rows[2].id = "0002"; });
    QTest::addRow("sampling") << PlanChange([](StationPlan &p) { p.rows[3].samplingSeconds = 5; });
    QTest::addRow("sampling without selection")
        << PlanChange([](StationPlan &p) { p.rows[3].samplingSeconds = std::nullopt; });
    QTest::addRow("storage") << PlanChange([](StationPlan &p) { p.rows[4].storageSeconds = 5; });
    QTest::addRow("in TX1") << PlanChange([](StationPlan &p) { p.rows[5].inTX1 = false; });
    QTest::addRow("in TX2") << PlanChange([](StationPlan &p) { p.rows[6].inTX2 = false; });
    QTest::addRow("conductivity") << PlanChange([](StationPlan &p) { p.conductivity = true; });
    QTest::addRow("observer") << PlanChange([](StationPlan &p) { p.observer = std::nullopt; });
    QTest::addRow("network") << PlanChange(
        [](StationPlan &p) { p.network = StationPlan::Network::CatM1; });
    QTest::addRow("station ID") << PlanChange([](StationPlan &p) { p.stationId = "1"; });
    QTest::addRow("target years") << PlanChange([](StationPlan &p) { p.targets.years = 5; });
    QTest::addRow("data plan") << PlanChange([](StationPlan &p) { p.targets.dataPlanMB = 0.1; });
    const auto tx2 = [](std::function<void(StationPlan::Transmission &)> change) {
        return PlanChange([change](StationPlan &p) { change(p.transmissions[2]); });
    };
    QTest::addRow("TX2 on") << tx2([](StationPlan::Transmission &tx) { tx.on = true; });
    QTest::addRow("TX2 interval") << tx2(
        [](StationPlan::Transmission &tx) { tx.intervalSeconds = SecondsPerWeek; });
    QTest::addRow("TX2 format") << tx2(
        [](StationPlan::Transmission &tx) { tx.format = StationPlan::Format::Csv; });
    QTest::addRow("TX2 server") << tx2(
        [](StationPlan::Transmission &tx) { tx.server = StationPlan::Server::Ftp; });
    QTest::addRow("TX2 compression")
        << tx2([](StationPlan::Transmission &tx) { tx.compression = false; });
    QTest::addRow("TX2 compression level")
        << tx2([](StationPlan::Transmission &tx) { tx.compressionLevel = 2; });
    QTest::addRow("TX2 station events")
        << tx2([](StationPlan::Transmission &tx) { tx.stationEvents = false; });
    QTest::addRow("TX2 measurement events")
        << tx2([](StationPlan::Transmission &tx) { tx.measurementEvents = false; });
    QTest::addRow("TX2 events number")
        << tx2([](StationPlan::Transmission &tx) { tx.eventsNumber = 2; });
    QTest::addRow("TX2 secondary mode") << tx2([](StationPlan::Transmission &tx) {
        tx.secondaryMode = StationPlan::SecondaryMode::Backup;
    });
    QTest::addRow("TX2 secondary server") << tx2(
        [](StationPlan::Transmission &tx) { tx.secondaryServer = StationPlan::Server::Mqtt; });
    QTest::addRow("TX2 backup percent")
        << tx2([](StationPlan::Transmission &tx) { tx.backupPercent = 35; });
}

void TestStationPlan::equality()
{
    QFETCH(PlanChange, change);
    StationPlan changed = DefaultPlan();
    change(changed);
    QVERIFY(DefaultPlan() == DefaultPlan());
    QVERIFY(!(changed == DefaultPlan()));
    QVERIFY(changed != DefaultPlan());
}

QTEST_APPLESS_MAIN(TestStationPlan)
#include "tst_stationplan.moc"
