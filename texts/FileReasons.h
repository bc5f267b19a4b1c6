#pragma once

#include "common/FileFault.h"

#include <string>

// Why a file could not be used, in the user's language, so that a German
// sentence does not end in English. A system error without a text of its own
// stands apart as the system's, with its number. UTF-8.
std::string FileFaultReason(const FileFault &fault, bool german);
