// Timing and memory of the setup file reader on generated files on disk; run
// by hand, not by CTest. Each file is read in a child process of its own, so
// that its peak memory (getrusage ru_maxrss) is that read's alone.
//
//   bench_reader                      all files, one table
//   bench_reader --measure FILE N W   one file, read N times (the child),
//                                     after a read of the small file W that
//                                     brings the reader's code into memory
#include "setup/ByteSource.h"
#include "setup/SetupFileFormat.h"
#include "setup/SetupReader.h"
#include "tests/setup/SetupFileBuilder.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using namespace SetupFile;
using B = SetupFileBuilder;

namespace {

constexpr double OneMegabyte = 1e6;
constexpr double OneMegabyteLimitMs = 10.0;
constexpr double MemoryLimitPerFileByte = 2.0;
// Reads per file: enough to time small files, few for big ones.
constexpr double BytesTimedPerFile = 200e6;

long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The child: peak memory of the first read, then the mean time of n reads.
// The peak counts code pages too, so a small file is read first.
int Measure(const char *path, long repeats, const char *warmUp)
{
    SetupModel model;
    ResetSetupDefaults(model);
    ReadSetupFile(std::filesystem::path(warmUp), model);
    const long before = PeakKilobytes();
    const SetupReadResult first = ReadSetupFile(std::filesystem::path(path), model);
    const long grown = PeakKilobytes() - before;
    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < repeats; ++i)
        ReadSetupFile(std::filesystem::path(path), model);
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    std::printf("%.6f %ld %d\n", spent.count() / static_cast<double>(repeats), grown,
                first.Succeeded() ? 1 : 0);
    return 0;
}

// A logger-like directory: a station, then channel after channel with all
// their entries, transmissions and entries of ids the reader passes over.
void AddLoggerEntry(B &file, std::size_t i)
{
    constexpr int EntriesPerChannel = 16;
    const int channel = static_cast<int>(i / EntriesPerChannel % ChannelCount) + 1;
    const int transmission = static_cast<int>(i % TransmissionCount) + 1;
    switch (i % EntriesPerChannel) {
    case 0:
        file.Add(ParamChannel, channel, ElemChannelNr, B::Text("000" + std::to_string(channel)));
        break;
    case 1:
        file.Add(ParamChannel, channel, ElemChannelName, B::Text("Level   "));
        break;
    case 2:
        file.Add(ParamSampling, channel, ElemSamplingInterval, B::Int(900));
        break;
    case 3:
        file.Add(ParamStorage, channel, 1, B::Int(1));
        break;
    case 4:
        file.Add(ParamStorageInterval, channel, ElemStorageInterval, B::Int(3600));
        break;
    case 5:
        file.Add(ParamScaling, channel, ElemSkalFactor, B::Real(0.001f));
        break;
    case 6:
        file.Add(ParamScaling, channel, ElemSkalOffset, B::Text("-1.5"));
        break;
    case 7:
        file.Add(ParamLimit, channel, ElemLimitValue, B::Real(2.5f));
        break;
    case 8:
        file.Add(ParamLimit, channel, ElemLimitDir, B::Int(1));
        break;
    case 9:
        file.Add(ParamLimit, channel, ElemGradValue, B::Real(0.1f));
        break;
    case 10:
        file.Add(ParamTransmission, transmission, ElemTxAlarms, B::IntArray({60, 120, 180}));
        break;
    case 11:
        file.Add(ParamTransmission, transmission, ElemTxChannelList, B::Text("00010002UBAT"));
        break;
    case 12:
        file.Add(ParamServerInstance, channel % ServerInstanceCount + 1, ElemServerType, B::Int(3));
        break;
    default:
        file.Add(0x200 + static_cast<std::uint32_t>(i % 7), 1, 2, B::Int(7));
        break;
    }
}

B::Bytes LoggerFile(std::size_t entries)
{
    B file;
    file.Add(ParamStationID, 1, ElemStationID, B::Text("PEL0000042"));
    for (std::size_t i = 1; i < entries; ++i)
        AddLoggerEntry(file, i);
    return file.Build();
}

// Entries of a logger-like file that make a file of about bytes bytes.
std::size_t EntriesForBytes(double bytes)
{
    const double perEntry = static_cast<double>(LoggerFile(1000).size()) / 1000.0;
    return static_cast<std::size_t>(bytes / perEntry);
}

// Every entry names channel 1 with one long shared text: one cut copy is
// kept, not one per entry.
B::Bytes SharedLongName(std::size_t entries)
{
    B file;
    const std::size_t name = file.AddRecord(B::Text(std::string(entries, 'n')));
    for (std::size_t i = 0; i < entries; ++i)
        file.AddShared(ParamChannel, 1, ElemChannelName, name);
    return file.Build();
}

// Every value record claims a text reaching to the end of the file.
B::Bytes TextsClaimingTheRest(std::size_t entries)
{
    B file;
    for (std::size_t i = 0; i < entries; ++i)
        file.Add(ParamUnusedA, 1, 1, B::Int(0));
    B::Bytes bytes = file.Build();
    const std::uint64_t start = file.RecordsStart();
    for (std::size_t i = 0; i < entries; ++i) {
        const std::uint64_t at = start + i * DirEntrySize;
        B::Bytes record =
            B::TextClaiming(static_cast<std::uint32_t>(bytes.size() - at - 2 * FieldSize), "");
        std::copy(record.begin(), record.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
    }
    return bytes;
}

// Entries of ids the reader takes over, then one text claiming 4 GB.
B::Bytes FourGigabyteText(std::size_t entries)
{
    B file;
    for (std::size_t i = 1; i < entries; ++i)
        file.Add(ParamUnusedB, 1, 1, B::Int(1));
    file.Add(ParamChannel, 1, ElemChannelName, B::TextClaiming(0xFFFFFFF0, "x"));
    return file.Build();
}

struct Result
{
    double ms = 0;
    long peakKilobytes = 0;
    bool succeeded = false;
};

void WriteFile(const std::string &path, const B::Bytes &bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

Result MeasureInChild(const std::string &self, const std::string &path, long repeats,
                      const std::string &warmUp)
{
    const std::string command =
        "'" + self + "' --measure '" + path + "' " + std::to_string(repeats) + " '" + warmUp + "'";
    Result result;
    std::FILE *child = popen(command.c_str(), "r");
    int succeeded = 0;
    if (child == nullptr ||
        std::fscanf(child, "%lf %ld %d", &result.ms, &result.peakKilobytes, &succeeded) != 3) {
        std::fprintf(stderr, "measuring %s failed\n", path.c_str());
        std::exit(1);
    }
    pclose(child);
    result.succeeded = succeeded != 0;
    return result;
}

struct Case
{
    std::string name;
    std::size_t entries;
    std::function<B::Bytes(std::size_t)> make;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc == 5 && std::string(argv[1]) == "--measure")
        return Measure(argv[2], std::atol(argv[3]), argv[4]);

    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("bench_reader_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);

    constexpr std::size_t WarmUpEntries = 100;
    const std::string warmUp = (dir / "WARMUP.BIN").string();
    WriteFile(warmUp, LoggerFile(WarmUpEntries));

    const std::size_t oneMegabyte = EntriesForBytes(OneMegabyte);
    // Refused before its walk: a logger's file is far smaller.
    const std::size_t overTheBound = EntriesForBytes(static_cast<double>(MaxFileSize) * 1.05);
    const std::vector<Case> cases = {
        {"logger-like", 1000, LoggerFile},
        {"logger-like", 100000, LoggerFile},
        {"logger-like", 1000000, LoggerFile},
        {"logger-like, 1 MB", oneMegabyte, LoggerFile},
        {"one shared long name", 1000000, SharedLongName},
        {"texts claiming the rest", 1000000, TextsClaimingTheRest},
        {"a text claiming 4 GB", 1000000, FourGigabyteText},
        {"logger-like, over 64 MB", overTheBound, LoggerFile},
    };

    std::printf("%-24s %9s %12s %11s %9s %10s %8s %s\n", "file", "entries", "bytes", "ms/file",
                "ns/entry", "peak kB", "peak/size", "read");
    double firstNsPerEntry = 0;
    double lastNsPerEntry = 0;
    bool withinLimits = true;
    for (const Case &c : cases) {
        const B::Bytes bytes = c.make(c.entries);
        const std::string path = (dir / "SETUP.BIN").string();
        WriteFile(path, bytes);
        const long repeats =
            std::max(1L, static_cast<long>(BytesTimedPerFile / static_cast<double>(bytes.size())));
        const Result r = MeasureInChild(self, path, repeats, warmUp);
        const double nsPerEntry = r.ms * 1e6 / static_cast<double>(c.entries);
        const double peakPerSize =
            static_cast<double>(r.peakKilobytes) * 1024.0 / static_cast<double>(bytes.size());
        std::printf("%-24s %9zu %12zu %11.3f %9.1f %10ld %8.2f %s\n", c.name.c_str(), c.entries,
                    bytes.size(), r.ms, nsPerEntry, r.peakKilobytes, peakPerSize,
                    r.succeeded ? "complete" : "failed");
        withinLimits = withinLimits && peakPerSize < MemoryLimitPerFileByte;
        if (c.name == "logger-like, 1 MB") {
            std::printf("  1 MB file read in %.3f ms (limit %.0f ms)\n", r.ms, OneMegabyteLimitMs);
            withinLimits = withinLimits && r.ms < OneMegabyteLimitMs;
        } else if (c.name == "logger-like") {
            if (firstNsPerEntry == 0)
                firstNsPerEntry = nsPerEntry;
            lastNsPerEntry = nsPerEntry;
        }
    }
    std::printf("time per entry, 1 000 000 against 1 000 entries: x %.2f (1.00 is linear)\n",
                lastNsPerEntry / firstNsPerEntry);
    std::printf("%s\n", withinLimits ? "within the limits" : "LIMITS EXCEEDED");
    std::filesystem::remove_all(dir);
    return withinLimits ? 0 : 1;
}
