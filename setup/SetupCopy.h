#pragma once

#include "common/FileFault.h"

#include <filesystem>

struct SetupCopyResult
{
    enum class Side
    {
        Source, // the chosen file could not be read
        Copy,   // the temporary copy could not be written
    };

    FileFault fault; // none when the copy was made
    Side side = Side::Source;
};

// Deletes the temporary copy, then copies the setup file onto it, so that a
// copy that fails leaves no file to read. Only a regular file (also behind
// links) of at most MaxFileSize bytes is opened: opening a pipe waits for a
// writer, a device may never end, and a huge file would freeze the window.
SetupCopyResult CopySetupFile(const std::filesystem::path &source,
                              const std::filesystem::path &copy);
