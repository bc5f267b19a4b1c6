#include "common/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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
    // The folder may let us rename over a file that we may not write; its
    // protection holds all the same.
    if (replacing && faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return FileFault::OfSystem(errno);

    fs::path temp;
    const int fd = CreateBeside(target, temp);
    if (fd < 0)
        return FileFault::OfSystem(errno);
    // Some file systems keep no permissions; the file is written all the same.
    if (replacing && S_ISREG(old.st_mode))
        (void)fchmod(fd, old.st_mode & 07777);
    code = WriteAll(fd, bytes) && fsync(fd) == 0 ? std::error_code() : LastError();
    if (close(fd) != 0 && !code)
        code = LastError();
    if (!code && rename(temp.c_str(), target.c_str()) != 0)
        code = LastError();
    if (code)
        unlink(temp.c_str());
    return FileFault::Of(code);
}
