#pragma once

#include "report/ReportContent.h"

#include <string>

// The inputs and results of a report for the clipboard: the header facts and
// every table of the report but the chart and the disclaimers, UTF-8.

// One line per row, cells separated by tabs, so that a spreadsheet takes
// them as columns; an empty line between tables.
std::string ResultsPlainText(const ReportContent &content);

// The same as an HTML document of tables, for word processors.
std::string ResultsHtml(const ReportContent &content);
