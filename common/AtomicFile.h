#pragma once

#include "common/FileFault.h"

#include <filesystem>
#include <string>

// Writes the bytes to a new file beside the path and renames it into place
// (through a symbolic link to its target), so that the path holds the old
// file or the whole new one, never a part. Every write is checked, a short
// one too, and the data reaches the disk before the rename. An old file keeps
// its permissions, and one that may not be written is not replaced, nor is
// anything that is not a regular file. On failure nothing new is left and
// the reason comes back; success gives no fault.
FileFault WriteFileAtomically(const std::filesystem::path &path, const std::string &bytes);

// Writes the bytes to a new file at path, which must not exist: a name that
// exists (a file, a folder, a link, even a dangling one) gives the fault
// EEXIST and stays as it was, also when it appears while the bytes are being
// written. The file appears whole or not at all, except on file systems
// without hard links, where a failure removes the part written.
FileFault WriteNewFileAtomically(const std::filesystem::path &path, const std::string &bytes);
