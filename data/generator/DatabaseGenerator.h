#pragma once

#include "core/startup/SourceLists.h"
#include "core/store/TableBuilder.h"

#include <filesystem>

namespace lexel {

// Makes a new Lexel file at `file` from the source lists in `dataDir`: tables, word tables,
// default Options rows. Refuses to overwrite an existing file; a failure leaves no file.
BuildCounts CreateDatabase(const std::filesystem::path& dataDir, const std::filesystem::path& file);
BuildCounts CreateDatabase(const SourceLists& lists, const std::filesystem::path& file);

// Brings `file` up to date with the source lists, creating it if it is missing. A player's
// settings, statistics and high scores are kept.
BuildCounts SyncDatabase(const std::filesystem::path& dataDir, const std::filesystem::path& file);

// Reruns the table builder on an existing file.
BuildCounts RebuildTables(const std::filesystem::path& file);

} // namespace lexel
