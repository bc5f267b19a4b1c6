#include "PinnedRandom.h"
#include "commandfile/EntryBuilder.h"
#include "commandfile/ListText.h"
#include "commandfile/StationExport.h"
#include "commandfile/StationIdList.h"
#include "commandfile/StationSummary.h"

#include "tests/support/Confined.h"
#include "tests/support/Folder.h"
#include "tests/support/TestText.h"

#include <QtTest>

namespace fs = std::filesystem;

namespace {

constexpr int FirstAckId = 30001;
const char *const ListStation = "0000000001";

// A list as the editor builds it for one station: every panel, a file name
// with quotes and attribute-like text of its own, a Latin-1 letter and a
// query, which names no station. The query comes last, so that the ackIds
// are drawn in the order of the text.
std::string ListFor(const std::string &station, const RandomSource &random)
{
    TransmissionInput transmission;
    transmission.index = 2;
    transmission.intervalItem = 11;
    transmission.offsetTicked = true;
    transmission.offsetMilliseconds = 300000;
    transmission.alarmTicked = {true, false, false};
    transmission.alarmItems = {8, NoItem, NoItem};
    QueryInput query;
    query.start = {2024, 3, 1, 0, 0};
    query.end = {2024, 3, 2, 23, 59};
    query.format = "CSV";
    query.measurements = {{"0001", true}, {"0002", false}};
    query.stationEvents = true;

    const std::vector<PanelInput> panels = {
        FirmwareInput{"o'neil ackId='1' stationId=x.bin"},
        SamplingInput{15, true, 18},
        transmission,
        ConfigDiagnosticsInput{true, true},
        ConfigurationInput{"Gr\xC3\xBC\xC3\x9F"
                           "e.bin"},
        query,
    };
    EntryContext context;
    context.stationId = station;
    context.measurementId = "0001";
    std::string list;
    for (const PanelInput &panel : panels)
        list = InsertEntry(list, KindOf(panel), BuildEntry(panel, context, random));
    return list;
}

QByteArray Latin1(const std::string &utf8)
{
    return QString::fromStdString(utf8).toLatin1();
}

// The bytes with every ackId's value hidden.
QByteArray MaskedAckIds(const QByteArray &bytes)
{
    static const QRegularExpression ackId(QStringLiteral("ackId=\"[0-9]{5}\""));
    return QString::fromLatin1(bytes).replace(ackId, QStringLiteral("ackId=\"#\"")).toLatin1();
}

QList<int> AckIdsOf(const QByteArray &bytes)
{
    static const QRegularExpression ackId(QStringLiteral("ackId=\"([0-9]+)\""));
    QList<int> ids;
    for (const auto &match : ackId.globalMatch(QString::fromLatin1(bytes)))
        ids << match.captured(1).toInt();
    return ids;
}

const char *OutcomeName(StationFile::Outcome outcome)
{
    switch (outcome) {
    case StationFile::Outcome::Written:
        return "written";
    case StationFile::Outcome::Exists:
        return "exists";
    case StationFile::Outcome::Failed:
        return "failed";
    }
    return "?";
}

// "0000000001.kcf written | 0000000002.kcf failed: access denied".
QString OutcomesText(const StationExport &result)
{
    QStringList files;
    for (const StationFile &file : result.files) {
        QString text = QString::fromStdString(file.fileName) + " " + OutcomeName(file.outcome);
        if (file.fault)
            text += ": " + QString::fromStdString(file.fault.Text());
        files << text;
    }
    return files.join(" | ");
}

std::vector<std::string> Ids(std::initializer_list<const char *> ids)
{
    return {ids.begin(), ids.end()};
}

} // namespace

class TestStationExport : public QObject
{
    Q_OBJECT

private slots:
    void stationAndAckIdsReplaced_data();
    void stationAndAckIdsReplaced();
    void handEditedAttributes_data();
    void handEditedAttributes();
    void filesForIdLists_data();
    void filesForIdLists();
    void existingFileKept();
    void failedWriteAmongGoodOnes();
    void unfinishedWritesLeaveNothing_data();
    void unfinishedWritesLeaveNothing();
    void unencodableRefusesEverything();
    void onlyIdsNameFiles();
    void summary_data();
    void summary();
};

void TestStationExport::stationAndAckIdsReplaced_data()
{
    QTest::addColumn<QByteArray>("station");
    QTest::addRow("another station") << QByteArray("0000000042");
    QTest::addRow("the same station") << QByteArray(ListStation);
}

// The list made for another station is the list the editor would have built
// for it, with the ackIds drawn in the same order.
void TestStationExport::stationAndAckIdsReplaced()
{
    QFETCH(QByteArray, station);
    const std::string list = ListFor(ListStation, CountingSource(10001));
    const std::string expected = ListFor(station.toStdString(), CountingSource(FirstAckId));
    QCOMPARE(Bytes(ListTextForStation(list, station.toStdString(), CountingSource(FirstAckId))),
             Bytes(expected));
    // The same on the file's bytes.
    QCOMPARE(Bytes(ListTextForStation(Latin1(list).toStdString(), station.toStdString(),
                                      CountingSource(FirstAckId))),
             Latin1(expected));
}

void TestStationExport::handEditedAttributes_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("blanks around =, single quotes")
        << QByteArray("<S stationId = '0000000001' >\r\n<L ackId\t=\"12345\"/>")
        << QByteArray("<S stationId = '0000000042' >\r\n<L ackId\t=\"30001\"/>");
    QTest::addRow("attribute over two lines") << QByteArray("<S\r\n stationId=\r\n\"1\">")
                                              << QByteArray("<S\r\n stationId=\r\n\"0000000042\">");
    QTest::addRow("other names that end alike") << QByteArray("<S xstationId=\"1\" myackId=\"2\">")
                                                << QByteArray("<S xstationId=\"1\" myackId=\"2\">");
    QTest::addRow("inside another value")
        << QByteArray("<F file=\"a stationId='1' ackId='2'\" ackId=\"3\" />")
        << QByteArray("<F file=\"a stationId='1' ackId='2'\" ackId=\"30001\" />");
    QTest::addRow("outside tags") << QByteArray("stationId=\"1\"\r\n<A>ackId=\"2\"</A>")
                                  << QByteArray("stationId=\"1\"\r\n<A>ackId=\"2\"</A>");
    QTest::addRow("\">\" inside a value does not end the tag")
        << QByteArray("<F file=\"a>b\" stationId=\"1\">")
        << QByteArray("<F file=\"a>b\" stationId=\"0000000042\">");
    QTest::addRow("empty value") << QByteArray("<S stationId=\"\" ackId=\"\">")
                                 << QByteArray("<S stationId=\"0000000042\" ackId=\"30001\">");
    QTest::addRow("value without its end") << QByteArray("<S stationId=\"1\" ackId=\"2")
                                           << QByteArray("<S stationId=\"0000000042\" ackId=\"2");
}

void TestStationExport::handEditedAttributes()
{
    QFETCH(QByteArray, list);
    QFETCH(QByteArray, expected);
    QCOMPARE(
        Bytes(ListTextForStation(list.toStdString(), "0000000042", CountingSource(FirstAckId))),
        expected);
}

void TestStationExport::filesForIdLists_data()
{
    QTest::addColumn<QByteArray>("idList");
    QTest::addColumn<QStringList>("files");

    QTest::addRow("as typed") << QByteArray("0000000001\r\n0000000002\r\n0000000003\r\n")
                              << QStringList{"0000000001.kcf", "0000000002.kcf", "0000000003.kcf"};
    QTest::addRow("normalised") << QByteArray("12\nab c\n")
                                << QStringList{"0000000012.kcf", "0000000ABC.kcf"};
    QTest::addRow("duplicates and empty lines") << QByteArray("\n12\n\n0000000012\n  \nabc\n12\n")
                                                << QStringList{"0000000012.kcf", "0000000ABC.kcf"};
    QTest::addRow("CR only") << QByteArray("0000000007\r0000000008\r")
                             << QStringList{"0000000007.kcf", "0000000008.kcf"};
}

// Each file is the list for its station in the single export's bytes; only
// the ackIds differ, and no two files share one.
void TestStationExport::filesForIdLists()
{
    QFETCH(QByteArray, idList);
    QFETCH(QStringList, files);
    QTemporaryDir dir;
    const fs::path folder(dir.path().toStdString());
    const std::string list = ListFor(ListStation, CountingSource(10001));
    const StationIdList ids = ParseStationIdList(idList.toStdString());

    const StationExport result = ExportForStations(list, ids.ids, folder, SeededRandomSource(7));
    QVERIFY(!result.unencodable);
    QCOMPARE(Entries(folder), files);
    QSet<int> ackIds;
    int ackIdCount = 0;
    for (const std::string &id : ids.ids) {
        const QByteArray written = Bytes(ReadFileBytes(folder / (id + ".kcf")));
        QCOMPARE(MaskedAckIds(written), MaskedAckIds(Latin1(ListFor(id, CountingSource(1)))));
        for (const int ackId : AckIdsOf(written)) {
            QVERIFY(ackId >= 10001 && ackId <= 99998);
            ackIds << ackId;
            ++ackIdCount;
        }
    }
    // Seeded draws could repeat by chance; these do not, so a source reused
    // from the start for each file would show.
    QCOMPARE(ackIds.size(), ackIdCount);
    for (const StationFile &file : result.files)
        QCOMPARE(file.outcome, StationFile::Outcome::Written);
}

void TestStationExport::existingFileKept()
{
    QTemporaryDir dir;
    const fs::path folder(dir.path().toStdString());
    WriteFileBytes(folder / "0000000002.kcf", "old");
    const StationExport result = ExportForStations(ListFor(ListStation, CountingSource(10001)),
                                                   Ids({"0000000001", "0000000002", "0000000003"}),
                                                   folder, CountingSource(FirstAckId));
    QCOMPARE(OutcomesText(result), QString("0000000001.kcf written | 0000000002.kcf exists | "
                                           "0000000003.kcf written"));
    QCOMPARE(Bytes(ReadFileBytes(folder / "0000000002.kcf")), QByteArray("old"));
    QCOMPARE(Entries(folder), (QStringList{"0000000001.kcf", "0000000002.kcf", "0000000003.kcf"}));
}

// A folder stands where a file should go: that file fails, the others are written.
void TestStationExport::failedWriteAmongGoodOnes()
{
    QTemporaryDir dir;
    const fs::path folder(dir.path().toStdString());
    fs::create_directory(folder / "0000000002.kcf");
    const StationExport result = ExportForStations(ListFor(ListStation, CountingSource(10001)),
                                                   Ids({"0000000001", "0000000002", "0000000003"}),
                                                   folder, CountingSource(FirstAckId));
    QCOMPARE(OutcomesText(result),
             QString("0000000001.kcf written | 0000000002.kcf failed: not a regular file | "
                     "0000000003.kcf written"));
    QVERIFY(fs::is_empty(folder / "0000000002.kcf"));
    QCOMPARE(Entries(folder), (QStringList{"0000000001.kcf", "0000000002.kcf", "0000000003.kcf"}));
}

void TestStationExport::unfinishedWritesLeaveNothing_data()
{
    QTest::addColumn<Confinement>("confinement");
    QTest::addColumn<int>("reason"); // errno
    QTest::addRow("disk full") << Confinement::FullDisk << ENOSPC;
    QTest::addRow("file-size limit") << Confinement::FileSizeLimit << EFBIG;
}

// Every file fails with the system's reason, and no part of one stays.
void TestStationExport::unfinishedWritesLeaveNothing()
{
    QFETCH(Confinement, confinement);
    QFETCH(int, reason);
    const std::string list = ListFor(ListStation, CountingSource(10001));
    QVERIFY(list.size() > FileSizeLimitBytes);
    QTemporaryDir dir;
    const fs::path folder(dir.path().toStdString());
    const ConfinedRun run = RunConfined(
        confinement, folder, [] {},
        [&] {
            const StationExport result = ExportForStations(list, Ids({"0000000001", "0000000002"}),
                                                           folder, CountingSource(FirstAckId));
            return OutcomesText(result).toStdString() + "\n" + FolderContent(folder);
        });
    if (!run.Confined)
        QSKIP(run.Output.c_str());
    const std::string why = FileFault::OfSystem(reason).Text();
    QCOMPARE(Bytes(run.Output),
             Bytes("0000000001.kcf failed: " + why + " | 0000000002.kcf failed: " + why + "\n"));
}

void TestStationExport::unencodableRefusesEverything()
{
    QTemporaryDir dir;
    const fs::path folder(dir.path().toStdString());
    EntryContext context;
    context.stationId = ListStation;
    const std::string list =
        InsertEntry(ListFor(ListStation, CountingSource(10001)), EntryKind::Command,
                    BuildEntry(FirmwareInput{"fw\xE2\x82\xAC.bin"}, context, CountingSource(1)));
    const StationExport result = ExportForStations(list, Ids({"0000000001", "0000000002"}), folder,
                                                   CountingSource(FirstAckId));
    QVERIFY(result.unencodable);
    QCOMPARE(Bytes(result.unencodable->character), QByteArray("\xE2\x82\xAC"));
    QVERIFY(result.files.empty());
    QVERIFY(fs::is_empty(folder));
}

// A caller's slip cannot write outside the folder.
void TestStationExport::onlyIdsNameFiles()
{
    QTemporaryDir dir;
    const fs::path folder = fs::path(dir.path().toStdString()) / "out";
    fs::create_directory(folder);
    const StationExport result = ExportForStations(ListFor(ListStation, CountingSource(10001)),
                                                   Ids({"../0000000001", "", "0000000001"}), folder,
                                                   CountingSource(FirstAckId));
    QCOMPARE(result.files.size(), std::size_t(3));
    QCOMPARE(result.files[0].outcome, StationFile::Outcome::Failed);
    QCOMPARE(result.files[1].outcome, StationFile::Outcome::Failed);
    QCOMPARE(result.files[2].outcome, StationFile::Outcome::Written);
    QCOMPARE(Entries(dir.path().toStdString()), QStringList{"out"});
    QCOMPARE(Entries(folder), QStringList{"0000000001.kcf"});
}

void TestStationExport::summary_data()
{
    QTest::addColumn<bool>("german");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("expected");

    QTest::addRow("English") << false << false
                             << "Command files for 4 stations in \"/data/out\":\n"
                                "\n"
                                "Written (2):\n"
                                "  0000000001.kcf\n"
                                "  0000000004.kcf\n"
                                "\n"
                                "Skipped, the file exists already and is kept (1):\n"
                                "  0000000002.kcf\n"
                                "\n"
                                "Not written (1):\n"
                                "  0000000003.kcf: access denied";
    QTest::addRow("German") << true << false
                            << QString::fromUtf8(
                                   "Kommandodateien für 4 Stationen in \"/data/out\":\n"
                                   "\n"
                                   "Geschrieben (2):\n"
                                   "  0000000001.kcf\n"
                                   "  0000000004.kcf\n"
                                   "\n"
                                   "Übersprungen, die Datei existiert bereits und bleibt "
                                   "erhalten (1):\n"
                                   "  0000000002.kcf\n"
                                   "\n"
                                   "Nicht geschrieben (1):\n"
                                   "  0000000003.kcf: Zugriff verweigert");
    QTest::addRow("English, refused")
        << false << true
        << QString::fromUtf8("The command list was not exported: the character \"€\" in line 7 "
                             "cannot be written in the file's character set (ISO-8859-1).");
    QTest::addRow("German, refused")
        << true << true
        << QString::fromUtf8("Die Kommandoliste wurde nicht exportiert: Das Zeichen \"€\" in "
                             "Zeile 7 ist im Zeichensatz der Datei (ISO-8859-1) nicht "
                             "darstellbar.");
}

void TestStationExport::summary()
{
    QFETCH(bool, german);
    QFETCH(bool, refused);
    QFETCH(QString, expected);
    using O = StationFile::Outcome;
    StationExport result;
    if (refused) {
        result.unencodable = UnencodableCharacter{"\xE2\x82\xAC", 7};
    } else {
        result.files = {
            {"0000000001", "0000000001.kcf", O::Written, {}},
            {"0000000002", "0000000002.kcf", O::Exists, {}},
            {"0000000003", "0000000003.kcf", O::Failed, FileFault::OfSystem(EACCES)},
            {"0000000004", "0000000004.kcf", O::Written, {}},
        };
    }
    QCOMPARE(QString::fromStdString(StationExportSummary(result, "/data/out", german)), expected);
}

QTEST_APPLESS_MAIN(TestStationExport)
#include "tst_stationexport.moc"
