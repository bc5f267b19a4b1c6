#pragma once

#include "common/IntervalTables.h"
#include "common/ListItems.h"

#include <array>

// What the planning chart shows, over the items of the transmission interval
// table. Each transmission's figures are those of the plan with that
// transmission at the item's interval and every other input unchanged.
inline constexpr int ChartTransmissionCount = 2;
inline constexpr int ChartTemperatureCount = 2;

struct ChartData
{
    struct Transmission
    {
        bool shown = false;
        // The item the transmission has now; NoItem marks none.
        int current = NoItem;
        // Years, not capped, at 20 °C and -20 °C.
        std::array<std::array<double, ChartTemperatureCount>, TxIntervalCount> years{};
        // Megabytes (of 1 000 000 bytes) per month, both transmissions together.
        std::array<double, TxIntervalCount> monthMB{};
    };
    // TX1, TX2.
    std::array<Transmission, ChartTransmissionCount> transmissions{};
    // Not above 0: no target.
    double targetYears = 0;
    double dataPlanMB = 0;
};

// The language and number format of the chart's labels; the words are the
// planning texts'.
struct ChartTexts
{
    bool german = false;
    char decimalSeparator = '.';
};
