#include "texts/PlanningTexts.h"

#include "common/NumberFormat.h"
#include "common/TableLookup.h"
#include "texts/ItemTexts.h"

namespace {

// "TX1 every 04:00:00 or less often"; the longest interval has nothing
// less often, so it is just "TX1 weekly".
std::string AnsweredSchedule(int transmission, int item, bool german)
{
    if (item == TxWeeklyIndex || !InTable(TXIntervalItems, item))
        return ScheduleText(transmission, item, german);
    return Filled(
        Text(PlanningText::EveryOrLessOften, german),
        {TransmissionName(transmission), TXIntervalItems[static_cast<std::size_t>(item)]});
}

std::string Temperature(int row)
{
    return InTable(TemperatureTexts, row) ? TemperatureTexts[static_cast<std::size_t>(row)] : "";
}

} // namespace

const std::array<Message, PlanningTextCount> PlanningTexts = {{
    {"Target battery life [years]", "Ziel-Batterielebensdauer [Jahre]"},
    {"Data plan per month [MB]", "Datentarif pro Monat [MB]"},
    {"Chart", "Diagramm"},
    {"\u2713 met", "\u2713 erfüllt"},
    {"\u2717 not met", "\u2717 nicht erfüllt"},
    {"%1 years", "%1 Jahre"},
    {"%1 year", "%1 Jahr"},
    {"%1 MB", "%1 MB"},
    {"%1 every %2", "%1 alle %2"},
    {"%1 every %2 or less often", "%1 alle %2 oder seltener"},
    {"%1 weekly", "%1 wöchentlich"},
    {"Reaches %1 at %2 with %3", "Erreicht %1 bei %2 mit %3"},
    {"No %3 interval of the table reaches %1 at %2 with the other inputs unchanged",
     "Kein %3-Intervall der Tabelle erreicht bei sonst gleichen Eingaben %1 bei %2"},
    {"Stays within %1 with %2", "Bleibt innerhalb von %1 mit %2"},
    {"No %2 interval of the table stays within %1 with the other inputs unchanged",
     "Kein %2-Intervall der Tabelle bleibt bei sonst gleichen Eingaben innerhalb von %1"},
    {"Battery life [years]", "Batterielebensdauer [Jahre]"},
    {"Data volume per month [MB]", "Datenvolumen je Monat [MB]"},
    {"Transmission interval", "Übertragungsintervall"},
    {"Transmission interval (the other transmission as set)",
     "Übertragungsintervall (die andere Übertragung wie eingestellt)"},
    {"%1 at %2", "%1 bei %2"},
    {"Current interval", "Aktuelles Intervall"},
    {"Target: %1", "Ziel: %1"},
    {"Data plan: %1", "Datentarif: %1"},
    {"%1 per month", "%1 je Monat"},
    {"%1 per month with both transmissions", "%1 je Monat mit beiden Übertragungen"},
    {"- none -", "- keine -"},
}};

const char *Text(PlanningText text, bool german)
{
    return PlanningTexts[static_cast<std::size_t>(text)].In(german);
}

std::string TransmissionName(int transmission)
{
    return "TX" + std::to_string(transmission);
}

std::string YearsText(double years, bool german, char decimalSeparator)
{
    const std::string number = FormatFloatPattern(years, 0, TargetDecimals, decimalSeparator);
    return Filled(Text(number == "1" ? PlanningText::OneYear : PlanningText::Years, german),
                  {number});
}

std::string MegabytesText(double megabytes, char decimalSeparator, int maxDecimals)
{
    return Filled(Text(PlanningText::Megabytes, false),
                  {FormatFloatPattern(megabytes, 0, maxDecimals, decimalSeparator)});
}

std::string ScheduleText(int transmission, int item, bool german)
{
    if (!InTable(TXIntervalItems, item))
        return TransmissionName(transmission);
    if (item == TxWeeklyIndex)
        return Filled(Text(PlanningText::Weekly, german), {TransmissionName(transmission)});
    return Filled(
        Text(PlanningText::Every, german),
        {TransmissionName(transmission), TXIntervalItems[static_cast<std::size_t>(item)]});
}

std::string LifeAnswerLine(double targetYears, int temperatureRow, int transmission, int item,
                           bool german, char decimalSeparator)
{
    const std::string years = YearsText(targetYears, german, decimalSeparator);
    if (!InTable(TXIntervalItems, item))
        return Filled(Text(PlanningText::LifeNotReached, german),
                      {years, Temperature(temperatureRow), TransmissionName(transmission)});
    return Filled(
        Text(PlanningText::LifeReached, german),
        {years, Temperature(temperatureRow), AnsweredSchedule(transmission, item, german)});
}

std::string DataPlanAnswerLine(double dataPlanMB, int transmission, int item, bool german,
                               char decimalSeparator)
{
    const std::string megabytes = MegabytesText(dataPlanMB, decimalSeparator);
    if (!InTable(TXIntervalItems, item))
        return Filled(Text(PlanningText::DataPlanNotKept, german),
                      {megabytes, TransmissionName(transmission)});
    return Filled(Text(PlanningText::DataPlanKept, german),
                  {megabytes, AnsweredSchedule(transmission, item, german)});
}
