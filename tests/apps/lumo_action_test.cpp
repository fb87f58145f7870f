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

const fs::path kBillFixture = fs::path(LUMO_SOURCE_DIR) / "tests/fixtures/po_bill_1003.json";
constexpr int kYen = 4;  // the demo currency stored with "/": 20 yen to the yuan

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    path_ = fs::temp_directory_path() /
            ("lumo-action-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::create_directories(path_);
  }
  ~TempFolder() { fs::remove_all(path_); }
  fs::path operator/(const char* name) const { return path_ / name; }

 private:
  fs::path path_;
};

std::string ReadText(const fs::path& path) {
  std::ifstream file(path);
  return {std::istreambuf_iterator<char>(file), {}};
}

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

// Runs the executable through the shell; arguments are single-quoted.
Outcome RunExe(const TempFolder& folder, const std::vector<std::string>& args) {
  std::string command = LUMO_ACTION_EXE;
  for (const std::string& arg : args) command += " '" + arg + "'";
  command += " >'" + (folder / "out").string() + "' 2>'" + (folder / "err").string() + "'";
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

std::string CreateDatabase(const TempFolder& folder, const char* name, bool empty = false) {
  const std::string path = (folder / name).string();
  std::vector<std::string> args = {"--create-db", path};
  if (empty) args.push_back("--empty");
  EXPECT_EQ(RunInProcess(args).status, kExitOk);
  return path;
}

TEST(LumoAction, DemoDatabaseGivesTheInvertedRateOfTheSlashCurrency) {
  TempFolder folder;
  const Outcome created = RunExe(folder, {"--create-db", (folder / "demo.db").string()});
  ASSERT_EQ(created.status, 0) << created.err;
  const Outcome outcome =
      RunExe(folder, {"--db", (folder / "demo.db").string(), "TevSer_GetExchangeRate",
                      "P_CurrencyID=" + std::to_string(kYen)});
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  const Json json = Json::parse(outcome.out);
  EXPECT_EQ(json["result"], 0);
  EXPECT_TRUE(json["return"]["P_ExchangeRate"].is_number_float());
  EXPECT_DOUBLE_EQ(json["return"]["P_ExchangeRate"].get<double>(), 0.05);
  EXPECT_EQ(json["para"]["PropString"],
            "DBFile=" + (folder / "demo.db").string() + ";UserID=16;Language=CHS");
}

TEST(LumoAction, BadInputExitsTwoWithOneLineNamingTheProblem) {
  TempFolder folder;
  std::ofstream(folder / "existing.db") << "keep me";
  std::ofstream(folder / "broken.json") << "{\n  \"P_CurrencyID\": 4,\n}";
  std::ofstream(folder / "list.json") << "[4]";
  struct Case {
    std::vector<std::string> args;
    std::string fragment;
  };
  const Case kCases[] = {
      {{"--bogus", "A"}, "--bogus"},
      {{}, "ACTION"},
      {{"--pick", "0", "A"}, "--pick"},
      {{"--create-db", (folder / "existing.db").string()}, "not overwriting"},
      {{"--db", (folder / "missing.db").string(), "A"}, "missing.db"},
      {{"--db", (folder / "existing.db").string(), "--para", (folder / "broken.json").string(),
        "A"},
       "broken.json:3:1: invalid JSON"},
      {{"--db", (folder / "existing.db").string(), "--para", (folder / "list.json").string(), "A"},
       "expected a JSON object"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.fragment);
    const Outcome outcome = RunExe(folder, c.args);
    EXPECT_EQ(outcome.status, kExitUsage);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err.rfind("lumo-action: ", 0), 0u) << outcome.err;
    EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
    EXPECT_NE(outcome.err.find(c.fragment), std::string::npos) << outcome.err;
  }
  EXPECT_EQ(ReadText(folder / "existing.db"), "keep me");
}

TEST(LumoAction, EmptyDatabaseHasTheSchemaAndAcceptsRows) {
  TempFolder folder;
  const std::string path = CreateDatabase(folder, "empty.db", /*empty=*/true);
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
  const std::string demo = CreateDatabase(folder, "demo.db");
  const std::string empty = CreateDatabase(folder, "empty.db", /*empty=*/true);
  const std::string bill = ReadText(kBillFixture);
  const std::string defaultProps = "DBFile=" + demo + ";UserID=16;Language=CHS";
  const std::string emptyProps = "DBFile=" + empty + ";UserID=16";
  struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    Json rate;
    Json paraChanges;  // what the pairs and the host add to the bill
  };
  const Case kCases[] = {
      {"bill from a file",
       {"--para", kBillFixture.string()},
       "",
       0.05,
       {{"PropString", defaultProps}}},
      {"bill from standard input", {"--para", "-"}, bill, 0.05, {{"PropString", defaultProps}}},
      {"a pair overrides the bill",
       {"--para", "-", "P_CurrencyID=2"},
       bill,
       7.1,
       {{"P_CurrencyID", 2}, {"PropString", defaultProps}}},
      {"a given PropString is kept",
       {"--para", "-", "PropString=" + emptyProps},
       bill,
       nullptr,
       {{"PropString", emptyProps}}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args = {"--db", demo, "TevSer_GetExchangeRate"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Outcome outcome = RunInProcess(args, c.input);
    ASSERT_EQ(outcome.status, kExitOk) << outcome.err;
    const Json json = Json::parse(outcome.out);
    EXPECT_EQ(json["return"].is_null() ? Json(nullptr) : json["return"]["P_ExchangeRate"], c.rate);
    Json expectedPara = Json::parse(bill);
    for (const auto& [key, value] : c.paraChanges.items()) expectedPara[key] = value;
    EXPECT_EQ(json["para"], expectedPara);
  }
}

TEST(LumoAction, StartingReturnDictionaryKeepsItsEntries) {
  TempFolder folder;
  const std::string demo = CreateDatabase(folder, "demo.db");
  std::ofstream(folder / "return.json") << R"({"CancelSeries": false})";
  const Outcome outcome = RunInProcess({"--db", demo, "--return", (folder / "return.json").string(),
                                        "TevSer_GetExchangeRate", "P_CurrencyID=3"});
  EXPECT_EQ(Json::parse(outcome.out)["return"],
            Json::parse(R"({"CancelSeries":false,"P_ExchangeRate":7.8})"));
}

}  // namespace
}  // namespace lumo::app
