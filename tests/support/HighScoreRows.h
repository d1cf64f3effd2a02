#pragma once

// The ten rows of the high-score table as stored, for tests that set or read them all.

#include "core/settings/HighScores.h"
#include "core/settings/SettingsStore.h"

#include <string>
#include <vector>

namespace lexel::test {

// Writes `entries` to ranks 1, 2, ... as they are.
inline void FillHighScores(SettingsStore& store, const std::vector<std::string>& entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        store.WriteOption(HighScoreKey(static_cast<int>(i) + 1), entries[i]);
    }
}

// Ranks 1 to 10 as stored.
inline std::vector<std::string> StoredHighScores(SettingsStore& store) {
    std::vector<std::string> entries;
    for (int rank = 1; rank <= HighScoreRanks; ++rank) {
        entries.push_back(store.ReadOption(HighScoreKey(rank)));
    }
    return entries;
}

} // namespace lexel::test
