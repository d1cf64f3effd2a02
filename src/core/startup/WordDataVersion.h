#pragma once

// Which word data a Lexel file was made from: a fingerprint of the shipped list files, kept in
// the file's Options row "WordData". Two files with the same fingerprint hold the same word
// tables, exceptions and quotations, and so draw the same games of the day. It is taken over
// the files' bytes, so a start that finds an unchanged installation reads and hashes them
// without parsing a line.

#include "SourceLists.h"
#include "core/store/Sql.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace lexel {

inline constexpr std::string_view WordDataOption = "WordData";

// SHA-256 (64 hex digits) over the list files below `shareDirectory` in a fixed order, each
// with its name and size. Throws SourceError when one cannot be read.
std::string ShippedWordsVersion(const std::filesystem::path& shareDirectory);

// The fingerprint of the files `lists` were read from; for lists made in memory, that of the
// files they would be written as (one line each, in the shipped layout).
std::string WordDataVersion(const SourceLists& lists);

// The fingerprint stored in `db`; empty for a file from before it was stored.
std::string StoredWordDataVersion(sql::Database& db);

void StoreWordDataVersion(sql::Database& db, const SourceLists& lists);

} // namespace lexel
