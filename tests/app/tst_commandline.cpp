#include "app/CommandLine.h"
#include "common/TimeUnits.h"
#include "estimators/StationPlan.h"
#include "planfile/PlanFile.h"
#include "tests/estimators/SetupCases.h"
#include "tests/setup/SampleStation.h"
#include "tests/support/CommandLineRun.h"

#include <nlohmann/json.hpp>

#include <QtTest>

#include <sys/stat.h>

#include <fstream>
#include <sstream>

namespace {

const QString CsvHeader =
    "file,station_id,days_20c,years_20c,days_minus_20c,years_minus_20c,mah_per_day,"
    "bytes_per_transmission_tx1,bytes_per_transmission_tx2,bytes_per_month_tx1,"
    "bytes_per_month_tx2,bytes_per_month_total,error";

const QString LifeColumn = "shortest_tx1_interval_s_for_target";
const QString DataPlanColumn = "shortest_tx1_interval_s_for_data_plan";

void WriteBytes(const QString &path, const SetupFileBuilder::Bytes &bytes)
{
    std::ofstream out(path.toStdString(), std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// The sample station as the window shows it after importing its setup
// file, written out by hand: channel 8 is "TDS", so the conductivity variant
// is on and rows M6 to M8 keep their standard names.
StationPlan SamplePlan()
{
    using S = StationPlan::Server;
    StationPlan plan = DefaultPlan();
    plan.stationId = "0000004711";
    const SampleStation::Station station;
    for (int i = 1; i <= EstimatorRowCount; ++i) {
        const SampleStation::Channel &channel = station.channels[static_cast<std::size_t>(i - 1)];
        StationPlan::Row &row = plan.rows[i];
        if (i < FirstConductivityRow)
            row.name = channel.name;
        else
            row.name.reset();
        row.id = channel.nr;
        row.samplingSeconds = channel.sampling;
        row.storageSeconds = channel.storage;
        row.inTX1 = true;
        row.inTX2 = channel.inTX2;
    }
    plan.conductivity = true;
    StationPlan::Transmission &tx1 = plan.transmissions[1];
    tx1.on = true;
    tx1.intervalSeconds = SecondsPerHour;
    tx1.format = StationPlan::Format::VeskMl;
    tx1.server = S::Https;
    tx1.compression = false;
    tx1.secondaryMode = StationPlan::SecondaryMode::Backup;
    tx1.secondaryServer = S::Https;
    StationPlan::Transmission &tx2 = plan.transmissions[2];
    tx2.on = true;
    tx2.intervalSeconds = SecondsPerWeek;
    tx2.format = StationPlan::Format::Csv;
    tx2.server = S::Ftp;
    tx2.compression = true;
    tx2.secondaryMode = StationPlan::SecondaryMode::None;
    return plan;
}

// Twelve channels, an 8-bit station ID and TX2 off.
SampleStation::Station LargeStation()
{
    SampleStation::Station station;
    station.stationId = "Br\xFC"
                        "cke 12";
    for (int i = 9; i <= ChannelCount; ++i) {
        std::string nr = std::to_string(i);
        nr.insert(0, 4 - nr.size(), '0');
        station.channels.push_back({nr, "Extra " + std::to_string(i), 60, 600, true});
    }
    station.tx2Interval = 0;
    return station;
}

StationPlan LargePlan()
{
    StationPlan plan = SamplePlan();
    plan.stationId = "Br\xFC"
                     "cke 12";
    for (StationPlan::Row &row : plan.rows)
        row.inTX2 = false;
    StationPlan::Transmission &tx2 = plan.transmissions[2];
    tx2.on = false;
    tx2.intervalSeconds = DefaultTxIntervalSeconds;
    return plan;
}

// The CSV line of a file whose plan the page shows, from the models'
// figures: days whole, years with two decimals, mAh with five, bytes whole.
QString ExpectedLine(const QString &file, const StationPlan &plan)
{
    const double mAh = EstimateBattery(plan).mAhTotal;
    const VolumeResult volume = EstimateVolume(plan);
    const bool tx2 = plan.transmissions[2].on;
    const auto whole = [](double value) { return QString::number(qRound64(value)); };
    QStringList fields = {file, QString::fromLatin1(plan.stationId)};
    for (const double capacity : {CapacityAt20C, CapacityAtMinus20C})
        fields << whole(capacity / mAh) << QString::number(capacity / mAh / 365.25, 'f', 2);
    fields << QString::number(mAh, 'f', 5) << whole(volume.perTX1)
           << (tx2 ? whole(volume.perTX2) : QString()) << whole(volume.month1)
           << (tx2 ? whole(volume.month2) : QString()) << whole(volume.month1 + volume.month2)
           << QString();
    return fields.join(QLatin1Char(','));
}

QStringList Lines(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void csv();
    void jsonHasTheValuesOfCsv();
    void tableAlignsColumns();
    void brokenFileAmongGoodOnes();
    void csvQuoting();
    void targetColumns_data();
    void targetColumns();
    void tableShowsControlCharacters();
    void unwrittenOutputIsTold_data();
    void unwrittenOutputIsTold();
    void usage_data();
    void usage();
    void isCommandLine_data();
    void isCommandLine();
    void runsWithoutDisplay();

private:
    QString path(const char *name) const { return files_.filePath(QString::fromLatin1(name)); }
    // Setup and plan files with the CSV line each must give, in order.
    QStringList goodFiles() const;
    QStringList goodLines() const;

    QTemporaryDir files_;
};

void TestCommandLine::initTestCase()
{
    QVERIFY(files_.isValid());
    WriteBytes(path("sample.bin"), SampleStation::Build());
    WriteBytes(path("large.BIN"), SampleStation::Build(LargeStation()));
    QVERIFY(!SavePlanFile(path("start-up.p1kplan").toStdString(), DefaultPlan()));
    QVERIFY(!SavePlanFile(path("changed.p1kplan").toStdString(), SetupCases::ChangedPage()));
    // A plan file's kind comes from its content, not its name.
    QVERIFY(!SavePlanFile(path("plan.bin").toStdString(), SamplePlan()));
}

QStringList TestCommandLine::goodFiles() const
{
    return {path("sample.bin"), path("large.BIN"), path("start-up.p1kplan"),
            path("changed.p1kplan"), path("plan.bin")};
}

QStringList TestCommandLine::goodLines() const
{
    const QStringList files = goodFiles();
    return {ExpectedLine(files[0], SamplePlan()), ExpectedLine(files[1], LargePlan()),
            files[2] + ",,3902,10.68,2439,6.68,5.33008,2305,,71461,,71461,",
            ExpectedLine(files[3], SetupCases::ChangedPage()),
            ExpectedLine(files[4], SamplePlan())};
}

// Setup files give the figures the page shows after importing them, plan
// files those of the plan they hold.
void TestCommandLine::csv()
{
    const Run run = RunArguments(QStringList{"estimate", "--format", "csv"} + goodFiles());
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    QCOMPARE(Lines(run.out), QStringList{CsvHeader} + goodLines());

    QCOMPARE(RunArguments(QStringList{"estimate", "--format=csv"} + goodFiles()).out, run.out);
}

// The same keys in the same order, numbers as numbers, absent values null.
void TestCommandLine::jsonHasTheValuesOfCsv()
{
    const Run run = RunArguments(QStringList{"estimate", "--format", "json"} + goodFiles());
    QCOMPARE(run.status, 0);
    const auto list = nlohmann::ordered_json::parse(run.out.toStdString());
    QVERIFY(list.is_array());
    const QStringList keys = CsvHeader.split(QLatin1Char(','));
    const QStringList lines = goodLines();
    QCOMPARE(list.size(), static_cast<std::size_t>(lines.size()));
    for (std::size_t i = 0; i < list.size(); ++i) {
        const auto &object = list[i];
        const QStringList fields = lines[static_cast<qsizetype>(i)].split(QLatin1Char(','));
        QStringList objectKeys;
        for (const auto &item : object.items())
            objectKeys << QString::fromStdString(item.key());
        QCOMPARE(objectKeys, keys);
        for (qsizetype k = 0; k < keys.size(); ++k) {
            const auto &value = object[keys[k].toStdString()];
            const QString &field = fields[k];
            const QString where = keys[k] + " of " + fields[0];
            if (field.isEmpty())
                QVERIFY2(value.is_null(), qPrintable(where));
            else if (k < 2)
                QCOMPARE(QString::fromStdString(value.get<std::string>()), field);
            else
                QVERIFY2(value.is_number() && value.get<double>() == field.toDouble(),
                         qPrintable(where + ": " + QString::fromStdString(value.dump())));
        }
    }
}

// Columns line up for a terminal: numbers end where their heading ends,
// however long the names and station IDs before them are, 8-bit ones too.
void TestCommandLine::tableAlignsColumns()
{
    const Run run = RunArguments({"estimate", path("large.BIN"), path("start-up.p1kplan")});
    QCOMPARE(run.status, 0);
    const QStringList lines = Lines(run.out);
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[1].contains(u"Br\u00FCcke 12"), qPrintable(lines[1]));
    const qsizetype end = lines[0].indexOf("days 20C") + qsizetype(strlen("days 20C"));
    QCOMPARE(lines[2].mid(end - 4, 5), QString("3902 "));
    QCOMPARE(lines[1].at(end), QLatin1Char(' '));
    QVERIFY(lines[1].at(end - 1).isDigit());
    // TX2 of the large station is off.
    QVERIFY(lines[1].contains(QRegularExpression(" - ")));
}

// Every file is estimated; the broken ones say why, on their row and on
// the error output, and make the status 1.
void TestCommandLine::brokenFileAmongGoodOnes()
{
    WriteBytes(path("broken.bin"), SetupFileBuilder()
                                       .Add(SetupFile::ParamChannel, 1, SetupFile::ElemChannelName,
                                            SetupFileBuilder::TextClaiming(21, "Level"))
                                       .Build());
    std::ofstream(path("broken.p1kplan").toStdString())
        << "{\"format\": \"pelora-toolbox-plan\", \"version\": 7}";
    // Plan files that ended the whole run: a stack overflow, an exception.
    const std::string deep(1000000, '[');
    std::ofstream(path("deep.p1kplan").toStdString())
        << "{\"format\": \"pelora-toolbox-plan\", \"x\": " << deep << std::string(deep.size(), ']')
        << ", \"version\": 1}";
    std::ofstream(path("huge.p1kplan").toStdString())
        << "{\"format\": \"pelora-toolbox-plan\", \"version\": 1e400}";
    QVERIFY(mkfifo(QFile::encodeName(path("pipe.p1kplan")).constData(), 0600) == 0);
    const QStringList good = goodFiles();
    const QStringList files = {
        path("broken.bin"),     good[0], path("missing.bin"),  files_.path(),
        path("broken.p1kplan"), good[2], path("deep.p1kplan"), path("huge.p1kplan"),
        path("pipe.p1kplan")};
    const Run run = RunArguments(QStringList{"estimate", "--format", "csv"} + files);
    QCOMPARE(run.status, 1);
    const QStringList lines = Lines(run.out);
    QCOMPARE(lines.size(), files.size() + 1);
    QCOMPARE(lines[2], goodLines()[0]);
    QCOMPARE(lines[6], goodLines()[2]);
    const QStringList reasons = {"Read of config failed - the text length 21",
                                 "file not found",
                                 "not a regular file",
                                 "\"version\" is 7: the plan comes from a newer version",
                                 "\"x\" nests lists and objects more than 64 levels deep",
                                 "\"version\" holds the number 1e400, which is too large",
                                 "not a regular file"};
    const QList<int> broken = {0, 2, 3, 4, 6, 7, 8};
    for (int i = 0; i < broken.size(); ++i) {
        const QString &file = files[broken[i]];
        const QString &line = lines[broken[i] + 1];
        QVERIFY2(line.startsWith(file + ",,,,,,,,,,,,") && !line.endsWith(','), qPrintable(line));
        QVERIFY2(run.err.contains("pelora-toolbox: " + file + ": " + reasons[i]),
                 qPrintable(run.err));
    }
    QCOMPARE(Lines(run.err).size(), broken.size());
}

// Fields with commas, quotes or line breaks are quoted, quotes doubled.
void TestCommandLine::csvQuoting()
{
    const QString name = path("a, \"b\"\nc.bin");
    const Run run = RunArguments({"estimate", "--format", "csv", "--", name});
    QCOMPARE(run.status, 1);
    QString quoted = name;
    quoted.replace("\"", "\"\"");
    QVERIFY2(run.out.contains("\n\"" + quoted + "\",,,,,,,,,,,,file not found\n"),
             qPrintable(run.out));
}

// A station ID or file name never sends a control character to the
// terminal: an escape sequence could recolour or clear it, a line break
// would tear the table.
void TestCommandLine::tableShowsControlCharacters()
{
    StationPlan plan = DefaultPlan();
    // ESC, a line break, and CSI as one 8-bit character (a C1 control).
    plan.stationId = "\x1B[2J\nA\x9B"
                     "31m";
    const QString file = path("tab\there.p1kplan");
    QVERIFY(!SavePlanFile(file.toStdString(), plan));

    const Run run = RunArguments({"estimate", file});
    QCOMPARE(run.status, 0);
    const QStringList lines = Lines(run.out);
    QCOMPARE(lines.size(), 2);
    const QString shownFile = path("tab\\x09here.p1kplan");
    QVERIFY2(lines[1].startsWith(shownFile + "  \\x1B[2J\\x0AA\\x9B31m  "), qPrintable(lines[1]));
    for (const QChar c : run.out)
        QVERIFY(c == QLatin1Char('\n') || (c.category() != QChar::Other_Control));
    // CSV and JSON keep the text as it is, quoted or escaped by their rules.
    const Run csv = RunArguments({"estimate", "--format", "csv", file});
    QVERIFY2(csv.out.contains("\"\x1B[2J\nA\u009B31m\""), qPrintable(csv.out));
}

void TestCommandLine::unwrittenOutputIsTold_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("what");
    const QString plan = path("start-up.p1kplan");
    QTest::addRow("CSV") << QStringList{"estimate", "--format", "csv", plan} << "the results";
    QTest::addRow("JSON") << QStringList{"estimate", "--format", "json", plan} << "the results";
    QTest::addRow("table") << QStringList{"estimate", plan} << "the results";
    QTest::addRow("help") << QStringList{"--help"} << "the help";
    QTest::addRow("help of estimate") << QStringList{"estimate", "--help"} << "the help";
    QTest::addRow("version") << QStringList{"--version"} << "the version";
}

// Output to a full disk fails and says so, rather than ending with 0 as if
// all were written.
void TestCommandLine::unwrittenOutputIsTold()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, what);
    QProcess program;
    program.setStandardOutputFile(QStringLiteral("/dev/full"));
    program.start(QStringLiteral(PELORA_TOOLBOX), arguments);
    QVERIFY(program.waitForFinished());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()),
             "pelora-toolbox: " + what + " could not be written: no space left on the drive\n");
}

void TestCommandLine::targetColumns_data()
{
    QTest::addColumn<QStringList>("options");
    // The columns' keys and, for both plans, their fields; empty: absent.
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("fields");

    const QString &life = LifeColumn;
    const QString &dataPlan = DataPlanColumn;
    // The start-up plan sends once a day: 6.68 years at -20 °C, 0.071 MB a month.
    QTest::addRow("target years") << QStringList{"--target-years", "5"} << QStringList{life}
                                  << QStringList{"86400"};
    QTest::addRow("longer than weekly reaches")
        << QStringList{"--target-years=25"} << QStringList{life} << QStringList{""};
    QTest::addRow("data plan") << QStringList{"--data-plan-mb", "1"} << QStringList{dataPlan}
                               << QStringList{"7200"};
    QTest::addRow("both, every interval within the data plan")
        << QStringList{"--data-plan-mb", "100000", "--target-years", "6.6"}
        << QStringList{life, dataPlan} << QStringList{"86400", "60"};
    QTest::addRow("both, neither reached")
        << QStringList{"--target-years", "25", "--data-plan-mb", "0.1"}
        << QStringList{life, dataPlan} << QStringList{"", "86400"};
    QTest::addRow("a target of 0 asks nothing")
        << QStringList{"--target-years", "0"} << QStringList{life} << QStringList{""};
}

// A target given adds its column after the error, the same target for every
// file: a plan file's own targets are not used. In CSV an interval that is
// not reached is an empty field, in JSON null; a file that fails has none.
void TestCommandLine::targetColumns()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, fields);

    StationPlan withOwnTargets = DefaultPlan();
    withOwnTargets.targets = {1, 50};
    QVERIFY(!SavePlanFile(path("own-targets.p1kplan").toStdString(), withOwnTargets));
    const QStringList files = {path("start-up.p1kplan"), path("own-targets.p1kplan"),
                               path("missing.bin")};

    const Run csv = RunArguments(QStringList{"estimate", "--format", "csv"} + options + files);
    QCOMPARE(csv.status, 1);
    const QStringList lines = Lines(csv.out);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], CsvHeader + "," + keys.join(QLatin1Char(',')));
    const QString answers = "," + fields.join(QLatin1Char(','));
    QCOMPARE(lines[1], ExpectedLine(files[0], DefaultPlan()) + answers);
    QCOMPARE(lines[2], ExpectedLine(files[1], withOwnTargets) + answers);
    QVERIFY2(lines[3].endsWith("file not found" + QString(",").repeated(keys.size())),
             qPrintable(lines[3]));

    const Run json = RunArguments(QStringList{"estimate", "--format", "json"} + options + files);
    const auto list = nlohmann::ordered_json::parse(json.out.toStdString());
    QCOMPARE(list.size(), std::size_t(3));
    for (const auto &object : list) {
        const bool failed = !object["error"].is_null();
        for (qsizetype k = 0; k < keys.size(); ++k) {
            const auto &value = object[keys[k].toStdString()];
            if (failed || fields[k].isEmpty())
                QVERIFY2(value.is_null(), value.dump().c_str());
            else
                QCOMPARE(value, nlohmann::ordered_json(fields[k].toInt()));
        }
    }

    // The table heads them shortly; an interval not reached shows as "-".
    const QStringList table = Lines(RunArguments(QStringList{"estimate"} + options + files).out);
    QCOMPARE(table[0].contains("TX1 s target"), keys.contains(LifeColumn));
    QCOMPARE(table[0].contains("TX1 s data plan"), keys.contains(DataPlanColumn));
    const QString last = fields.last().isEmpty() ? QString("-") : fields.last();
    QVERIFY2(table[1].endsWith(" " + last), qPrintable(table[1]));
}

void TestCommandLine::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    const QString usage = "Usage: pelora-toolbox";
    QTest::addRow("no file") << QStringList{"estimate"} << 2 << QString() << "no file given";
    QTest::addRow("only options") << QStringList{"estimate", "--format", "csv"} << 2 << QString()
                                  << usage;
    QTest::addRow("unknown option")
        << QStringList{"estimate", "--colour", "x.bin"} << 2 << QString() << "\"--colour\"";
    QTest::addRow("unknown format")
        << QStringList{"estimate", "--format", "xml", "x.bin"} << 2 << QString() << "\"xml\"";
    QTest::addRow("format without value")
        << QStringList{"estimate", "x.bin", "--format"} << 2 << QString() << "needs a value";
    QTest::addRow("switch with a value")
        << QStringList{"estimate", "--help=yes"} << 2 << QString() << "takes no value";
    QTest::addRow("target years as a word")
        << QStringList{"estimate", "--target-years", "five", "x.bin"} << 2 << QString()
        << "--target-years takes a number from 0 to 25 with at most 1 decimal, not \"five\"";
    QTest::addRow("target years with a decimal comma")
        << QStringList{"estimate", "--target-years", "5,5", "x.bin"} << 2 << QString()
        << "not \"5,5\"";
    QTest::addRow("target years beyond the page's")
        << QStringList{"estimate", "--target-years", "25.5", "x.bin"} << 2 << QString()
        << "not \"25.5\"";
    QTest::addRow("negative data plan")
        << QStringList{"estimate", "--data-plan-mb=-1", "x.bin"} << 2 << QString()
        << "--data-plan-mb takes a number from 0 to 100000 with at most 1 decimal, not \"-1\"";
    QTest::addRow("data plan with two decimals")
        << QStringList{"estimate", "--data-plan-mb", "0.05", "x.bin"} << 2 << QString()
        << "not \"0.05\"";
    QTest::addRow("data plan with a unit")
        << QStringList{"estimate", "--data-plan-mb", "50MB", "x.bin"} << 2 << QString()
        << "not \"50MB\"";
    QTest::addRow("unknown command") << QStringList{"frobnicate"} << 2 << QString() << usage;
    QTest::addRow("help") << QStringList{"--help"} << 0 << usage << QString();
    QTest::addRow("-h") << QStringList{"-h"} << 0 << usage << QString();
    QTest::addRow("help of estimate") << QStringList{"estimate", "x.bin", "--help"} << 0
                                      << "--format table|csv|json" << QString();
    QTest::addRow("help names the targets")
        << QStringList{"--help"} << 0 << "[--target-years N] [--data-plan-mb M]" << QString();
    QTest::addRow("version") << QStringList{"--version"} << 0
                             << "pelora-toolbox " TOOLBOX_VERSION "\n"
                             << QString();
}

void TestCommandLine::usage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    const Run run = RunArguments(arguments);
    QCOMPARE(run.status, status);
    if (out.isEmpty())
        QCOMPARE(run.out, QString());
    else
        QVERIFY2(run.out.contains(out), qPrintable(run.out));
    if (err.isEmpty()) {
        QCOMPARE(run.err, QString());
    } else {
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
        QVERIFY2(run.err.contains("Usage: pelora-toolbox"), qPrintable(run.err));
    }
}

void TestCommandLine::isCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("commandLine");

    QTest::addRow("none") << QStringList() << false;
    QTest::addRow("estimate") << QStringList{"estimate", "a.bin"} << true;
    QTest::addRow("help") << QStringList{"--help"} << true;
    QTest::addRow("-h") << QStringList{"-h"} << true;
    QTest::addRow("version") << QStringList{"--version"} << true;
    QTest::addRow("a file for the window") << QStringList{"station.p1kplan"} << false;
    QTest::addRow("a toolkit option") << QStringList{"-platform", "offscreen"} << false;
}

void TestCommandLine::isCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, commandLine);
    std::vector<std::string> args;
    for (const QString &argument : arguments)
        args.push_back(argument.toStdString());
    QCOMPARE(IsCommandLine(args), commandLine);
}

// The program itself on a machine without X or Wayland: a window toolkit
// started there would end the program at once.
void TestCommandLine::runsWithoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    // Numbers keep their "." in a German locale.
    environment.insert("LC_ALL", "de_DE.UTF-8");

    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(PELORA_TOOLBOX),
                  QStringList{"estimate", "--format", "csv"} + goodFiles());
    QVERIFY(program.waitForFinished());
    const QString err = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == 0, qPrintable(err));
    QCOMPARE(Lines(QString::fromUtf8(program.readAllStandardOutput())),
             QStringList{CsvHeader} + goodLines());
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
