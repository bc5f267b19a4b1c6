#include "common/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::error_code LastError()
{
    return {errno, std::generic_category()};
}

// A new file of a fresh name beside the target; a name that exists already,
// even a planted link, is passed over.
int CreateBeside(const fs::path &target, fs::path &temp)
{
    std::random_device random;
    for (;;) {
        std::ostringstream suffix;
        suffix << ".tmp" << std::hex << random();
        temp = target;
        temp += suffix.str();
        const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
}

// write() may take less than it is given; the rest is written again until
// all is out or the system gives a reason.
bool WriteAll(int fd, const std::string &bytes)
{
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// Writes the bytes, brings them to the disk and closes the file; the first
// failure is the one told.
std::error_code FinishFile(int fd, const std::string &bytes)
{
    std::error_code code = WriteAll(fd, bytes) && fsync(fd) == 0 ? std::error_code() : LastError();
    if (close(fd) != 0 && !code)
        code = LastError();
    return code;
}

// The bytes in a new file beside the target, on the disk; on failure nothing
// is left. mode, when given, becomes the new file's permissions.
std::error_code WriteBeside(const fs::path &target, const std::string &bytes, fs::path &temp,
                            const struct stat *mode)
{
    const int fd = CreateBeside(target, temp);
    if (fd < 0)
        return LastError();
    // Some file systems keep no permissions; the file is written all the same.
    if (mode)
        (void)fchmod(fd, mode->st_mode & 07777);
    const std::error_code code = FinishFile(fd, bytes);
    if (code)
        unlink(temp.c_str());
    return code;
}

// Gives the written file the target's name unless that name exists, as one
// step. File systems without that step get a hard link; those without hard
// links (FAT) tell EPERM, and then the name is taken by creating it
// exclusively and the bytes are copied in.
std::error_code PlaceNew(const fs::path &temp, const fs::path &target, const std::string &bytes)
{
    if (renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return {};
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
        const std::error_code code = LastError();
        unlink(temp.c_str());
        return code;
    }
    const bool linked = link(temp.c_str(), target.c_str()) == 0;
    const std::error_code linkCode = linked ? std::error_code() : LastError();
    unlink(temp.c_str());
    if (linked || linkCode.value() != EPERM)
        return linkCode;

    const int fd = open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return LastError();
    const std::error_code code = FinishFile(fd, bytes);
    // The file is ours: a part of it must not stay.
    if (code)
        unlink(target.c_str());
    return code;
}

// Creating a file fails with ENOENT only where its folder is missing, which
// "file not found" would not tell the user.
FileFault FaultOfWrite(const std::error_code &code)
{
    if (code.value() == ENOENT)
        return {FileFault::Kind::NoFolder};
    return FileFault::Of(code);
}

} // namespace

FileFault WriteFileAtomically(const fs::path &path, const std::string &bytes)
{
    std::error_code code;
    fs::path target = path;
    if (fs::is_symlink(path, code)) {
        const fs::path real = fs::canonical(path, code);
        if (!code)
            target = real;
    }
    struct stat old = {};
    const bool replacing = stat(target.c_str(), &old) == 0;
    // A folder, a pipe or a device (say /dev/null) is not ours to replace by
    // a file.
    if (replacing && !S_ISREG(old.st_mode))
        return {FileFault::Kind::NotRegular};
    // The folder may let us rename over a file that we may not write; its
    // protection holds all the same.
    if (replacing && faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return FileFault::OfSystem(errno);

    fs::path temp;
    code = WriteBeside(target, bytes, temp, replacing ? &old : nullptr);
    if (!code && rename(temp.c_str(), target.c_str()) != 0) {
        code = LastError();
        unlink(temp.c_str());
    }
    return FaultOfWrite(code);
}

FileFault WriteNewFileAtomically(const fs::path &path, const std::string &bytes)
{
    // Not asked beforehand: only the placing step itself can tell for sure.
    fs::path temp;
    std::error_code code = WriteBeside(path, bytes, temp, nullptr);
    if (!code)
        code = PlaceNew(temp, path, bytes);
    return FaultOfWrite(code);
}
