#pragma once

#include "common/FileFault.h"

#include <filesystem>
#include <string>

// Reads a whole file the program takes as input into bytes. Only a regular
// file is opened (a pipe would wait for a writer, a device might never end)
// and none beyond limit bytes is read, also one that grows while it is read.
// Gives the reason on failure, with bytes empty.
FileFault ReadInputFile(const std::filesystem::path &path, std::string &bytes,
                        std::uint64_t limit = MaxInputFileBytes);

// Reads at most the first count bytes of such a file, whatever its size,
// under the same rule of what is opened.
FileFault ReadInputFileStart(const std::filesystem::path &path, std::size_t count,
                             std::string &bytes);
