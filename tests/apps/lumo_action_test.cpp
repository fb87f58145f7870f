// lumo-action end to end: the real executable on real database files.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/lumo_action_fixture.h"
#include "variant_json.h"

namespace lumo::app {
namespace {

TEST_F(LumoAction, CreatedDatabasesGiveTheInvertedRateOfTheSlashCurrency) {
  // Yen (4) is kept with "/": 20 yen to the yuan.
  const Outcome outcome = Run({"--db", demo, "TevSer_GetExchangeRate", "P_CurrencyID=4"});
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(Json::parse(outcome.out),
            Json::parse(R"({"result": 0, "return": {"P_ExchangeRate": 0.05}, "para":
                {"P_CurrencyID": 4, "PropString": "DBFile={)" +
                        demo + R"(};UserID=16;Language=CHS"}})"));

  // The empty database has the schema but no yen until a row is added.
  const std::vector<std::string> action = {"--db", empty, "TevSer_GetExchangeRate",
                                           "P_CurrencyID=4"};
  EXPECT_EQ(Json::parse(Run(action).out)["return"], nullptr);
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(empty.c_str(), &db), SQLITE_OK);
  const int inserted = sqlite3_exec(
      db,
      "INSERT INTO t_Currency (FCurrencyID, FOperator, FExchangeRate) VALUES (4, '/', 8), "
      "(5, '/', 1e-320)",
      nullptr, nullptr, nullptr);
  sqlite3_close(db);
  ASSERT_EQ(inserted, SQLITE_OK);
  EXPECT_EQ(Json::parse(Run(action).out)["return"]["P_ExchangeRate"], 0.125);

  // An inverse beyond a Double is VB's overflow: the action fails, the JSON is printed.
  const Outcome overflow = Run({"--db", empty, "TevSer_GetExchangeRate", "P_CurrencyID=5"});
  ASSERT_EQ(overflow.status, 0) << overflow.err;
  EXPECT_EQ(Json::parse(overflow.out)["return"], nullptr);
  EXPECT_EQ(Json::parse(overflow.out)["error"], Json::parse(R"({"number": 6, "source":
      "TevSer_GetExchangeRate:", "description": "Overflow"})"));

  // A failed action is still result 0, and the output says why.
  const Json failed = Json::parse(Run({"--db", demo, "TevSer_GetExchangeRate", "PropString="}).out);
  EXPECT_EQ(failed["result"], 0);
  EXPECT_EQ(failed["error"], Json::parse(R"({"number": -1, "source":
      "TevSer_GetExchangeRate:PropString", "description": "Propstring is empty!"})"));
  EXPECT_FALSE(Json::parse(Run(action).out).contains("error"));
}

TEST_F(LumoAction, BadInputExitsTwoWithOneLineNamingTheProblem) {
  const std::string unwritten = Path("unwritten.db"), demoBytes = ReadText(demo);
  std::ofstream(Path("broken.json")) << "{\n  \"P_CurrencyID\": 4,\n  x}";
  std::ofstream(Path("list.json")) << "[4]";
  std::ofstream(Path("huge.json")) << "{\n  \"P_Rate\": 1e400}";
  fs::create_directory(Path("folder"));
  const std::string deep = "P_Deep=" + std::string(201, '[') + std::string(201, ']');
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case kCases[] = {
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
      {{"--create-db"}, "--create-db: PATH missing"},
      {{"--create-db", ""}, "--create-db: PATH missing"},
      {{"--trace", "--db", demo, "A"}, "--trace: FILE missing"},
      {{"--db=", "A"}, "--db: PATH missing"},
      {{"A", "--pick"}, "--pick: N missing"},
      // Input that has no Variant form is refused before the action runs.
      {{"--db", demo, "--para", "folder", "A"}, "folder: a folder, not a JSON file"},
      {{"--db", demo, "--return", "folder", "A"}, "folder: a folder, not a JSON file"},
      {{"--db", demo, "--para", "huge.json", "A"},
       "huge.json:2:17: invalid JSON: number overflow parsing '1e400'"},
      {{"--db", demo, "A", deep},
       "P_Deep: nested more than 200 levels deep (a collection that contains itself?)"},
      // A trace that could not be written would be lost without a word.
      {{"--db", demo, "--trace", "no/folder/trace.log", "A"},
       "--trace: cannot write no/folder/trace.log: No such file or directory"},
      {{"--db", demo, "--trace", "folder", "A"}, "--trace: cannot write folder: Is a directory"},
      {{"--db", demo, "--trace", "", "A"}, "--trace: FILE missing"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const Outcome outcome = Run(c.args);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "lumo-action: " + c.message + "\n");
  }
  EXPECT_EQ(ReadText(demo), demoBytes);
  for (const char* name : {"unwritten.db", "--empty", "--db", "A"})
    EXPECT_FALSE(fs::exists(Path(name))) << name;
}

// Legal input that looks odd still runs the action.
TEST_F(LumoAction, OddButLegalInputRunsTheAction) {
  const std::string odd = Path(" odd;name}.db");  // a blank, a ";" and a "}"
  ASSERT_EQ(Run({"--create-db", odd}).status, 0);
  std::ofstream(Path("nothing.json")) << R"({"$nothing": true})";
  const std::string deep = std::string(200, '[') + std::string(200, ']');
  const std::string longName = std::string(252, 'n') + ".db";  // 255 bytes, the most a name has
  const std::string home = Path("home");
  const std::string demoProps = "DBFile={" + demo + "};UserID=16;Language=CHS";
  struct Case {
    const char* name;
    std::vector<std::string> args;
    Json expected;
    std::string env;
  };
  const Case kCases[] = {
      {"a path with a blank, ; and } names that file",
       {"--db", odd, "TevSer_GetExchangeRate", "P_CurrencyID=4"},
       {{"result", 0},
        {"return", {{"P_ExchangeRate", 0.05}}},
        {"para",
         {{"P_CurrencyID", 4},
          {"PropString", "DBFile={" + Path(" odd;name}}.db") + "};UserID=16;Language=CHS"}}}},
       ""},
      {"an empty action name matches no action",
       {"--db", demo, ""},
       {{"result", 0}, {"return", nullptr}, {"para", {{"PropString", demoProps}}}},
       ""},
      {"dctReturn given as Nothing",
       {"--db", demo, "--return", "nothing.json", "TevSer_GetExchangeRate", "P_CurrencyID=4"},
       {{"result", 0},
        {"return", {{"P_ExchangeRate", 0.05}}},
        {"para", {{"P_CurrencyID", 4}, {"PropString", demoProps}}}},
       ""},
      {"a pair nested 200 deep prints back",
       {"--db", demo, "A", "P_Deep=" + deep},
       {{"result", 0},
        {"return", nullptr},
        {"para", {{"P_Deep", Json::parse(deep)}, {"PropString", demoProps}}}},
       ""},
      {"a relative XDG_DATA_HOME is ignored",
       {"A"},
       {{"result", 0},
        {"return", nullptr},
        {"para",
         {{"PropString",
           "DBFile={" + home + "/.local/share/lumo-action/demo.db};UserID=16;Language=CHS"}}}},
       "XDG_DATA_HOME=relative HOME='" + home + "'"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const Outcome outcome = Run(c.args, "", c.env);
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(Json::parse(outcome.out), c.expected);
  }
  EXPECT_FALSE(fs::exists(Path("relative")));

  // A file name as long as the system allows is written and read.
  ASSERT_EQ(Run({"--create-db", longName}).status, 0) << Run({"--create-db", longName}).err;
  const Outcome fromLong = Run({"--db", longName, "TevSer_GetExchangeRate", "P_CurrencyID=4"});
  EXPECT_EQ(Json::parse(fromLong.out)["return"], Json::parse(R"({"P_ExchangeRate": 0.05})"));
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
  EXPECT_EQ(
      refused.err.rfind(
          "lumo-action: SQLite error 14: Cannot open the database file /proc/lumo-action-test.db: ",
          0),
      0u)
      << refused.err;
  EXPECT_EQ(refused.err.find(".lumo-action-"), std::string::npos) << refused.err;
}

TEST_F(LumoAction, BillFixtureRoundTripsThroughDctPara) {
  const std::string fixture = LUMO_SOURCE_DIR "/tests/fixtures/po_bill_1003.json";
  std::ofstream(Path("return.json")) << R"({"CancelSeries": false})";
  const std::string bill = ReadText(fixture);
  const std::string demoProps = "DBFile={" + demo + "};UserID=16;Language=CHS";
  const std::string emptyProps = "DBFile=" + empty + ";UserID=16";
  struct Case {
    const char* name;
    std::vector<std::string> args;
    Json dctReturn;
    Json paraChanges;  // what the pairs and the host change in the bill
  };
  const Case kCases[] = {
      {"bill and dctReturn from files",
       {"--para", fixture, "--return", Path("return.json")},
       {{"CancelSeries", false}, {"P_ExchangeRate", 0.05}},
       {}},
      {"bill from standard input, a pair overrides it",
       {"--para", "-", "P_CurrencyID=2"},
       {{"P_ExchangeRate", 7.1}},
       {{"P_CurrencyID", 2}}},
      {"a given PropString is kept and used",
       {"--para", fixture, "PropString=" + emptyProps},
       nullptr,
       {{"PropString", emptyProps}}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args = {"--db", demo, "TevSer_GetExchangeRate"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Outcome outcome = Run(args, c.args[1] == "-" ? bill : "");
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const Json json = Json::parse(outcome.out);
    EXPECT_EQ(json["return"], c.dctReturn);
    Json expectedPara = Json::parse(bill);
    expectedPara["PropString"] = demoProps;
    for (const auto& [key, value] : c.paraChanges.items()) expectedPara[key] = value;
    EXPECT_EQ(json["para"], expectedPara);
  }
}

// The demo bill of data/ runs as it stands and writes the screw's price of
// its later line; a bill whose id is not a number runs nothing, and the
// output says why.
TEST_F(LumoAction, DemoBillWritesItemPricesBack) {
  const std::string bill = LUMO_SOURCE_DIR "/data/po_bill_2101.json";
  const auto screwPrice = [&] {
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(demo.c_str(), &db), SQLITE_OK);
    sqlite3_stmt* query = nullptr;
    sqlite3_prepare_v2(db, "SELECT FOrderPrice FROM t_ICItemCore WHERE FItemID = 1201", -1, &query,
                       nullptr);
    const double price = sqlite3_step(query) == SQLITE_ROW ? sqlite3_column_double(query, 0) : -1;
    sqlite3_finalize(query);
    sqlite3_close(db);
    return price;
  };
  Json unsafe = Json::parse(ReadText(bill));
  unsafe["dctData"]["FID"] = "2101 OR 1=1";
  std::ofstream(Path("unsafe.json")) << unsafe.dump();

  const Json refused =
      Json::parse(Run({"--db", demo, "--para", Path("unsafe.json"), "TevSer_UpdateItemPrice"}).out);
  EXPECT_EQ(refused["result"], 1);
  EXPECT_EQ(refused["error"], Json::parse(R"({"number": -1, "source": "TevSer_UpdateItemPrice",
      "description": "The bill's FID is not a whole number: \"2101 OR 1=1\""})"));
  EXPECT_EQ(screwPrice(), 0.22);

  const Outcome outcome = Run({"--db", demo, "--para", bill, "TevSer_UpdateItemPrice"});
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  const Json json = Json::parse(outcome.out);
  EXPECT_EQ(json["result"], 0);
  EXPECT_FALSE(json.contains("error"));
  EXPECT_EQ(screwPrice(), 0.2361);
}

}  // namespace
}  // namespace lumo::app
