#pragma once

// Keeps a second Lexel from running on the same files. The lock is the kernel's advisory lock
// on an open file, which ends with the process however the process ends, so a lock file left
// behind by a killed game never keeps the next one out, whatever the file holds. No Qt object is
// made: the lock is taken on a second thread before the application object exists.

#include <filesystem>
#include <optional>

namespace lexel {

class InstanceLock {
public:
    // Holds the lock `file`, made readable by its owner only when it is new, or gives nothing
    // when another process holds it. Throws FileError when the file cannot be made or locked:
    // a link or anything but a regular file in its place, a folder that cannot be written.
    static std::optional<InstanceLock> TryAcquire(const std::filesystem::path& file);

    InstanceLock(InstanceLock&& other) noexcept;
    InstanceLock& operator=(InstanceLock&& other) noexcept;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    // Removes the file, then lets it go.
    ~InstanceLock();

private:
    InstanceLock(std::filesystem::path file, int fd) : file_(std::move(file)), fd_(fd) {}
    void Release();

    std::filesystem::path file_;
    int fd_ = -1;
};

} // namespace lexel
