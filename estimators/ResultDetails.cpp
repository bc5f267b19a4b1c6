#include "estimators/ResultDetails.h"

#include "common/NumberFormat.h"

#include <array>
#include <cstdio>

namespace {

const char *const LineBreak = "\r\n";
const char *const Tab = "\t";

template <typename Lines> std::string JoinLines(const Lines &lines)
{
    std::string text;
    bool first = true;
    for (const auto &line : lines) {
        if (!first)
            text += LineBreak;
        text += line;
        first = false;
    }
    return text;
}

const std::array<const char *, 8> BatteryDisclaimerEnglish = {
    "Please note:",
    "o  The calculated times are theoretical and give an approximate estimate of the battery "
    "life.",
    "o  As the condition of the lithium battery is highly dependent on the respective "
    "environmental conditions, the individual battery life varies considerably.",
    "o  The battery capacity is also subject to production-related variations.",
    "o  Sending alarms, changing the configuration and reading out data additionally shortens "
    "the battery life.",
    "o  SMS data transmission and SMS command handling is not considered. Preferably use IP "
    "transmission and HTTP/FTP command handling instead. .",
    "o  We recommend to check the lithium battery after approx. 75% of the theoretically "
    "calculated lifetime; after 5 years at the latest.",
    "For this purpose, use the measured value \"Power consumption\" It shows the energy taken "
    "from the battery so far in milliampere-hours (mAh).",
};

const std::array<const char *, 8> BatteryDisclaimerGerman = {
    "Bitte beachten:",
    "o  Die berechneten Zeiten sind theoretisch und geben eine näherungsweise Schätzung der "
    "Batterielebensdauer.",
    "o  Durch eine hohe Abhängigkeit der Lithiumbatterie von den jeweiligen "
    "Umgebungsbedingungen variiert die individuelle Lebensdauer deutlich.",
    "o  Die Batteriekapazität unterliegt ebenfalls produktionsbedingten Schwankungen.",
    "o  Das Senden von Alarmen, das Ändern der Konfiguration sowie ein Auslesen von Daten "
    "verkürzt die Batterielebensdauer zusätzlich.",
    "o  SMS Datenübertragung und SMS Befehlsverarbeitung wird für die Berechnung nicht "
    "berücksichtigt. Sie sollten bevorzugt IP Übertragungen verwenden und "
    "Befehlsverarbeitung via HTTP/FTP.",
    "o  Wir empfehlen die Lithiumbatterie nach ca. 75 % der theoretisch berechneten "
    "Lebensdauer zu überprüfen, spätestens nach 5 Jahren.",
    "Hierzu den Messwert „Batterieverbrauch“ heranziehen. Er zeigt die bisher der Batterie "
    "entnommene Energie in Milliamperestunden (mAh).",
};

const std::array<const char *, 4> VolumeDisclaimerEnglish = {
    "Please note:",
    "o  The calculated data transmission volumes are based on realistic assumptions, but "
    "represent only an approximate estimate of the actual volume to be transmitted.",
    "o  The volume to be transmitted varies depending on the data format used, the variables "
    "used within the data and the provider framework conditions.",
    "o  Additional alarm transmissions, frequent server communication, a high number of event "
    "entries, etc. increase the volume to be transmitted.",
};

const std::array<const char *, 4> VolumeDisclaimerGerman = {
    "Bitte beachten:",
    "o  Die berechneten Datenübertragungsvolumina basieren auf realistischen Annahmen, stellen "
    "aber ausschließlich eine näherungsweise Schätzung des tatsächlichen zu übertragenden "
    "Volumens dar.",
    "o  Das zu übertragende Volumen schwankt je nach eingesetztem Datenformat, verwendeten "
    "Variablen innerhalb der Daten sowie den Provider Rahmenbedingungen.",
    "o  Zusätzliche Alarmübertragungen, eine häufige Serverkommunikation, eine hohe Anzahl von "
    "Event-Einträgen, usw. lassen das zu übertragende Volumen ansteigen.",
};

// A rounded byte count as a whole number without separators.
std::string WholeBytes(double bytes)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.0f", Round(bytes));
    return buffer;
}

} // namespace

std::string ChargeText(double mAh, char decimalSeparator)
{
    return FormatFloatPattern(mAh, 0, 3, decimalSeparator);
}

std::string BatteryBreakdown(const BatteryShares &s, char sep)
{
    const std::array<std::string, 7> lines = {
        "Power Consumption in detail:  [ mAh ]",
        std::string("Measurements:  ") + Tab + ChargeText(s.mAhMeas, sep),
        std::string("Transmission 1:  ") + Tab + ChargeText(s.mAhTrans11, sep) + Tab +
            ChargeText(s.mAhTrans12, sep),
        std::string("Transmission 2:  ") + Tab + ChargeText(s.mAhTrans21, sep) + Tab +
            ChargeText(s.mAhTrans22, sep),
        std::string("Local BLE:  ") + Tab + ChargeText(s.mAhBLE, sep),
        std::string("Idle (Ruhe):  ") + Tab + ChargeText(s.mAhIdle, sep),
        std::string("Total:  ") + Tab + Tab + ChargeText(s.mAhTotal, sep),
    };
    return JoinLines(lines);
}

std::string VolumeBreakdown(double volTX1Netto, double volTX2Netto)
{
    const std::array<std::string, 3> lines = {
        "Data Volume NETTO (per Transmission)",
        std::string("Transmission 1:") + Tab + WholeBytes(volTX1Netto) + " Bytes",
        std::string("Transmission 2:") + Tab + WholeBytes(volTX2Netto) + " Bytes",
    };
    return JoinLines(lines);
}

std::string BatteryDisclaimer(bool german)
{
    return JoinLines(german ? BatteryDisclaimerGerman : BatteryDisclaimerEnglish);
}

std::string VolumeDisclaimer(bool german)
{
    return JoinLines(german ? VolumeDisclaimerGerman : VolumeDisclaimerEnglish);
}
