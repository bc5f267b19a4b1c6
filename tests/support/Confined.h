#pragma once

#include <QMetaType>

#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <exception>
#include <fstream>
#include <functional>
#include <string>

// A step of a test that needs its process changed (a disk that is full, a
// file-size limit, another user) runs in a forked child, so that the change
// ends with the child and the rest of the test runs as before.
enum class Confinement
{
    FullDisk,      // the folder is a tiny file system of the child's own, filled up
    FileSizeLimit, // no file may grow beyond FileSizeLimitBytes
    Unprivileged,  // the user and group nobody, when the test runs as root
    MemoryLimit,   // no more than MemoryLimitBytes of memory beyond what the child holds
};
Q_DECLARE_METATYPE(Confinement)

inline constexpr rlim_t FileSizeLimitBytes = 100;
inline constexpr rlim_t MemoryLimitBytes = 256'000'000;

struct ConfinedRun
{
    bool Confined = false; // false: this machine cannot confine so; Output says why
    std::string Output;    // what the step returned, or how the child ended
};

namespace confined {

inline std::string Failed(const char *what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

inline bool WriteProcFile(const char *name, const std::string &text)
{
    std::ofstream file(name);
    file << text;
    file.close();
    return !file.fail();
}

// Root takes a mount namespace of its own; anyone else a user namespace as
// well, in which it may mount a tmpfs.
inline bool EnterMountNamespace(std::string &why)
{
    if (unshare(CLONE_NEWNS) == 0)
        return true;
    const std::string uid = std::to_string(getuid());
    const std::string gid = std::to_string(getgid());
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
        why = Failed("no mount namespace of its own");
        return false;
    }
    if (!WriteProcFile("/proc/self/setgroups", "deny") ||
        !WriteProcFile("/proc/self/uid_map", "0 " + uid + " 1") ||
        !WriteProcFile("/proc/self/gid_map", "0 " + gid + " 1")) {
        why = "the user namespace cannot map the user";
        return false;
    }
    return true;
}

inline bool MountTinyDisk(const std::string &folder, std::string &why)
{
    if (!EnterMountNamespace(why))
        return false;
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tiny", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") != 0) {
        why = Failed("no tmpfs can be mounted");
        return false;
    }
    return true;
}

// The filler is held open and unlinked: its space stays taken, the file
// itself is out of sight.
inline bool FillDisk(const std::string &folder, std::string &why)
{
    const std::string name = folder + "/filler";
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0 || unlink(name.c_str()) != 0) {
        why = Failed("the filler cannot be made");
        return false;
    }
    const std::string block(4096, 'x');
    while (write(fd, block.data(), block.size()) > 0) {
    }
    if (errno != ENOSPC) {
        why = Failed("the disk cannot be filled");
        return false;
    }
    return true;
}

inline bool LimitFileSize(std::string &why)
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = FileSizeLimitBytes;
    // Beyond the limit a write fails with EFBIG instead of ending the process.
    if (std::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || setrlimit(RLIMIT_FSIZE, &limit) != 0) {
        why = Failed("no file-size limit");
        return false;
    }
    return true;
}

// The address space the child holds now, and MemoryLimitBytes more. The
// address sanitizer reserves far more than any limit would let it.
inline bool LimitMemory(std::string &why)
{
#if defined(__SANITIZE_ADDRESS__)
    why = "the address sanitizer reserves address space beyond any limit";
    return false;
#else
    std::ifstream statm("/proc/self/statm");
    unsigned long pages = 0;
    if (!(statm >> pages)) {
        why = "/proc/self/statm cannot be read";
        return false;
    }
    const rlim_t held = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
    rlimit limit{};
    getrlimit(RLIMIT_AS, &limit);
    limit.rlim_cur = held + MemoryLimitBytes;
    if (setrlimit(RLIMIT_AS, &limit) != 0) {
        why = Failed("no memory limit");
        return false;
    }
    return true;
#endif
}

inline bool BecomeNobody(std::string &why)
{
    const uid_t nobody = 65534;
    if (getuid() != 0)
        return true;
    if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0) {
        why = Failed("cannot become nobody");
        return false;
    }
    return true;
}

inline bool Enter(Confinement confinement, const std::string &folder,
                  const std::function<void()> &prepare, std::string &why)
{
    switch (confinement) {
    case Confinement::FullDisk:
        if (!MountTinyDisk(folder, why))
            return false;
        prepare();
        return FillDisk(folder, why);
    case Confinement::FileSizeLimit:
        prepare();
        return LimitFileSize(why);
    case Confinement::Unprivileged:
        prepare();
        return BecomeNobody(why);
    case Confinement::MemoryLimit:
        prepare();
        return LimitMemory(why);
    }
    return false;
}

inline void WriteAll(int fd, const std::string &text)
{
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t written = write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        done += static_cast<std::size_t>(written);
    }
}

} // namespace confined

// Runs `prepare` and then `step` in a forked child confined as asked. For a
// full disk the tiny file system is mounted over `folder` before `prepare`
// makes its files there, and filled after. The step must not use QtTest's
// checks (the child's verdict would be lost): it returns what it saw.
inline ConfinedRun RunConfined(Confinement confinement, const std::string &folder,
                               const std::function<void()> &prepare,
                               const std::function<std::string()> &step)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {true, confined::Failed("pipe")};
    const pid_t child = fork();
    if (child < 0)
        return {true, confined::Failed("fork")};
    if (child == 0) {
        close(pipeFds[0]);
        std::string report;
        try {
            std::string why;
            report = confined::Enter(confinement, folder, prepare, why) ? "+" + step() : "-" + why;
        } catch (const std::exception &failure) {
            report = std::string("+the step threw: ") + failure.what();
        }
        confined::WriteAll(pipeFds[1], report);
        _exit(0);
    }
    close(pipeFds[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t got; (got = read(pipeFds[0], buffer, sizeof buffer)) != 0;) {
        if (got > 0)
            report.append(buffer, static_cast<std::size_t>(got));
        else if (errno != EINTR)
            break;
    }
    close(pipeFds[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || report.empty())
        return {true, "the child ended abnormally (wait status " + std::to_string(status) + ")"};
    return {report[0] == '+', report.substr(1)};
}
