// lumo-action end to end: the real executable on real database files.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "variant_json.h"

namespace lumo::app {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const std::string& path) {
  std::ifstream file(path);
  return {std::istreambuf_iterator<char>(file), {}};
}

struct Outcome {
  int status;
  std::string out, err;
};

// Each test gets a fresh folder with a demo and an empty database written by
// --create-db; Run calls the executable with the arguments single-quoted and
// `input` as standard input.
class LumoAction : public ::testing::Test {
 protected:
  const fs::path folder_ =
      fs::temp_directory_path() / ("lumo-action-test-" + std::to_string(::getpid()) + "-" +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override {
    fs::create_directories(folder_);
    ASSERT_EQ(Run({"--create-db", demo}).status, 0);
    ASSERT_EQ(Run({"--create-db", empty, "--empty"}).status, 0);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string Path(const char* name) const { return (folder_ / name).string(); }
  Outcome Run(const std::vector<std::string>& args, const std::string& input = "") const {
    std::ofstream(Path("in")) << input;
    std::string command = LUMO_ACTION_EXE;
    for (const std::string& arg : args) command += " '" + arg + "'";
    command += " <'" + Path("in") + "' >'" + Path("out") + "' 2>'" + Path("err") + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(Path("out")),
            ReadText(Path("err"))};
  }
  const std::string demo = Path("demo.db"), empty = Path("empty.db");
};

TEST_F(LumoAction, CreatedDatabasesGiveTheInvertedRateOfTheSlashCurrency) {
  // Yen (4) is kept with "/": 20 yen to the yuan.
  const Outcome outcome = Run({"--db", demo, "TevSer_GetExchangeRate", "P_CurrencyID=4"});
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(Json::parse(outcome.out),
            Json::parse(R"({"result": 0, "return": {"P_ExchangeRate": 0.05}, "para":
                {"P_CurrencyID": 4, "PropString": "DBFile=)" +
                        demo + R"(;UserID=16;Language=CHS"}})"));

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
  const std::pair<std::vector<std::string>, std::string> kCases[] = {
      // args, part of the message
      {{}, "ACTION"},
      {{"--bogus", "A"}, "--bogus"},
      {{"--empty", "A"}, "--empty"},
      {{"--create-db", unwritten, "A"}, "--create-db"},
      {{"--db", demo, "--props", "DBFile=b.db", "A"}, "--props"},
      {{"--para", "-", "--return", "-", "A"}, "standard input"},
      {{"A", "P_CurrencyID"}, "P_CurrencyID"},
      {{"A", "=3"}, "=3"},
      {{"A", R"(P_Bad={"$empty":false})"}, "P_Bad"},
      {{"--create-db", demo}, "not overwriting"},
      {{"--db", Path("missing.db"), "A"}, "missing.db"},
      {{"--db", demo, "--para", Path("broken.json"), "A"}, "broken.json:3:3: invalid JSON"},
      {{"--db", demo, "--para", Path("list.json"), "A"}, "expected a JSON object"},
  };
  for (const auto& [args, fragment] : kCases) {
    SCOPED_TRACE(::testing::PrintToString(args));
    const Outcome outcome = Run(args);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err.rfind("lumo-action: ", 0), 0u) << outcome.err;
    EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
    EXPECT_NE(outcome.err.find(fragment), std::string::npos) << outcome.err;
  }
  EXPECT_EQ(ReadText(demo), demoBytes);
  EXPECT_FALSE(fs::exists(unwritten));
}

TEST_F(LumoAction, BillFixtureRoundTripsThroughDctPara) {
  const std::string fixture = LUMO_SOURCE_DIR "/tests/fixtures/po_bill_1003.json";
  std::ofstream(Path("return.json")) << R"({"CancelSeries": false})";
  const std::string bill = ReadText(fixture);
  const std::string demoProps = "DBFile=" + demo + ";UserID=16;Language=CHS";
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

}  // namespace
}  // namespace lumo::app
