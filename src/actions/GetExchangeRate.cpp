// TevSer_GetExchangeRate: the exchange rate of one currency, in the form a
// bill multiplies by ("P_ExchangeRate"); a rate stored with the operator "/"
// is inverted.
#include <cstdint>
#include <string>

#include "core/cls_action_ic.h"
#include "core/para.h"
#include "core/query.h"
#include "core/trace.h"
#include "platform/error.h"
#include "platform/object.h"
#include "platform/vb.h"

namespace lumo {

ActionResult clsActionIC::TevSer_GetExchangeRate(DictionaryRef dctPara, DictionaryRef& dctReturn) {
  const int32_t trace =
      TraceBegin("LumoClassActionIC.clsActionIC.TevSer_GetExchangeRate 获取币别的汇率");
  try {
    const Dictionary& para = Deref(dctPara);
    const std::string sPropString = TextOf(para, "PropString");
    if (vb::Trim(sPropString).empty()) Raise(-1, "PropString", "Propstring is empty!");

    const int32_t lCurrencyID = LeadingWholeNumberOr(para, "P_CurrencyID", 0);

    if (lCurrencyID != 0) {
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

      if (!sOperator.empty() && dRate != 0) {
        // VB's division: an inverse beyond a Double (a rate of 1E-320) is
        // overflow (6), not an infinite rate that no host could print.
        if (sOperator == "/") dRate = vb::CDbl(vb::Divide(1, dRate));
        if (!dctReturn) dctReturn = NewDictionary();
        dctReturn->SetValue("P_ExchangeRate", dRate);
      }
    }

    TraceEnd(trace, 0);
    return 0;
  } catch (...) {
    RaiseWithSourcePrefix(CurrentException(), "TevSer_GetExchangeRate:");
  }
}

}  // namespace lumo
