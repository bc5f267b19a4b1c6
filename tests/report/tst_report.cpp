#include "common/TableLookup.h"
#include "common/Text.h"
#include "estimators/PlanningAids.h"
#include "estimators/ResultDetails.h"
#include "estimators/VolumeModel.h"
#include "report/ReportPdf.h"
#include "tests/report/ReportPlans.h"
#include "tests/support/PdfText.h"
#include "texts/ItemTexts.h"
#include "texts/LanguageTable.h"
#include "texts/PlanningTexts.h"
#include "texts/ReportTexts.h"

#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ReportData)

namespace {

QString Q(const std::string &text)
{
    return QString::fromStdString(text);
}

QString Caption(const char *control, bool german)
{
    return QString::fromUtf8(Translated(*FindLanguageText(control), !german));
}

template <typename Items, typename Choice>
QString ItemOf(const Items &items, const std::optional<Choice> &choice)
{
    const int item = choice ? static_cast<int>(*choice) : NoItem;
    return QString::fromUtf8(InTable(items, item) ? items[static_cast<std::size_t>(item)]
                                                  : NoChoiceText);
}

QString Interval(const std::optional<std::int32_t> &seconds)
{
    const int item = seconds ? IndexOf(IntervalSeconds, *seconds) : NoItem;
    return QString::fromUtf8(InTable(IntervalItems, item)
                                 ? IntervalItems[static_cast<std::size_t>(item)]
                                 : NoChoiceText);
}

QString TxInterval(const std::optional<std::int32_t> &seconds)
{
    const int item = seconds ? IndexOf(TXIntervalSeconds, *seconds) : NoItem;
    return QString::fromUtf8(InTable(TXIntervalItems, item)
                                 ? TXIntervalItems[static_cast<std::size_t>(item)]
                                 : NoChoiceText);
}

QString Switch(bool on, bool german)
{
    return QString::fromUtf8(Text(on ? ReportText::On : ReportText::Off, german));
}

// The label the page gives a row.
QString RowLabel(const StationPlan &plan, int i, bool german)
{
    const std::optional<std::string> &name = plan.rows[i].name;
    return name ? Q(ImportedRowLabel(i, Latin1ToUtf8(*name)))
                : Caption(("LabelM" + std::to_string(i)).c_str(), german);
}

// A text found on the page: whole, or, for one longer than a cell holds,
// its start and an ellipsis.
struct Expected
{
    QString text;
    bool elided = false;
};

// A row of a table read across one line of the laid-out page.
using ExpectedRow = QStringList;

struct Expectations
{
    QList<Expected> texts;
    QList<ExpectedRow> rows;
};

// Every input and figure the page shows, formatted as the page formats it.
Expectations ExpectedOf(const ReportData &data, bool longNames)
{
    const bool g = data.german;
    const char sep = data.decimalSeparator;
    const StationPlan &plan = data.plan;
    Expectations e;
    const auto text = [&e](const QString &t) { e.texts.append({t, false}); };

    text(QString::fromUtf8(Text(ReportText::Title, g)));
    // Headings whole, however narrow their columns.
    for (const char *control : {"LabelMeas", "LabelMeasInt", "LabelStoreInt", "LabelVTransm"})
        text(Caption(control, g));
    for (const ReportText heading : {ReportText::Inputs, ReportText::Results, ReportText::Device,
                                     ReportText::DailyCharge, ReportText::PerDay, ReportText::Chart,
                                     ReportText::BatteryDisclaimer, ReportText::VolumeDisclaimer})
        text(QString::fromUtf8(Text(heading, g)));
    if (data.plan.targets.years > 0 || data.plan.targets.dataPlanMB > 0) {
        for (const ReportText heading :
             {ReportText::Targets, ReportText::Target, ReportText::Value, ReportText::TargetFor})
            text(QString::fromUtf8(Text(heading, g)));
    }
    text(g ? QStringLiteral("01.03.2026") : QStringLiteral("2026-03-01"));
    text(QStringLiteral("9.8.7"));
    if (!plan.stationId.empty())
        e.texts.append({Q(Latin1ToUtf8(plan.stationId)), longNames});

    const int rows = plan.conductivity ? EstimatorRowCount : FirstConductivityRow - 1;
    for (int i = 1; i <= rows; ++i) {
        const StationPlan::Row &row = plan.rows[i];
        const QStringList values = {Interval(row.samplingSeconds), Interval(row.storageSeconds),
                                    Switch(row.inTX1, g), Switch(row.inTX2, g)};
        e.texts.append({RowLabel(plan, i, g), longNames});
        for (const QString &value : values)
            text(value);
        if (!longNames)
            e.rows.append(QStringList{RowLabel(plan, i, g)} + values);
    }

    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        const StationPlan::Transmission &tx = plan.transmissions[t];
        for (const QString &value :
             {Switch(tx.on, g), TxInterval(tx.intervalSeconds), ItemOf(DataFormatItems, tx.format),
              ItemOf(ServerTypeItems, tx.server), Switch(tx.compression, g),
              Switch(tx.stationEvents, g),
              Switch(tx.measurementEvents, g) + " / " + QString::number(tx.eventsNumber),
              ItemOf(SecondaryModeItems, tx.secondaryMode),
              ItemOf(ServerTypeItems, tx.secondaryServer), QString::number(tx.backupPercent)})
            text(value);
    }
    for (const char *control :
         {"LabelVTXInterval", "LabelVTXFormat", "LabelVTXSType", "LabelVCompression",
          "LabelVCompression2", "LabelVStationEvents", "LabelVChannelEvents", "LabelVTXS2Mode",
          "LabelVTXS2Type", "LabelVTXS2Backuprate", "ConductivityCheckBox", "LabelModemType",
          "LabelMBLE", "LabelBattery2", "LabelMResult", "LabelVResult"})
        text(Caption(control, g));
    e.rows.append({Caption("LabelVTXInterval", g),
                   TxInterval(plan.transmissions[1].intervalSeconds),
                   TxInterval(plan.transmissions[2].intervalSeconds)});
    text(QString::fromUtf8(Text(plan.conductivity ? ReportText::Yes : ReportText::No, g)));
    text(ItemOf(RadioNetworkItems, plan.network));
    const int observer = plan.observer ? static_cast<int>(*plan.observer) : NoItem;
    text(InTable(ObserverIntervalItems, observer)
             ? QString::fromUtf8(
                   Translated(ObserverIntervalItems[static_cast<std::size_t>(observer)], !g))
             : QString::fromUtf8(NoChoiceText));
    text(QString::fromUtf8(BatteryCapacityText));

    const BatteryShares shares = EstimateBattery(plan);
    for (std::size_t r = 0; r < RowCapacity.size(); ++r) {
        const BatteryLifeRow life = BatteryLife(RowCapacity[r], shares.mAhTotal, sep);
        e.rows.append({QString::fromUtf8(BatteryRowNames[r]), Q(life.days), Q(life.years)});
    }
    e.rows.append({Caption("LabelMResultD", g), Caption("LabelMResultY", g)});
    text(Caption("LabelMResultY10", g));
    const std::vector<std::pair<QString, double>> charges = {
        {Caption("LabelMeas", g), shares.mAhMeas},
        {Q(Filled(Text(ReportText::PrimaryServer, g), {"TX1"})), shares.mAhTrans11},
        {Q(Filled(Text(ReportText::SecondaryServer, g), {"TX1"})), shares.mAhTrans12},
        {Q(Filled(Text(ReportText::PrimaryServer, g), {"TX2"})), shares.mAhTrans21},
        {Q(Filled(Text(ReportText::SecondaryServer, g), {"TX2"})), shares.mAhTrans22},
        {QString::fromUtf8(Text(ReportText::LocalBle, g)), shares.mAhBLE},
        {QString::fromUtf8(Text(ReportText::Idle, g)), shares.mAhIdle},
        {Caption("LabelVResult4", g), shares.mAhTotal},
    };
    for (const auto &[label, mAh] : charges)
        e.rows.append({label, Q(ChargeText(mAh, sep))});

    const VolumeResult volume = EstimateVolume(plan);
    const bool tx2 = plan.transmissions[2].on;
    const QString off = QString::fromUtf8(VolumeOffText);
    e.rows.append({Caption("LabelVResult2", g), Q(FormatVolume(volume.perTX1, sep)),
                   tx2 ? Q(FormatVolume(volume.perTX2, sep)) : off,
                   Q(FormatVolume(volume.perTX1 + volume.perTX2, sep))});
    e.rows.append({Caption("LabelVResult3", g), Q(FormatVolume(volume.month1, sep)),
                   tx2 ? Q(FormatVolume(volume.month2, sep)) : off,
                   Q(FormatVolume(volume.month1 + volume.month2, sep))});
    text(Caption("LabelVResult5", g));

    const PlanningTargets &targets = plan.targets;
    const PlanningAids aids = ComputePlanningAids(plan, targets);
    const auto mark = [g](TargetMark m) {
        return QString::fromUtf8(
            Text(m == TargetMark::Met ? PlanningText::Met : PlanningText::NotMet, g));
    };
    const auto item = [](const IntervalAnswer &answer) {
        return answer.kind == IntervalAnswer::Kind::Reached ? answer.interval : NoItem;
    };
    if (targets.years > 0) {
        text(QString::fromUtf8(Text(PlanningText::TargetYearsLabel, g)));
        text(Q(YearsText(targets.years, g, sep)));
        for (std::size_t r = 0; r < RowCapacity.size(); ++r) {
            e.rows.append(
                {QString::fromUtf8(TemperatureTexts[r]),
                 mark(LifeMark(BatteryYears(RowCapacity[r], shares.mAhTotal), targets.years))});
            for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
                if (plan.transmissions[t].on)
                    text(Q(LifeAnswerLine(targets.years, static_cast<int>(r), t,
                                          item(aids.transmissions[t].life[r]), g, sep)));
            }
        }
    }
    if (targets.dataPlanMB > 0) {
        text(QString::fromUtf8(Text(PlanningText::DataPlanLabel, g)));
        text(Q(MegabytesText(targets.dataPlanMB, sep)));
        text(mark(DataPlanMark(volume.month1 + volume.month2, targets.dataPlanMB)));
        for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
            if (plan.transmissions[t].on)
                text(Q(DataPlanAnswerLine(targets.dataPlanMB, t,
                                          item(aids.transmissions[t].dataPlan), g, sep)));
        }
    }

    text(QString::fromUtf8(Text(PlanningText::BatteryChartTitle, g)));
    text(QString::fromUtf8(Text(PlanningText::VolumeChartTitle, g)));
    for (const std::string &disclaimer : {BatteryDisclaimer(g), VolumeDisclaimer(g)}) {
        for (const QString &line : Q(disclaimer).split(QStringLiteral("\r\n")))
            text(line);
    }
    return e;
}

QString PdfPath(const QTemporaryDir &folder)
{
    return folder.filePath(QStringLiteral("report.pdf"));
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void showsEveryInputAndFigure_data();
    void showsEveryInputAndFigure();
    void printerGetsTheSamePage();

private:
    QTemporaryDir m_folder;
};

void TestReport::initTestCase()
{
    QVERIFY(m_folder.isValid());
}

void TestReport::showsEveryInputAndFigure_data()
{
    QTest::addColumn<ReportData>("data");
    QTest::addColumn<bool>("longNames");
    using namespace ReportPlans;
    const PlanningTargets met{1, 100};
    const PlanningTargets missed{50, 1};
    for (const bool german : {false, true}) {
        const char *lang = german ? "de" : "en";
        QTest::addRow("start-up %s", lang) << Data(DefaultPlan(), german) << false;
        QTest::addRow("imported names %s", lang) << Data(Imported(), german) << false;
        QTest::addRow("conductivity %s", lang) << Data(Conductivity(), german) << false;
        QTest::addRow("two transmissions %s", lang) << Data(TwoTransmissions(), german) << false;
        QTest::addRow("no choice %s", lang) << Data(WithoutChoices(), german) << false;
        QTest::addRow("targets met %s", lang) << Data(TwoTransmissions(), german, met) << false;
        QTest::addRow("targets missed %s", lang)
            << Data(TwoTransmissions(), german, missed) << false;
        QTest::addRow("years target only %s", lang)
            << Data(Conductivity(), german, {5, 0}) << false;
        QTest::addRow("longest texts %s", lang) << Data(Longest(), german, missed) << true;
    }
}

// Read back from the PDF as a reader's tools read it: every input and
// figure, each table row across one line, on one A4 page in embedded fonts.
void TestReport::showsEveryInputAndFigure()
{
    QFETCH(ReportData, data);
    QFETCH(bool, longNames);
    const QString path = PdfPath(m_folder);
    QCOMPARE(WriteReportPdf(path.toStdString(), data).kind, FileFault::Kind::None);
    const PdfText pdf = ReadPdf(path);
    QVERIFY2(pdf.failure.isEmpty(), qPrintable(pdf.failure));
    QCOMPARE(pdf.pages(), 1);
    QVERIFY2(pdf.isA4(), qPrintable(pdf.info));
    const auto fonts = pdf.fontList();
    QVERIFY(!fonts.isEmpty());
    for (const auto &[name, embedded] : fonts) {
        QVERIFY2(embedded, qPrintable(name));
        QVERIFY2(name.contains(QStringLiteral("DejaVuSans")), qPrintable(name));
    }

    const Expectations expected = ExpectedOf(data, longNames);
    const QString raw = Squeezed(pdf.raw);
    QStringList missing;
    for (const Expected &e : expected.texts) {
        // A text too long for its place keeps its start and ends in "…".
        const QString found = e.elided ? Squeezed(e.text).left(12) : Squeezed(e.text);
        if (!raw.contains(found))
            missing << e.text;
    }
    if (longNames && !raw.contains(QChar(0x2026)))
        missing << QStringLiteral("the ellipsis of a cut text");
    for (const ExpectedRow &row : expected.rows) {
        if (!RowPattern(row).match(pdf.layout).hasMatch())
            missing << QStringLiteral("row: ") + row.join(QStringLiteral(" | "));
    }
    QVERIFY2(missing.isEmpty(),
             qPrintable(missing.join(QLatin1Char('\n')) + "\n---\n" + pdf.layout));
}

// The print-out is drawn by the same code into the printer's page.
void TestReport::printerGetsTheSamePage()
{
    const ReportData data = ReportPlans::Data(ReportPlans::Imported(), true, {5, 20});
    const QString path = m_folder.filePath(QStringLiteral("printed.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    PrepareReportPrinter(printer, data);
    QVERIFY(PrintReport(printer, data));

    const QString written = PdfPath(m_folder);
    QCOMPARE(WriteReportPdf(written.toStdString(), data).kind, FileFault::Kind::None);
    const PdfText printed = ReadPdf(path);
    const PdfText pdf = ReadPdf(written);
    QVERIFY2(printed.failure.isEmpty(), qPrintable(printed.failure));
    QCOMPARE(printed.pages(), 1);
    QVERIFY2(printed.isA4(), qPrintable(printed.info));
    QCOMPARE(printed.raw, pdf.raw);
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
