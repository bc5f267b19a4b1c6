#pragma once

#include "common/IntervalTables.h"
#include "common/ListItems.h"

#include <array>

// The item texts of the estimator page's drop-downs, in item order, so that
// everything that names a value (the report, the copied results, the
// drop-downs themselves) names it the same way. All but the BLE readings are
// the same in both languages. Texts are UTF-8.

struct ItemText
{
    const char *English;
    const char *German;
};

// Sampling and storage intervals, by item of IntervalSeconds.
inline constexpr std::array<const char *, MeasurementIntervalCount> IntervalItems = {
    "00:00:05", "00:00:06", "00:00:10", "00:00:12", "00:00:15", "00:00:20", "00:00:30",
    "00:01:00", "00:02:00", "00:03:00", "00:04:00", "00:05:00", "00:06:00", "00:10:00",
    "00:12:00", "00:15:00", "00:20:00", "00:30:00", "01:00:00", "02:00:00", "03:00:00",
    "04:00:00", "06:00:00", "08:00:00", "12:00:00", "24:00:00"};

// Transmission intervals, by item of TXIntervalSeconds.
inline constexpr std::array<const char *, TxIntervalCount> TXIntervalItems = {
    "00:01:00", "00:02:00", "00:03:00", "00:04:00", "00:05:00", "00:06:00", "00:10:00",
    "00:12:00", "00:15:00", "00:20:00", "00:30:00", "01:00:00", "02:00:00", "03:00:00",
    "04:00:00", "06:00:00", "08:00:00", "12:00:00", "24:00:00", "weekly"};

inline constexpr std::array<const char *, DataFormatCount> DataFormatItems = {
    "Vesk QDX", "Vesk-ML", "CSV", "ZRXP V3", "CSV Column", "ZRXP"};

inline constexpr std::array<const char *, ServerTypeCount> ServerTypeItems = {
    "HTTP", "FTP", "HTTPS", "MQTT", "MQTTS", "FTPS"};

inline constexpr std::array<const char *, SecondaryModeCount> SecondaryModeItems = {
    "- none -", "Backup", "Both Servers"};

inline constexpr std::array<const char *, RadioNetworkCount> RadioNetworkItems = {
    "4G / 2G (fallback)", "CAT-M1 / LTE-M (4G)"};

// Local BLE readings, the one list in two languages.
extern const std::array<ItemText, ObserverIntervalCount> ObserverIntervalItems;

inline const char *Translated(const ItemText &item, bool english)
{
    return english ? item.English : item.German;
}
