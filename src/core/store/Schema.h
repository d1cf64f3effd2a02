#pragma once

#include "Sql.h"

namespace lexel {

// Creates every table of a Lexel file that is not there yet.
void CreateSchema(sql::Database& db);

// Brings the game history of a file made before it up to date: the history table, its
// DailyDate column, the table of the day's results and the history's indexes, each added when
// missing; then checks their columns (throwing sql::Error like CheckSchema). True when it added
// anything.
bool AddHistoryTables(sql::Database& db);

// Throws sql::Error with the engine's message ("no such table: w6s", "no such column: Alpha")
// when a table or column the program uses is missing (the game history aside).
void CheckSchema(sql::Database& db);

} // namespace lexel
