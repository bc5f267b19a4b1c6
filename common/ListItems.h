#pragma once

// Item positions of the drop-downs whose choice more than one part of the
// program reads. A drop-down without a chosen item has the position NoItem.

inline constexpr int NoItem = -1;

// Server type lists: "HTTP", "FTP", "HTTPS", "MQTT", "MQTTS", "FTPS".
namespace ServerType {
inline constexpr int Http = 0;
inline constexpr int Ftp = 1;
inline constexpr int Https = 2;
inline constexpr int Mqtt = 3;
inline constexpr int Mqtts = 4;
inline constexpr int Ftps = 5;
} // namespace ServerType
inline constexpr int ServerTypeCount = 6;

// Data format lists: "Vesk QDX", "Vesk-ML", "CSV", "ZRXP V3", "CSV Column", "ZRXP".
namespace DataFormat {
inline constexpr int VeskQdx = 0;
inline constexpr int VeskMl = 1;
inline constexpr int Csv = 2;
inline constexpr int ZrxpV3 = 3;
inline constexpr int CsvColumn = 4;
inline constexpr int Zrxp = 5;
} // namespace DataFormat
inline constexpr int DataFormatCount = 6;

// Secondary server mode lists: "- none -", "Backup", "Both Servers".
inline constexpr int SecondaryModeNone = 0;
inline constexpr int SecondaryModeBackup = 1;
inline constexpr int SecondaryModeBothServers = 2;
inline constexpr int SecondaryModeCount = 3;

// Radio network type: "4G / 2G (fallback)", "CAT-M1 / LTE-M (4G)".
namespace RadioNetwork {
inline constexpr int FourGTwoG = 0;
inline constexpr int CatM1 = 1;
} // namespace RadioNetwork
inline constexpr int RadioNetworkCount = 2;

// Local BLE readings: "Once a day" to "Every 12 months".
inline constexpr int ObserverIntervalCount = 7;
