#include "core/store/TableBuilder.h"

#include "core/store/LexelFile.h"
#include "core/store/WordCode.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <tuple>

namespace lexel {
namespace {

class TableBuilderTest : public ::testing::Test {
protected:
    test::TempDir dir;
    sql::Database db = CreateLexelFile(dir / "Lexel.lxl");

    // The first column of every row of `select`, each after a "|".
    std::string Rows(const std::string& select) {
        std::string rows;
        for (auto statement = db.Prepare(select); statement.Step();) {
            rows += "|" + statement.Text(0);
        }
        return rows;
    }
    // The words of a word table ("w3".."w5") in code order, each after a "|".
    std::string Words(const std::string& table) {
        std::string words;
        for (auto statement = db.Prepare("SELECT Word FROM " + table + " ORDER BY Word");
             statement.Step();) {
            words += "|" + CodeToWord(static_cast<int>(statement.Int(0)), table.back() - '0');
        }
        return words;
    }

    // The build fails; its message.
    std::string BuildFailure() {
        try {
            BuildWordTables(db);
        } catch (const BuildError& e) {
            return e.what();
        }
        ADD_FAILURE() << "the build went through";
        return {};
    }
};

TEST_F(TableBuilderTest, BuildsEveryTableFromItsSourceAndAgainAlike) {
    db.Execute("INSERT INTO raw3 VALUES ('abc'), ('dog'); INSERT INTO raw4 VALUES ('plan');"
               "INSERT INTO raw5 VALUES ('plane'); INSERT INTO raw6 VALUES"
               "('planet', 'aelnpt', '2', '2'), ('platen', 'aelnpt', '2', NULL),"
               "('jumped', 'dejmpu', '1', '1'), ('garden', 'adegnr', '1', ' 3 '),"
               "('bobbin', 'bbbino', '1', '   ')");
    for (const char* run : {"first", "second"}) {
        SCOPED_TRACE(std::string(run) + " run");
        const auto counts = BuildWordTables(db);
        EXPECT_EQ((std::tuple{counts.w3, counts.w6, counts.w6s}), (std::tuple{2, 2, 3}));
        EXPECT_EQ(Words("w3"), "|abc|dog");
        EXPECT_EQ(Rows("SELECT Word || ' ' || Alpha FROM w6 WHERE Word = 227802837"),
                  "|227802837 232836812");
        // platen has no class, jumped no anagram; keys run on without a gap; a blank class is
        // none.
        EXPECT_EQ(Rows("SELECT Key || ' ' || Word || ' ' || Class FROM w6s ORDER BY Key"),
                  "|1 227802837 2|2 " + std::to_string(WordCode("jumped")) + " 1|3 " +
                      std::to_string(WordCode("garden")) + " 3");
    }
}

TEST_F(TableBuilderTest, AFailingStepKeepsItsOldTableAndNamesTheRow) {
    db.Execute("INSERT INTO raw3 VALUES ('abc'); INSERT INTO raw4 VALUES ('plan');"
               "INSERT INTO raw5 VALUES ('plane')");
    BuildWordTables(db);
    db.Execute("DELETE FROM raw3; DELETE FROM raw4; INSERT INTO raw3 VALUES ('dog');"
               "INSERT INTO raw4 VALUES ('tale'), ('note'), ('tale')");
    const auto message = BuildFailure();
    EXPECT_EQ(message.rfind("w4: row 3 ('tale'): UNIQUE constraint failed", 0), 0u) << message;
    EXPECT_EQ(Words("w3") + Words("w4") + Words("w5"), "|dog|plan|plane");
}

} // namespace
} // namespace lexel
