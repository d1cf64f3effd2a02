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

    // The open is refused as not openable and leaves the file as it was; returns the reason.
    std::string Refusal() {
        const auto before = test::FileBytes(file);
        try {
            OpenLexelFile(file);
        } catch (const DatabaseOpenError& e) {
            EXPECT_EQ(e.kind(), DatabaseOpenError::Kind::NotOpenable);
            EXPECT_EQ(test::FileBytes(file), before) << e.what();
            return e.what();
        }
        ADD_FAILURE() << "the file was opened";
        return {};
    }
};

TEST_F(LexelFileTest, FilesThatAreNoLexelFileAreRefusedUntouched) {
    for (const auto& bytes :
         {std::string(), std::string("SQLite format 3"), std::string(4096, 'Z')}) {
        std::ofstream(file, std::ios::binary) << bytes;
        EXPECT_FALSE(Refusal().empty()) << bytes.size() << " bytes";
    }
    EXPECT_EQ(Refusal(), "file is encrypted or is not a database");
    fs::remove(file);
    sql::Database::Open(file, sql::Database::Mode::CreateNew, "not-ours")
        .Execute("CREATE TABLE w3 (Word INTEGER PRIMARY KEY)");
    EXPECT_EQ(Refusal(), "file is encrypted or is not a database");
}

TEST_F(LexelFileTest, MissingTableOrColumnIsNamed) {
    test::CreateSampleFile(file);
    OpenLexelFileForMaintenance(file).Execute("DROP TABLE w6s");
    EXPECT_EQ(Refusal(), "no such table: w6s");
    OpenLexelFileForMaintenance(file).Execute( // recreates w6s
        "DROP TABLE Quotes; CREATE TABLE Quotes (Title TEXT, Quote TEXT)");
    EXPECT_EQ(Refusal(), "no such column: Source");
}

TEST_F(LexelFileTest, HeldExclusivelyAndLeavesNoSideFiles) {
    test::CreateSampleFile(file);
    {
        auto db = OpenLexelFile(file);
        EXPECT_EQ(Refusal(), "database is locked");
        db.Execute("UPDATE Options SET Value = 'E' WHERE Name = 'Language'");
    }
    auto again = OpenLexelFile(file);
    EXPECT_EQ(test::StoredOption(again, "Language"), "E");
    again.Close(); // the file closes once no statement is left
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
        << "a journal or other side file was left beside the database";
}

} // namespace
} // namespace lexel
