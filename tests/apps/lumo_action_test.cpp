// lumo-action end to end: the real executable on real database files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "hosting/variant_json.h"
#include "support/lumo_action_fixture.h"

namespace lumo::app {
namespace {

using hosting::Json;

TEST_F(LumoAction, CreatedDatabasesGiveTheInvertedRateOfTheSlashCurrency) {
  // Yen (4) is kept with "/": 20 yen to the yuan.
  const Outcome outcome = Run({"--db", demo, "TevSer_GetExchangeRate", "P_CurrencyID=4"});
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(Json::parse(outcome.out),
            Json::parse(R"({"result": 0, "return": {"P_ExchangeRate": 0.05}, "para":
                {"P_CurrencyID": 4, "PropString": "DBFile={)" +
                        demo + R"(};UserID=16;Language=CHS"}})"));

  // The empty database has the schema but no yen until a row is added; an
  // inverse beyond a Double is VB's overflow, and the JSON is still printed.
  const auto rate = [&](const char* currency) {
    return Json::parse(Run({"--db", empty, "TevSer_GetExchangeRate", currency}).out);
  };
  EXPECT_EQ(rate("P_CurrencyID=4")["return"], nullptr);
  Sql(empty,
      "INSERT INTO t_Currency (FCurrencyID, FOperator, FExchangeRate) VALUES (4, '/', 8), "
      "(5, '/', 1e-320)");
  EXPECT_EQ(rate("P_CurrencyID=4")["return"]["P_ExchangeRate"], 0.125);
  const Json overflow = rate("P_CurrencyID=5");
  EXPECT_EQ(overflow["return"], nullptr);
  EXPECT_EQ(overflow["error"], Json::parse(R"({"number": 6, "source":
      "TevSer_GetExchangeRate:", "description": "Overflow"})"));
}

// 0 only for a clean run; an error the action trapped, or a name that is no
// action, is 1 with one line on standard error, the JSON still printed.
TEST_F(LumoAction, ExitStatusTellsAScriptWhatHappened) {
  std::string longId;
  for (int i = 0; i < 100; ++i) longId += "中";  // 300 bytes
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;  // after "lumo-action: "
    Json error = nullptr;
  } cases[] = {
      {{"TevSer_GetExchangeRate", "P_CurrencyID=4"}, 0, ""},
      {{"tevser_getexchangerate", "P_CurrencyID=4"}, 0, ""},
      {{"TevSer_GetExchangeRate", "PropString="},
       1,
       "TevSer_GetExchangeRate failed: error -1 from \"TevSer_GetExchangeRate:PropString\": "
       "Propstring is empty!",
       {{"number", -1},
        {"source", "TevSer_GetExchangeRate:PropString"},
        {"description", "Propstring is empty!"}}},
      // Cut at 200 bytes, back to the start of the character cut.
      {{"TevSer_GetTaxRate", "P_TaxRateOption=1", "P_ICItemID=" + longId},
       1,
       "TevSer_GetTaxRate failed: error -1 from \"TevSer_GetTaxRate:P_ICItemID\": \"" +
           longId.substr(0, 198) + "...",
       {{"number", -1},
        {"source", "TevSer_GetTaxRate:P_ICItemID"},
        {"description", "\"" + longId + "\" is not an item id"}}},
      {{"TevSer_GetExchangeRat"},
       1,
       "\"TevSer_GetExchangeRat\" is not an action of the component (did you mean "
       "TevSer_GetExchangeRate?)"},
      {{" TevSer_GetTaxRate "},
       1,
       "\" TevSer_GetTaxRate \" is not an action of the component (did you mean "
       "TevSer_GetTaxRate?)"},
      {{"TevSer_UpdatPOPrise"},  // two slips
       1,
       "\"TevSer_UpdatPOPrise\" is not an action of the component (did you mean "
       "TevSer_UpdatePOPrice?)"},
      {{"TevSer_GetMapNbr"}, 1, "\"TevSer_GetMapNbr\" is not an action of the component"},
      {{"TevSer_Bogus"}, 1, "\"TevSer_Bogus\" is not an action of the component"},
      {{""}, 1, "\"\" is not an action of the component"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    std::vector<std::string> args = {"--db", demo};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Outcome outcome = Run(args);
    EXPECT_EQ(outcome.status, c.status);
    EXPECT_EQ(outcome.err, c.err.empty() ? "" : "lumo-action: " + c.err + "\n");
    const Json json = Json::parse(outcome.out);
    EXPECT_EQ(json["result"], 0);
    EXPECT_EQ(json.value("error", Json()), c.error);
  }
}

TEST_F(LumoAction, BadInputExitsTwoWithOneLineNamingTheProblem) {
  const std::string unwritten = Path("unwritten.db"), demoBytes = ReadText(demo);
  std::ofstream(Path("broken.json")) << "{\n  \"P_CurrencyID\": 4,\n  x}";
  std::ofstream(Path("list.json")) << "[4]";
  std::ofstream(Path("huge.json")) << "{\n  \"P_Rate\": 1e400}";
  fs::create_directory(Path("folder"));
  const std::string deep = "P_Deep=" + std::string(201, '[') + std::string(201, ']');
  const std::pair<std::vector<std::string>, std::string> kCases[] = {
      {{}, "no ACTION given (see --help)"},
      {{"--bogus", "A"}, "The following argument was not expected: --bogus"},
      {{"--empty", "A"}, "--empty requires --create-db"},
      {{"--create-db", unwritten, "A"},
       "--create-db takes no other option than --empty, and no action"},
      {{"--db", demo, "--props", "DBFile=b.db", "A"}, "--db excludes --props"},
      {{"--para", "-", "--return", "-", "A"},
       "--para and --return cannot both read standard input"},
      {{"A", "P_CurrencyID"}, "expected KEY=VALUE after the action, got \"P_CurrencyID\""},
      {{"A", R"(P_Bad={"$empty":false})"}, "P_Bad: \"$empty\" must be true"},
      {{"--create-db", demo}, demo + " exists already; not overwriting it"},
      {{"--db", "missing.db", "A"},
       "no database file missing.db (write one with --create-db PATH)"},
      {{"--db", demo, "--para", "broken.json", "A"},
       "broken.json:3:3: invalid JSON: syntax error while parsing object key - invalid literal; "
       "last read: '4,<U+000A>  x'; expected string literal"},
      {{"--db", demo, "--para", "list.json", "A"}, "list.json: expected a JSON object"},
      // An option without its value takes neither the next option nor nothing.
      {{"--create-db", "--empty"}, "--create-db: PATH missing"},
      {{"--create-db", ""}, "--create-db: PATH missing"},
      {{"--trace", "--db", demo, "A"}, "--trace: FILE missing"},
      {{"--db=", "A"}, "--db: PATH missing"},
      {{"A", "--pick"}, "--pick: N missing"},
      // Input that has no Variant form is refused before the action runs.
      {{"--db", demo, "--return", "folder", "A"}, "folder: a folder, not a JSON file"},
      {{"--db", demo, "--para", "huge.json", "A"},
       "huge.json:2:17: invalid JSON: number overflow parsing '1e400'"},
      {{"--db", demo, "A", deep},
       "P_Deep: nested more than 200 levels deep (a collection that contains itself?)"},
      // A trace that could not be written would be lost without a word.
      {{"--db", demo, "--trace", "no/folder/trace.log", "A"},
       "--trace: cannot write no/folder/trace.log: No such file or directory"},
      {{"--db", demo, "--trace", "folder", "A"}, "--trace: cannot write folder: Is a directory"},
  };
  for (const auto& [args, message] : kCases) {
    SCOPED_TRACE(::testing::PrintToString(args));
    const Outcome outcome = Run(args);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "lumo-action: " + message + "\n");
  }
  EXPECT_EQ(ReadText(demo), demoBytes);
  for (const char* name : {"unwritten.db", "--empty", "--db", "A"})
    EXPECT_FALSE(fs::exists(Path(name))) << name;
}

// Legal input that looks odd still runs the action.
TEST_F(LumoAction, OddButLegalInputRunsTheAction) {
  const std::string odd = Path(" odd;name}.db");               // a blank, a ";" and a "}"
  const std::string longName = std::string(252, 'n') + ".db";  // 255 bytes, the most a name has
  for (const std::string& database : {odd, longName}) {
    ASSERT_EQ(Run({"--create-db", database}).status, 0) << database;
  }
  std::ofstream(Path("nothing.json")) << R"({"$nothing": true})";
  const std::string deep = std::string(200, '[') + std::string(200, ']');
  const std::string home = Path("home"), rate = "/return/P_ExchangeRate";
  const std::string demoProps = "DBFile={" + demo + "};UserID=16;Language=CHS";
  const struct {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::pair<std::string, Json>> expected;  // JSON pointer, value
    std::string env = "";
    int status = 1;  // the action "A" is none
  } cases[] = {
      {"a path with a blank, ; and } names that file",
       {"--db", odd, "TevSer_GetExchangeRate", "P_CurrencyID=4"},
       {{rate, 0.05},
        {"/para/PropString", "DBFile={" + Path(" odd;name}}.db") + "};UserID=16;Language=CHS"}},
       "",
       0},
      {"a file name as long as the system allows",
       {"--db", longName, "TevSer_GetExchangeRate", "P_CurrencyID=4"},
       {{rate, 0.05}},
       "",
       0},
      {"an empty action name matches no action; a pair's value is JSON, else text",
       {"--db", demo, "", "P_Text=\"12\"", "P_Note=x y", "P_Expr=a=b"},
       {{"/return", nullptr},
        {"/para", Json::parse(R"({"P_Text": "12", "P_Note": "x y", "P_Expr": "a=b",
                                  "PropString": ")" +
                              demoProps + "\"}")}}},
      {"dctReturn given as Nothing",
       {"--db", demo, "--return", "nothing.json", "TevSer_GetExchangeRate", "P_CurrencyID=4"},
       {{"/return", Json::parse(R"({"P_ExchangeRate": 0.05})")}},
       "",
       0},
      {"a pair nested 200 deep prints back",
       {"--db", demo, "A", "P_Deep=" + deep},
       {{"/para/P_Deep", Json::parse(deep)}}},
      {"a relative XDG_DATA_HOME is ignored",
       {"A"},
       {{"/para/PropString",
         "DBFile={" + home + "/.local/share/lumo-action/demo.db};UserID=16;Language=CHS"}},
       "XDG_DATA_HOME=relative HOME='" + home + "'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome outcome = Run(c.args, "", c.env);
    ASSERT_EQ(outcome.status, c.status) << outcome.err;
    const Json json = Json::parse(outcome.out);
    EXPECT_EQ(json["result"], 0);
    EXPECT_FALSE(json.contains("error")) << outcome.out;
    for (const auto& [pointer, value] : c.expected) {
      EXPECT_EQ(json.at(Json::json_pointer(pointer)), value) << pointer;
    }
  }
  EXPECT_FALSE(fs::exists(Path("relative")));
}

// The trace goes to standard error for "-", as --para - reads standard input.
TEST_F(LumoAction, TraceDashWritesStandardError) {
  const Outcome outcome =
      Run({"--db", demo, "--trace", "-", "TevSer_GetExchangeRate", "P_CurrencyID=4"});
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(Json::parse(outcome.out)["return"], Json::parse(R"({"P_ExchangeRate": 0.05})"));
  EXPECT_NE(outcome.err.find("\tBEGIN\tLumoClassActionIC.clsActionIC.TevSer_GetExchangeRate"),
            std::string::npos)
      << outcome.err;
  EXPECT_FALSE(fs::exists(Path("-")));
}

// Work done but not reported, or a database not written, is a failure (1).
TEST_F(LumoAction, OutputAndDatabasesThatCannotBeWrittenExitOne) {
  const std::vector<std::string> action = {"--db", demo, "TevSer_GetExchangeRate",
                                           "P_CurrencyID=4"};
  const std::pair<std::string, std::string> kCases[] = {
      {">/dev/full", "cannot write the output: No space left on device"},
      {">&-", "cannot write the output: standard output is closed"},
  };
  for (const auto& [redirect, message] : kCases) {
    SCOPED_TRACE(redirect);
    const Outcome outcome = Run(action, "", "", redirect);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "lumo-action: " + message + "\n");
  }

  // The error names the file asked for, not the temporary one written first.
  const Outcome refused = Run({"--create-db", "/proc/lumo-action-test.db"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_TRUE(
      refused.err.starts_with("lumo-action: SQLite error 14: Cannot open the database "
                              "file /proc/lumo-action-test.db: "))
      << refused.err;
  EXPECT_EQ(refused.err.find(".lumo-action-"), std::string::npos) << refused.err;
}

// The bill comes from a file or standard input; the pairs and the host
// change it, and the output prints it back.
TEST_F(LumoAction, BillFixtureRoundTripsThroughDctPara) {
  const std::string fixture = LUMO_SOURCE_DIR "/tests/fixtures/po_bill_1003.json";
  std::ofstream(Path("return.json")) << R"({"CancelSeries": false})";
  const std::string bill = ReadText(fixture);
  const std::string emptyProps = "DBFile=" + empty + ";UserID=16";
  const struct {
    std::vector<std::string> args;
    Json dctReturn, paraChanges;
  } cases[] = {
      {{"--para", fixture, "--return", Path("return.json")},
       {{"CancelSeries", false}, {"P_ExchangeRate", 0.05}},
       {}},
      {{"--para", "-", "P_CurrencyID=2"}, {{"P_ExchangeRate", 7.1}}, {{"P_CurrencyID", 2}}},
      {{"--para", fixture, "PropString=" + emptyProps}, nullptr, {{"PropString", emptyProps}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    std::vector<std::string> args = {"--db", demo, "TevSer_GetExchangeRate"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Outcome outcome = Run(args, c.args[1] == "-" ? bill : "");
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const Json json = Json::parse(outcome.out);
    EXPECT_EQ(json["return"], c.dctReturn);
    Json expectedPara = Json::parse(bill);
    expectedPara["PropString"] = "DBFile={" + demo + "};UserID=16;Language=CHS";
    for (const auto& [key, value] : c.paraChanges.items()) expectedPara[key] = value;
    EXPECT_EQ(json["para"], expectedPara);
  }
}

// The demo bill of data/ runs as it stands and writes the screw's price of
// its later line; a bill whose id is not a number runs nothing, and the
// output says why.
TEST_F(LumoAction, DemoBillWritesItemPricesBack) {
  const std::string bill = LUMO_SOURCE_DIR "/data/po_bill_2101.json";
  const std::string priceQuery = "SELECT FOrderPrice FROM t_ICItemCore WHERE FItemID = 1201";
  Json unsafe = Json::parse(ReadText(bill));
  unsafe["dctData"]["FID"] = "2101 OR 1=1";
  std::ofstream(Path("unsafe.json")) << unsafe.dump();
  const struct {
    std::string para;
    int result;
    Json error;
    const char* screwPrice;
  } cases[] = {
      {Path("unsafe.json"), 1, Json::parse(R"({"number": -1, "source": "TevSer_UpdateItemPrice",
           "description": "The bill's FID is not a whole number: \"2101 OR 1=1\""})"),
       "0.22"},
      {bill, 0, nullptr, "0.2361"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.para);
    const Outcome outcome = Run({"--db", demo, "--para", c.para, "TevSer_UpdateItemPrice"});
    ASSERT_EQ(outcome.status, c.result) << outcome.err;
    const Json json = Json::parse(outcome.out);
    EXPECT_EQ(json["result"], c.result);
    EXPECT_EQ(json.value("error", Json()), c.error);
    EXPECT_EQ(Sql(demo, priceQuery), c.screwPrice);
  }
}

}  // namespace
}  // namespace lumo::app
