#include "core/store/Sql.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace lexel::sql {
namespace {

class SqlTest : public ::testing::Test {
protected:
    test::TempDir dir;
    Database db = Database::Open(dir / "t.db", Database::Mode::CreateNew, "secret");

    void SetUp() override { db.Execute("CREATE TABLE t (k TEXT PRIMARY KEY, v INTEGER)"); }

    std::int64_t Count() { return QueryInt(db, "SELECT COUNT(*) FROM t").value_or(-1); }
};

TEST_F(SqlTest, BoundTextIsDataNeverSql) {
    const std::string hostile = "x'); DROP TABLE t; --\"\n\xc3\xa4";
    db.Prepare("INSERT INTO t (k, v) VALUES (?, ?)").Bind(1, hostile).Bind(2, 7).Run();
    auto select = db.Prepare("SELECT k, v FROM t WHERE k = ?");
    select.Bind(1, hostile);
    ASSERT_TRUE(select.Step());
    EXPECT_EQ(select.Text(0), hostile);
    EXPECT_EQ(select.Int(1), 7);
    EXPECT_FALSE(select.Step());
}

TEST_F(SqlTest, TransactionRollsBackUnlessCommitted) {
    auto insert = db.Prepare("INSERT INTO t (k) VALUES (?)");
    try {
        Transaction transaction(db);
        insert.Bind(1, "a").Run();
        insert.Bind(1, "a").Run(); // duplicate key
        transaction.Commit();
        FAIL() << "the duplicate key was accepted";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("UNIQUE"), std::string::npos) << e.what();
    }
    EXPECT_EQ(Count(), 0);
    {
        Transaction transaction(db);
        insert.Bind(1, "b").Run();
        transaction.Commit();
    }
    EXPECT_EQ(Count(), 1);
}

// A transaction inside another is part of it: nothing lands before the outer commit, and an
// inner rollback undoes the inner changes alone.
TEST_F(SqlTest, ANestedTransactionLandsWithTheOuterOne) {
    auto insert = db.Prepare("INSERT INTO t (k) VALUES (?)");
    {
        Transaction outer(db);
        insert.Bind(1, "kept").Run();
        {
            Transaction inner(db);
            insert.Bind(1, "inner").Run();
            inner.Commit();
        }
        {
            Transaction dropped(db);
            insert.Bind(1, "dropped").Run();
        }
        EXPECT_EQ(Count(), 2);
    }
    EXPECT_EQ(Count(), 0) << "an inner commit landed without the outer one";
    {
        Transaction outer(db);
        insert.Bind(1, "kept").Run();
        Transaction inner(db);
        insert.Bind(1, "inner").Run();
        inner.Commit();
        outer.Commit();
    }
    EXPECT_EQ(Count(), 2);
}

TEST_F(SqlTest, ErrorsCarryTheEnginesMessageAndNullsReadAsEmpty) {
    try {
        db.Prepare("SELECT nothing FROM nowhere");
        FAIL() << "a missing table was accepted";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "no such table: nowhere");
    }
    db.Execute("INSERT INTO t (k, v) VALUES ('n', NULL)");
    auto select = db.Prepare("SELECT v FROM t");
    ASSERT_TRUE(select.Step());
    EXPECT_TRUE(select.IsNull(0));
    EXPECT_EQ(select.Text(0), "");
}

TEST_F(SqlTest, AnotherKeyCannotReadTheFile) {
    db.Close();
    auto wrong = Database::Open(dir / "t.db", Database::Mode::OpenExisting, "guess");
    EXPECT_THROW(wrong.Execute("SELECT COUNT(*) FROM t"), Error);
    auto right = Database::Open(dir / "t.db", Database::Mode::OpenExisting, "secret");
    EXPECT_EQ(QueryInt(right, "SELECT COUNT(*) FROM t"), 0);
}

} // namespace
} // namespace lexel::sql
