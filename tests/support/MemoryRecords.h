#pragma once

// The game's records kept in memory: the games counters, the table of the ten best scores, the
// history rows and the first attempts at the games of the day, as the file keeps them, and a disk
// that can be made to refuse every write.

#include "core/base/AsciiCase.h"
#include "core/base/StorageError.h"
#include "core/ports/GameRecords.h"

#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace lexel::test {

class MemoryRecords final : public GameRecords {
public:
    struct Refused final : StorageError {
        using StorageError::StorageError;
        bool FileDamaged() const override { return false; }
    };

    std::int64_t CountGame(const FinishedGame& soFar) override {
        Write();
        ++played;
        rows[++lastId] = soFar.row;
        if (soFar.daily) {
            daily[{soFar.daily->date, soFar.daily->level}] = *soFar.daily;
        }
        return lastId;
    }

    std::optional<int> RecordEnd(const FinishedGame& game) override {
        Write();
        const auto rank = Enter(game.row.word, game.row.score);
        played += game.countAsPlayed ? 1 : 0;
        won += game.row.outcome == Outcome::Won ? 1 : 0;
        rows[game.historyId.value_or(lastId + 1)] = game.row;
        lastId = std::max(lastId, rows.rbegin()->first);
        if (game.daily) {
            daily[{game.daily->date, game.daily->level}] = *game.daily;
        }
        return rank;
    }

    std::optional<DailyAttempt> DailyAttemptAt(const std::string& date, Level level) override {
        const auto found = daily.find({date, level});
        return found == daily.end() ? std::nullopt : std::optional(found->second);
    }

    // Statistics > Reset: everything but the results of the day's games and, when the running
    // game was counted, its row, the newest.
    void Reset(bool runningGameCounted) {
        Write();
        if (runningGameCounted && !rows.empty()) {
            rows.erase(rows.begin(), std::prev(rows.end()));
        } else {
            rows.clear();
        }
        played = static_cast<std::int64_t>(rows.size());
        won = 0;
        table.clear();
    }

    // Games played, games won and the best entry of the table, as the file writes them.
    std::string Counters() const {
        const auto best = table.empty()
                              ? std::string("??????0")
                              : table.front().first + std::to_string(table.front().second);
        return std::to_string(played) + " " + std::to_string(won) + " " + best;
    }

    bool full = false; // every write refused, as by a full disk
    std::int64_t played = 0;
    std::int64_t won = 0;
    std::vector<std::pair<std::string, Score>> table; // best first
    std::map<std::int64_t, HistoryRow> rows;
    std::map<std::pair<std::string, Level>, DailyAttempt> daily;

private:
    void Write() const {
        if (full) {
            throw Refused("database or disk is full");
        }
    }

    // The first rank whose score is strictly lower; a score of 0 never enters.
    std::optional<int> Enter(const std::string& word, Score score) {
        if (score <= 0) {
            return std::nullopt;
        }
        auto at = table.begin();
        while (at != table.end() && at->second >= score) {
            ++at;
        }
        if (at - table.begin() >= 10) {
            return std::nullopt;
        }
        const int rank = static_cast<int>(at - table.begin()) + 1;
        table.insert(at, {AsciiUpper(word), score});
        table.resize(std::min<std::size_t>(table.size(), 10));
        return rank;
    }

    std::int64_t lastId = 0;
};

} // namespace lexel::test
