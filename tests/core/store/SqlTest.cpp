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
    db.Prepare("UPDATE t SET v = ?").BindNull(1).Run();
    auto null = db.Prepare("SELECT v FROM t");
    ASSERT_TRUE(null.Step());
    EXPECT_TRUE(null.IsNull(0));
    EXPECT_EQ(null.Text(0), "");
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

} // namespace
} // namespace lexel::sql
