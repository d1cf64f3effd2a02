#include "core/store/Sql.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace lexel::sql {
namespace {

// A transaction inside another is part of it: nothing lands before the outer commit, and an
// inner rollback undoes the inner changes alone.
TEST(SqlTest, ANestedTransactionLandsWithTheOuterOne) {
    test::TempDir dir;
    auto db = Database::Open(dir / "t.db", Database::Mode::CreateNew, "secret");
    db.Execute("CREATE TABLE t (k TEXT)");
    const auto count = [&] { return QueryInt(db, "SELECT COUNT(*) FROM t"); };
    {
        Transaction outer(db);
        db.Execute("INSERT INTO t VALUES ('kept')");
        {
            Transaction inner(db);
            db.Execute("INSERT INTO t VALUES ('inner')");
            inner.Commit();
        }
        {
            Transaction dropped(db);
            db.Execute("INSERT INTO t VALUES ('dropped')");
        }
        EXPECT_EQ(count(), 2);
    }
    EXPECT_EQ(count(), 0) << "an inner commit landed without the outer one";
}

} // namespace
} // namespace lexel::sql
