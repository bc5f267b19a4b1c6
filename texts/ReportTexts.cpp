#include "texts/ReportTexts.h"

const std::array<Message, ReportTextCount> ReportTexts = {{
    {"Pelora 1000 station report", "Pelora 1000 Stationsbericht"},
    {"Date", "Datum"},
    {"Program version", "Programmversion"},
    {"Inputs", "Eingaben"},
    {"Results", "Ergebnisse"},
    {"Device and communication", "Gerät und Kommunikation"},
    {"on", "ein"},
    {"off", "aus"},
    {"yes", "ja"},
    {"no", "nein"},
    {"Transmission active", "Übertragung aktiv"},
    {"Daily charge", "Tagesverbrauch"},
    {"mAh per day", "mAh pro Tag"},
    {"%1 primary server", "%1 primärer Server"},
    {"%1 secondary server", "%1 sekundärer Server"},
    {"Local BLE", "Lokales BLE"},
    {"Idle", "Ruhe"},
    {"Planning targets", "Planungsziele"},
    {"Target", "Ziel"},
    {"Value", "Wert"},
    {"For", "Für"},
    {"Total per month", "Gesamt je Monat"},
    {"Battery life and data volume over the transmission interval",
     "Batterielebensdauer und Datenvolumen über dem Übertragungsintervall"},
    {"Disclaimer: battery life", "Disclaimer: Batterielebensdauer"},
    {"Disclaimer: data volume", "Disclaimer: Datenvolumen"},
}};

const char *Text(ReportText text, bool german)
{
    return ReportTexts[static_cast<std::size_t>(text)].In(german);
}
