#include "options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/collections/dictionary.h"

namespace lumo::app {
namespace {

TEST(Options, DialogChoicesAndPairsAreRead) {
  const Options options = ParseOptions({"--ui", "console", "--answer", "cancel", "--pick", "3",
                                        "TevSer_X", "P_CurrencyID=3", "P_Note=x y"});
  EXPECT_EQ(options.ui, UiMode::Console);
  EXPECT_EQ(options.answer, Answer::Cancel);
  EXPECT_EQ(options.pick, 3);
  EXPECT_EQ(options.action, "TevSer_X");
  ASSERT_EQ(options.assignments.size(), 2u);
  EXPECT_EQ(options.assignments[1], std::pair(std::string("P_Note"), Variant("x y")));
  EXPECT_TRUE(ParseOptions({"--create-db", "/tmp/x.db", "--empty"}).empty);
}

TEST(Options, BadInputIsOneLineUsageError) {
  struct Case {
    const char* name;
    std::vector<std::string> args;
  };
  static const Case kCases[] = {
      {"no action", {}},
      {"unknown option", {"--bogus", "A"}},
      {"unknown ui", {"--ui", "tv", "A"}},
      {"unknown answer", {"--answer", "maybe", "A"}},
      {"pick zero", {"--pick", "0", "A"}},
      {"pick not a number", {"--pick", "x", "A"}},
      {"option without its value", {"A", "--db"}},
      {"--empty without --create-db", {"--empty", "A"}},
      {"--create-db with an action", {"--create-db", "x.db", "A"}},
      {"--create-db with --db", {"--create-db", "x.db", "--db", "y.db"}},
      {"--create-db with --trace", {"--create-db", "x.db", "--trace", "t.log"}},
      {"--db and --props together", {"--db", "a.db", "--props", "DBFile=b.db", "A"}},
      {"both dictionaries from stdin", {"--para", "-", "--return", "-", "A"}},
      {"pair without =", {"A", "P_CurrencyID"}},
      {"pair without key", {"A", "=3"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    try {
      ParseOptions(c.args);
      ADD_FAILURE() << "accepted";
    } catch (const UsageError& error) {
      const std::string message = error.what();
      EXPECT_FALSE(message.empty());
      EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
  }
}

TEST(Options, PairValueIsJsonWhenItParsesElseText) {
  struct Case {
    const char* text;
    const char* key;
    Variant value;
  };
  const Case kCases[] = {
      {"P_CurrencyID=3", "P_CurrencyID", int32_t{3}},
      {"P_Rate=0.5", "P_Rate", 0.5},
      {"P_Big=3000000000", "P_Big", 3000000000.0},
      {"P_Flag=true", "P_Flag", true},
      {"P_None=null", "P_None", Variant::Null()},
      {"P_Text=\"12\"", "P_Text", "12"},
      {"P_Name=abc", "P_Name", "abc"},
      {"P_Blank=", "P_Blank", ""},
      {"P_Expr=a=b", "P_Expr", "a=b"},
      {"P_Broken={", "P_Broken", "{"},
      {"P_Spaced= 7 ", "P_Spaced", int32_t{7}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    const auto [key, value] = ParseAssignment(c.text);
    EXPECT_EQ(key, c.key);
    EXPECT_EQ(value, c.value);
  }
  const auto [key, list] = ParseAssignment(R"(P_Bill={"FBillNo":"PO-1"})");
  EXPECT_EQ(ObjectAs<Dictionary>(list)->Value("FBillNo"), Variant("PO-1"));
  EXPECT_THROW(ParseAssignment(R"(P_Bad={"$empty":false})"), UsageError);
}

}  // namespace
}  // namespace lumo::app
