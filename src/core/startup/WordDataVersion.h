#pragma once

// Which word data a Lexel file was made from: a fingerprint of the source lists, kept in the
// file's Options row "WordData". Two files with the same fingerprint hold the same word tables,
// exceptions and quotations, and so draw the same games of the day.

#include "SourceLists.h"
#include "core/store/Sql.h"

#include <string>
#include <string_view>

namespace lexel {

inline constexpr std::string_view WordDataOption = "WordData";

// 16 hex digits over every word, level, exception and quotation in their order; the same lists
// give the same text on every machine.
std::string WordDataVersion(const SourceLists& lists);

// The fingerprint stored in `db`; empty for a file from before it was stored.
std::string StoredWordDataVersion(sql::Database& db);

void StoreWordDataVersion(sql::Database& db, const SourceLists& lists);

} // namespace lexel
