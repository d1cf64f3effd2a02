#pragma once

// What the game opens before its first window: the places of its files, the lock that keeps
// a second instance out, and the database. None of it needs the display, so it is done on a
// second core while the display connection is made; the messages for the player wait in
// `notices` until windows can be shown.

#include "GamePlaces.h"
#include "NoticeQueue.h"
#include "store/Sql.h"

#include <QLockFile>
#include <filesystem>
#include <future>
#include <memory>
#include <optional>

namespace lexel {

struct GameFiles {
    GamePlaces places;
    std::unique_ptr<QLockFile> instance; // none when another instance runs
    std::optional<sql::Database> db;     // none when it could not be opened
    NoticeQueue notices;

    bool Ready() const { return instance && db; }
};

// Holds the lock that keeps a second instance from starting, or says that one is running and
// gives nothing. A lock left by a killed process names a process that no longer runs and is
// taken over.
std::unique_ptr<QLockFile> LockSingleInstance(const std::filesystem::path& directory,
                                              MessageBoxes& boxes);

// Finds the places, takes the lock and opens the database; stops at the first that fails.
GameFiles OpenGameFiles(const std::filesystem::path& programDirectory,
                        const std::filesystem::path& userDataDirectory);

// OpenGameFiles on another thread. The organization and application names must be set
// before: the user's data directory is named after them.
std::future<GameFiles> OpenGameFilesInBackground(const std::filesystem::path& programDirectory);

} // namespace lexel
