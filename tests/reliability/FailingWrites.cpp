// Preloaded into the game (LD_PRELOAD) to fake a failing disk: while the file that
// LEXEL_FAIL_WRITES_WHILE names exists, every write to a regular file, and every flush of one,
// fails with EIO. Standard output and error stay, so the game's log still reaches the test.

#include <cerrno>
#include <cstdlib>
#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

bool Failing(int fd) {
    const char* flag = std::getenv("LEXEL_FAIL_WRITES_WHILE");
    struct stat status {};
    if (fd <= STDERR_FILENO || flag == nullptr || ::access(flag, F_OK) != 0) {
        return false;
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        return false;
    }
    errno = EIO;
    return true;
}

template <typename F> F Next(const char* name) {
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" {

ssize_t write(int fd, const void* data, size_t size) {
    static const auto next = Next<ssize_t (*)(int, const void*, size_t)>("write");
    return Failing(fd) ? -1 : next(fd, data, size);
}

ssize_t pwrite(int fd, const void* data, size_t size, off_t at) {
    static const auto next = Next<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite");
    return Failing(fd) ? -1 : next(fd, data, size, at);
}

ssize_t pwrite64(int fd, const void* data, size_t size, off64_t at) {
    static const auto next = Next<ssize_t (*)(int, const void*, size_t, off64_t)>("pwrite64");
    return Failing(fd) ? -1 : next(fd, data, size, at);
}

int fsync(int fd) {
    static const auto next = Next<int (*)(int)>("fsync");
    return Failing(fd) ? -1 : next(fd);
}

int fdatasync(int fd) {
    static const auto next = Next<int (*)(int)>("fdatasync");
    return Failing(fd) ? -1 : next(fd);
}
}
