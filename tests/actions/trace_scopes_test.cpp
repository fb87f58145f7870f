// Each handler opens its own scope with its own source text. The raising
// handlers close it with flag 0 on a normal end and leave it open on an
// error; the price write-back closes it with flag 1 on both ends.
#include <gtest/gtest.h>

#include "support/action_test_access.h"
#include "support/dictionary_entries.h"
#include "support/fake_class_info.h"
#include "support/fake_presenter.h"
#include "support/fake_share_props.h"
#include "support/fake_trace_log.h"
#include "support/fake_viewers.h"
#include "support/fresh_thread.h"
#include "support/order_bill.h"

namespace lumo::testing {

TEST(HandlerTraceScopes, OpenWithTheHandlersTextAndCloseAsTheHandlerEnds) {
  const DictionaryRef endsEarly = ParaOf({{"P_TaxRateOption", 0}});
  const DictionaryRef order = OrderBill("POOrder", "POOrderEntry", 1001, "FPrice").para;
  const struct {
    const char* action;
    const char* source;
    DictionaryRef para;
    const char* onError;  // the end a Nothing dctPara gives; nullptr: none, the error is raised
    const char* onSuccess = "end 1 0";
  } cases[] = {
      {"TevSer_CurrencyCal", "LumoClassActionIC.clsActionIC.TevSer_CurrencyCal 币别转化计算",
       endsEarly, nullptr},
      {"TevSer_GetTaxRate", "LumoClassActionIC.clsActionIC.TevSer_GetTaxRate 携带税率", endsEarly,
       nullptr},
      {"TevSer_GetSupplyInfo", "LumoClassActionIC.clsActionIC.GetSupplyInfo 供应商信息查询",
       endsEarly, nullptr},
      {"TevSer_UpdateItemPrice",
       "LumoClassActionIC.clsActionIC.TevSer_UpdateItemPrice 更新物料的价格资料", order, "end 1 1",
       "end 1 1"},
      {"TevSer_PriceQueryPO", "LumoClassActionIC.clsActionIC.PriceQueryPO 采购价格资料查询",
       endsEarly, nullptr},
      {"TevSer_HPriceQry", "LumoClassActionIC.clsActionIC.HistoryPriceQry 历史价格信息查询",
       endsEarly, nullptr},
      {"TevSer_VStockStatus", "LumoClassActionIC.clsActionIC.ViewStockStatus 库存状态查询",
       endsEarly, nullptr},
      {"TevSer_VItemReplace", "LumoClassActionIC.clsActionIC.ViewItemReplace 物料替代查询",
       endsEarly, nullptr},
  };
  for (const auto& c : cases) {
    for (const bool fails : {false, true}) {
      SCOPED_TRACE(std::string(c.action) + (fails ? " failing" : ""));
      OnFreshThread([&] {
        FakeTraceLog log;
        FakeClassInfo database;
        FakeShareProps session("DB=session");
        FakeViewers viewers;  // they pick nothing
        FakePresenter presenter;
        DictionaryRef result;
        bool raised = false;
        try {
          EXPECT_EQ(ActionTestAccess::Call(c.action, fails ? nullptr : c.para, result),
                    fails ? 1 : 0);
        } catch (const VbError&) {
          raised = true;
        }
        EXPECT_EQ(raised, fails && !c.onError);
        std::vector<std::string> expected = {std::string("begin ") + c.source};
        if (const char* end = fails ? c.onError : c.onSuccess) expected.push_back(end);
        EXPECT_EQ(log.log->events, expected);
      });
    }
  }
}

}  // namespace lumo::testing
