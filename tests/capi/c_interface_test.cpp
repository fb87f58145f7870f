// liblumo-action through its C interface only, as a C host sees it.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "lumo/lumo_action.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kRateAction = "TevSer_GetExchangeRate";
constexpr const char* kRatePara = R"({"P_CurrencyID": 4})";

// What one lumo_action_do gave back.
struct Done {
  int status;
  int32_t result;
  std::string returned, para, message;
};

Done Do(lumo_action_handle handle, const char* action, const char* para, const char* returned) {
  Done done{0, -99, "", "", ""};
  const char* newReturn = nullptr;
  const char* newPara = nullptr;
  done.status = lumo_action_do(handle, action, para, returned, &done.result, &newReturn, &newPara);
  if (newReturn) done.returned = newReturn;
  if (newPara) done.para = newPara;
  done.message = lumo_action_last_error();
  return done;
}

// A demo database in a folder of its own, the default host, and one
// component on the test's thread.
class CInterface : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string folder = (fs::temp_directory_path() / "lumo-capi-XXXXXX").string();
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    folder_ = folder;
    ASSERT_EQ(lumo_action_create_database(database().c_str(), 1), LUMO_ACTION_OK);
    ASSERT_EQ(lumo_action_use_default_host(nullptr), LUMO_ACTION_OK);
    const std::string props = "DBFile={" + database() + "};UserID=16;Language=CHS";
    ASSERT_EQ(lumo_action_create(props.c_str(), &component_), LUMO_ACTION_OK);
  }
  void TearDown() override {
    lumo_action_destroy(component_);
    fs::remove_all(folder_);
  }
  std::string database() const { return (folder_ / "demo.db").string(); }

  fs::path folder_;
  lumo_action_handle component_ = 0;
};

TEST_F(CInterface, RunsAnActionFromJsonAndGivesItsDictionariesBack) {
  const Done done = Do(component_, "tevser_getexchangerate", kRatePara, R"({"Kept": "x"})");
  EXPECT_EQ(done.status, LUMO_ACTION_OK);
  EXPECT_EQ(done.result, 0);
  EXPECT_EQ(done.returned, R"({"Kept":"x","P_ExchangeRate":0.05})");
  EXPECT_EQ(done.para, R"({"P_CurrencyID":4,"PropString":"DBFile={)" + database() +
                           R"(};UserID=16;Language=CHS"})");
  EXPECT_EQ(done.message, "");
}

TEST_F(CInterface, ANothingDctReturnIsReplacedByTheAction) {
  for (const char* nothing : {static_cast<const char*>(nullptr), "null", R"({"$nothing": true})"}) {
    SCOPED_TRACE(nothing ? nothing : "NULL");
    const Done done = Do(component_, kRateAction, kRatePara, nothing);
    EXPECT_EQ(done.status, LUMO_ACTION_OK);
    EXPECT_EQ(done.returned, R"({"P_ExchangeRate":0.05})");
  }
}

TEST_F(CInterface, RefusesBadInputWithAStatusAndTheWholeMessage) {
  struct Case {
    const char* action;
    const char* para;
    const char* returned;
    int status;
    const char* message;
  };
  const std::vector<Case> cases = {
      {kRateAction, R"({"P_CurrencyID": )", nullptr, LUMO_ACTION_E_JSON,
       "para_json:1:18: invalid JSON: syntax error while parsing value - unexpected end of input; "
       "expected '[', '{', or a literal"},
      {kRateAction, "[1, 2]", nullptr, LUMO_ACTION_E_JSON, "para_json: expected a JSON object"},
      {kRateAction, "null", nullptr, LUMO_ACTION_E_JSON, "para_json: expected a JSON object"},
      {kRateAction, kRatePara, "5", LUMO_ACTION_E_JSON, "return_json: expected a JSON object"},
      {kRateAction, R"({"a": {"$empty": false}})", nullptr, LUMO_ACTION_E_JSON,
       R"(para_json: "$empty" must be true)"},
      {"TevSer_NoSuchAction", kRatePara, nullptr, LUMO_ACTION_E_UNKNOWN_ACTION,
       R"(no action is named "TevSer_NoSuchAction")"},
      {" TevSer_GetExchangeRate", kRatePara, nullptr, LUMO_ACTION_E_UNKNOWN_ACTION,
       R"(no action is named " TevSer_GetExchangeRate")"},
      {nullptr, kRatePara, nullptr, LUMO_ACTION_E_ARGUMENT, "action is NULL"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.para);
    const Done done = Do(component_, c.action, c.para, c.returned);
    EXPECT_EQ(done.status, c.status);
    EXPECT_EQ(done.message, c.message);
    EXPECT_EQ(done.result, -99) << "no action ran";
  }
}

TEST_F(CInterface, AnErrorTheActionTrappedIsReportedWithItsOutputs) {
  const Done done = Do(component_, kRateAction, R"({"PropString": ""})", nullptr);
  EXPECT_EQ(done.status, LUMO_ACTION_E_ACTION);
  EXPECT_EQ(done.message, "error -1 in TevSer_GetExchangeRate:PropString: Propstring is empty!");
  EXPECT_EQ(done.result, 0);
  EXPECT_EQ(done.para, R"({"PropString":""})");
  // The next call that succeeds clears the message.
  EXPECT_EQ(Do(component_, kRateAction, kRatePara, nullptr).message, "");
}

TEST_F(CInterface, AComponentUsedAfterDestroyIsRefused) {
  ASSERT_EQ(lumo_action_destroy(component_), LUMO_ACTION_OK);
  lumo_action_handle later = 0;
  ASSERT_EQ(lumo_action_create(nullptr, &later), LUMO_ACTION_OK);
  EXPECT_NE(later, component_) << "a handle is never given twice";
  const std::string gone = "no such component (destroyed, or never created)";
  // The serial alone, without its thread's number, is no handle either.
  const lumo_action_handle serialOnly = later & 0xFFFFFFFFu;
  for (const lumo_action_handle handle :
       {component_, lumo_action_handle{0}, later + 1, serialOnly}) {
    SCOPED_TRACE(handle);
    const Done done = Do(handle, kRateAction, kRatePara, nullptr);
    EXPECT_EQ(done.status, LUMO_ACTION_E_HANDLE);
    EXPECT_EQ(done.message, gone);
    EXPECT_EQ(lumo_action_destroy(handle), LUMO_ACTION_E_HANDLE);
  }
  EXPECT_EQ(Do(later, kRateAction, kRatePara, nullptr).status, LUMO_ACTION_E_ACTION)
      << "no property string given: the action says so";
  EXPECT_EQ(lumo_action_destroy(later), LUMO_ACTION_OK);
}

TEST_F(CInterface, AComponentUsedOnAnotherThreadIsRefusedAndStaysUsable) {
  Done there{};
  int destroyThere = 0;
  lumo_action_handle ownOfThere = 0;
  std::thread([&] {
    there = Do(component_, kRateAction, kRatePara, nullptr);
    destroyThere = lumo_action_destroy(component_);
    // A thread's own components are its own; it may leave them undestroyed.
    lumo_action_create(nullptr, &ownOfThere);
  }).join();
  EXPECT_EQ(there.status, LUMO_ACTION_E_THREAD);
  EXPECT_EQ(there.message, "the component was created on another thread; use it only there");
  EXPECT_EQ(destroyThere, LUMO_ACTION_E_THREAD);
  EXPECT_EQ(Do(ownOfThere, kRateAction, kRatePara, nullptr).status, LUMO_ACTION_E_THREAD);
  EXPECT_EQ(Do(component_, kRateAction, kRatePara, nullptr).returned, R"({"P_ExchangeRate":0.05})");
}

TEST_F(CInterface, ADatabaseIsNotWrittenOverAnExistingFile) {
  EXPECT_EQ(lumo_action_create_database(database().c_str(), 0), LUMO_ACTION_E_FAILED);
  EXPECT_EQ(std::string(lumo_action_last_error()),
            "error 5 in LumoMClass.ClassInfo: The database file " + database() +
                " exists already; it is not overwritten");
  EXPECT_EQ(lumo_action_create_database(nullptr, 0), LUMO_ACTION_E_ARGUMENT);
}

}  // namespace
