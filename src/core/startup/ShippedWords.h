#pragma once

// The word data an installed game ships as plain lists in share/lexel (words/*.txt and
// quotes.tsv), rather than as a ready Lexel file: an encrypted file differs from one build to
// the next, the lists do not. Each player's Lexel.lxl is made from them at the first start,
// and its words, exceptions and quotations are refreshed from them whenever an upgrade brings
// other lists, keeping the player's options, counters, high scores and history.

#include "SourceLists.h"
#include "core/store/Sql.h"

#include <filesystem>

namespace lexel {

// Whether `shareDirectory` holds word lists to make a player's file from.
bool HasShippedWords(const std::filesystem::path& shareDirectory);

// Makes the player's `file`, which must not exist yet, from the lists in `shareDirectory`:
// owner only, never through a link, and never seen half made. Throws FileError.
void CreateFileFromShippedWords(const std::filesystem::path& shareDirectory,
                                const std::filesystem::path& file);

enum class WordRefresh {
    Current,   // the file holds these lists already: nothing was written
    Refreshed, // the word tables, exceptions and quotations were replaced, all in one go
    Refused,   // the lists could not be read or written: the file is as it was
};

// Brings the words of an open game file to `lists` when it was made from other ones (or from
// lists of before the fingerprint), in one transaction.
WordRefresh RefreshWords(sql::Database& db, const SourceLists& lists);

// RefreshWords with the lists of `shareDirectory`; unreadable or malformed lists refuse.
WordRefresh RefreshShippedWords(sql::Database& db, const std::filesystem::path& shareDirectory);

} // namespace lexel
