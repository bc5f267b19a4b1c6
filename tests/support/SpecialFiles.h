#pragma once

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstring>
#include <string>
#include <thread>

// Files that are not regular files, for the tests of what is refused.
namespace SpecialFiles {

inline bool MakePipe(const std::string &path)
{
    return mkfifo(path.c_str(), 0600) == 0;
}

// A Unix socket bound to its path while the object lives.
class Socket
{
public:
    explicit Socket(const std::string &path) : fd_(socket(AF_UNIX, SOCK_STREAM, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (fd_ < 0 || path.size() >= sizeof address.sun_path)
            return;
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        bound_ = bind(fd_, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    }
    ~Socket()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    Socket(const Socket &) = delete;
    Socket &operator=(const Socket &) = delete;

    bool Bound() const { return bound_; }

private:
    int fd_;
    bool bound_ = false;
};

// Watches a path that may be a pipe: whoever opens it for reading is let go at once with an
// empty read, so a blocking open ends the test instead of hanging it, and
// Opened() tells that it happened.
class PipeWatch
{
public:
    explicit PipeWatch(std::string path) : path_(std::move(path)), thread_([this] { Watch(); }) {}
    ~PipeWatch()
    {
        stop_ = true;
        thread_.join();
    }
    PipeWatch(const PipeWatch &) = delete;
    PipeWatch &operator=(const PipeWatch &) = delete;

    bool Opened() const { return opened_; }

private:
    void Watch()
    {
        while (!stop_) {
            // Opening the writing end without blocking succeeds only while
            // a reader has the pipe open.
            struct stat status
            {};
            const int fd = lstat(path_.c_str(), &status) == 0 && S_ISFIFO(status.st_mode)
                               ? open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)
                               : -1;
            if (fd >= 0) {
                opened_ = true;
                close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    std::string path_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> opened_{false};
    std::thread thread_;
};

// Lets this process write files of at most bytes bytes while it lives: a
// longer write fails (EFBIG) instead of raising SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &before_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = before_;
        limit.rlim_cur = bytes;
        set_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, signal_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool Set() const { return set_; }

private:
    rlimit before_{};
    void (*signal_)(int) = SIG_DFL;
    bool set_ = false;
};

} // namespace SpecialFiles
