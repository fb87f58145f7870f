#include "host/data/procedure.h"

#include <gtest/gtest.h>

#include "support/vb_testing.h"

namespace lumo::data {
namespace {

TEST(Procedure, PlaceholdersBecomeMarkersWithTheirArgumentsInOrder) {
  const ProcedureCall call{
      "p_Log", {int64_t{1001}, std::string("it's"), std::monostate{}}, "EXEC p_Log ..."};
  const std::vector<BoundStatement> statements =
      BindProcedure(call, " Order , Note,Extra",
                    "UPDATE t SET a = :note WHERE b = ':Order' AND c = :ORDER;\n"
                    "  ; DELETE FROM u WHERE d = :Extra OR e = :Order;");
  ASSERT_EQ(statements.size(), 2u);
  EXPECT_EQ(statements[0].sql, "UPDATE t SET a = ? WHERE b = ':Order' AND c = ?");
  EXPECT_EQ(statements[0].arguments, (std::vector<SqlValue>{std::string("it's"), int64_t{1001}}));
  EXPECT_EQ(statements[1].sql, " DELETE FROM u WHERE d = ? OR e = ?");
  EXPECT_EQ(statements[1].arguments, (std::vector<SqlValue>{std::monostate{}, int64_t{1001}}));
}

TEST(Procedure, RefusesAWrongArgumentCountAndUnknownPlaceholders) {
  static const struct {
    size_t arguments;
    const char* parameters;
    const char* body;
    const char* error;
  } kCases[] = {
      {2, "A,B,C", "SELECT :A", "Procedure p_X takes 3 argument(s), 2 given: EXEC p_X"},
      {2, "A", "SELECT :A", "Procedure p_X takes 1 argument(s), 2 given: EXEC p_X"},
      {1, "A", "SELECT :A, :B", "Procedure p_X uses :B, which is not one of its parameters"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.error);
    const ProcedureCall call{"p_X", std::vector<SqlValue>(c.arguments, int64_t{1}), "EXEC p_X"};
    EXPECT_VB_ERROR_INFO(BindProcedure(call, c.parameters, c.body), vberr::kInvalidCall,
                         "LumoMClass.ClassInfo", c.error);
  }
}

}  // namespace
}  // namespace lumo::data
