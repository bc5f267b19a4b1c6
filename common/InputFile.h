#pragma once

#include "common/FileFault.h"

#include <filesystem>
#include <string>

// Reads a whole small file that the user chose: only a regular file, and at
// most MaxInputFileBytes of it, so that a pipe, a device or a huge file
// cannot tie up the window. On failure bytes is empty and the reason comes
// back; success gives no fault.
FileFault ReadInputFile(const std::filesystem::path &path, std::string &bytes);
