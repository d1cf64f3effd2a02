#pragma once

// The first counted attempt at each game of the day (table DailyResults), written with the
// game's history row: as given up when the game is counted, then as it ended. A game of the day
// whose date and level have a row is a replay, and Copy Result shares that row.

#include "core/ports/GameRecords.h"
#include "core/store/Sql.h"

#include <optional>
#include <string>

namespace lexel {

class DailyResults {
public:
    // `db` must outlive the results.
    explicit DailyResults(sql::Database& db) : db_(db) {}

    // Writes the attempt at its date and level, over what was there.
    void Put(const DailyAttempt& attempt);
    std::optional<DailyAttempt> Find(const std::string& date, Level level);

private:
    sql::Database& db_;
};

} // namespace lexel
