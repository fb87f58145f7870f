#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/cls_action_ic.h"
#include "platform/error.h"
#include "support/fake_class_info.h"
#include "support/fake_trace_log.h"
#include "support/fresh_thread.h"

namespace lumo {
namespace {

using testing::FakeClassInfo;
using testing::FakeTraceLog;

DictionaryRef RatePara(const char* propString = "DB=demo") {
  auto para = NewDictionary();
  para->SetValue("PropString", propString);
  para->SetValue("P_CurrencyID", 3);
  return para;
}

// The exchange-rate action is the one that queries, so a query shows it ran.
TEST(DoAction, MatchesNamesWithoutRegardToCaseButWithBlanks) {
  const struct {
    const char* name;
    size_t queries;
  } cases[] = {
      {"TevSer_GetExchangeRate", 1},  {"TEVSER_GETEXCHANGERATE", 1},  {"tevser_getexchangerate", 1},
      {" TevSer_GetExchangeRate", 0}, {"TevSer_GetExchangeRate ", 0}, {"", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeClassInfo database;
    DictionaryRef result;
    EXPECT_EQ(clsActionIC().DoAction(c.name, "", RatePara(), result), 0);
    EXPECT_EQ(database.calls().size(), c.queries);
  }
}

TEST(DoAction, ReturnsZeroWithoutRaisingWhenTheActionFails) {
  const std::vector<std::pair<const char*, DictionaryRef>> failing = {
      {"TevSer_GetExchangeRate", RatePara("")},
      {"TevSer_GetExchangeRate", nullptr},
      {"TevSer_GetTaxRate", NewDictionary()},
      {"TevSer_UpdatePOPrice", NewDictionary()}};
  for (const auto& [name, para] : failing) {
    SCOPED_TRACE(name);
    DictionaryRef result;
    EXPECT_EQ(clsActionIC().DoAction(name, "", para, result), 0);
  }
}

TEST(DoAction, LeavesTheCallersErrAsItWas) {
  const ErrorInfo pending{5, "Caller", "pending", "help.chm", 7};
  Err() = pending;
  DictionaryRef result;
  clsActionIC().DoAction("TevSer_GetExchangeRate", "", RatePara(""), result);
  EXPECT_EQ(Err(), pending);
  Err().Clear();
}

// Handles count from 1: DoAction's scope is 1, the handler's 2.
TEST(DoAction, ClosesItsScopeWithOneAndTheHandlersWithZeroOnlyOnSuccess) {
  const std::string doAction = "begin LumoClassActionIC.clsActionIC.DoAction 执行Action";
  const std::string handler =
      "begin LumoClassActionIC.clsActionIC.TevSer_GetExchangeRate 获取币别的汇率";
  const struct {
    const char* name;
    std::optional<Variant> logEnabled;  // nullopt: no log component
    const char* propString;
    std::vector<std::string> events;
    std::optional<double> rate;
  } cases[] = {
      {"success", true, "DB=demo", {doAction, handler, "end 2 0", "end 1 1"}, 0.25},
      {"handler error", true, "", {doAction, handler, "end 1 1"}, std::nullopt},
      {"no log", std::nullopt, "DB=demo", {}, 0.25},
      {"log enabled is 1", int32_t{1}, "DB=demo", {}, 0.25},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::OnFreshThread([&] {
      std::optional<FakeTraceLog> log;
      if (c.logEnabled) log.emplace(*c.logEnabled);
      FakeClassInfo database;
      database.AnswerNext({{"FOperator", "FExchangeRate"}, {{"/", 4}}});
      DictionaryRef result;  // Nothing: the handler creates it
      EXPECT_EQ(
          clsActionIC().DoAction("TevSer_GetExchangeRate", "", RatePara(c.propString), result), 0);
      EXPECT_EQ(result ? std::optional(result->Value("P_ExchangeRate")) : std::nullopt,
                c.rate ? std::optional(Variant(*c.rate)) : std::nullopt);
      if (log) {
        EXPECT_EQ(log->events(), c.events);
        if (c.events.empty()) {
          EXPECT_EQ(log->enabledQueries(), 1);  // dropped, never asked again
        }
      }
    });
  }
}

}  // namespace
}  // namespace lumo
