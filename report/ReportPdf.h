#pragma once

#include "common/FileFault.h"
#include "report/ReportData.h"

#include <QByteArray>

#include <filesystem>
#include <string>

class QPrinter;

// The report as the bytes of a one-page PDF file: A4 portrait, text as text
// in embedded fonts, the bars and the chart as vectors. Like everything
// here, it needs a QGuiApplication for the fonts.
QByteArray ReportPdf(const ReportData &data);

// Writes the PDF so that the path holds the whole new file or what it held
// before, never a part; the reason on failure.
FileFault WriteReportPdf(const std::filesystem::path &path, const ReportData &data);

// "The file "…" could not be written: …" in the language asked for, UTF-8.
std::string ReportNotWrittenText(const std::filesystem::path &path, const FileFault &fault,
                                 bool german);

// Sets the printer to A4 portrait over the whole paper, as the report is
// drawn; the print dialog may change it after.
void PrepareReportPrinter(QPrinter &printer, const ReportData &data);

// Prints the report on one page of the printer's paper; false when the
// printer could not be started or did not finish.
bool PrintReport(QPrinter &printer, const ReportData &data);
