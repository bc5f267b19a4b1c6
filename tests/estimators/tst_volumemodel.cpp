#include "common/NumberFormat.h"
#include "estimators/VolumeModel.h"

#include <QtTest>

#include <functional>

using VolumeChange = std::function<void(VolumeInputs &)>;
Q_DECLARE_METATYPE(VolumeChange)

namespace {

constexpr int Hourly = 18;
constexpr int Daily = 25;
constexpr int TwoHours = 19;
constexpr int DailyTransmission = 18;
constexpr int HourlyTransmission = 11;
constexpr int ThreeHoursTransmission = 13;
constexpr int WeeklyTransmission = 19;
constexpr int VeskQdx = 0;
constexpr int VeskMl = 1;
constexpr int Csv = 2;
constexpr int Https = 2;
constexpr int Ftps = 5;

// The estimator page as the program starts.
VolumeInputs StartupInputs()
{
    VolumeInputs inputs;
    for (int row = 1; row <= EstimatorRowCount; ++row) {
        inputs.rows[row].inTX1 = true;
        inputs.rows[row].inTX2 = true;
        inputs.rows[row].storageIndex = row >= 3 && row <= 5 ? Daily : Hourly;
    }
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        TransmissionInputs &tx = inputs.transmissions[t];
        tx.on = t == 1;
        tx.intervalIndex = DailyTransmission;
        tx.format = t == 1 ? VeskMl : VeskQdx;
        tx.primaryServerType = 0;
        tx.compression = true;
        tx.stationEvents = true;
        tx.channelEvents = true;
        tx.eventsNumber = 1;
        tx.secondaryMode = SecondaryModeNone;
        tx.secondaryServerType = 0;
        tx.backupPercent = 30;
    }
    return inputs;
}

// TX1 of the start-up page with its counted channels and values.
TransmissionInputs StartupTX1()
{
    TransmissionInputs tx = StartupInputs().transmissions[1];
    tx.channelCount = 5;
    tx.valueCount = 56;
    return tx;
}

bool Near(double actual, double expected)
{
    return qAbs(actual - expected) <= 1e-9 * qMax(1.0, qAbs(expected));
}

} // namespace

class TestVolumeModel : public QObject
{
    Q_OBJECT

private slots:
    void estimate_data();
    void estimate();
    void startupLabels();
    void valuesPerTransmission_data();
    void valuesPerTransmission();
    void volumeTableCells();
    void volumeColumn_data();
    void volumeColumn();
    void formatVolume_data();
    void formatVolume();
};

void TestVolumeModel::estimate_data()
{
    QTest::addColumn<VolumeChange>("change");
    QTest::addColumn<double>("perTX1");
    QTest::addColumn<double>("month1");
    QTest::addColumn<double>("netto1");
    QTest::addColumn<double>("perTX2");
    QTest::addColumn<double>("month2");
    QTest::addColumn<double>("netto2");

    const auto tx1 = [](std::function<void(TransmissionInputs &)> change) {
        return VolumeChange([change](VolumeInputs &in) { change(in.transmissions[1]); });
    };

    QTest::addRow("start-up") << VolumeChange([](VolumeInputs &) {}) << 2305.2 << 71461.2 << 1080.0
                              << 0.0 << 0.0 << 0.0;
    QTest::addRow("compression off") << tx1([](TransmissionInputs &tx) { tx.compression = false; })
                                     << 7294.8 << 7294.8 * 31 << 4320.0 << 0.0 << 0.0 << 0.0;
    QTest::addRow("weekly") << tx1([](TransmissionInputs &tx) {
        tx.intervalIndex = WeeklyTransmission;
    }) << 7606.65 << 38033.25
                            << 4522.5 << 0.0 << 0.0 << 0.0;
    QTest::addRow("every minute") << tx1([](TransmissionInputs &tx) { tx.intervalIndex = 0; })
                                  << 1421.625 << 63461340.0 << 506.25 << 0.0 << 0.0 << 0.0;
    QTest::addRow("events off") << tx1([](TransmissionInputs &tx) {
        tx.stationEvents = false;
        tx.channelEvents = false;
    }) << 2237.44 << 2237.44 * 31
                                << 1036.0 << 0.0 << 0.0 << 0.0;
    QTest::addRow("three events") << tx1([](TransmissionInputs &tx) { tx.eventsNumber = 3; })
                                  << 2490.0 << 2490.0 * 31 << 1200.0 << 0.0 << 0.0 << 0.0;
    QTest::addRow("CSV") << tx1([](TransmissionInputs &tx) { tx.format = Csv; }) << 1504.4
                         << 1504.4 * 31 << 560.0 << 0.0 << 0.0 << 0.0;
    QTest::addRow("HTTPS") << tx1([](TransmissionInputs &tx) { tx.primaryServerType = Https; })
                           << 8405.6 << 8405.6 * 31 << 1080.0 << 0.0 << 0.0 << 0.0;
    QTest::addRow("backup FTPS 30 %%") << tx1([](TransmissionInputs &tx) {
        tx.secondaryMode = SecondaryModeBackup;
        tx.secondaryServerType = Ftps;
    }) << 5366.16 << 5366.16 * 31 << 1080.0
                                       << 0.0 << 0.0 << 0.0;
    QTest::addRow("both servers FTPS") << tx1([](TransmissionInputs &tx) {
        tx.secondaryMode = SecondaryModeBothServers;
        tx.secondaryServerType = Ftps;
    }) << 2305.2 + 10203.2 << (2305.2 + 10203.2) * 31
                                       << 1080.0 << 0.0 << 0.0 << 0.0;
    QTest::addRow("TX2 on") << VolumeChange([](VolumeInputs &in) { in.transmissions[2].on = true; })
                            << 2305.2 << 71461.2 << 1080.0 << 1344.625 << 41683.375 << 456.25;
    QTest::addRow("TX1 off") << tx1([](TransmissionInputs &tx) { tx.on = false; }) << 0.0 << 0.0
                             << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::addRow("row 1 not in TX1")
        << VolumeChange([](VolumeInputs &in) { in.rows[1].inTX1 = false; }) << 1795.075
        << 1795.075 * 31 << 748.75 << 0.0 << 0.0 << 0.0;
    QTest::addRow("conductivity counts rows 6 to 8")
        << VolumeChange([](VolumeInputs &in) { in.conductivity = true; }) << 3835.575
        << 3835.575 * 31 << 2073.75 << 0.0 << 0.0 << 0.0;

    // A drop-down without a selection, or an index past its table, adds nothing.
    QTest::addRow("row 1 storage without selection")
        << VolumeChange([](VolumeInputs &in) { in.rows[1].storageIndex = -1; }) << 1795.075
        << 1795.075 * 31 << 748.75 << 0.0 << 0.0 << 0.0;
    QTest::addRow("row 1 storage past the table")
        << VolumeChange([](VolumeInputs &in) { in.rows[1].storageIndex = 26; }) << 1795.075
        << 1795.075 * 31 << 748.75 << 0.0 << 0.0 << 0.0;
    QTest::addRow("TX1 interval without selection")
        << tx1([](TransmissionInputs &tx) { tx.intervalIndex = -1; }) << 0.0 << 0.0 << 0.0 << 0.0
        << 0.0 << 0.0;
    QTest::addRow("TX1 interval past the table")
        << tx1([](TransmissionInputs &tx) { tx.intervalIndex = 20; }) << 0.0 << 0.0 << 0.0 << 0.0
        << 0.0 << 0.0;
    QTest::addRow("TX2 on, interval without selection") << VolumeChange([](VolumeInputs &in) {
        in.transmissions[2].on = true;
        in.transmissions[2].intervalIndex = -1;
    }) << 2305.2 << 71461.2 << 1080.0 << 0.0 << 0.0 << 0.0;
    QTest::addRow("format without selection") << tx1([](TransmissionInputs &tx) { tx.format = -1; })
                                              << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::addRow("format past the list") << tx1([](TransmissionInputs &tx) { tx.format = 6; })
                                          << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::addRow("primary server without selection")
        << tx1([](TransmissionInputs &tx) { tx.primaryServerType = -1; }) << 1080.0 << 1080.0 * 31
        << 1080.0 << 0.0 << 0.0 << 0.0;
    QTest::addRow("backup server past the list") << tx1([](TransmissionInputs &tx) {
        tx.secondaryMode = SecondaryModeBackup;
        tx.secondaryServerType = 6;
    }) << 2305.2 + 324 << (2305.2 + 324) * 31 << 1080.0
                                                 << 0.0 << 0.0 << 0.0;
    QTest::addRow("secondary mode past the list") << tx1([](TransmissionInputs &tx) {
        tx.secondaryMode = 3;
        tx.secondaryServerType = Ftps;
    }) << 2305.2 << 71461.2 << 1080.0 << 0.0 << 0.0
                                                  << 0.0;
}

void TestVolumeModel::estimate()
{
    QFETCH(VolumeChange, change);
    QFETCH(double, perTX1);
    QFETCH(double, month1);
    QFETCH(double, netto1);
    QFETCH(double, perTX2);
    QFETCH(double, month2);
    QFETCH(double, netto2);

    VolumeInputs inputs = StartupInputs();
    change(inputs);
    const VolumeResult result = EstimateVolume(inputs);

    QVERIFY2(Near(result.perTX1, perTX1), qPrintable(QString::number(result.perTX1, 'g', 12)));
    QVERIFY2(Near(result.month1, month1), qPrintable(QString::number(result.month1, 'g', 12)));
    QVERIFY2(Near(result.VolTX1Netto, netto1),
             qPrintable(QString::number(result.VolTX1Netto, 'g', 12)));
    QVERIFY2(Near(result.perTX2, perTX2), qPrintable(QString::number(result.perTX2, 'g', 12)));
    QVERIFY2(Near(result.month2, month2), qPrintable(QString::number(result.month2, 'g', 12)));
    QVERIFY2(Near(result.VolTX2Netto, netto2),
             qPrintable(QString::number(result.VolTX2Netto, 'g', 12)));
}

// The start-up page end to end, down to the label texts.
void TestVolumeModel::startupLabels()
{
    const VolumeResult result = EstimateVolume(StartupInputs());
    QCOMPARE(QString::fromStdString(FormatVolume(result.perTX1, '.')), QString("2305 Bytes"));
    QCOMPARE(QString::fromStdString(FormatVolume(result.month1, '.')), QString("71.461 kB"));
    QCOMPARE(QString::fromStdString(FormatVolume(result.month1, ',')), QString("71,461 kB"));
    QCOMPARE(Round(result.VolTX1Netto), 1080.0);
    QCOMPARE(result.VolTX2Netto, 0.0);
}

void TestVolumeModel::valuesPerTransmission_data()
{
    QTest::addColumn<bool>("inTX1");
    QTest::addColumn<bool>("tx1On");
    QTest::addColumn<int>("tx1Interval");
    QTest::addColumn<int>("storageIndex");
    QTest::addColumn<int>("channels1");
    QTest::addColumn<int>("values1");
    QTest::addColumn<int>("channels2");
    QTest::addColumn<int>("values2");

    // TX2 stays on, daily, with the row in it.
    QTest::addRow("daily, hourly storage")
        << true << true << DailyTransmission << Hourly << 1 << 25 << 1 << 25;
    QTest::addRow("2.5 rounds to 2")
        << true << true << ThreeHoursTransmission << TwoHours << 1 << 2 << 1 << 13;
    QTest::addRow("1.5 rounds to 2")
        << true << true << HourlyTransmission << TwoHours << 1 << 2 << 1 << 13;
    QTest::addRow("weekly, daily storage")
        << true << true << WeeklyTransmission << Daily << 1 << 8 << 1 << 2;
    QTest::addRow("not in TX1") << false << true << DailyTransmission << Hourly << 0 << 0 << 1
                                << 25;
    QTest::addRow("TX1 off counts the channel only")
        << true << false << DailyTransmission << Hourly << 1 << 0 << 1 << 25;
    QTest::addRow("TX1 interval without selection")
        << true << true << -1 << Hourly << 1 << 0 << 1 << 25;
    QTest::addRow("storage without selection")
        << true << true << DailyTransmission << -1 << 0 << 0 << 0 << 0;
    QTest::addRow("storage past the table")
        << true << true << DailyTransmission << 26 << 0 << 0 << 0 << 0;
}

void TestVolumeModel::valuesPerTransmission()
{
    QFETCH(bool, inTX1);
    QFETCH(bool, tx1On);
    QFETCH(int, tx1Interval);
    QFETCH(int, storageIndex);
    QFETCH(int, channels1);
    QFETCH(int, values1);
    QFETCH(int, channels2);
    QFETCH(int, values2);

    OneBasedArray<TransmissionInputs, EstimatorTransmissionCount> transmissions;
    transmissions[1].on = tx1On;
    transmissions[1].intervalIndex = tx1Interval;
    transmissions[2].on = true;
    transmissions[2].intervalIndex = DailyTransmission;
    // Counts run on from what earlier rows added.
    transmissions[2].channelCount = 3;
    transmissions[2].valueCount = 10;

    AddValuesPerTransmission(inTX1, true, storageIndex, transmissions);
    QCOMPARE(transmissions[1].channelCount, channels1);
    QCOMPARE(transmissions[1].valueCount, values1);
    QCOMPARE(transmissions[2].channelCount, 3 + channels2);
    QCOMPARE(transmissions[2].valueCount, 10 + values2);
}

void TestVolumeModel::volumeTableCells()
{
    TransmissionInputs tx = StartupTX1();
    VolumeTable table = BuildVolumeTable(tx);
    // "Vesk-ML" uncompressed and compressed.
    QCOMPARE(table[DataFileRow][1], 4320.0);
    QCOMPARE(table[DataFileRow][2], 1080.0);
    QCOMPARE(table[PrimaryRequestRow][2], 300.0);
    QVERIFY(Near(table[PrimaryOverheadRow][2], 925.2));
    QVERIFY(Near(table[ToPrimaryRow][2], 2305.2));
    QCOMPARE(table[ToSecondaryRow][2], 0.0);
    QCOMPARE(table[SecondaryRequestRow][2], 0.0);
    QVERIFY(Near(table[PerTransmissionRow][2], 2305.2));
    // Compression does not shrink the request part.
    QCOMPARE(table[PrimaryRequestRow][1], 300.0);
    // "Vesk QDX": no events, channel and value parts only.
    QCOMPARE(table[StationEventsRow][3], 0.0);
    QCOMPARE(table[ChannelEventsRow][4], 0.0);
    QCOMPARE(table[DataFileRow][3], 1825.0);
    QCOMPARE(table[DataFileRow][4], 456.25);

    // Without events only "Vesk-ML" carries the placeholder.
    tx.stationEvents = false;
    tx.channelEvents = false;
    table = BuildVolumeTable(tx);
    QCOMPARE(table[StationEventsRow][1], 32.0);
    QCOMPARE(table[ChannelEventsRow][2], 8.0);
    for (int column = 3; column <= VolumeColumnCount; ++column) {
        QCOMPARE(table[StationEventsRow][column], 0.0);
        QCOMPARE(table[ChannelEventsRow][column], 0.0);
    }
}

void TestVolumeModel::volumeColumn_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("uncompressed");
    QTest::addColumn<int>("compressed");

    QTest::addRow("Vesk QDX") << 0 << 3 << 4;
    QTest::addRow("Vesk-ML") << 1 << 1 << 2;
    QTest::addRow("CSV") << 2 << 9 << 10;
    QTest::addRow("ZRXP V3") << 3 << 5 << 6;
    QTest::addRow("CSV Column") << 4 << 11 << 12;
    QTest::addRow("ZRXP") << 5 << 7 << 8;
    QTest::addRow("no selection") << -1 << 0 << 0;
    QTest::addRow("past the list") << 6 << 0 << 0;
}

void TestVolumeModel::volumeColumn()
{
    QFETCH(int, format);
    QFETCH(int, uncompressed);
    QFETCH(int, compressed);
    QCOMPARE(VolumeColumn(format, false), uncompressed);
    QCOMPARE(VolumeColumn(format, true), compressed);
}

void TestVolumeModel::formatVolume_data()
{
    QTest::addColumn<double>("bytes");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("text");

    QTest::addRow("zero") << 0.0 << '.' << "0 Bytes";
    QTest::addRow("start-up per transmission") << 2305.2 << '.' << "2305 Bytes";
    QTest::addRow("compression off") << 7294.8 << '.' << "7295 Bytes";
    QTest::addRow("compression off per month") << 226138.8 << '.' << "226.139 kB";
    QTest::addRow("weekly") << 7606.65 << '.' << "7607 Bytes";
    QTest::addRow("weekly per month") << 38033.25 << '.' << "38.033 kB";
    QTest::addRow("every minute") << 1421.625 << '.' << "1422 Bytes";
    QTest::addRow("every minute per month") << 63461340.0 << '.' << "63.461 MB";
    QTest::addRow("events off") << 2237.44 << '.' << "2237 Bytes";
    QTest::addRow("HTTPS") << 8405.6 << '.' << "8406 Bytes";
    QTest::addRow("backup") << 5366.16 << '.' << "5366 Bytes";
    QTest::addRow("TX2") << 1344.625 << '.' << "1345 Bytes";
    QTest::addRow("TX2 per month") << 41683.375 << '.' << "41.683 kB";
    QTest::addRow("9999.4") << 9999.4 << '.' << "9999 Bytes";
    QTest::addRow("9999.5 rounds up") << 9999.5 << '.' << "10.0 kB";
    QTest::addRow("10000.5 ties to even") << 10000.5 << '.' << "10.0 kB";
    QTest::addRow("9999999.4") << 9999999.4 << '.' << "9999.999 kB";
    QTest::addRow("10000000") << 10000000.0 << '.' << "10.0 MB";
    QTest::addRow("123456789") << 123456789.0 << '.' << "123.457 MB";
    QTest::addRow("German kB") << 9999999.4 << ',' << "9999,999 kB";
    QTest::addRow("German MB") << 10000000.0 << ',' << "10,0 MB";
    QTest::addRow("German Bytes") << 2305.2 << ',' << "2305 Bytes";
}

void TestVolumeModel::formatVolume()
{
    QFETCH(double, bytes);
    QFETCH(char, separator);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(FormatVolume(bytes, separator)), text);
}

QTEST_APPLESS_MAIN(TestVolumeModel)
#include "tst_volumemodel.moc"
