#include "estimators/StationPlan.h"
#include "planfile/PlanFile.h"
#include "report/ReportContent.h"
#include "tests/setup/SampleStation.h"
#include "tests/support/CommandLineRun.h"
#include "tests/support/Confined.h"
#include "tests/support/Folder.h"
#include "tests/support/PdfText.h"
#include "texts/FileReasons.h"
#include "texts/PlanningTexts.h"
#include "texts/ReportTexts.h"

#include <QtTest>

#include <cstdio>
#include <ctime>

namespace {

// The program itself, on a machine without X or Wayland.
Run RunProgram(const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(PELORA_TOOLBOX), arguments);
    if (!program.waitForFinished() || program.exitStatus() != QProcess::NormalExit)
        return {-1, QString(), program.errorString()};
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

ReportDate Today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

StationPlan NamedPlan()
{
    StationPlan plan = DefaultPlan();
    plan.stationId = "Pegel S\xFC"
                     "d";
    return plan;
}

StationPlan PlanWithTargets()
{
    StationPlan plan = NamedPlan();
    plan.targets = {5, 20};
    return plan;
}

void WriteSetup(const QString &path)
{
    const SetupFileBuilder::Bytes bytes = SampleStation::Build();
    WriteFileBytes(path.toStdString(), std::string(bytes.begin(), bytes.end()));
}

} // namespace

class TestReportCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writesReport_data();
    void writesReport();
    void failsCleanly_data();
    void failsCleanly();
    void fileSizeLimit();
    void usage_data();
    void usage();

private:
    QString path(const char *name) const { return m_folder.filePath(QString::fromLatin1(name)); }

    QTemporaryDir m_folder;
};

void TestReportCommand::initTestCase()
{
    QVERIFY(m_folder.isValid());
    WriteSetup(path("station.bin"));
    QVERIFY(!SavePlanFile(path("station.p1kplan").toStdString(), NamedPlan()));
    QVERIFY(!SavePlanFile(path("targets.p1kplan").toStdString(), PlanWithTargets()));
}

void TestReportCommand::writesReport_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("language");
    QTest::addColumn<QStringList>("expected");
    const ReportDate today = Today();
    const QString en = QString::fromStdString(DateText(today, false));
    const QString de = QString::fromStdString(DateText(today, true));
    // The setup file as imported: its names, and the conductivity variant
    // that channel 8's name "TDS" chooses, with rows 6 to 8 named as standard.
    QTest::addRow("setup file, English by default")
        << "station.bin" << QStringList()
        << QStringList{"Pelora 1000 station report", "0000004711", "M1  Level",
                       "M6  Specific Conductivity", en};
    QTest::addRow("setup file in German")
        << "station.bin" << QStringList{"--lang", "de"}
        << QStringList{"Pelora 1000 Stationsbericht", "0000004711", "M6  Spez. Leitfähigkeit", de};
    QTest::addRow("plan file in English")
        << "station.p1kplan" << QStringList{"--lang=en"}
        << QStringList{"Pelora 1000 station report", "Pegel Süd", "M1  Distance to Water", en};
    // The targets the plan file keeps, with their answers.
    const StationPlan targeted = PlanWithTargets();
    QStringList targets = {QString::fromUtf8(Text(ReportText::Targets, true)),
                           QString::fromUtf8(Text(PlanningText::TargetYearsLabel, true)),
                           QString::fromUtf8(Text(PlanningText::DataPlanLabel, true))};
    for (const std::string &answer : TargetAnswerLines(
             ComputePlanningAids(targeted, targeted.targets), targeted.targets, true, ','))
        targets << QString::fromStdString(answer);
    QTest::addRow("plan file with targets, German")
        << "targets.p1kplan" << QStringList{"--lang", "de"} << targets;
}

void TestReportCommand::writesReport()
{
    QFETCH(QString, file);
    QFETCH(QStringList, language);
    QFETCH(QStringList, expected);
    const QString output = path("report.pdf");
    QFile::remove(output);
    const Run run = RunProgram(
        QStringList{"report", path(file.toLatin1().constData()), "-o", output} + language);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    const PdfText pdf = ReadPdf(output);
    QVERIFY2(pdf.failure.isEmpty(), qPrintable(pdf.failure));
    QCOMPARE(pdf.pages(), 1);
    QVERIFY2(pdf.isA4(), qPrintable(pdf.info));
    const QString text = Squeezed(pdf.raw);
    for (const QString &phrase : expected)
        QVERIFY2(text.contains(Squeezed(phrase)), qPrintable(phrase + "\n---\n" + pdf.raw));
}

void TestReportCommand::failsCleanly_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("message");
    QTest::addRow("a folder in the output's place")
        << "station.bin"
        << "taken.pdf"
        << QString::fromStdString(FileFaultReason(FileFault::OfSystem(EISDIR), false));
    QTest::addRow("output in a missing folder") << "station.bin"
                                                << "missing/report.pdf"
                                                << "the folder does not exist";
    QTest::addRow("input missing")
        << "none.bin"
        << "report.pdf"
        << QString::fromStdString(FileFaultReason(FileFault::OfSystem(ENOENT), false));
    QTest::addRow("input another JSON file") << "other.json"
                                             << "report.pdf"
                                             << "the file is not a station plan";
}

// A report that cannot be made says why, naming the file, ends with 1 and
// leaves nothing new behind.
void TestReportCommand::failsCleanly()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(QString, message);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    WriteSetup(folder.filePath("station.bin"));
    WriteFileBytes(folder.filePath("other.json").toStdString(), "{\"format\": \"other\"}");
    QVERIFY(QDir(folder.path()).mkdir("taken.pdf"));
    const std::string before = FolderContent(folder.path().toStdString());

    const QString target = folder.filePath(output);
    const Run run = RunProgram({"report", folder.filePath(input), "-o", target});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.startsWith(QStringLiteral("pelora-toolbox: ")), qPrintable(run.err));
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    const bool readFailed = input != QLatin1String("station.bin");
    QVERIFY2(run.err.contains(readFailed ? folder.filePath(input) : target), qPrintable(run.err));
    QCOMPARE(FolderContent(folder.path().toStdString()), before);
}

// A write cut short by the file-size limit leaves neither a part of the PDF
// nor its temporary file.
void TestReportCommand::fileSizeLimit()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString input = folder.filePath("station.bin");
    const QString output = folder.filePath("report.pdf");
    const std::string command = std::string(PELORA_TOOLBOX) + " report '" + input.toStdString() +
                                "' -o '" + output.toStdString() + "' 2>&1";
    const ConfinedRun run = RunConfined(
        Confinement::FileSizeLimit, folder.path().toStdString(), [&] { WriteSetup(input); },
        [&] {
            std::string said;
            FILE *program = popen(command.c_str(), "r");
            if (!program)
                return std::string("popen failed");
            char buffer[512];
            while (std::fgets(buffer, sizeof buffer, program))
                said += buffer;
            const int status = pclose(program);
            return std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1) + "|" + said;
        });
    if (!run.Confined)
        QSKIP(run.Output.c_str());
    const QString said = QString::fromStdString(run.Output);
    QVERIFY2(said.startsWith(QStringLiteral("1|pelora-toolbox: ")), qPrintable(said));
    QVERIFY2(said.contains(output), qPrintable(said));
    QVERIFY2(
        said.contains(QString::fromStdString(FileFaultReason(FileFault::OfSystem(EFBIG), false))),
        qPrintable(said));
    QCOMPARE(Entries(folder.path().toStdString()), QStringList{"station.bin"});
}

void TestReportCommand::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::addRow("no output") << QStringList{"report", "station.bin"} << "no output file given";
    QTest::addRow("no file") << QStringList{"report", "-o", "out.pdf"} << "no file given";
    QTest::addRow("two files") << QStringList{"report", "a.bin", "b.bin", "-o", "out.pdf"}
                               << "more than one file given";
    QTest::addRow("unknown language")
        << QStringList{"report", "a.bin", "-o", "out.pdf", "--lang", "fr"}
        << "unknown language \"fr\"";
    QTest::addRow("output without a value")
        << QStringList{"report", "a.bin", "-o"} << "needs a value";
}

void TestReportCommand::usage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run run = RunArguments(arguments);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY2(run.err.contains("pelora-toolbox report -o OUT.pdf [--lang en|de] FILE"),
             qPrintable(run.err));
}

QTEST_GUILESS_MAIN(TestReportCommand)
#include "tst_reportcommand.moc"
