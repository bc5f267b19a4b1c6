#include "estimators/BatteryModel.h"
#include "estimators/ResultDetails.h"
#include "estimators/VolumeModel.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <clocale>
#include <cstdio>

Q_DECLARE_METATYPE(BatteryShares)

// The texts behind the result headings and the disclaimer links, byte for byte.
class TestResultDetails : public QObject
{
    Q_OBJECT

private slots:
    void batteryBreakdown_data();
    void batteryBreakdown();
    void volumeBreakdown_data();
    void volumeBreakdown();
    void disclaimers_data();
    void disclaimers();
    void figuresIgnoreTheCLibraryNumericLocale();
};

namespace {

// The shares of the start-up settings: hourly sensor cycle, daily internal
// values, monthly BLE reading, TX1 daily to HTTP, TX2 off.
BatteryShares StartupShares()
{
    BatteryShares s;
    s.mAhMeas = 24.0 * 14 / 3600 + 3 * (3 * 0.1 / 3600);
    s.mAhIdle = 2.4;
    s.mAhBLE = 0.0333 * 30 * 612 / 3600;
    s.mAhTrans11 = 60.0 * 160 / 3600;
    s.mAhTotal = s.mAhMeas + s.mAhIdle + s.mAhBLE + s.mAhTrans11;
    return s;
}

QStringList Lines(const std::string &text)
{
    return QString::fromStdString(text).split(QStringLiteral("\r\n"));
}

// A German numeric locale for the C library, built from the system's locale
// sources into a folder of its own; restores "C" when it goes.
class GermanCNumericLocale
{
public:
    GermanCNumericLocale()
    {
        if (!folder_.isValid())
            return;
        const int built = QProcess::execute(QStringLiteral("localedef"),
                                            {QStringLiteral("-i"), QStringLiteral("de_DE"),
                                             QStringLiteral("-f"), QStringLiteral("UTF-8"),
                                             folder_.filePath(QStringLiteral("de_DE.UTF-8"))});
        if (built != 0)
            return;
        qputenv("LOCPATH", folder_.path().toLocal8Bit());
        active_ = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    }
    ~GermanCNumericLocale()
    {
        std::setlocale(LC_NUMERIC, "C");
        qunsetenv("LOCPATH");
    }
    GermanCNumericLocale(const GermanCNumericLocale &) = delete;
    GermanCNumericLocale &operator=(const GermanCNumericLocale &) = delete;

    // The C library really writes a decimal comma now.
    bool active() const
    {
        char text[8];
        std::snprintf(text, sizeof text, "%.1f", 1.5);
        return active_ && QByteArray(text) == "1,5";
    }

private:
    QTemporaryDir folder_;
    bool active_ = false;
};

} // namespace

void TestResultDetails::batteryBreakdown_data()
{
    QTest::addColumn<BatteryShares>("shares");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("start-up") << StartupShares() << '.'
                              << QByteArray("Power Consumption in detail:  [ mAh ]\r\n"
                                            "Measurements:  \t0.094\r\n"
                                            "Transmission 1:  \t2.667\t0\r\n"
                                            "Transmission 2:  \t0\t0\r\n"
                                            "Local BLE:  \t0.17\r\n"
                                            "Idle (Ruhe):  \t2.4\r\n"
                                            "Total:  \t\t5.33");
    QTest::addRow("start-up, decimal comma")
        << StartupShares() << ','
        << QByteArray("Power Consumption in detail:  [ mAh ]\r\n"
                      "Measurements:  \t0,094\r\n"
                      "Transmission 1:  \t2,667\t0\r\n"
                      "Transmission 2:  \t0\t0\r\n"
                      "Local BLE:  \t0,17\r\n"
                      "Idle (Ruhe):  \t2,4\r\n"
                      "Total:  \t\t5,33");

    // Conductivity at 5 s, TX1 with a 30 % FTPS backup, TX2 weekly to both servers.
    BatteryShares busy;
    busy.mAhMeas = 806.40025;
    busy.mAhTrans11 = 60.0 * 160 / 3600;
    busy.mAhTrans12 = 0.3 * 100 * 160 / 3600;
    busy.mAhTrans21 = 1.0 / 7 * 60 * 160 / 3600;
    busy.mAhTrans22 = 100.0 * 160 / 3600;
    busy.mAhBLE = 1.0 * 30 * 605 / 3600;
    busy.mAhIdle = 2.4;
    busy.mAhTotal = 1234.5;
    QTest::addRow("every share, whole numbers without separators")
        << busy << '.'
        << QByteArray("Power Consumption in detail:  [ mAh ]\r\n"
                      "Measurements:  \t806.4\r\n"
                      "Transmission 1:  \t2.667\t1.333\r\n"
                      "Transmission 2:  \t0.381\t4.444\r\n"
                      "Local BLE:  \t5.042\r\n"
                      "Idle (Ruhe):  \t2.4\r\n"
                      "Total:  \t\t1234.5");
}

void TestResultDetails::batteryBreakdown()
{
    QFETCH(BatteryShares, shares);
    QFETCH(char, separator);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(BatteryBreakdown(shares, separator)), expected);
}

void TestResultDetails::volumeBreakdown_data()
{
    QTest::addColumn<double>("tx1");
    QTest::addColumn<double>("tx2");
    QTest::addColumn<QByteArray>("expected");

    const auto text = [](const char *n1, const char *n2) {
        return QByteArray("Data Volume NETTO (per Transmission)\r\nTransmission 1:\t") + n1 +
               " Bytes\r\nTransmission 2:\t" + n2 + " Bytes";
    };
    QTest::addRow("start-up") << 1080.0 << 0.0 << text("1080", "0");
    QTest::addRow("ties to even") << 1080.5 << 1081.5 << text("1080", "1082");
    QTest::addRow("small ties") << 2.5 << 0.5 << text("2", "0");
    QTest::addRow("no separators in large counts") << 1234567.4 << 456.25 << text("1234567", "456");
}

void TestResultDetails::volumeBreakdown()
{
    QFETCH(double, tx1);
    QFETCH(double, tx2);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(VolumeBreakdown(tx1, tx2)), expected);
}

void TestResultDetails::disclaimers_data()
{
    QTest::addColumn<bool>("battery");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QStringList>("lines");

    QTest::addRow("battery, English")
        << true << false
        << QStringList{
               "Please note:",
               "o  The calculated times are theoretical and give an approximate estimate of the "
               "battery life.",
               "o  As the condition of the lithium battery is highly dependent on the respective "
               "environmental conditions, the individual battery life varies considerably.",
               "o  The battery capacity is also subject to production-related variations.",
               "o  Sending alarms, changing the configuration and reading out data additionally "
               "shortens the battery life.",
               "o  SMS data transmission and SMS command handling is not considered. Preferably "
               "use IP transmission and HTTP/FTP command handling instead. .",
               "o  We recommend to check the lithium battery after approx. 75% of the "
               "theoretically calculated lifetime; after 5 years at the latest.",
               "For this purpose, use the measured value \"Power consumption\" It shows the "
               "energy taken from the battery so far in milliampere-hours (mAh).",
           };
    QTest::addRow("battery, German")
        << true << true
        << QStringList{
               "Bitte beachten:",
               "o  Die berechneten Zeiten sind theoretisch und geben eine näherungsweise "
               "Schätzung der Batterielebensdauer.",
               "o  Durch eine hohe Abhängigkeit der Lithiumbatterie von den jeweiligen "
               "Umgebungsbedingungen variiert die individuelle Lebensdauer deutlich.",
               "o  Die Batteriekapazität unterliegt ebenfalls produktionsbedingten Schwankungen.",
               "o  Das Senden von Alarmen, das Ändern der Konfiguration sowie ein Auslesen von "
               "Daten verkürzt die Batterielebensdauer zusätzlich.",
               "o  SMS Datenübertragung und SMS Befehlsverarbeitung wird für die Berechnung "
               "nicht berücksichtigt. Sie sollten bevorzugt IP Übertragungen verwenden und "
               "Befehlsverarbeitung via HTTP/FTP.",
               "o  Wir empfehlen die Lithiumbatterie nach ca. 75 % der theoretisch berechneten "
               "Lebensdauer zu überprüfen, spätestens nach 5 Jahren.",
               "Hierzu den Messwert „Batterieverbrauch“ heranziehen. Er zeigt die bisher der "
               "Batterie entnommene Energie in Milliamperestunden (mAh).",
           };
    QTest::addRow("volume, English")
        << false << false
        << QStringList{
               "Please note:",
               "o  The calculated data transmission volumes are based on realistic assumptions, "
               "but represent only an approximate estimate of the actual volume to be "
               "transmitted.",
               "o  The volume to be transmitted varies depending on the data format used, the "
               "variables used within the data and the provider framework conditions.",
               "o  Additional alarm transmissions, frequent server communication, a high number "
               "of event entries, etc. increase the volume to be transmitted.",
           };
    QTest::addRow("volume, German")
        << false << true
        << QStringList{
               "Bitte beachten:",
               "o  Die berechneten Datenübertragungsvolumina basieren auf realistischen "
               "Annahmen, stellen aber ausschließlich eine näherungsweise Schätzung des "
               "tatsächlichen zu übertragenden Volumens dar.",
               "o  Das zu übertragende Volumen schwankt je nach eingesetztem Datenformat, "
               "verwendeten Variablen innerhalb der Daten sowie den Provider "
               "Rahmenbedingungen.",
               "o  Zusätzliche Alarmübertragungen, eine häufige Serverkommunikation, eine hohe "
               "Anzahl von Event-Einträgen, usw. lassen das zu übertragende Volumen ansteigen.",
           };
}

void TestResultDetails::disclaimers()
{
    QFETCH(bool, battery);
    QFETCH(bool, german);
    QFETCH(QStringList, lines);

    const std::string text = battery ? BatteryDisclaimer(german) : VolumeDisclaimer(german);
    const QStringList shown = Lines(text);
    QCOMPARE(shown.size(), lines.size());
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(shown[i], lines[i]);
    // Only CR LF pairs break lines, and none ends the text.
    QCOMPARE(QString::fromStdString(text).count('\n'), lines.size() - 1);
    QCOMPARE(QString::fromStdString(text).count('\r'), lines.size() - 1);
}

// The toolkit sets the C library's locale from the user's settings, so a
// German user's C library writes decimal commas; the figures must not care.
void TestResultDetails::figuresIgnoreTheCLibraryNumericLocale()
{
    const GermanCNumericLocale locale;
    if (!locale.active())
        QSKIP("no German locale can be built on this machine");

    QCOMPARE(Lines(BatteryBreakdown(StartupShares(), ',')).last(), QString("Total:  \t\t5,33"));
    QCOMPARE(Lines(BatteryBreakdown(StartupShares(), '.'))[4], QString("Local BLE:  \t0.17"));
    QCOMPARE(FormatVolume(9999.5, ','), std::string("10,0 kB"));
    QCOMPARE(FormatVolume(71461.2, '.'), std::string("71.461 kB"));
    const BatteryLifeRow row = BatteryLife(CapacityAtMinus20C, StartupShares().mAhTotal, ',');
    QCOMPARE(row.days, std::string("2439"));
    QCOMPARE(row.years, std::string("6,68"));
}

QTEST_APPLESS_MAIN(TestResultDetails)
#include "tst_resultdetails.moc"
