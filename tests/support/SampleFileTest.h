#pragma once

// A GoogleTest fixture over its own sample Lexel file, opened as the game opens it, and the
// settings store over it.

#include "SampleLexelFile.h"
#include "TempDir.h"
#include "core/settings/SettingsStore.h"

#include <gtest/gtest.h>

namespace lexel::test {

class SampleFileTest : public ::testing::Test {
protected:
    TempDir dir;
    sql::Database db = OpenSampleFile(dir / "Lexel.lxl");
    SettingsStore store{db};
};

} // namespace lexel::test
