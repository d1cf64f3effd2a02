#pragma once

// What a game leaves behind: its count as a played game, its end (the score offered to the
// table, the counters, its history row) and the first attempt at a game of the day. The history
// keeps them in the game's file; tests keep them in memory.

#include "core/base/Level.h"
#include "core/base/Outcome.h"
#include "core/base/Score.h"

#include <cstdint>
#include <optional>
#include <string>

namespace lexel {

// A game as the history holds it.
struct HistoryRow {
    std::string finishedAt; // local time, "2024-06-11T14:03:05"
    Level level = DefaultLevel;
    std::string word; // the hidden word
    // Won or lost: the line the game ended on, 1 to 9 (a win before line 9 came through the
    // solution line). Given up: the lines it had used, 0 to 8.
    int line = 0;
    Outcome outcome = Outcome::GivenUp; // Won, Lost or GivenUp
    std::int64_t seconds = 0;
    Score score = 0;
    int hints = 0;
    std::int64_t suggestionUnits = 0;
    bool daily = false;      // a game of the day
    std::string dailyDate{}; // its puzzle's date, "YYYY-MM-DD"; "" for others and older rows
    bool operator==(const HistoryRow&) const = default;
};

// The first counted attempt at a game of the day.
struct DailyAttempt {
    std::string date{}; // the puzzle's date, "YYYY-MM-DD"
    Level level = DefaultLevel;
    Outcome outcome = Outcome::GivenUp;
    int line = 0; // as in the history row
    Score score = 0;
    std::string dots{}; // a row of dot symbols per evaluated line, joined by newlines
    bool operator==(const DailyAttempt&) const = default;
};

// Everything the end of a game writes: the score offered to the table, the game counted as
// played when that was still to do, counted as won, its history row in place of the one its
// count wrote, and a first attempt at a game of the day.
struct FinishedGame {
    HistoryRow row;
    bool countAsPlayed = false;
    std::optional<std::int64_t> historyId{}; // the row written when the game was counted
    std::optional<DailyAttempt> daily{};
};

// Every write is whole or nothing: a refused one throws StorageError and changes nothing.
class GameRecords {
public:
    virtual ~GameRecords() = default;

    // A game counted as played (its first line was evaluated or a solution tried), with its
    // history row as it stands, `soFar.row` (given up, score 0), and for a first attempt at a
    // game of the day `soFar.daily`. Returns the row's id, which the end replaces.
    virtual std::int64_t CountGame(const FinishedGame& soFar) = 0;
    // The end of a game; the rank (1 to 10) its score entered the table at, if it did.
    virtual std::optional<int> RecordEnd(const FinishedGame& game) = 0;
    // The counted attempt at the game of the day of `date` and `level`, if there was one.
    virtual std::optional<DailyAttempt> DailyAttemptAt(const std::string& date, Level level) = 0;
};

} // namespace lexel
