#include "PrivateFiles.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace lexel {

namespace fs = std::filesystem;

namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    // Closes now, so that a failure to write back is seen.
    int Close() { return ::close(std::exchange(fd_, -1)); }

private:
    int fd_;
};

bool WriteAll(int fd, const char* data, ssize_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<std::size_t>(size));
        if (written < 0 && errno != EINTR) {
            return false;
        }
        if (written > 0) {
            data += written;
            size -= written;
        }
    }
    return true;
}

// Copies every byte of `in` into `out`; false with errno set on failure.
bool CopyBytes(int in, int out) {
    std::array<char, 1 << 16> buffer{};
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got == 0) {
            return true;
        }
        if (got < 0 && errno != EINTR) {
            return false;
        }
        if (got > 0 && !WriteAll(out, buffer.data(), got)) {
            return false;
        }
    }
}

void RequireOwner(const fs::path& path, const struct stat& status) {
    if (status.st_uid != ::geteuid()) {
        throw NotOwnError(path, "belongs to user " + std::to_string(status.st_uid));
    }
}

} // namespace

FileError FileError::FromErrno(const fs::path& path, int error) {
    if (error == ELOOP) {
        return FileError(path, "is a symbolic link, which Lexel does not follow");
    }
    return FileError(path, std::strerror(error));
}

void MakePrivateDirectories(const fs::path& directory) {
    if (directory.empty() || directory == directory.root_path()) {
        return;
    }
    struct stat status {};
    if (::stat(directory.c_str(), &status) == 0) {
        if (!S_ISDIR(status.st_mode)) {
            throw FileError(directory, std::strerror(ENOTDIR));
        }
        return;
    }
    MakePrivateDirectories(directory.parent_path());
    if (::mkdir(directory.c_str(), 0700) != 0 && errno != EEXIST) {
        throw FileError::FromErrno(directory, errno);
    }
}

// A folder that others could write into may already hold what they put there (a database, a
// journal the engine would play back, a lock file), and tightening it now would not take that
// out: a looser mode is refused, for the player to look inside and tighten it, like a folder
// of another user's, which is never changed.
void RequireOwnDirectory(const fs::path& directory) {
    struct stat status {};
    if (::lstat(directory.c_str(), &status) != 0) {
        throw FileError::FromErrno(directory, errno);
    }
    if (S_ISLNK(status.st_mode)) {
        throw NotOwnError(directory, FileError::FromErrno({}, ELOOP).what());
    }
    if (!S_ISDIR(status.st_mode)) {
        throw FileError(directory, std::strerror(ENOTDIR));
    }
    RequireOwner(directory, status);
    if ((status.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        std::array<char, 8> mode{};
        std::snprintf(mode.data(), mode.size(), "%04o", status.st_mode & 07777U);
        throw NotOwnError(directory, std::string("is open to other users: mode ") + mode.data());
    }
}

void RequireOwnFile(const fs::path& file) {
    struct stat status {};
    if (::lstat(file.c_str(), &status) == 0) {
        RequireOwner(file, status);
    }
}

void CopyPrivateFile(const fs::path& from, const fs::path& to) {
    auto partial = to;
    partial += ".new";
    Descriptor in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) {
        throw FileError::FromErrno(from, errno);
    }
    // What an interrupted copy left, or a link planted there: the name goes, not what it names.
    if (::unlink(partial.c_str()) != 0 && errno != ENOENT) {
        throw FileError::FromErrno(partial, errno);
    }
    Descriptor out(
        ::open(partial.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (out.get() < 0) {
        throw FileError::FromErrno(partial, errno);
    }
    if (!CopyBytes(in.get(), out.get()) || ::fsync(out.get()) != 0 || out.Close() != 0) {
        const int error = errno;
        ::unlink(partial.c_str());
        throw FileError::FromErrno(partial, error);
    }
    // link() keeps a file that another start finished meanwhile; a file system without hard
    // links gets the rename, which replaces a name and follows no link either.
    const bool placed = ::link(partial.c_str(), to.c_str()) == 0 || errno == EEXIST ||
                        (errno == EPERM && ::rename(partial.c_str(), to.c_str()) == 0);
    const int error = errno;
    ::unlink(partial.c_str());
    if (!placed) {
        throw FileError::FromErrno(to, error);
    }
}

} // namespace lexel
