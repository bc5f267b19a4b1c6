#include "setup/SetupCopy.h"

#include "setup/SetupFileFormat.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <utility>

namespace {

using Side = SetupCopyResult::Side;

constexpr std::size_t BufferSize = 64 * 1024;
constexpr mode_t CopyMode = 0666; // less the user's umask

SetupCopyResult SystemFailure(Side side)
{
    return {FileFault::OfSystem(errno), side};
}

FileFault Refusal(const struct stat &status)
{
    if (!S_ISREG(status.st_mode))
        return {FileFault::Kind::NotRegular};
    if (static_cast<std::uint64_t>(status.st_size) > SetupFile::MaxFileSize)
        return FileFault::LargerThan(SetupFile::MaxFileSize);
    return {};
}

// A file descriptor, closed when it goes out of scope unless Close() has
// closed it and told how that went.
class Descriptor
{
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int Fd() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // A full disk or a quota may only show here.
    bool Close() { return close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

bool WriteAll(int fd, const char *bytes, std::size_t count)
{
    while (count > 0) {
        const ssize_t written = write(fd, bytes, count);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

SetupCopyResult Transfer(Descriptor &in, Descriptor &out)
{
    std::array<char, BufferSize> buffer;
    std::uint64_t total = 0;
    for (;;) {
        const ssize_t got = read(in.Fd(), buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return SystemFailure(Side::Source);
        }
        if (got == 0)
            break;
        total += static_cast<std::uint64_t>(got);
        // The file grew since it was looked at.
        if (total > SetupFile::MaxFileSize)
            return {FileFault::LargerThan(SetupFile::MaxFileSize), Side::Source};
        if (!WriteAll(out.Fd(), buffer.data(), static_cast<std::size_t>(got)))
            return SystemFailure(Side::Copy);
    }
    if (!out.Close())
        return SystemFailure(Side::Copy);
    return {};
}

} // namespace

SetupCopyResult CopySetupFile(const std::filesystem::path &source,
                              const std::filesystem::path &copy)
{
    // A failure to delete shows when the copy is made.
    unlink(copy.c_str());

    // Looked at before it is opened, then opened without waiting and looked
    // at again, in case another file took the name in between.
    struct stat status
    {};
    if (stat(source.c_str(), &status) != 0)
        return SystemFailure(Side::Source);
    if (const FileFault refused = Refusal(status))
        return {refused, Side::Source};
    Descriptor in(open(source.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!in.IsOpen() || fstat(in.Fd(), &status) != 0)
        return SystemFailure(Side::Source);
    if (const FileFault refused = Refusal(status))
        return {refused, Side::Source};

    // A new file of our own: nothing planted at the name is followed.
    Descriptor out(
        open(copy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, CopyMode));
    if (!out.IsOpen())
        return SystemFailure(Side::Copy);
    const SetupCopyResult result = Transfer(in, out);
    if (result.fault)
        unlink(copy.c_str());
    return result;
}
