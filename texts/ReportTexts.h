#pragma once

#include "common/Message.h"

#include <array>
#include <cstddef>

// Texts of the station report and the copied results that the window does
// not show, in English and German, UTF-8. The window's own captions come
// from the language table.
enum class ReportText
{
    Title,
    Date,
    ProgramVersion,
    Inputs,
    Results,
    Device,
    On,
    Off,
    Yes,
    No,
    TransmissionActive,
    DailyCharge,
    PerDay,
    PrimaryServer,   // "%1" the transmission
    SecondaryServer, // "%1" the transmission
    LocalBle,
    Idle,
    Targets,
    Target,
    Value,
    TargetFor,
    TotalPerMonth,
    Chart,
    BatteryDisclaimer,
    VolumeDisclaimer,
    Count
};

inline constexpr std::size_t ReportTextCount = static_cast<std::size_t>(ReportText::Count);
extern const std::array<Message, ReportTextCount> ReportTexts;

const char *Text(ReportText text, bool german);

// What the page shows without a language: the battery result rows' device
// lines, 20 °C first, the battery's capacity, and a volume of a transmission
// that is off.
inline constexpr std::array<const char *, 2> BatteryRowNames = {"Vesk Pelora 1000 @ 20 °C",
                                                                "Vesk Pelora 1000 @ -20 °C"};
inline constexpr const char *BatteryCapacityText = "26 Ah";
inline constexpr const char *VolumeOffText = "---";
// Where the bars of the battery rows start.
inline constexpr const char *BarStartText = "0";
// A drop-down without a chosen item.
inline constexpr const char *NoChoiceText = "\u2013";
