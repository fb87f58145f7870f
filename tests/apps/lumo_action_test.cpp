// lumo-action end to end: the real executable on real database files, and
// Run in-process for the JSON bill fixture.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "run.h"
#include "variant_json.h"

namespace lumo::app {
namespace {

namespace fs = std::filesystem;

const std::string kBillFixture = LUMO_SOURCE_DIR "/tests/fixtures/po_bill_1003.json";

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    path_ = fs::temp_directory_path() /
            ("lumo-action-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::create_directories(path_);
  }
  ~TempFolder() { fs::remove_all(path_); }
  std::string operator/(const char* name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

std::string ReadText(const std::string& path) {
  std::ifstream file(path);
  return {std::istreambuf_iterator<char>(file), {}};
}

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

// The real executable, through the shell; arguments are single-quoted.
Outcome RunExe(const TempFolder& folder, const std::vector<std::string>& args) {
  std::string command = LUMO_ACTION_EXE;
  for (const std::string& arg : args) command += " '" + arg + "'";
  command += " >'" + folder / "out" + "' 2>'" + folder / "err" + "'";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(folder / "out"),
          ReadText(folder / "err")};
}

Outcome RunInProcess(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = Run(args, in, out, err);
  return {status, out.str(), err.str()};
}

TEST(LumoAction, DemoDatabaseGivesTheInvertedRateOfTheSlashCurrency) {
  TempFolder folder;
  ASSERT_EQ(RunExe(folder, {"--create-db", folder / "demo.db"}).status, kExitOk);
  // Yen (4) is kept with "/": 20 yen to the yuan.
  const Outcome outcome =
      RunExe(folder, {"--db", folder / "demo.db", "TevSer_GetExchangeRate", "P_CurrencyID=4"});
  ASSERT_EQ(outcome.status, kExitOk) << outcome.err;
  EXPECT_EQ(Json::parse(outcome.out),
            Json::parse(R"({"result": 0, "return": {"P_ExchangeRate": 0.05}, "para":
                {"P_CurrencyID": 4, "PropString": "DBFile=)" +
                        folder / "demo.db" + R"(;UserID=16;Language=CHS"}})"));
}

TEST(LumoAction, BadInputExitsTwoWithOneLineNamingTheProblem) {
  TempFolder folder;
  std::ofstream(folder / "existing.db") << "keep me";
  std::ofstream(folder / "broken.json") << "{\n  \"P_CurrencyID\": 4,\n}";
  std::ofstream(folder / "list.json") << "[4]";
  const std::string db = folder / "existing.db";
  const std::pair<std::vector<std::string>, std::string> kCases[] = {
      {{"--bogus", "A"}, "--bogus"},
      {{}, "ACTION"},
      {{"--create-db", db}, "not overwriting"},
      {{"--db", folder / "missing.db", "A"}, "missing.db"},
      {{"--db", db, "--para", folder / "broken.json", "A"}, "broken.json:3:1: invalid JSON"},
      {{"--db", db, "--para", folder / "list.json", "A"}, "expected a JSON object"},
  };
  for (const auto& [args, fragment] : kCases) {
    SCOPED_TRACE(fragment);
    const Outcome outcome = RunExe(folder, args);
    EXPECT_EQ(outcome.status, kExitUsage);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err.rfind("lumo-action: ", 0), 0u) << outcome.err;
    EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
    EXPECT_NE(outcome.err.find(fragment), std::string::npos) << outcome.err;
  }
  EXPECT_EQ(ReadText(db), "keep me");
}

TEST(LumoAction, EmptyDatabaseHasTheSchemaAndAcceptsRows) {
  TempFolder folder;
  const std::string path = folder / "empty.db";
  ASSERT_EQ(RunInProcess({"--create-db", path, "--empty"}).status, kExitOk);
  const std::vector<std::string> action = {"--db", path, "TevSer_GetExchangeRate",
                                           "P_CurrencyID=9"};
  EXPECT_EQ(Json::parse(RunInProcess(action).out)["return"], nullptr);

  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  const int inserted = sqlite3_exec(
      db, "INSERT INTO t_Currency (FCurrencyID, FOperator, FExchangeRate) VALUES (9, '/', 8)",
      nullptr, nullptr, nullptr);
  sqlite3_close(db);
  ASSERT_EQ(inserted, SQLITE_OK);
  EXPECT_EQ(Json::parse(RunInProcess(action).out)["return"]["P_ExchangeRate"], 0.125);
}

TEST(LumoAction, BillFixtureRoundTripsThroughDctPara) {
  TempFolder folder;
  const std::string demo = folder / "demo.db", empty = folder / "empty.db";
  ASSERT_EQ(RunInProcess({"--create-db", demo}).status, kExitOk);
  ASSERT_EQ(RunInProcess({"--create-db", empty, "--empty"}).status, kExitOk);
  std::ofstream(folder / "return.json") << R"({"CancelSeries": false})";
  const std::string bill = ReadText(kBillFixture);
  const std::string demoProps = "DBFile=" + demo + ";UserID=16;Language=CHS";
  const std::string emptyProps = "DBFile=" + empty + ";UserID=16";
  struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    Json dctReturn;
    Json paraChanges;  // what the pairs and the host change in the bill
  };
  const Case kCases[] = {
      {"bill from a file",
       {"--para", kBillFixture},
       "",
       {{"P_ExchangeRate", 0.05}},
       {{"PropString", demoProps}}},
      {"bill from standard input",
       {"--para", "-"},
       bill,
       {{"P_ExchangeRate", 0.05}},
       {{"PropString", demoProps}}},
      {"a pair overrides the bill",
       {"--para", "-", "P_CurrencyID=2"},
       bill,
       {{"P_ExchangeRate", 7.1}},
       {{"P_CurrencyID", 2}, {"PropString", demoProps}}},
      {"a given PropString is kept",
       {"--para", "-", "PropString=" + emptyProps},
       bill,
       nullptr,
       {{"PropString", emptyProps}}},
      {"a starting dctReturn keeps its entries",
       {"--para", "-", "--return", folder / "return.json"},
       bill,
       {{"CancelSeries", false}, {"P_ExchangeRate", 0.05}},
       {{"PropString", demoProps}}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args = {"--db", demo, "TevSer_GetExchangeRate"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Outcome outcome = RunInProcess(args, c.input);
    ASSERT_EQ(outcome.status, kExitOk) << outcome.err;
    const Json json = Json::parse(outcome.out);
    EXPECT_EQ(json["return"], c.dctReturn);
    Json expectedPara = Json::parse(bill);
    for (const auto& [key, value] : c.paraChanges.items()) expectedPara[key] = value;
    EXPECT_EQ(json["para"], expectedPara);
  }
}

}  // namespace
}  // namespace lumo::app
