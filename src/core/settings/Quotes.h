#pragma once

// The quotations of table Quotes, one of which is shown when the program ends outside a game.

#include "core/base/RandomSource.h"
#include "core/store/Sql.h"

#include <optional>
#include <string>

namespace lexel {

struct Quote {
    std::string Title;
    std::string Text;
    std::string Source;
};

// One row of Quotes, every row equally likely; texts come back exactly as stored, a null field
// as "". An empty table gives no quotation: the shutdown then shows no quotation window rather
// than an empty one, and the program still ends normally.
std::optional<Quote> PickQuote(sql::Database& db, RandomSource& random);

} // namespace lexel
