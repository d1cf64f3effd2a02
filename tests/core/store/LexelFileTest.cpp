#include "core/store/LexelFile.h"

#include "support/SampleLexelFile.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace lexel {
namespace {

namespace fs = std::filesystem;

class LexelFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    fs::path file = dir / "Lexel.lxl";

    // The open fails with `kind`; returns the description.
    std::string OpenFailure(DatabaseOpenError::Kind kind) {
        try {
            OpenLexelFile(file);
        } catch (const DatabaseOpenError& e) {
            EXPECT_EQ(e.kind(), kind);
            return e.what();
        }
        ADD_FAILURE() << "the file was opened";
        return {};
    }

    void Write(const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }
};

TEST_F(LexelFileTest, FilesThatAreNoLexelFileAreRefusedUntouched) {
    const std::string junk(4096, '\x5a');
    for (const std::string& bytes : {std::string(), std::string("SQLite format 3"), junk}) {
        Write(bytes);
        const auto description = OpenFailure(DatabaseOpenError::Kind::NotOpenable);
        EXPECT_FALSE(description.empty());
        EXPECT_EQ(test::FileBytes(file), bytes) << description;
    }
    EXPECT_EQ(OpenFailure(DatabaseOpenError::Kind::NotOpenable),
              "file is encrypted or is not a database");
}

TEST_F(LexelFileTest, AnotherPasswordIsRefused) {
    {
        auto other = sql::Database::Open(file, sql::Database::Mode::CreateNew, "not-ours");
        other.Execute("CREATE TABLE w3 (Word INTEGER PRIMARY KEY)");
    }
    const auto before = test::FileBytes(file);
    EXPECT_EQ(OpenFailure(DatabaseOpenError::Kind::NotOpenable),
              "file is encrypted or is not a database");
    EXPECT_EQ(test::FileBytes(file), before);
}

TEST_F(LexelFileTest, MissingTableOrColumnIsNamed) {
    test::CreateSampleFile(file);
    {
        auto db = OpenLexelFileForMaintenance(file);
        db.Execute("DROP TABLE w6s");
    }
    EXPECT_EQ(OpenFailure(DatabaseOpenError::Kind::NotOpenable), "no such table: w6s");
    {
        auto db = OpenLexelFileForMaintenance(file); // recreates w6s
        db.Execute("DROP TABLE Quotes; CREATE TABLE Quotes (Title TEXT, Quote TEXT)");
    }
    EXPECT_EQ(OpenFailure(DatabaseOpenError::Kind::NotOpenable), "no such column: Source");
}

TEST_F(LexelFileTest, HeldExclusivelyAndLeavesNoSideFiles) {
    test::CreateSampleFile(file);
    {
        auto db = OpenLexelFile(file);
        EXPECT_EQ(OpenFailure(DatabaseOpenError::Kind::NotOpenable), "database is locked");
        db.Execute("UPDATE Options SET Value = 'E' WHERE Name = 'Language'");
    }
    auto again = OpenLexelFile(file);
    {
        auto language = again.Prepare("SELECT Value FROM Options WHERE Name = 'Language'");
        ASSERT_TRUE(language.Step());
        EXPECT_EQ(language.Text(0), "E");
    }
    again.Close(); // the file closes once no statement is left
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
        << "a journal or other side file was left beside the database";
}

} // namespace
} // namespace lexel
