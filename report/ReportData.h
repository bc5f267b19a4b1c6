#pragma once

#include "estimators/StationPlan.h"

#include <string>

// A day of the calendar, as the report's date.
struct ReportDate
{
    int year = 1970;
    int month = 1;
    int day = 1;
};

// "2026-03-01" in English, "01.03.2026" in German.
std::string DateText(const ReportDate &date, bool german);

// Everything a station report shows: the plan as the estimator page holds
// it, its planning targets included, and how and when it is written.
struct ReportData
{
    StationPlan plan = DefaultPlan();
    bool german = false;
    // The numbers' decimal separator, as the page shows them.
    char decimalSeparator = '.';
    ReportDate date;
    // The program's version, "1.05.0".
    std::string version;
};
