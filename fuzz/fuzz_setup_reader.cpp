// Reads each input as a setup file twice, from memory and through the file
// source with tiny pages, and stops when the two reads differ: the sanitizers
// watch the walk, the comparison watches the page cache.
#include "setup/ByteSource.h"
#include "setup/SetupReader.h"
#include "tests/setup/SetupModelText.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

// Not a divisor of an entry or a value, so reads keep crossing page ends,
// and small enough that inputs of a few kilobytes replace pages often.
constexpr std::size_t FuzzPageSize = 61;

// A memory file system where there is one: each input is written.
char inputPath[] = "/dev/shm/fuzz_setup_reader_XXXXXX";

void RemoveInput()
{
    unlink(inputPath);
}

const char *InputPath()
{
    static const bool created = [] {
        int fd = mkstemp(inputPath);
        if (fd < 0) {
            std::strcpy(inputPath, "/tmp/fuzz_setup_reader_XXXXXX");
            fd = mkstemp(inputPath);
        }
        if (fd < 0)
            std::abort();
        close(fd);
        std::atexit(RemoveInput);
        return true;
    }();
    return created ? inputPath : nullptr;
}

void WriteInput(const std::uint8_t *data, std::size_t size)
{
    std::FILE *file = std::fopen(InputPath(), "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        std::abort();
}

SetupReadResult Read(ByteSource &source, SetupModel &model)
{
    ResetSetupDefaults(model);
    return ReadSetupFile(source, model);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    MemoryByteSource memory(data, size);
    SetupModel fromMemory;
    const SetupReadResult memoryResult = Read(memory, fromMemory);

    WriteInput(data, size);
    FileByteSource file(InputPath(), FuzzPageSize);
    if (!file.IsOpen())
        std::abort();
    SetupModel fromFile;
    const SetupReadResult fileResult = Read(file, fromFile);

    const std::string differences = SetupModelText::Differences(fromFile, fromMemory);
    if (memoryResult.Outcome != fileResult.Outcome ||
        memoryResult.Description != fileResult.Description || !differences.empty()) {
        std::fprintf(stderr, "memory and file reads differ: '%s' / '%s'%s\n",
                     memoryResult.Description.c_str(), fileResult.Description.c_str(),
                     differences.c_str());
        std::abort();
    }
    return 0;
}
