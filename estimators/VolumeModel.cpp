#include "estimators/VolumeModel.h"

#include "common/IntervalTables.h"
#include "common/NumberFormat.h"
#include "common/TableLookup.h"
#include "common/TimeUnits.h"

namespace {

// Only the "Vesk-ML" record carries events; without them it still sends a
// short placeholder.
constexpr int EventRecord = 1;
constexpr double NoEventsBytes = 32;

// First column of each format's pair, by item of the format drop-down.
constexpr std::array<int, DataFormatCount> FirstColumnOfFormat = {3, 1, 9, 5, 11, 7};

constexpr double DaysPerMonth = 31;
constexpr double WeeksPerMonth = 5;

constexpr double BytesPerKilo = 1000;
constexpr double ShowKilobytesFrom = 10000;
constexpr double ShowMegabytesFrom = 10000000;

bool HasSecondary(int mode)
{
    return mode == SecondaryModeBackup || mode == SecondaryModeBothServers;
}

// Request part and the protocol overhead that grows with the bytes sent.
void FillServerRows(VolumeTable &table, int requestRow, int overheadRow, int serverType)
{
    if (!InTable(ServerBytes, serverType))
        return;
    const ServerRecord &server = ServerBytes[serverType];
    for (int j = 1; j <= VolumeColumnCount; ++j) {
        table[requestRow][j] = server.base;
        double sent = table[requestRow][j];
        for (int row = Fixed1Row; row <= ValuePartRow; ++row)
            sent += table[row][j];
        table[overheadRow][j] =
            server.connectionOverhead +
            sent / server.chunkSize * (server.chunkOverhead1 + server.chunkOverhead2);
    }
}

} // namespace

void AddValuesPerTransmission(
    bool inTX1, bool inTX2, int storageIndex,
    OneBasedArray<TransmissionInputs, EstimatorTransmissionCount> &transmissions)
{
    if (!InTable(IntervalSeconds, storageIndex))
        return;
    const double storageSeconds = IntervalSeconds[storageIndex];
    const bool inTX[] = {inTX1, inTX2};
    for (int t = 1; t <= EstimatorTransmissionCount; ++t) {
        if (!inTX[t - 1])
            continue;
        TransmissionInputs &tx = transmissions[t];
        ++tx.channelCount;
        if (tx.on && InTable(TXIntervalSeconds, tx.intervalIndex))
            tx.valueCount +=
                static_cast<int>(Round(TXIntervalSeconds[tx.intervalIndex] / storageSeconds + 1));
    }
}

VolumeTable BuildVolumeTable(const TransmissionInputs &tx)
{
    VolumeTable table{};
    const double factor =
        tx.compression && tx.compressionLevel > 0 ? 1.0 / tx.compressionLevel : 1.0;

    for (int k = 1; k <= FormatCount; ++k) {
        const FormatRecord &format = FormatBytes[k - 1];
        const int column = 2 * k - 1;
        const auto set = [&](int row, double value) {
            table[row][column] = value;
            table[row][column + 1] = value * factor;
        };
        set(Fixed1Row, format.fixed1);
        set(Fixed2Row, format.fixed2);
        if (k == EventRecord) {
            set(StationEventsRow,
                tx.stationEvents ? static_cast<double>(format.perStationEvent) * tx.eventsNumber
                                 : NoEventsBytes);
            set(ChannelEventsRow,
                tx.channelEvents ? static_cast<double>(format.perChannelEvent) * tx.eventsNumber
                                 : NoEventsBytes);
        }
        set(ChannelPartRow, static_cast<double>(format.perChannel) * tx.channelCount);
        set(ValuePartRow, static_cast<double>(format.perValue) * tx.valueCount);
    }

    FillServerRows(table, PrimaryRequestRow, PrimaryOverheadRow, tx.primaryServerType);
    const bool secondary = HasSecondary(tx.secondaryMode);
    if (secondary)
        FillServerRows(table, SecondaryRequestRow, SecondaryOverheadRow, tx.secondaryServerType);

    for (int j = 1; j <= VolumeColumnCount; ++j) {
        double dataFile = 0;
        for (int row = Fixed1Row; row <= ValuePartRow; ++row)
            dataFile += table[row][j];
        table[DataFileRow][j] = dataFile;
        table[ToPrimaryRow][j] =
            table[PrimaryRequestRow][j] + table[PrimaryOverheadRow][j] + dataFile;
        if (secondary) {
            double toSecondary =
                table[SecondaryRequestRow][j] + table[SecondaryOverheadRow][j] + dataFile;
            if (tx.secondaryMode == SecondaryModeBackup)
                toSecondary = tx.backupPercent / 100.0 * toSecondary;
            table[ToSecondaryRow][j] = toSecondary;
        }
        table[PerTransmissionRow][j] = table[ToPrimaryRow][j] + table[ToSecondaryRow][j];
    }
    return table;
}

int VolumeColumn(int format, bool compression)
{
    if (!InTable(FirstColumnOfFormat, format))
        return 0;
    return FirstColumnOfFormat[format] + (compression ? 1 : 0);
}

double VolumePerMonth(int intervalIndex, double perTX)
{
    if (!InTable(TXIntervalSeconds, intervalIndex))
        return 0;
    const double seconds = Round(TXIntervalSeconds[intervalIndex]);
    if (seconds == SecondsPerWeek)
        return perTX * WeeksPerMonth;
    return SecondsPerDay / seconds * perTX * DaysPerMonth;
}

VolumeResult EstimateVolume(const VolumeInputs &inputs)
{
    OneBasedArray<TransmissionInputs, EstimatorTransmissionCount> transmissions =
        inputs.transmissions;
    for (TransmissionInputs &tx : transmissions) {
        tx.channelCount = 0;
        tx.valueCount = 0;
    }
    const int rows = CountedRows(inputs.conductivity);
    for (int row = 1; row <= rows; ++row) {
        const VolumeRowInputs &r = inputs.rows[row];
        AddValuesPerTransmission(r.inTX1, r.inTX2, r.storageIndex, transmissions);
    }

    struct Figures
    {
        double perTX = 0;
        double month = 0;
        double netto = 0;
    };
    const auto figuresOf = [](const TransmissionInputs &tx) {
        Figures figures;
        const int column = VolumeColumn(tx.format, tx.compression);
        if (!tx.on || column == 0 || !InTable(TXIntervalSeconds, tx.intervalIndex))
            return figures;
        const VolumeTable table = BuildVolumeTable(tx);
        figures.perTX = table[PerTransmissionRow][column];
        figures.netto = table[DataFileRow][column];
        figures.month = VolumePerMonth(tx.intervalIndex, figures.perTX);
        return figures;
    };

    VolumeResult result;
    const Figures tx1 = figuresOf(transmissions[1]);
    const Figures tx2 = figuresOf(transmissions[2]);
    result.perTX1 = tx1.perTX;
    result.month1 = tx1.month;
    result.VolTX1Netto = tx1.netto;
    result.perTX2 = tx2.perTX;
    result.month2 = tx2.month;
    result.VolTX2Netto = tx2.netto;
    return result;
}

std::string FormatVolume(double bytes, char decimalSeparator)
{
    const double b = Round(bytes);
    if (b < ShowKilobytesFrom)
        return FormatFloatPattern(b, 0, 0, decimalSeparator) + " Bytes";
    if (b < ShowMegabytesFrom)
        return FormatFloatPattern(b / BytesPerKilo, 1, 3, decimalSeparator) + " kB";
    return FormatFloatPattern(Round(b / BytesPerKilo) / BytesPerKilo, 1, 3, decimalSeparator) +
           " MB";
}
