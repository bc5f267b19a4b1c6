// Timing of "pelora-toolbox estimate --format csv" over many generated setup
// files of a logger's size, the way an operator of a network of stations
// runs it: one process for all files. Run by hand, not by CTest.
//
//   bench_estimate [FOLDER]   writes 10 000 files into FOLDER (a new
//                             temporary one by default, removed afterwards)
#include "tests/setup/SampleStation.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char **environ;

namespace fs = std::filesystem;

namespace {

constexpr int MostFiles = 10000;
constexpr std::array<int, 2> FileCounts = {1000, MostFiles};
constexpr int Runs = 5;
constexpr double TargetSeconds = 2.0;

// A station of its own for every number: 8 to 12 channels, intervals,
// formats and TX2 varying as they do across a network.
SampleStation::Station StationNumber(int n)
{
    using namespace SampleStation;
    constexpr std::array<std::int32_t, 4> sampling = {60, 300, 600, QuarterHour};
    constexpr std::array<std::int32_t, 4> sending = {QuarterHour, 1800, Hour, 7200};
    constexpr std::array<std::int32_t, 3> backups = {0, Day, WeeklyOnMonday};
    Station station;
    char id[16];
    std::snprintf(id, sizeof id, "%010d", n);
    station.stationId = id;
    station.channels[0].sampling = sampling[static_cast<std::size_t>(n) % sampling.size()];
    for (int i = 9; i <= 8 + n % 5; ++i) {
        char nr[8];
        std::snprintf(nr, sizeof nr, "%04d", i);
        station.channels.push_back({nr, "Sensor " + std::to_string(i), 600, 3600, i % 2 == 0});
    }
    station.tx1Interval = sending[static_cast<std::size_t>(n / 4) % sending.size()];
    station.tx1Format = n % 2 == 0 ? VeskMLFormat : CsvFormat;
    station.tx2Interval = backups[static_cast<std::size_t>(n) % backups.size()];
    station.tx2Compression = n % 3 != 0;
    return station;
}

std::vector<std::string> WriteFiles(const fs::path &folder)
{
    std::vector<std::string> paths;
    std::uintmax_t bytes = 0;
    for (int n = 1; n <= MostFiles; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "station-%05d.bin", n);
        const fs::path path = folder / name;
        const SetupFileBuilder::Bytes file = SampleStation::Build(StationNumber(n));
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char *>(file.data()),
                  static_cast<std::streamsize>(file.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            std::exit(1);
        }
        bytes += file.size();
        paths.push_back(path.string());
    }
    std::printf("%d setup files of %.0f bytes on average in %s\n", MostFiles,
                static_cast<double>(bytes) / MostFiles, folder.c_str());
    return paths;
}

// Seconds of one run over the first count files; its output goes to a file
// whose lines are counted, one a file and the header.
double TimeRun(const std::vector<std::string> &paths, int count, const fs::path &output)
{
    std::vector<std::string> arguments = {PELORA_TOOLBOX, "estimate", "--format", "csv"};
    arguments.insert(arguments.end(), paths.begin(), paths.begin() + count);
    std::vector<char *> argv;
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::perror(PELORA_TOOLBOX);
        std::exit(1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    posix_spawn_file_actions_destroy(&actions);

    std::ifstream in(output);
    const auto lines =
        std::count(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(), '\n');
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || lines != count + 1) {
        std::fprintf(stderr, "the run over %d files failed (status %d, %ld lines)\n", count, status,
                     static_cast<long>(lines));
        std::exit(1);
    }
    return spent.count();
}

} // namespace

int main(int argc, char **argv)
{
    const bool temporary = argc < 2;
    fs::path folder;
    if (temporary) {
        char name[] = "/tmp/bench-estimate.XXXXXX";
        if (!mkdtemp(name)) {
            std::perror("mkdtemp");
            return 1;
        }
        folder = name;
    } else {
        folder = argv[1];
        fs::create_directories(folder);
    }
    const std::vector<std::string> paths = WriteFiles(folder);
    const fs::path output = folder / "estimates.csv";

    // The first run brings the files and the program into the cache.
    TimeRun(paths, MostFiles, output);
    std::printf("runs: %d each, medians\n", Runs);
    double perFileAtFewest = 0;
    bool fast = true;
    for (const int count : FileCounts) {
        std::vector<double> seconds;
        for (int run = 0; run < Runs; ++run)
            seconds.push_back(TimeRun(paths, count, output));
        std::sort(seconds.begin(), seconds.end());
        const double median = seconds[seconds.size() / 2];
        const double perFile = median / count;
        if (perFileAtFewest == 0)
            perFileAtFewest = perFile;
        std::printf("%6d files: %.3f s, %.1f us a file (%.2f x the time a file at %d files)\n",
                    count, median, perFile * 1e6, perFile / perFileAtFewest, FileCounts.front());
        if (count == MostFiles)
            fast = median < TargetSeconds;
    }
    std::printf("target: %d files in under %.1f s: %s\n", MostFiles, TargetSeconds,
                fast ? "met" : "MISSED");
    if (temporary)
        fs::remove_all(folder);
    return fast ? 0 : 1;
}
