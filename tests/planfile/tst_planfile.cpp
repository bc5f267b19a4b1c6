#include "common/TimeUnits.h"
#include "estimators/PlanFigures.h"
#include "planfile/FileKind.h"
#include "planfile/JsonDocument.h"
#include "planfile/PlanFile.h"
#include "planfile/PlanSetup.h"
#include "setup/SetupModel.h"
#include "tests/estimators/PlanText.h"
#include "tests/estimators/SetupCases.h"
#include "tests/setup/SampleStation.h"
#include "tests/support/Confined.h"
#include "tests/support/TestText.h"

#include <nlohmann/json.hpp>

#include <QtTest>

#include <functional>

using Json = nlohmann::ordered_json;
using PlanChange = std::function<void(StationPlan &)>;
using JsonChange = std::function<void(Json &)>;
using Kind = PlanFileError::Kind;

Q_DECLARE_METATYPE(PlanChange)
Q_DECLARE_METATYPE(JsonChange)
Q_DECLARE_METATYPE(PlanFileError::Kind)

namespace {

// The plan a setup leaves, the way the window imports it.
StationPlan Imported(const std::function<void(SetupModel &)> &setup)
{
    const SetupModel model = SetupCases::ReadModel(setup);
    StationPlan plan = PlanFromSetup(model);
    ChooseConductivity(plan, NamesConductivity(model));
    return plan;
}

// The start-up plan's file as JSON, changed.
std::string ChangedFile(const JsonChange &change)
{
    Json file = Json::parse(PlanFileText(DefaultPlan()));
    change(file);
    return file.dump(2);
}

// The start-up plan's file with one piece of its text replaced, for what
// a JSON value cannot hold: a key twice, a number beyond double.
QByteArray EditedFile(const char *from, const QByteArray &to)
{
    QByteArray text = QByteArray::fromStdString(PlanFileText(DefaultPlan()));
    if (!text.contains(from))
        qFatal("no %s in the plan file", from);
    return text.replace(from, to);
}

// Lists within lists, depth levels deep.
QByteArray Nested(int depth)
{
    return QByteArray(depth, '[') + QByteArray(depth, ']');
}

std::filesystem::path PathOf(const QTemporaryDir &dir, const char *name)
{
    return std::filesystem::path(dir.filePath(QString::fromLatin1(name)).toStdString());
}

} // namespace

class TestPlanFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void layout();
    void refused_data();
    void refused();
    void notJson_data();
    void notJson();
    void refusedFiles();
    void longTextInLittleMemory();
    void unknownKeysIgnored();
    void targets_data();
    void targets();
    void failedSave();
    void kindOfContent_data();
    void kindOfContent();
    void commandSetupOfPlan_data();
    void commandSetupOfPlan();
};

// Saving and opening gives the same plan, and saving that again the same
// bytes.
void TestPlanFile::roundTrip_data()
{
    QTest::addColumn<PlanChange>("change");
    using F = StationPlan::Format;
    using S = StationPlan::Server;
    using M = StationPlan::SecondaryMode;

    QTest::addRow("start-up") << PlanChange([](StationPlan &) {});
    QTest::addRow("every value changed")
        << PlanChange([](StationPlan &p) { p = SetupCases::ChangedPage(); });
    QTest::addRow("drop-downs without selection") << PlanChange(SetupCases::WithoutChoices);
    QTest::addRow("imported names and IDs, 8-bit") << PlanChange([](StationPlan &p) {
        p = Imported([](SetupModel &m) {
            m.StationID = "Br\xFC"
                          "cke 7";
            SetupCases::StoredChannel(m, 1, "0001", "Pegel \xFC", 900, 3600);
            SetupCases::StoredChannel(m, 2, "\xB5S", "", 60, 60);
            m.Channels[3].Name = std::string("a\0b\x01\"\\", 6);
            m.Transmissions[1].Interval = SecondsPerHour;
            m.Transmissions[1].ChannelList = "0001";
        });
    });
    QTest::addRow("longest names") << PlanChange([](StationPlan &p) {
        p.rows[4].name = std::string(SetupFile::MaxTextLength, '\xFF');
        p.rows[4].id = std::string(SetupFile::MaxTextLength, 'x');
        p.stationId = std::string(SetupFile::MaxTextLength, '\xE9');
    });
    QTest::addRow("conductivity") << PlanChange(
        [](StationPlan &p) { p = Imported([](SetupModel &m) { m.Channels[8].Name = "TDS"; }); });
    QTest::addRow("TX2 on, weekly, both servers") << PlanChange([](StationPlan &p) {
        StationPlan::Transmission &tx = p.transmissions[2];
        tx.on = true;
        tx.intervalSeconds = SecondsPerWeek;
        tx.format = F::ZrxpV3;
        tx.server = S::Mqtts;
        tx.compression = false;
        tx.compressionLevel = 9;
        tx.eventsNumber = 99;
        tx.secondaryMode = M::BothServers;
        tx.secondaryServer = S::Ftps;
        tx.backupPercent = 100;
        p.rows[5].inTX1 = false;
    });
    // The spin box steps by 5 but takes any typed value in its range.
    QTest::addRow("backup percent typed") << PlanChange([](StationPlan &p) {
        p.transmissions[1].secondaryMode = M::Backup;
        p.transmissions[1].backupPercent = 33;
    });
    QTest::addRow("targets with a decimal") << PlanChange([](StationPlan &p) {
        p.targets = {12.5, 0.3};
    });
    QTest::addRow("largest targets") << PlanChange([](StationPlan &p) {
        p.targets = {25, 100000};
    });
}

void TestPlanFile::roundTrip()
{
    QFETCH(PlanChange, change);
    StationPlan plan = DefaultPlan();
    change(plan);

    QTemporaryDir dir;
    const auto path = PathOf(dir, "station.p1kplan");
    QVERIFY(!SavePlanFile(path, plan));
    const std::string saved = ReadFileBytes(path);
    const PlanReadResult read = ReadPlanFile(path);
    QVERIFY2(read.plan, read.error.Text(false).c_str());
    QCOMPARE(PlanText::Lines(*read.plan), PlanText::Lines(plan));
    QVERIFY(*read.plan == plan);

    QVERIFY(!SavePlanFile(path, *read.plan));
    QCOMPARE(Bytes(ReadFileBytes(path)), Bytes(saved));
}

// The file is UTF-8 JSON with LF line ends, two blanks of indentation and a
// final line end; the figures of the plan stand in it for a reader.
void TestPlanFile::layout()
{
    StationPlan plan = DefaultPlan();
    plan.rows[1].name = "Pegel \xFC";
    const std::string text = PlanFileText(plan);
    QVERIFY(text.find('\r') == std::string::npos);
    QCOMPARE(text.back(), '\n');
    QVERIFY(text.find("\n  \"measurements\": [\n    {\n      \"row\": 1,") != std::string::npos);
    QVERIFY(text.find("\"name\": \"Pegel \xC3\xBC\"") != std::string::npos);

    const Json file = Json::parse(text);
    QCOMPARE(file["format"].get<std::string>(), std::string("pelora-toolbox-plan"));
    QCOMPARE(file["version"], Json(1));
    const Json &results = file["results"];
    QCOMPARE(results["days_20c"], Json(3902));
    QCOMPARE(results["years_20c"], Json(10.68));
    QCOMPARE(results["days_minus_20c"], Json(2439));
    QCOMPARE(results["mah_per_day"], Json(5.33008));
    QCOMPARE(results["bytes_per_transmission_tx1"], Json(2305));
    QCOMPARE(results["bytes_per_month_tx1"], Json(71461));
    QVERIFY(results["bytes_per_month_tx2"].is_null());
    QCOMPARE(results["bytes_per_month_total"], Json(71461));
    // Whole targets are written as whole numbers.
    QCOMPARE(file["targets"].dump(), std::string(R"({"battery_life_years":0,"data_plan_mb":0})"));
}

// A file that is not a sound plan is refused as a whole, naming the key.
void TestPlanFile::refused_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<PlanFileError::Kind>("kind");
    QTest::addColumn<QString>("key");

    const auto changed = [](const JsonChange &change) {
        return QByteArray::fromStdString(ChangedFile(change));
    };
    const auto set = [&changed](const char *pointer, Json value) {
        return changed([pointer, value](Json &f) { f[Json::json_pointer(pointer)] = value; });
    };

    QTest::addRow("another format")
        << set("/format", "other-plan") << Kind::NotPlan << QString("format");
    QTest::addRow("no format") << changed([](Json &f) { f.erase("format"); }) << Kind::NotPlan
                               << QString("format");
    QTest::addRow("a list") << QByteArray("[1, 2]") << Kind::NotPlan << QString("format");
    QTest::addRow("version 2") << set("/version", 2) << Kind::NewerVersion << QString("version");
    QTest::addRow("version 0") << set("/version", 0) << Kind::NotOffered << QString("version");
    QTest::addRow("version as text")
        << set("/version", "1") << Kind::WrongType << QString("version");
    QTest::addRow("missing key") << changed([](Json &f) {
        f["measurements"][3].erase("storage_interval_s");
    }) << Kind::MissingKey << QString("measurements[3].storage_interval_s");
    QTest::addRow("missing list") << changed([](Json &f) { f.erase("transmissions"); })
                                  << Kind::MissingKey << QString("transmissions");
    QTest::addRow("wrong type of a switch")
        << set("/conductivity", "yes") << Kind::WrongType << QString("conductivity");
    QTest::addRow("interval as text") << set("/transmissions/1/interval_s", "86400")
                                      << Kind::WrongType << QString("transmissions[1].interval_s");
    QTest::addRow("interval with a fraction")
        << set("/measurements/0/sampling_interval_s", 3600.5) << Kind::WrongType
        << QString("measurements[0].sampling_interval_s");
    QTest::addRow("interval 45") << set("/measurements/3/sampling_interval_s", 45)
                                 << Kind::NotOffered
                                 << QString("measurements[3].sampling_interval_s");
    QTest::addRow("transmission interval 5")
        << set("/transmissions/0/interval_s", 5) << Kind::NotOffered
        << QString("transmissions[0].interval_s");
    QTest::addRow("interval beyond 32 bits")
        << set("/measurements/0/storage_interval_s", 4294967296 + 3600) << Kind::NotOffered
        << QString("measurements[0].storage_interval_s");
    QTest::addRow("unknown data format")
        << set("/transmissions/1/data_format", "xml") << Kind::NotOffered
        << QString("transmissions[1].data_format");
    QTest::addRow("server type by position")
        << set("/transmissions/0/server_type", 2) << Kind::WrongType
        << QString("transmissions[0].server_type");
    QTest::addRow("unknown radio network")
        << set("/radio_network", "5g") << Kind::NotOffered << QString("radio_network");
    QTest::addRow("unknown BLE readings")
        << set("/ble_readings", "hourly") << Kind::NotOffered << QString("ble_readings");
    QTest::addRow("events number 0") << set("/transmissions/0/events_number", 0) << Kind::NotOffered
                                     << QString("transmissions[0].events_number");
    QTest::addRow("events number 100")
        << set("/transmissions/1/events_number", 100) << Kind::NotOffered
        << QString("transmissions[1].events_number");
    QTest::addRow("backup percent 0")
        << set("/transmissions/0/backup_percent", 0) << Kind::NotOffered
        << QString("transmissions[0].backup_percent");
    QTest::addRow("backup percent 105")
        << set("/transmissions/0/backup_percent", 105) << Kind::NotOffered
        << QString("transmissions[0].backup_percent");
    QTest::addRow("compression level 1")
        << set("/transmissions/0/compression_level", 1) << Kind::NotOffered
        << QString("transmissions[0].compression_level");
    QTest::addRow("compression level 10")
        << set("/transmissions/1/compression_level", 10) << Kind::NotOffered
        << QString("transmissions[1].compression_level");
    QTest::addRow("name beyond Latin-1") << set("/measurements/0/name", "Pegel \xE2\x82\xAC")
                                         << Kind::NotLatin1 << QString("measurements[0].name");
    QTest::addRow("station ID beyond Latin-1")
        << set("/station_id", "\xE6\xB0\xB4") << Kind::NotLatin1 << QString("station_id");
    QTest::addRow("name too long")
        << set("/measurements/7/name", std::string(SetupFile::MaxTextLength + 1, 'n'))
        << Kind::TooLong << QString("measurements[7].name");
    QTest::addRow("ID as a number")
        << set("/measurements/2/id", 3) << Kind::WrongType << QString("measurements[2].id");
    QTest::addRow("row named twice")
        << set("/measurements/1/row", 1) << Kind::Repeated << QString("measurements[1].row");
    QTest::addRow("row 9") << set("/measurements/7/row", 9) << Kind::NotOffered
                           << QString("measurements[7].row");
    QTest::addRow("seven rows") << changed([](Json &f) { f["measurements"].erase(7); })
                                << Kind::WrongCount << QString("measurements");
    QTest::addRow("a row that is no object")
        << set("/measurements/4", 5) << Kind::WrongType << QString("measurements[4]");
    QTest::addRow("transmissions as an object")
        << set("/transmissions", Json::object()) << Kind::WrongType << QString("transmissions");
    QTest::addRow("targets as a list")
        << set("/targets", Json::array({5, 50})) << Kind::WrongType << QString("targets");
    QTest::addRow("target years as text")
        << set("/targets/battery_life_years", "5") << Kind::WrongType
        << QString("targets.battery_life_years");
    QTest::addRow("data plan null") << set("/targets/data_plan_mb", nullptr) << Kind::WrongType
                                    << QString("targets.data_plan_mb");
    QTest::addRow("data plan missing")
        << changed([](Json &f) { f["targets"].erase("data_plan_mb"); }) << Kind::MissingKey
        << QString("targets.data_plan_mb");
    QTest::addRow("negative target years")
        << set("/targets/battery_life_years", -1) << Kind::NotOffered
        << QString("targets.battery_life_years");
    QTest::addRow("target years beyond the spin box")
        << set("/targets/battery_life_years", 25.5) << Kind::NotOffered
        << QString("targets.battery_life_years");
    QTest::addRow("target years with two decimals")
        << set("/targets/battery_life_years", 5.25) << Kind::NotOffered
        << QString("targets.battery_life_years");
    QTest::addRow("data plan beyond the spin box")
        << set("/targets/data_plan_mb", 100000.1) << Kind::NotOffered
        << QString("targets.data_plan_mb");
    // The document itself.
    QTest::addRow("a number beyond double")
        << EditedFile("\"data_plan_mb\": 0", "\"data_plan_mb\": 1e400") << Kind::NumberTooLarge
        << QString("targets.data_plan_mb");
    QTest::addRow("a number beyond double in a list")
        << EditedFile("\"format\"", "\"later\": [1, -2e999], \"format\"") << Kind::NumberTooLarge
        << QString("later[1]");
    QTest::addRow("a key twice") << EditedFile("\"conductivity\": false",
                                               "\"conductivity\": false, \"conductivity\": true")
                                 << Kind::RepeatedKey << QString("conductivity");
    QTest::addRow("a key twice in a transmission")
        << EditedFile("\"interval_s\": 86400", "\"interval_s\": 60, \"interval_s\": 86400")
        << Kind::RepeatedKey << QString("transmissions[0].interval_s");
    QTest::addRow("an unknown key twice")
        << EditedFile("\"format\"", "\"later\": {\"a\": [{}, {\"b\": 1, \"b\": 1}]}, \"format\"")
        << Kind::RepeatedKey << QString("later.a[1].b");
    QTest::addRow("a key of control characters twice")
        << EditedFile("\"format\"", "\"\\u001b[2J\": 1, \"\\u001b[2J\": 2, \"format\"")
        << Kind::RepeatedKey << QString("\\u001b[2J");
    QTest::addRow("a long key twice")
        << EditedFile("\"format\"", "\"" + QByteArray(100000, 'k') + "\": 1, \"" +
                                        QByteArray(100000, 'k') + "\": 2, \"format\"")
        << Kind::RepeatedKey << QString(40, 'k') + "...";
    QTest::addRow("nested one level too deep")
        << EditedFile("\"format\"", "\"later\": " + Nested(int(MaxJsonDepth)) + ", \"format\"")
        << Kind::TooDeep << QString("later");
    // Copying a value this deep overflowed the stack.
    QTest::addRow("nested a million levels, keys after it")
        << EditedFile("\"version\"", "\"later\": " + Nested(1000000) + ", \"version\"")
        << Kind::TooDeep << QString("later");
    QTest::addRow("nested too deep in a known key")
        << EditedFile("\"station_id\": null", "\"station_id\": " + Nested(1000)) << Kind::TooDeep
        << QString("station_id");
    QTest::addRow("a list nested too deep") << Nested(1000000) << Kind::TooDeep << QString("[0]");
    QTest::addRow("data plan beyond 64 bits")
        << set("/targets/data_plan_mb", 18446744073709551615u) << Kind::NotOffered
        << QString("targets.data_plan_mb");
}

void TestPlanFile::refused()
{
    QFETCH(QByteArray, file);
    QFETCH(PlanFileError::Kind, kind);
    QFETCH(QString, key);

    const PlanReadResult read = ParsePlanFile(file.toStdString());
    QVERIFY(!read.plan);
    QCOMPARE(read.error.kind, kind);
    QCOMPARE(QString::fromStdString(read.error.key), key);
    for (const bool german : {false, true}) {
        const QString text = QString::fromStdString(read.error.Text(german));
        QVERIFY2(text.contains(QLatin1Char('"') + key + QLatin1Char('"')), qPrintable(text));
    }
}

// A file that is not JSON at all is refused naming the place where it
// stops being JSON.
void TestPlanFile::notJson_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");

    QTest::addRow("cut short") << QByteArray("{\n  \"format\": \"pelora-toolbox-plan\",\n  x") << 3
                               << 3;
    QTest::addRow("empty") << QByteArray() << 1 << 1;
    QTest::addRow("ill-formed UTF-8") << QByteArray::fromStdString(ChangedFile([](Json &f) {
                                             f["station_id"] = "OK";
                                         })).replace("OK", "\xFC")
                                      << 4 << 18;
    QTest::addRow("a setup file") << QByteArray("\0\0\0\0", 4) << 1 << 1;
}

void TestPlanFile::notJson()
{
    QFETCH(QByteArray, file);
    QFETCH(int, line);
    QFETCH(int, column);

    const PlanReadResult read = ParsePlanFile(file.toStdString());
    QVERIFY(!read.plan);
    QCOMPARE(read.error.kind, Kind::NotJson);
    QCOMPARE(QString::fromStdString(read.error.Text(false)),
             QString("the file is not JSON (line %1, column %2)").arg(line).arg(column));
    QCOMPARE(QString::fromStdString(read.error.Text(true)),
             QString("die Datei ist kein JSON (Zeile %1, Spalte %2)").arg(line).arg(column));
}

// The file itself: missing, a folder, too large to be a plan.
void TestPlanFile::refusedFiles()
{
    QTemporaryDir dir;
    const PlanReadResult missing = ReadPlanFile(PathOf(dir, "missing.p1kplan"));
    QCOMPARE(missing.error.kind, Kind::File);
    QCOMPARE(missing.error.fault.systemError, ENOENT);

    const PlanReadResult folder = ReadPlanFile(PathOf(dir, "."));
    QCOMPARE(folder.error.kind, Kind::File);
    QCOMPARE(folder.error.fault.kind, FileFault::Kind::NotRegular);

    const auto large = PathOf(dir, "large.p1kplan");
    QVERIFY(!SavePlanFile(large, DefaultPlan()));
    std::filesystem::resize_file(large, MaxInputFileBytes + 1);
    const PlanReadResult tooLarge = ReadPlanFile(large);
    QVERIFY(!tooLarge.plan);
    QCOMPARE(tooLarge.error.fault.kind, FileFault::Kind::TooLarge);
    QVERIFY(!tooLarge.error.Text(false).empty());
}

// A text of megabytes is refused in the memory of a few copies of the file,
// not of one string for each of its characters.
void TestPlanFile::longTextInLittleMemory()
{
    constexpr std::size_t TextBytes = 16'000'000;
    const std::string file =
        ChangedFile([](Json &f) { f["station_id"] = std::string(TextBytes, '7'); });
    QVERIFY(file.size() * 4 < MemoryLimitBytes);
    const ConfinedRun run = RunConfined(
        Confinement::MemoryLimit, {}, [] {},
        [&file] {
            const PlanReadResult read = ParsePlanFile(file);
            return read.plan ? std::string("read") : read.error.Text(false);
        });
    if (!run.Confined)
        QSKIP(run.Output.c_str());
    QCOMPARE(QString::fromStdString(run.Output),
             QString("\"station_id\" is longer than %1 characters").arg(SetupFile::MaxTextLength));
}

// A later version may add keys; this one reads what it knows. The figures
// are for a reader and never read back.
void TestPlanFile::unknownKeysIgnored()
{
    const std::string file = ChangedFile([](Json &f) {
        f["comment"] = "from a later version";
        f["measurements"][2]["unit"] = "m";
        f["transmissions"][0]["retries"] = Json::array({1, 2});
        f["results"] = "anything";
        f["measurements"][0]["sampling_interval_s"] = 60;
    });
    const PlanReadResult read = ParsePlanFile(file);
    QVERIFY2(read.plan, read.error.Text(false).c_str());
    StationPlan expected = DefaultPlan();
    expected.rows[1].samplingSeconds = 60;
    QCOMPARE(PlanText::Lines(*read.plan), PlanText::Lines(expected));

    const PlanReadResult withoutResults =
        ParsePlanFile(ChangedFile([](Json &f) { f.erase("results"); }));
    QVERIFY(withoutResults.plan);

    // Nested as deep as a document may be, and a huge object: looking each
    // key up in the keys before it would take minutes.
    QByteArray manyKeys = "\"later\": {";
    for (int i = 0; i < 100000; ++i)
        manyKeys += "\"k" + QByteArray::number(i) + "\": " + Nested(2) + ", ";
    manyKeys += "\"deep\": " + Nested(int(MaxJsonDepth) - 2) + "}, \"format\"";
    const PlanReadResult large = ParsePlanFile(EditedFile("\"format\"", manyKeys).toStdString());
    QVERIFY2(large.plan, large.error.Text(false).c_str());
    QVERIFY(*large.plan == DefaultPlan());
}

void TestPlanFile::targets_data()
{
    QTest::addColumn<JsonChange>("change");
    QTest::addColumn<double>("years");
    QTest::addColumn<double>("dataPlanMB");

    QTest::addRow("none written") << JsonChange([](Json &) {}) << 0.0 << 0.0;
    // Files written before the targets have none.
    QTest::addRow("absent") << JsonChange([](Json &f) { f.erase("targets"); }) << 0.0 << 0.0;
    QTest::addRow("whole numbers") << JsonChange([](Json &f) {
        f["targets"] = {{"battery_life_years", 5}, {"data_plan_mb", 50}};
    }) << 5.0 << 50.0;
    QTest::addRow("written with decimals") << JsonChange([](Json &f) {
        f["targets"] = {{"battery_life_years", 5.0}, {"data_plan_mb", 0.1}};
    }) << 5.0 << 0.1;
    // A number a few bits off its decimal reads as the spin box keeps it.
    QTest::addRow("a binary tail") << JsonChange([](Json &f) {
        f["targets"] = {{"battery_life_years", 5.300000000000001},
                        {"data_plan_mb", 0.30000000000000004}};
    }) << 5.3 << 0.3;
}

// The targets are an optional key of version 1; a plan without them has none.
void TestPlanFile::targets()
{
    QFETCH(JsonChange, change);
    QFETCH(double, years);
    QFETCH(double, dataPlanMB);

    const PlanReadResult read = ParsePlanFile(ChangedFile(change));
    QVERIFY2(read.plan, read.error.Text(false).c_str());
    QCOMPARE(read.plan->targets.years, years);
    QCOMPARE(read.plan->targets.dataPlanMB, dataPlanMB);
    StationPlan expected = DefaultPlan();
    expected.targets = {years, dataPlanMB};
    QVERIFY(*read.plan == expected);
}

// A save that cannot be written says why and leaves nothing behind.
void TestPlanFile::failedSave()
{
    QTemporaryDir dir;
    const FileFault fault = SavePlanFile(PathOf(dir, "no-folder/station.p1kplan"), DefaultPlan());
    QCOMPARE(fault.kind, FileFault::Kind::NoFolder);
    QVERIFY(QDir(dir.path()).isEmpty());
}

void TestPlanFile::kindOfContent_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("plan");

    const auto sample = SampleStation::Build();
    QTest::addRow("plan") << QByteArray::fromStdString(PlanFileText(DefaultPlan())) << true;
    QTest::addRow("plan after a byte order mark and blanks")
        << QByteArray("\xEF\xBB\xBF \r\n\t{ \"format\": 1 }") << true;
    QTest::addRow("empty object") << QByteArray("{}") << true;
    QTest::addRow("setup file") << QByteArray(reinterpret_cast<const char *>(sample.data()),
                                              static_cast<qsizetype>(sample.size()))
                                << false;
    QTest::addRow("binary after a brace") << QByteArray("{\x01\x00\x00\x00", 5) << false;
    QTest::addRow("brace alone") << QByteArray("{") << false;
    QTest::addRow("JSON list") << QByteArray("[{}]") << false;
    QTest::addRow("empty") << QByteArray() << false;
}

void TestPlanFile::kindOfContent()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, plan);
    QCOMPARE(KindOfContent(bytes.toStdString()) == FileKind::Plan, plan);
}

void TestPlanFile::commandSetupOfPlan_data()
{
    QTest::addColumn<PlanChange>("change");
    QTest::addColumn<bool>("follows");
    QTest::addColumn<QByteArray>("stationId");
    QTest::addColumn<QList<QByteArray>>("channels"); // "Nr=Name" of channels 1 to 12

    const QList<QByteArray> startUp = {
        "0001=", "0002=", "UBAT=", "PBAT=", "RSSI=", "0006=", "=", "=", "=", "=", "=", "="};
    QTest::addRow("neither station nor IDs: the command page stays")
        << PlanChange([](StationPlan &) {}) << false << QByteArray() << QList<QByteArray>();
    QTest::addRow("a station ID only")
        << PlanChange([](StationPlan &p) { p.stationId = "0000004711"; }) << true
        << QByteArray("0000004711") << startUp;
    // Rows without an ID end the list, as channels without a number do.
    QTest::addRow("IDs and names of the rows, no station ID")
        << PlanChange([](StationPlan &p) {
               p.rows[1].id = "0001";
               p.rows[1].name = "Pegel \xFC";
               p.rows[2].id = "UBAT";
               p.rows[4].id = "RSSI";
           })
        << true << QByteArray("0000000001")
        << QList<QByteArray>{
               "0001=Pegel \xFC", "UBAT=", "=", "RSSI=", "=", "=", "=", "=", "=", "=", "=", "="};
    QTest::addRow("an imported station")
        << PlanChange([](StationPlan &p) {
               p = Imported([](SetupModel &m) {
                   m.StationID = "STATION-01";
                   for (int i = 1; i <= ChannelCount; ++i)
                       SetupCases::StoredChannel(m, i, ("A00" + std::to_string(i % 10)).c_str(), "",
                                                 900, 900);
               });
           })
        << true << QByteArray("STATION-01")
        << QList<QByteArray>{"A001=", "A002=", "A003=", "A004=", "A005=", "A006=",
                             "A007=", "A008=", "=",     "=",     "=",     "="};
}

// The command page shows the station and measurements a plan names, and
// keeps what it shows for a plan that names neither.
void TestPlanFile::commandSetupOfPlan()
{
    QFETCH(PlanChange, change);
    QFETCH(bool, follows);
    QFETCH(QByteArray, stationId);
    QFETCH(QList<QByteArray>, channels);
    StationPlan plan = DefaultPlan();
    change(plan);

    const std::optional<SetupModel> model = CommandSetupOf(plan);
    QCOMPARE(model.has_value(), follows);
    if (!model)
        return;
    QCOMPARE(Bytes(model->StationID), stationId);
    QList<QByteArray> shown;
    for (const ChannelRec &channel : model->Channels)
        shown << Bytes(channel.Nr + "=" + channel.Name);
    QCOMPARE(shown, channels);
}

QTEST_GUILESS_MAIN(TestPlanFile)
#include "tst_planfile.moc"
