// Loaded into a saving process (LD_PRELOAD) by the fault tests. Every flush to disk and every
// rename is written, with the inode it concerns, to the file $QUORVANE_SAVE_LOG; at the rename
// onto a path ending in $QUORVANE_KILL_AT_RENAME the process is killed with SIGKILL, at the
// moment the new settings file would replace the old one; a flush of the folder
// $QUORVANE_FAIL_FLUSH_OF fails with EIO.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void note(const char *what, unsigned long long inode)
{
    const char *log = std::getenv("QUORVANE_SAVE_LOG");
    if (log == nullptr) {
        return;
    }
    char line[64];
    const int size = std::snprintf(line, sizeof line, "%s %llu\n", what, inode);
    const int fd = ::open(log, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0) {
        (void)!::write(fd, line, size_t(size));
        ::close(fd);
    }
}

unsigned long long inodeOf(int fd)
{
    struct stat info
    { };
    return ::fstat(fd, &info) == 0 ? info.st_ino : 0;
}

template<typename Function> Function real(const char *name)
{
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

bool endsWith(const char *text, const char *end)
{
    const size_t a = std::strlen(text), b = std::strlen(end);
    return a >= b && std::strcmp(text + a - b, end) == 0;
}

// A flush of the folder $QUORVANE_FAIL_FLUSH_OF fails, as on a disk that reports an error.
int flush(const char *name, int fd)
{
    note("flush", inodeOf(fd));
    const char *failing = std::getenv("QUORVANE_FAIL_FLUSH_OF");
    struct stat info
    { };
    if (failing != nullptr && *failing != '\0' && ::stat(failing, &info) == 0
        && info.st_ino == inodeOf(fd)) {
        errno = EIO;
        return -1;
    }
    return real<int (*)(int)>(name)(fd);
}

} // namespace

extern "C" int fsync(int fd)
{
    return flush("fsync", fd);
}

// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name): libc names are reserved
extern "C" int fdatasync(int fd)
{
    return flush("fdatasync", fd);
}

// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name): libc names are reserved
extern "C" int rename(const char *from, const char *to)
{
    struct stat info
    { };
    note("rename", ::stat(from, &info) == 0 ? info.st_ino : 0);
    const char *victim = std::getenv("QUORVANE_KILL_AT_RENAME");
    if (victim != nullptr && *victim != '\0' && endsWith(to, victim)) {
        ::kill(::getpid(), SIGKILL);
    }
    return real<int (*)(const char *, const char *)>("rename")(from, to);
}
