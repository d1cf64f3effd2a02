#include "Quotes.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace lexel {
namespace {

int RowCount(sql::Database& db) {
    const auto count = sql::QueryInt(db, "SELECT COUNT(*) FROM Quotes").value_or(0);
    // DrawIndex counts in int; a table that large is no quotation list any more.
    return static_cast<int>(std::min<std::int64_t>(count, std::numeric_limits<int>::max()));
}

} // namespace

std::optional<Quote> PickQuote(sql::Database& db, RandomSource& random) {
    const int count = RowCount(db);
    if (count == 0) {
        return std::nullopt;
    }
    const int row = DrawIndex(random, count);
    auto select =
        db.Prepare("SELECT Title, Quote, Source FROM Quotes ORDER BY rowid LIMIT 1 OFFSET ?");
    select.Bind(1, std::int64_t{row - 1});
    if (!select.Step()) {
        return std::nullopt;
    }
    return Quote{select.Text(0), select.Text(1), select.Text(2)};
}

} // namespace lexel
