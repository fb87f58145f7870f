// Each handler opens its own scope with its own source text and closes it
// with flag 0 on a normal end; an error leaves it open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/error.h"
#include "support/action_test_access.h"
#include "support/fake_presenter.h"
#include "support/fake_trace_log.h"
#include "support/fake_viewers.h"
#include "support/fresh_thread.h"

namespace lumo::testing {

TEST(HandlerTraceScopes, OpenWithTheHandlersTextAndCloseOnlyOnANormalEnd) {
  const struct {
    const char* action;
    const char* source;
  } cases[] = {
      {"TevSer_CurrencyCal", "LumoClassActionIC.clsActionIC.TevSer_CurrencyCal 币别转化计算"},
      {"TevSer_GetTaxRate", "LumoClassActionIC.clsActionIC.TevSer_GetTaxRate 携带税率"},
      {"TevSer_GetSupplyInfo", "LumoClassActionIC.clsActionIC.GetSupplyInfo 供应商信息查询"},
      {"TevSer_PriceQueryPO", "LumoClassActionIC.clsActionIC.PriceQueryPO 采购价格资料查询"},
      {"TevSer_HPriceQry", "LumoClassActionIC.clsActionIC.HistoryPriceQry 历史价格信息查询"},
      {"TevSer_VStockStatus", "LumoClassActionIC.clsActionIC.ViewStockStatus 库存状态查询"},
      {"TevSer_VItemReplace", "LumoClassActionIC.clsActionIC.ViewItemReplace 物料替代查询"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.action);
    for (const bool fails : {false, true}) {
      OnFreshThread([&] {
        FakeTraceLog log;
        FakeViewers viewers;  // they pick nothing
        FakePresenter presenter;
        auto para = NewDictionary();  // every handler ends early on it
        para->SetValue("PropString", "DB=demo");
        para->SetValue("P_TaxRateOption", 0);
        // A Nothing dctPara fails each handler at its first read.
        DictionaryRef result;
        try {
          ActionTestAccess::Call(c.action, fails ? nullptr : para, result);
          EXPECT_FALSE(fails);
        } catch (const VbError&) {
          EXPECT_TRUE(fails);
        }
        std::vector<std::string> expected = {std::string("begin ") + c.source};
        if (!fails) expected.push_back("end 1 0");
        EXPECT_EQ(log.log->events, expected);
      });
    }
  }
}

}  // namespace lumo::testing
