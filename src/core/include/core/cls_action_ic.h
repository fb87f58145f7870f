// clsActionIC: the component's one public class. The host calls DoAction
// from its bill forms with an action name; the action's handler reads
// dctPara and writes its results into dctReturn.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "collections/dictionary.h"
#include "collections/vector.h"
#include "platform/error.h"

namespace lumo {

// The result of an action and of DoAction; 0 is the normal result.
using ActionResult = int32_t;

class clsActionIC {
 public:
  // Runs the action whose name equals sFunction without regard to letter
  // case (blanks count: " TevSer_GetTaxRate" matches nothing). Returns the
  // handler's result; 0 when no action matched or the action raised an
  // error, which never reaches the caller. A handler may replace a null
  // dctReturn by a new Dictionary, which the caller then holds. sParaments
  // is part of the host's signature and is not read.
  ActionResult DoAction(const std::string& sFunction, const std::string& sParaments,
                        DictionaryRef dctPara, DictionaryRef& dctReturn);

  // The error that the last DoAction on this thread trapped, or that its
  // action trapped on its own error path (the actions that answer 1 or -1
  // instead of raising); number 0 when that action raised nothing (or no
  // action ran yet). DoAction never lets an error out, so this is where a
  // host learns why an action failed.
  static const ErrorInfo& LastError();

  // Whether DoAction has an action of that name (matched as DoAction
  // matches it), for hosts that must tell an unknown name from result 0.
  static bool HasAction(std::string_view sFunction);

  // The names of the actions, in the order DoAction tests them.
  static std::vector<std::string_view> ActionNames();

 private:
  // Tests call a handler directly to see the error it raises, which DoAction
  // keeps from its caller.
  friend class ActionTestAccess;

  using Handler = ActionResult (clsActionIC::*)(const DictionaryRef& dctPara,
                                                DictionaryRef& dctReturn);
  struct Action {
    std::string_view name;
    Handler handler;
  };
  // In the order the names are tested; the first match wins.
  static const std::array<Action, 13> kActions;
  // The first action whose name matches, or nullptr.
  static const Action* FindAction(std::string_view sFunction);

  // For the handlers whose error path returns a result instead of raising:
  // keeps the error they trapped where LastError shows it.
  static void KeepTrappedError(ErrorInfo error);

  // The handlers, in dispatch order; each in the file of actions/ named
  // after its action without "TevSer_" (TevSer_HPriceQry: HPriceQry.cpp).
  ActionResult PriceQueryPO(const DictionaryRef& dctPara, DictionaryRef& dctReturn);
  ActionResult GetSupplyInfo(const DictionaryRef& dctPara, DictionaryRef& dctReturn);
  ActionResult HistoryPriceQry(const DictionaryRef& dctPara, DictionaryRef& dctReturn);
  ActionResult ViewStockStatus(const DictionaryRef& dctPara, DictionaryRef& dctReturn);
  ActionResult ViewItemReplace(const DictionaryRef& dctPara, DictionaryRef& dctReturn);
  ActionResult TevSer_POPriceAlert(const DictionaryRef& dctPara, DictionaryRef& dctReturn);
  ActionResult TevSer_GetMapNumber(const DictionaryRef& dctPara, DictionaryRef& dctReturn);
  ActionResult TevSer_SynMapAndItem(const DictionaryRef& dctPara, DictionaryRef& dctReturn);
  ActionResult TevSer_GetTaxRate(const DictionaryRef& dctPara, DictionaryRef& dctReturn);
  ActionResult TevSer_CurrencyCal(const DictionaryRef& dctPara, DictionaryRef& dctReturn);
  ActionResult TevSer_GetExchangeRate(const DictionaryRef& dctPara, DictionaryRef& dctReturn);
  ActionResult TevSer_UpdateItemPrice(const DictionaryRef& dctPara, DictionaryRef& dctReturn);
  ActionResult TevSer_UpdatePOPrice(const DictionaryRef& dctPara, DictionaryRef& dctReturn);

  // The price alert's list for the item list dialog: its three header rows
  // (column positions, captions, kinds), ready for the over-limit records.
  VectorRef CreateOverLimitList(bool bTaxInPrice);
};

}  // namespace lumo
