#include "report/ResultsText.h"
#include "tests/report/ReportPlans.h"

#include <QRegularExpression>
#include <QtTest>

Q_DECLARE_METATYPE(ReportData)

class TestResultsText : public QObject
{
    Q_OBJECT

private slots:
    void startUpPlan_data();
    void startUpPlan();
    void htmlHoldsEveryCell_data();
    void htmlHoldsEveryCell();
    void importedTextsStayText();
};

void TestResultsText::startUpPlan_data()
{
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("expected");
    QTest::addRow("en")
        << false
        << QStringLiteral("Pelora 1000 station report\n"
                          "Date\t2026-03-01\n"
                          "Program version\t9.8.7\n"
                          "\n"
                          "Measurements\tSampling interval\tStorage interval\tin TX1\tin TX2\n"
                          "M1  Distance to Water\t01:00:00\t01:00:00\ton\ton\n"
                          "M2  Water Temperature\t01:00:00\t01:00:00\ton\ton\n"
                          "M3  Supply Voltage\t24:00:00\t24:00:00\ton\ton\n"
                          "M4  Power Consumption\t24:00:00\t24:00:00\ton\ton\n"
                          "M5  Signal Strength\t24:00:00\t24:00:00\ton\ton\n"
                          "\n"
                          "IP Transmissions\tTX1\tTX2\n"
                          "Transmission active\ton\toff\n"
                          "Interval\t24:00:00\t24:00:00\n"
                          "Data format\tVesk-ML\tVesk QDX\n"
                          "Server type\tHTTP\tHTTP\n"
                          "Compress data active (Assumption: 25%)\ton\ton\n"
                          "Station events active\ton\ton\n"
                          "Measurement events active / Number per transmission\ton / 1\ton / 1\n"
                          "Secondary server mode\t'- none -\t'- none -\n"
                          "Secondary server type\tHTTP\tHTTP\n"
                          "Backup data rate [%]\t30\t30\n"
                          "\n"
                          "Device and communication\n"
                          "Pelora 1000 with Conductivity\tno\n"
                          "Radio network type\t4G / 2G (fallback)\n"
                          "Local communication via BLE\tOnce a month\n"
                          "Available capacity\t26 Ah\n"
                          "\n"
                          "Result: Estimated battery life time\n"
                          "\tDays\tYears\n"
                          "Vesk Pelora 1000 @ 20 °C\t> 3653\t> 10\n"
                          "Vesk Pelora 1000 @ -20 °C\t2439\t6.68\n"
                          "\n"
                          "Daily charge\n"
                          "\tmAh per day\n"
                          "Measurements\t0.094\n"
                          "TX1 primary server\t2.667\n"
                          "TX1 secondary server\t0\n"
                          "TX2 primary server\t0\n"
                          "TX2 secondary server\t0\n"
                          "Local BLE\t0.17\n"
                          "Idle\t2.4\n"
                          "Total\t5.33\n"
                          "\n"
                          "Result: Estimated transmission volume **\n"
                          "\tTX1\tTX2\tTotal\n"
                          "per transmission\t2305 Bytes\t'---\t2305 Bytes\n"
                          "per month\t71.461 kB\t'---\t71.461 kB\n"
                          "** 1 kB = 1000 Bytes / 1 MB = 1000 kB / 1 month = 31 days or 5 weeks\n");
    QTest::addRow("de") << true
                        << QStringLiteral(
                               "Pelora 1000 Stationsbericht\n"
                               "Datum\t01.03.2026\n"
                               "Programmversion\t9.8.7\n"
                               "\n"
                               "Messungen\tMess Intervall\tSpeicher Intervall\tin TX1\tin TX2\n"
                               "M1  Abstich\t01:00:00\t01:00:00\tein\tein\n"
                               "M2  Wassertemperatur\t01:00:00\t01:00:00\tein\tein\n"
                               "M3  Versorgungsspannung\t24:00:00\t24:00:00\tein\tein\n"
                               "M4  Batterieverbrauch\t24:00:00\t24:00:00\tein\tein\n"
                               "M5  Signalstärke\t24:00:00\t24:00:00\tein\tein\n"
                               "\n"
                               "IP Übertragungen\tTX1\tTX2\n"
                               "Übertragung aktiv\tein\taus\n"
                               "Intervall\t24:00:00\t24:00:00\n"
                               "Datenformat\tVesk-ML\tVesk QDX\n"
                               "Servertyp\tHTTP\tHTTP\n"
                               "Daten komprimieren aktiv (Annahme: 25%)\tein\tein\n"
                               "Stationsereignisse aktiv\tein\tein\n"
                               "Kanalereignisse aktiv / Anzahl je Übertragung\tein / 1\tein / 1\n"
                               "Sekundärer Server (Modus)\t'- none -\t'- none -\n"
                               "Sekundärer Server (Typ)\tHTTP\tHTTP\n"
                               "Sicherungsrate [%]\t30\t30\n"
                               "\n"
                               "Gerät und Kommunikation\n"
                               "Pelora 1000 mit Leitfähigkeit\tnein\n"
                               "Funknetzwerk\t4G / 2G (fallback)\n"
                               "Lokale Kommunikation mit Bluetooth\tMonatlich\n"
                               "Verfügbare Kapazität\t26 Ah\n"
                               "\n"
                               "Ergebnis: Geschätzte Batterielebensdauer\n"
                               "\tTage\tJahre\n"
                               "Vesk Pelora 1000 @ 20 °C\t> 3653\t> 10\n"
                               "Vesk Pelora 1000 @ -20 °C\t2439\t6,68\n"
                               "\n"
                               "Tagesverbrauch\n"
                               "\tmAh pro Tag\n"
                               "Messungen\t0,094\n"
                               "TX1 primärer Server\t2,667\n"
                               "TX1 sekundärer Server\t0\n"
                               "TX2 primärer Server\t0\n"
                               "TX2 sekundärer Server\t0\n"
                               "Lokales BLE\t0,17\n"
                               "Ruhe\t2,4\n"
                               "Gesamt\t5,33\n"
                               "\n"
                               "Ergebnis: Geschätztes Übertragungsvolumen **\n"
                               "\tTX1\tTX2\tGesamt\n"
                               "je Übertragung\t2305 Bytes\t'---\t2305 Bytes\n"
                               "je Monat\t71,461 kB\t'---\t71,461 kB\n"
                               "** 1 kB = 1000 Bytes / 1 MB = 1000 kB / 1 Monat = 31 Tage oder 5 "
                               "Wochen\n");
}

// The start-up page copied: every line as a spreadsheet takes it.
void TestResultsText::startUpPlan()
{
    QFETCH(bool, german);
    QFETCH(QString, expected);
    const ReportContent content = ContentOf(ReportPlans::Data(DefaultPlan(), german));
    QCOMPARE(QString::fromStdString(ResultsPlainText(content)), expected);
}

void TestResultsText::htmlHoldsEveryCell_data()
{
    QTest::addColumn<ReportData>("data");
    using namespace ReportPlans;
    for (const bool german : {false, true}) {
        const char *lang = german ? "de" : "en";
        QTest::addRow("imported %s", lang) << Data(Imported(), german);
        QTest::addRow("conductivity %s", lang) << Data(Conductivity(), german);
        QTest::addRow("targets %s", lang) << Data(TwoTransmissions(), german, {5, 20});
        QTest::addRow("no choice %s", lang) << Data(WithoutChoices(), german);
    }
}

// The HTML holds what the text holds, line by line in the same order, each
// cell escaped; a cell the page shows disabled is grey.
void TestResultsText::htmlHoldsEveryCell()
{
    QFETCH(ReportData, data);
    const ReportContent content = ContentOf(data);
    const QString text = QString::fromStdString(ResultsPlainText(content));
    const QString html = QString::fromStdString(ResultsHtml(content));
    const auto escaped = [](QString cell) {
        if (cell.startsWith(QLatin1Char('\'')))
            cell.remove(0, 1);
        return cell.toHtmlEscaped();
    };
    qsizetype from = 0;
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        for (const QString &cell : line.split(QLatin1Char('\t'), Qt::SkipEmptyParts)) {
            const qsizetype at = html.indexOf(escaped(cell), from);
            QVERIFY2(at >= 0, qPrintable(cell));
            from = at;
        }
    }
    const bool muted =
        !content.transmissions.rows.empty() &&
        std::any_of(content.transmissions.rows.begin(), content.transmissions.rows.end(),
                    [](const auto &row) {
                        return std::any_of(row.begin(), row.end(),
                                           [](const ReportCell &c) { return c.muted; });
                    });
    QCOMPARE(html.contains(QStringLiteral("color:#808080")), muted);
    QVERIFY(!html.contains(QStringLiteral("<7>")));
}

// A station ID that a spreadsheet would take as a formula stays text; the
// HTML shows it as it is, escaped.
void TestResultsText::importedTextsStayText()
{
    StationPlan plan = DefaultPlan();
    plan.stationId = "=HYPERLINK(\"x\")";
    const ReportContent content = ContentOf(ReportPlans::Data(plan, false));
    const QString text = QString::fromStdString(ResultsPlainText(content));
    QVERIFY2(text.contains(QStringLiteral("Station ID\t'=HYPERLINK(\"x\")\n")), qPrintable(text));
    QVERIFY(QString::fromStdString(ResultsHtml(content))
                .contains(QStringLiteral("<td>=HYPERLINK(&quot;x&quot;)</td>")));
}

QTEST_APPLESS_MAIN(TestResultsText)
#include "tst_resultstext.moc"
