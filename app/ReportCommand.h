#pragma once

#include <iosfwd>
#include <string>

// "report": the station report of a setup file or a plan file as a
// one-page PDF, without a window or a display.

struct ReportOptions
{
    std::string file;
    std::string output;
    bool german = false;
};

// Reads the file as "estimate" does and writes its report, dated today,
// to the output; names the file that failed and why on err. 0 when the PDF
// was written, 1 when the file could not be read or the PDF not written.
int RunReport(const ReportOptions &options, std::ostream &err);
