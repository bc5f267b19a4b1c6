#pragma once

#include "common/OneBasedArray.h"
#include "estimators/BatteryModel.h"

#include <array>
#include <cstdint>
#include <string>

// Bytes one scheduled transmission sends, and per month. An index outside
// its table (-1 is a drop-down without a selection) contributes nothing.

// Bytes of the data file parts of one format.
struct FormatRecord
{
    std::int32_t fixed1;
    std::int32_t fixed2;
    std::int32_t perStationEvent;
    std::int32_t perChannel;
    std::int32_t perChannelEvent;
    std::int32_t perValue;
};

inline constexpr int FormatCount = 6;

// In the order of the volume table's column pairs, not of the format drop-down.
inline constexpr std::array<FormatRecord, FormatCount> FormatBytes = {{
    {100, 460, 120, 200, 120, 45}, // "Vesk-ML"
    {0, 0, 0, 85, 0, 25},          // "Vesk QDX"
    {0, 0, 0, 240, 0, 20},         // "ZRXP V3"
    {0, 0, 0, 90, 0, 20},          // "ZRXP"
    {0, 0, 0, 0, 0, 40},           // "CSV"
    {200, 0, 0, 0, 0, 25},         // "CSV Column"
}};

// Request and protocol bytes of one server type.
struct ServerRecord
{
    std::int32_t base;
    std::int32_t connectionOverhead;
    std::int32_t chunkOverhead1;
    std::int32_t chunkSize;
    std::int32_t chunkOverhead2;
};

// By item of the server type drop-down.
inline constexpr std::array<ServerRecord, ServerTypeCount> ServerBytes = {{
    {300, 180, 54, 200, 54},   // "HTTP"
    {500, 3500, 54, 200, 54},  // "FTP"
    {900, 5000, 54, 150, 54},  // "HTTPS"
    {300, 180, 54, 200, 54},   // "MQTT"
    {900, 5000, 54, 150, 54},  // "MQTTS"
    {1000, 7000, 54, 200, 54}, // "FTPS"
}};

// The level is fixed: its spin box is never shown.
inline constexpr int CompressionLevel = 4;

struct TransmissionInputs
{
    bool on = false;
    int intervalIndex = -1;
    int format = 0;
    int primaryServerType = 0;
    bool compression = false;
    int compressionLevel = CompressionLevel;
    bool stationEvents = false;
    bool channelEvents = false;
    int eventsNumber = 0;
    int secondaryMode = SecondaryModeNone;
    int secondaryServerType = 0;
    int backupPercent = 0;
    int channelCount = 0;
    int valueCount = 0;
};

// Rows 0..13 as listed below; columns counted 1..12, pair (2k - 1, 2k) being
// FormatBytes record k uncompressed and compressed.
inline constexpr int VolumeRowCount = 14;
inline constexpr int VolumeColumnCount = 12;
using VolumeTable = std::array<OneBasedArray<double, VolumeColumnCount>, VolumeRowCount>;

enum VolumeRow
{
    PrimaryRequestRow = 0,
    PrimaryOverheadRow = 1,
    SecondaryRequestRow = 2,
    SecondaryOverheadRow = 3,
    Fixed1Row = 4,
    Fixed2Row = 5,
    StationEventsRow = 6,
    ChannelPartRow = 7,
    ChannelEventsRow = 8,
    ValuePartRow = 9,
    DataFileRow = 10,
    ToPrimaryRow = 11,
    ToSecondaryRow = 12,
    PerTransmissionRow = 13,
};

// Adds one measurement row to the channel and value counts of both
// transmissions. The storage interval decides how many values it carries.
void AddValuesPerTransmission(
    bool inTX1, bool inTX2, int storageIndex,
    OneBasedArray<TransmissionInputs, EstimatorTransmissionCount> &transmissions);

VolumeTable BuildVolumeTable(const TransmissionInputs &tx);

// Column 1..12 of a format and compression state; 0 for an unknown format.
int VolumeColumn(int format, bool compression);

// Bytes per month of a transmission sending perTX bytes at that interval.
double VolumePerMonth(int intervalIndex, double perTX);

struct VolumeRowInputs
{
    bool inTX1 = false;
    bool inTX2 = false;
    int storageIndex = -1;
};

struct VolumeInputs
{
    OneBasedArray<VolumeRowInputs, EstimatorRowCount> rows;
    bool conductivity = false;
    // Channel and value counts are computed from the rows; any given are ignored.
    OneBasedArray<TransmissionInputs, EstimatorTransmissionCount> transmissions;
};

// Per transmission, per month and the data file alone; zero for a
// transmission that is off.
struct VolumeResult
{
    double perTX1 = 0;
    double month1 = 0;
    double VolTX1Netto = 0;
    double perTX2 = 0;
    double month2 = 0;
    double VolTX2Netto = 0;
};

VolumeResult EstimateVolume(const VolumeInputs &inputs);

// "2305 Bytes", "71.461 kB", "63.461 MB": decimal units.
std::string FormatVolume(double bytes, char decimalSeparator);
