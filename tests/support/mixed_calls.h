// A mix of DoAction calls on the demo database, replayed many times by the
// concurrency and memory runs. They read (exchange rate, conversion, tax
// rates, supplier price, item mapping), fail (an item id holding SQL; a
// price update without its fields, whose message goes through the resource
// loader), match no action, and write (order 2101's prices into the item master and the
// supplier price list). Each call builds its dctPara anew with the same data
// and every write is idempotent, so a call has one outcome whichever thread
// runs it and however often.
#pragma once

#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/cls_action_ic.h"
#include "support/order_bill.h"
#include "support/print_variant.h"

namespace lumo::testing {

struct MixedCall {
  std::string action;
  std::function<DictionaryRef()> para;
};

// The calls, each with the session property string `props` in dctPara.
inline std::vector<MixedCall> MixedCalls(const std::string& props) {
  const auto with = [&props](std::string action, Entries entries) {
    return MixedCall{std::move(action), [props, entries] {
                       DictionaryRef para = Dict(entries);
                       para->SetValue("PropString", props);
                       return para;
                     }};
  };
  const auto order2101 = [props] {
    OrderBill order("POOrder", "POOrderEntry", 2101, "FAuxPrice");
    order.para->SetValue("PropString", props);
    return order.para;
  };
  return {
      with("TevSer_GetExchangeRate", {{"P_CurrencyID", 4}}),
      with("TevSer_CurrencyCal", {{"P_CurrencyID", 4},
                                  {"P_OldExchangeRate", 0.5},
                                  {"P_CalField1", 100},
                                  {"P_CalField2", VbArray(1, {1, "12abc", ""})}}),
      with("TevSer_GetTaxRate", {{"P_ICItemID", VbArray(1, {1001, "", 1007})}}),
      with("TevSer_GetSupplyInfo", {{"P_SupplyID", 211},
                                    {"P_ICItemID", 1101},
                                    {"P_UnitID", 1},
                                    {"P_AuxQty", 12},
                                    {"P_CalDiscount", 1}}),
      with("TevSer_GetMapNumber", {{"P_SupplierOrCustomerID", 221}, {"P_ICItemID", 1202}}),
      with("TevSer_SynMapAndItem",
           {{"P_SupplierOrCustomerID", 221},
            {"P_ICItemID", VbArray(0, {Variant::Null(), 1201, 1203, 1202, 1206})}}),
      with("TevSer_GetTaxRate", {{"P_ICItemID", "1) OR 1=1 --"}}),
      with("TevSer_NoSuchAction", {}),
      with("TevSer_UpdateItemPrice", {}),
      MixedCall{"TevSer_UpdateItemPrice", order2101},
      with("TevSer_UpdatePOPrice", {{"P_InterID", 2101}}),
  };
}

// Runs the call on `component` and describes everything the host sees of
// it: the result, dctReturn and the error the action trapped.
inline std::string RunMixedCall(clsActionIC& component, const MixedCall& call) {
  DictionaryRef dctReturn;
  const ActionResult result = component.DoAction(call.action, "", call.para(), dctReturn);
  std::ostringstream text;
  text << call.action << " -> " << result << " return:";
  if (dctReturn) {
    for (int32_t i = 1; i <= dctReturn->Count(); ++i) {
      text << ' ' << dctReturn->Name(i) << '=';
      PrintTo(dctReturn->Value(dctReturn->Name(i)), &text);
    }
  }
  const ErrorInfo& error = clsActionIC::LastError();
  text << " error: " << error.number << ' ' << error.source << ' ' << error.description;
  return text.str();
}

}  // namespace lumo::testing
