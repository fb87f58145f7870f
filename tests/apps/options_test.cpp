// Bad options are tested end to end in lumo_action_test.cpp.
#include "options.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace lumo::app {
namespace {

// A pair's VALUE is JSON when it parses as JSON, else text.
TEST(Options, DialogChoicesAndPairsAreRead) {
  const Options options =
      ParseOptions({"--ui", "console", "--answer", "cancel", "--pick", "3", "TevSer_X",
                    "P_CurrencyID=3", "P_Text=\"12\"", "P_Note=x y", "P_Expr=a=b"});
  EXPECT_EQ(options.ui, UiMode::Console);
  EXPECT_EQ(options.answer, Answer::Cancel);
  EXPECT_EQ(options.pick, 3);
  EXPECT_EQ(options.action, "TevSer_X");
  const std::vector<std::pair<std::string, Variant>> kPairs = {
      {"P_CurrencyID", int32_t{3}}, {"P_Text", "12"}, {"P_Note", "x y"}, {"P_Expr", "a=b"}};
  ASSERT_EQ(options.assignments.size(), kPairs.size());
  for (size_t i = 0; i < kPairs.size(); ++i) {
    SCOPED_TRACE(kPairs[i].first);
    EXPECT_EQ(options.assignments[i], kPairs[i]);
  }
}

}  // namespace
}  // namespace lumo::app
