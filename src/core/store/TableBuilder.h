#pragma once

// Regenerates the word tables w3, w4, w5, w6 and w6s from the source lists raw3..raw6 of the
// same file. Each table is rebuilt in one transaction: a failing step leaves that table as it
// was, the tables of the steps before it rebuilt, and the later ones untouched.

#include "Sql.h"

#include <stdexcept>
#include <string>

namespace lexel {

class BuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct BuildCounts {
    int w3 = 0, w4 = 0, w5 = 0, w6 = 0, w6s = 0;
};

// Throws BuildError naming the step (target table), the source row and the engine's message.
BuildCounts BuildWordTables(sql::Database& db);

} // namespace lexel
