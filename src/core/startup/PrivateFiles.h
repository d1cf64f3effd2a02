#pragma once

// The files the game makes for its player: folders 0700 and files 0600 whatever the umask, and
// never written through a symbolic link planted where one of them belongs.

#include <filesystem>
#include <stdexcept>
#include <string>

namespace lexel {

// A file or folder of the game's that cannot be made or used; what() is "<path>: <reason>", or
// the reason alone for no path.
class FileError : public std::runtime_error {
public:
    FileError(const std::filesystem::path& path, const std::string& reason)
        : std::runtime_error(path.empty() ? reason : path.string() + ": " + reason) {}
    // The reason for the error number `error`, as the system words it.
    static FileError FromErrno(const std::filesystem::path& path, int error);
};

// A folder or file of the game's that is not the player's own: a link, another user's, or one
// that others may open. Someone else could have put it there or could change it.
class NotOwnError : public FileError {
public:
    using FileError::FileError;
};

// Makes `directory` and its missing parents, each readable by its owner only. Throws FileError.
void MakePrivateDirectories(const std::filesystem::path& directory);

// Requires `directory` to be the player's own folder, not a link, closed to every other user.
// Throws NotOwnError, or FileError when it cannot be looked at.
void RequireOwnDirectory(const std::filesystem::path& directory);

// Requires `file`, when there is one, to be the player's own. Throws NotOwnError.
void RequireOwnFile(const std::filesystem::path& file);

// Copies `from` to `to`, a file that must not exist yet, through `to` + ".new" so an interrupted
// copy never looks like the finished one. Neither name is followed if it is a link. Throws
// FileError.
void CopyPrivateFile(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace lexel
