#include "TableBuilder.h"

#include "Blanks.h"
#include "WordCode.h"

#include <functional>
#include <string_view>

namespace lexel {
namespace {

constexpr int MaxKey = 32767; // w6s keys are 16-bit

struct Step {
    std::string_view target;
    std::string_view select; // the source rows, in the order they were stored
    std::string_view insert;
    // Writes the row's columns to `insert`'s parameters; false when the row is not taken.
    std::function<bool(const sql::Statement& row, sql::Statement& insert)> take;
};

bool TakeWord(const sql::Statement& row, sql::Statement& insert) {
    insert.Bind(1, WordCode(row.Text(0)));
    return true;
}

bool TakeAnagram(const sql::Statement& row, sql::Statement& insert) {
    if (row.Int(2) <= 1) {
        return false;
    }
    insert.Bind(1, WordCode(row.Text(0))).Bind(2, WordCode(row.Text(1)));
    return true;
}

// A class of blanks only counts as none: it would otherwise sort below every level and make
// a word meant never to be hidden a candidate at every level.
class TakeCandidate {
public:
    bool operator()(const sql::Statement& row, sql::Statement& insert) {
        const std::string wordClass = row.IsNull(3) ? std::string() : TrimBlanks(row.Text(3));
        if (wordClass.empty()) {
            return false;
        }
        if (++key_ > MaxKey) {
            throw sql::Error(0, "more than 32767 words with a level");
        }
        insert.Bind(1, key_).Bind(2, WordCode(row.Text(0))).Bind(3, wordClass);
        return true;
    }

private:
    int key_ = 0;
};

std::string RowContext(int rowNumber, const std::string& word) {
    return rowNumber == 0 ? std::string()
                          : "row " + std::to_string(rowNumber) + " ('" + word + "'): ";
}

int RunStep(sql::Database& db, const Step& step) {
    int rowNumber = 0;
    std::string word;
    try {
        sql::Transaction transaction(db);
        db.Execute("DELETE FROM " + std::string(step.target));
        auto rows = db.Prepare(step.select);
        auto insert = db.Prepare(step.insert);
        int written = 0;
        while (rows.Step()) {
            ++rowNumber;
            word = rows.Text(0);
            if (step.take(rows, insert)) {
                insert.Run();
                ++written;
            }
        }
        transaction.Commit();
        return written;
    } catch (const sql::Error& e) {
        throw BuildError(std::string(step.target) + ": " + RowContext(rowNumber, word) + e.what());
    }
}

} // namespace

BuildCounts BuildWordTables(sql::Database& db) {
    constexpr std::string_view Raw6 =
        "SELECT Word, Alpha, CountOfAlpha, Class FROM raw6 ORDER BY rowid";
    BuildCounts counts;
    counts.w3 = RunStep(db, {"w3", "SELECT Word FROM raw3 ORDER BY rowid",
                             "INSERT INTO w3 (Word) VALUES (?)", TakeWord});
    counts.w4 = RunStep(db, {"w4", "SELECT Word FROM raw4 ORDER BY rowid",
                             "INSERT INTO w4 (Word) VALUES (?)", TakeWord});
    counts.w5 = RunStep(db, {"w5", "SELECT Word FROM raw5 ORDER BY rowid",
                             "INSERT INTO w5 (Word) VALUES (?)", TakeWord});
    counts.w6 =
        RunStep(db, {"w6", Raw6, "INSERT INTO w6 (Word, Alpha) VALUES (?, ?)", TakeAnagram});
    counts.w6s = RunStep(
        db, {"w6s", Raw6, "INSERT INTO w6s (Key, Word, Class) VALUES (?, ?, ?)", TakeCandidate{}});
    return counts;
}

} // namespace lexel
