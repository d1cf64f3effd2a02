#pragma once

// The game's file built from the committed word lists, once per test program: the tests that
// read rules off the real words share it and never write to it.

#include "DatabaseGenerator.h"
#include "TempDir.h"
#include "core/store/LexelFile.h"

namespace lexel::test {

inline sql::Database& RealLexelFile() {
    static const TempDir dir;
    static sql::Database db = [] {
        CreateDatabase(LEXEL_DATA_DIR, dir / "Lexel.lxl");
        return OpenLexelFile(dir / "Lexel.lxl");
    }();
    return db;
}

} // namespace lexel::test
