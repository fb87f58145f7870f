// DoAction: its dispatch by name and the trace scopes it opens, seen through
// the exchange-rate action. (Each handler's own test reaches it through the
// dispatch table, so a name paired with the wrong handler fails there.)
#include <gtest/gtest.h>

#include "core/cls_action_ic.h"
#include "platform/error.h"
#include "support/fake_class_info.h"
#include "support/fake_trace_log.h"
#include "support/fresh_thread.h"

namespace lumo::testing {

using Texts = std::vector<std::string>;

// Names match without regard to letter case but with their blanks. DoAction's
// scope (handle 1) closes with 1, the handler's (2) with 0 only on success; a
// handler error still gives 0, raises nothing, leaves the caller's Err and is
// kept for the host. Each DoAction starts with no error kept.
TEST(DoAction, DispatchesByNameAndClosesTheTraceScopes) {
  const std::string doAction = "begin LumoClassActionIC.clsActionIC.DoAction 执行Action";
  const std::string handler =
      "begin LumoClassActionIC.clsActionIC.TevSer_GetExchangeRate 获取币别的汇率";
  const Texts ran = {doAction, handler, "end 2 0", "end 1 1"};
  const Texts failed = {doAction, handler, "end 1 1"}, noMatch = {doAction, "end 1 1"};
  const struct {
    const char* action;
    std::optional<Variant> logEnabled;  // nullopt: no log component
    const char* propString;
    Texts events;
    std::optional<double> rate;
    ErrorInfo error = {};  // kept by DoAction for the host to ask
  } cases[] = {
      {"TevSer_GetExchangeRate", true, "DB=demo", ran, 0.25},
      {"TEVSER_GETEXCHANGERATE", true, "DB=demo", ran, 0.25},
      {"tevser_getexchangerate", std::nullopt, "DB=demo", {}, 0.25},
      {" TevSer_GetExchangeRate", true, "DB=demo", noMatch, std::nullopt},
      {"TevSer_GetExchangeRate ", true, "DB=demo", noMatch, std::nullopt},
      {"TevSer_GetExchangeRate",
       true,
       "",
       failed,
       std::nullopt,
       {-1, "TevSer_GetExchangeRate:PropString", "Propstring is empty!", "", 0}},
      {"TevSer_GetExchangeRate", int32_t{1}, "DB=demo", {}, 0.25},  // 1 is not True: log off
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("'") + c.action + "' PropString '" + c.propString + "'");
    OnFreshThread([&] {
      std::optional<FakeTraceLog> log;
      if (c.logEnabled) log.emplace(*c.logEnabled);
      FakeClassInfo database;
      database.db->queue.push_back({{"FOperator", "FExchangeRate"}, {{"/", 4}}});
      auto para = NewDictionary();
      para->SetValue("PropString", c.propString);
      para->SetValue("P_CurrencyID", 3);
      const ErrorInfo pending{5, "Caller", "pending", "help.chm", 7};
      Err() = pending;
      // A failed action first, so the case shows whether its error is dropped.
      DictionaryRef result;
      clsActionIC().DoAction("TevSer_GetExchangeRate", "", NewDictionary(), result);
      result = nullptr;  // Nothing: the handler creates it
      if (log) {
        log->log->events.clear();
        log->log->lastHandle = 0;
      }
      EXPECT_EQ(clsActionIC().DoAction(c.action, "", para, result), 0);
      EXPECT_EQ(Err(), pending);
      EXPECT_EQ(clsActionIC::LastError(), c.error);
      EXPECT_EQ(result ? std::optional(result->Value("P_ExchangeRate")) : std::nullopt,
                c.rate ? std::optional(Variant(*c.rate)) : std::nullopt);
      if (log) {
        EXPECT_EQ(log->log->events, c.events);
      }
    });
  }
}

}  // namespace lumo::testing
