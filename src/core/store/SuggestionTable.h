#pragma once

// The word suggestion's view of the store: the words of one length, decoded to capitals in the
// table's stored order, and the exception list of words never to be suggested.

#include "Sql.h"
#include "core/base/WordTable.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace lexel {

// Reads the table "w" + `length` and the "Except" keys, one query each. A length without a word
// table (anything but 3 to 6) gives no words.
SuggestionTable ReadSuggestionTable(sql::Database& db, int length);

// The tables by length, each read on first use and kept: reading a table costs far more than
// searching it. They cannot change meanwhile: the game holds its file exclusively, so the
// table builder cannot run while it plays.
class SuggestionTables {
public:
    // `db` must outlive the cache.
    explicit SuggestionTables(sql::Database& db) : db_(db) {}

    const SuggestionTable& Table(int length);

private:
    sql::Database& db_;
    std::array<std::optional<SuggestionTable>, LongestTableWord - ShortestTableWord + 1> tables_;
    SuggestionTable none_;
};

} // namespace lexel
