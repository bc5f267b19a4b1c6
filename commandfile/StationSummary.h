#pragma once

#include "commandfile/StationExport.h"

#include <string>

// The one message at the end of an export for several stations, in the
// user's language (UTF-8): the files written, those skipped because they
// exist, those that failed with their reasons; or why nothing was written.
// folderName is the folder as the user should read it.
std::string StationExportSummary(const StationExport &result, const std::string &folderName,
                                 bool german);
