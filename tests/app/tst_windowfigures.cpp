#include "tests/app/PlanWindow.h"
#include "tests/estimators/SetupCases.h"
#include "tests/support/CommandLineRun.h"

#include <nlohmann/json.hpp>

#include <QProcess>
#include <QtTest>

namespace {

QString Label(const TFormMain &form, const char *name)
{
    return Named<QLabel>(form, QLatin1String(name))->text();
}

// The figures of a CSV line by their keys.
QMap<QString, QString> Fields(const QString &header, const QString &line)
{
    const QStringList keys = header.split(',');
    const QStringList values = line.split(',');
    QMap<QString, QString> fields;
    for (int i = 0; i < keys.size(); ++i)
        fields[keys[i]] = values.value(i);
    return fields;
}

// What the window shows for a file, read from its labels, against the
// command line's figures for it. The page caps the days at ten years, shows
// years without trailing zeros and bytes in decimal units.
void CompareWithWindow(const TFormMain &form, const QMap<QString, QString> &figures)
{
    const EstimatorPage &page = form.Estimators();
    const QString file = figures["file"];
    QCOMPARE(figures["station_id"], QString::fromLatin1(page.plan().stationId));
    const auto days = [&](const char *label, const QString &key) {
        const QString shown = Label(form, label);
        if (shown.startsWith('>'))
            QVERIFY2(figures[key].toInt() >= 3653, qPrintable(file + ": " + key));
        else
            QCOMPARE(shown, figures[key]);
    };
    const auto years = [&](const char *label, const QString &key) {
        const QString shown = Label(form, label);
        if (shown.startsWith('>'))
            QVERIFY2(figures[key].toDouble() >= 10, qPrintable(file + ": " + key));
        else
            QCOMPARE(QString::number(shown.toDouble(), 'f', 2), figures[key]);
    };
    days("LabelBLTdays1", "days_20c");
    years("LabelBLTyears1", "years_20c");
    days("LabelBLTdays2", "days_minus_20c");
    years("LabelBLTyears2", "years_minus_20c");
    QCOMPARE(QString::number(page.Charges.mAhTotal, 'f', 5), figures["mah_per_day"]);
    const auto bytes = [&](const char *label, const QString &key) {
        const QString value = figures[key];
        const QString expected = value.isEmpty()
                                     ? QString("---")
                                     : QString::fromStdString(FormatVolume(value.toDouble(), '.'));
        QCOMPARE(Label(form, label), expected);
    };
    bytes("LabelVolTrans1", "bytes_per_transmission_tx1");
    bytes("LabelVolTrans2", "bytes_per_transmission_tx2");
    bytes("LabelVolMonth1", "bytes_per_month_tx1");
    bytes("LabelVolMonth2", "bytes_per_month_tx2");
    bytes("LabelVolMonthTotal", "bytes_per_month_total");
}

} // namespace

// The command line gives for each file the figures the window shows after
// importing or opening it.
class TestWindowFigures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void commandLineMatchesTheWindow_data();
    void commandLineMatchesTheWindow();
    void programOpensAGivenFile();

private:
    QString path(const char *name) const { return files_.filePath(QLatin1String(name)); }
    QTemporaryDir files_;
    QStringList good_;
    QString broken_;
};

void TestWindowFigures::initTestCase()
{
    QVERIFY(files_.isValid());
    SampleStation::Station quiet;
    quiet.stationId = "Br\xFC"
                      "cke 7";
    quiet.tx2Interval = 0;
    quiet.channels.resize(5);
    StationPlan noChoices = DefaultPlan();
    SetupCases::WithoutChoices(noChoices);
    good_ = {WriteSampleSetup(path("sample.bin")), WriteSampleSetup(path("quiet.BIN"), quiet),
             WritePlan(path("start-up.p1kplan"), DefaultPlan()),
             WritePlan(path("changed.p1kplan"), SetupCases::ChangedPage()),
             WritePlan(path("no-choices.p1kplan"), noChoices)};
    broken_ = path("broken.p1kplan");
    ImportFiles::Write(broken_, "{\"format\": \"pelora-toolbox-plan\", \"version\": 7}");
}

void TestWindowFigures::commandLineMatchesTheWindow_data()
{
    QTest::addColumn<QString>("format");
    QTest::addRow("csv") << "csv";
    QTest::addRow("json") << "json";
}

// A broken file among good ones: the command line keeps its row with the
// reason, the window tells it and keeps what it showed.
void TestWindowFigures::commandLineMatchesTheWindow()
{
    QFETCH(QString, format);
    QStringList files = good_;
    files.insert(2, broken_);
    const Run run = RunArguments(QStringList{"estimate", "--format", format} + files);
    QCOMPARE(run.status, 1);

    QList<QMap<QString, QString>> rows;
    if (format == "csv") {
        const QStringList lines = run.out.trimmed().split('\n');
        for (const QString &line : lines.mid(1))
            rows << Fields(lines[0], line);
    } else {
        for (const auto &object : nlohmann::ordered_json::parse(run.out.toStdString())) {
            QMap<QString, QString> fields;
            for (const auto &item : object.items()) {
                const auto &value = item.value();
                fields[QString::fromStdString(item.key())] =
                    value.is_null()     ? QString()
                    : value.is_string() ? QString::fromStdString(value.get<std::string>())
                                        : QString::fromStdString(value.dump());
            }
            rows << fields;
        }
        // JSON writes 10.5 where CSV writes 10.50.
        for (auto &fields : rows) {
            for (const char *key : {"years_20c", "years_minus_20c"}) {
                if (!fields[key].isEmpty())
                    fields[key] = QString::number(fields[key].toDouble(), 'f', 2);
            }
            if (!fields["mah_per_day"].isEmpty())
                fields["mah_per_day"] = QString::number(fields["mah_per_day"].toDouble(), 'f', 5);
        }
    }
    QCOMPARE(rows.size(), files.size());

    for (int i = 0; i < files.size(); ++i) {
        const QString &file = files[i];
        const QMap<QString, QString> &figures = rows[i];
        QCOMPARE(figures["file"], file);
        // Each file on the start-up page, as the command line takes it.
        PlanWindow window;
        const QStringList before = PageShown(window.page());
        if (file.endsWith(".p1kplan"))
            window.openPlan(file);
        else
            window.importSetup(file);
        if (file == broken_) {
            QVERIFY(!figures["error"].isEmpty());
            QCOMPARE(window.messages().size(), 1);
            QCOMPARE(PageShown(window.page()), before);
            continue;
        }
        QCOMPARE(figures["error"], QString());
        QCOMPARE(window.messages(), QStringList());
        CompareWithWindow(window.form, figures);
    }
}

// Started with a file, the program opens its window and keeps running; a
// quick look at the real program, offscreen, in a folder of its own.
void TestWindowFigures::programOpensAGivenFile()
{
    QTemporaryDir folder;
    const QString program = QDir(folder.path()).filePath("pelora-toolbox");
    QVERIFY(QFile::copy(QStringLiteral(PELORA_TOOLBOX), program));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(program, {good_[3]});
    QVERIFY(process.waitForStarted());
    QVERIFY(!process.waitForFinished(1500));
    QCOMPARE(process.state(), QProcess::Running);
    process.kill();
    process.waitForFinished();
}

QTEST_MAIN(TestWindowFigures)
#include "tst_windowfigures.moc"
