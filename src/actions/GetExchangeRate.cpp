// TevSer_GetExchangeRate: the exchange rate of one currency, in the form a
// bill multiplies by ("P_ExchangeRate"); a rate stored with the operator "/"
// is inverted.
#include <cstdint>
#include <string>

#include "core/cls_action_ic.h"
#include "core/para.h"
#include "core/query.h"
#include "core/traced_action.h"
#include "platform/error.h"
#include "platform/object.h"
#include "platform/vb.h"

namespace lumo {

namespace {

// The action's body; a return before the rate is written is one of its
// early ends, which leave dctReturn untouched.
void WriteExchangeRate(const Dictionary& para, DictionaryRef& dctReturn) {
  const std::string sPropString = TextOf(para, "PropString");
  if (vb::Trim(sPropString).empty()) Raise(-1, "PropString", "Propstring is empty!");

  const int32_t lCurrencyID = LeadingWholeNumberOr(para, "P_CurrencyID", 0);
  if (lCurrencyID == 0) return;

  std::string sOperator;
  double dRate = 0;
  if (const RecordsetRef rs = GetRecordset(
          sPropString, "SELECT FOperator,FExchangeRate FROM t_Currency WHERE FCurrencyID=" +
                           std::to_string(lCurrencyID))) {
    if (rs->RecordCount() > 0) {
      sOperator = vb::CStr(NullToDefault(rs->Value("FOperator"), ""));
      dRate = vb::CDbl(NullToDefault(rs->Value("FExchangeRate"), 0));
    }
    rs->Close();
  }
  if (sOperator.empty() || dRate == 0) return;

  // VB's division: an inverse beyond a Double (a rate of 1E-320) is
  // overflow (6), not an infinite rate that no host could print.
  if (sOperator == "/") dRate = vb::CDbl(vb::Divide(1, dRate));
  if (!dctReturn) dctReturn = NewDictionary();
  dctReturn->SetValue("P_ExchangeRate", dRate);
}

}  // namespace

ActionResult clsActionIC::TevSer_GetExchangeRate(const DictionaryRef& dctPara,
                                                 DictionaryRef& dctReturn) {
  return TracedAction(
      "LumoClassActionIC.clsActionIC.TevSer_GetExchangeRate 获取币别的汇率",
      "TevSer_GetExchangeRate:", [&] { WriteExchangeRate(Deref(dctPara), dctReturn); });
}

}  // namespace lumo
