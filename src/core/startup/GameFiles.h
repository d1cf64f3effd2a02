#pragma once

// What the game opens before its first window: the places of its files, the lock that keeps
// a second instance out, and the database. None of it needs the display, so it is done on a
// second core while the display connection is made, and none of it makes a Qt object: Qt
// would take that core's thread for its main one. The messages for the player wait in
// `notices` until windows can be shown.

#include "GamePlaces.h"
#include "InstanceLock.h"
#include "NoticeQueue.h"
#include "StandardStreams.h"
#include "core/store/Sql.h"

#include <filesystem>
#include <future>
#include <optional>

namespace lexel {

struct GameFiles {
    GamePlaces places;
    std::optional<InstanceLock> instance; // none when another instance runs or it failed
    std::optional<sql::Database> db;      // none when it could not be opened
    NoticeQueue notices;

    bool Ready() const { return instance && db; }
};

// Holds the lock that keeps a second instance from starting in `directory`, or tells why not:
// another instance runs, or the lock file cannot be made (the system's reason).
std::optional<InstanceLock> LockSingleInstance(const std::filesystem::path& directory,
                                               MessageBoxes& boxes);

// Keeps the standard streams open, finds the places, takes the lock and opens the database;
// stops at the first that fails.
GameFiles OpenGameFiles(const std::filesystem::path& programDirectory,
                        const std::filesystem::path& userDataDirectory);

// OpenGameFiles on another thread, with the user's data folder of the environment.
std::future<GameFiles> OpenGameFilesInBackground(const std::filesystem::path& programDirectory);

} // namespace lexel
