#pragma once

#include "StartupMessages.h"
#include "core/ports/MessageBoxes.h"
#include "core/store/LexelFile.h"

#include <filesystem>
#include <optional>

namespace lexel {

// Opens Lexel.lxl in `directory` for the game. On failure shows the bilingual message with the
// system's or engine's description and returns nothing: the program then ends, having written
// nothing.
std::optional<sql::Database> OpenDB(const std::filesystem::path& directory, MessageBoxes& boxes);

void CloseDB(sql::Database& db);

} // namespace lexel
