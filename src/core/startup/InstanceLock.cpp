#include "InstanceLock.h"

#include "PrivateFiles.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace lexel {
namespace {

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

std::optional<InstanceLock> InstanceLock::TryAcquire(const std::filesystem::path& file) {
    // A holder that ends removes the name after we opened it; the lock is then on a file that
    // no longer has the name, and the next start would make a new one. Retried on the new name.
    for (int attempt = 0; attempt < 10; ++attempt) {
        const int fd =
            ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (fd < 0) {
            throw FileError::FromErrno(file, errno);
        }
        InstanceLock lock(file, fd);
        struct stat opened {};
        if (::fstat(fd, &opened) != 0) {
            throw FileError::FromErrno(file, errno);
        }
        if (!S_ISREG(opened.st_mode)) {
            lock.file_.clear(); // not ours to remove
            throw FileError(file, "is not a regular file");
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            lock.file_.clear();
            if (error == EWOULDBLOCK) {
                return std::nullopt;
            }
            throw FileError::FromErrno(file, error);
        }
        struct stat named {};
        if (::lstat(file.c_str(), &named) == 0 && SameFile(opened, named)) {
            return lock;
        }
        lock.file_.clear();
    }
    throw FileError(file, "is replaced again and again");
}

InstanceLock::InstanceLock(InstanceLock&& other) noexcept
    : file_(std::exchange(other.file_, {})), fd_(std::exchange(other.fd_, -1)) {}

InstanceLock& InstanceLock::operator=(InstanceLock&& other) noexcept {
    if (this != &other) {
        Release();
        file_ = std::exchange(other.file_, {});
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

InstanceLock::~InstanceLock() {
    Release();
}

void InstanceLock::Release() {
    if (fd_ < 0) {
        return;
    }
    // Removed while still held, so no other start can lock the name that is going; a name
    // that someone gave to another file meanwhile is left alone.
    struct stat held {};
    struct stat named {};
    if (!file_.empty() && ::fstat(fd_, &held) == 0 && ::lstat(file_.c_str(), &named) == 0 &&
        SameFile(held, named)) {
        ::unlink(file_.c_str());
    }
    ::close(std::exchange(fd_, -1));
}

} // namespace lexel
