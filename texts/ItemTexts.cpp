#include "texts/ItemTexts.h"

const std::array<ItemText, ObserverIntervalCount> ObserverIntervalItems = {{
    {"Once a day", "Täglich"},
    {"Once a week", "Wöchentlich"},
    {"Once a month", "Monatlich"},
    {"Every 2 months", "Alle 2 Monate"},
    {"Every 3 months", "Alle 3 Monate"},
    {"Every 6 months", "Alle 6 Monate"},
    {"Every 12 months", "Jährlich"},
}};
