#pragma once

// What the game works with, kept in the player's file: its words and its records.

#include "core/history/RecordedGames.h"
#include "core/settings/SettingsStore.h"
#include "core/store/WordStore.h"

namespace lexel {

struct FileServices {
    // `store` and `random` must outlive the services.
    FileServices(SettingsStore& store, RandomSource& random)
        : words(store.database(), random), records(store) {}

    WordStore words;
    RecordedGames records;
};

} // namespace lexel
