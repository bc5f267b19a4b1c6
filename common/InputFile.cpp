#include "common/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t PieceSize = 65536;

// Looked at before it is opened, then opened without waiting and looked at
// again, in case another file took the name in between. Gives the open
// descriptor and the file's size, or the reason.
FileFault OpenRegular(const fs::path &path, int &fd, std::uint64_t &size)
{
    fd = -1;
    struct stat status
    {};
    if (stat(path.c_str(), &status) != 0)
        return FileFault::OfSystem(errno);
    if (!S_ISREG(status.st_mode))
        return {FileFault::Kind::NotRegular};
    fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return FileFault::OfSystem(errno);
    FileFault fault;
    if (fstat(fd, &status) != 0)
        fault = FileFault::OfSystem(errno);
    else if (!S_ISREG(status.st_mode))
        fault = {FileFault::Kind::NotRegular};
    if (fault) {
        close(fd);
        fd = -1;
    }
    size = static_cast<std::uint64_t>(status.st_size);
    return fault;
}

// Reads the file from its start: when whole, all of it, refusing one beyond
// limit bytes; else its first limit bytes.
FileFault Read(const fs::path &path, std::uint64_t limit, bool whole, std::string &bytes)
{
    bytes.clear();
    int fd = -1;
    std::uint64_t size = 0;
    if (const FileFault fault = OpenRegular(path, fd, size))
        return fault;
    if (whole && size > limit) {
        close(fd);
        return FileFault::LargerThan(limit);
    }
    bytes.reserve(static_cast<std::size_t>(std::min(size, limit)));
    std::array<char, PieceSize> piece;
    FileFault fault;
    while (whole || bytes.size() < limit) {
        const std::size_t room = static_cast<std::size_t>(
            whole ? piece.size() : std::min<std::uint64_t>(piece.size(), limit - bytes.size()));
        const ssize_t got = read(fd, piece.data(), room);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            fault = FileFault::OfSystem(errno);
            break;
        }
        if (got == 0)
            break;
        bytes.append(piece.data(), static_cast<std::size_t>(got));
        // The file grew since it was looked at.
        if (whole && bytes.size() > limit) {
            fault = FileFault::LargerThan(limit);
            break;
        }
    }
    close(fd);
    if (fault)
        bytes.clear();
    return fault;
}

} // namespace

FileFault ReadInputFile(const fs::path &path, std::string &bytes, std::uint64_t limit)
{
    return Read(path, limit, true, bytes);
}

FileFault ReadInputFileStart(const fs::path &path, std::size_t count, std::string &bytes)
{
    return Read(path, count, false, bytes);
}
