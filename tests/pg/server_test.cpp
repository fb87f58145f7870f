#include <gtest/gtest.h>

#include "host/data/odbc_session.h"
#include "support/pg_database.h"

namespace lumo::testing {
namespace {

// A test's own database is reached through the driver the component uses,
// and the driver tells the data layer which dialect to speak.
TEST(PgServer, GivesEachTestADatabaseOfItsOwn) {
  PgDatabase first, second;
  ASSERT_NE(first.name(), second.name());
  data::OdbcSession session(first.connection());
  EXPECT_EQ(session.DbmsName(), "PostgreSQL");
  const auto rows = session.Run("SELECT current_database()", {});
  ASSERT_TRUE(rows && rows->rows.size() == 1);
  EXPECT_EQ(rows->rows[0][0].AsString(), first.name());
}

}  // namespace
}  // namespace lumo::testing
