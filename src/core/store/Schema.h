#pragma once

#include "Sql.h"

namespace lexel {

// Creates every table of a Lexel file that is not there yet.
void CreateSchema(sql::Database& db);

// Creates the game-history table in a file made before there was one, then checks its columns
// (throwing sql::Error like CheckSchema). True when it created the table.
bool AddHistoryTable(sql::Database& db);

// Throws sql::Error with the engine's message ("no such table: w6s", "no such column: Alpha")
// when a table or column the program uses is missing (the game history aside).
void CheckSchema(sql::Database& db);

} // namespace lexel
