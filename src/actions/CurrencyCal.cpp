// TevSer_CurrencyCal: converts up to five bill amounts ("P_CalField1" ..
// "P_CalField5"), each one value or a whole column, from an old currency
// into a new one. Missing rates come from t_Currency through the host's
// system-information component, one new instance per look-up.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/cls_action_ic.h"
#include "core/para.h"
#include "core/traced_action.h"
#include "hostapi/sys_info.h"
#include "platform/error.h"
#include "platform/object.h"
#include "platform/vb.h"

namespace lumo {

namespace {

struct CurrencyRate {
  double rate = 0;
  std::string op;  // "/" divides an amount by the rate to give the home amount
};

// The rate and operator of t_Currency's row for the id; rate 0 when there
// is none. A NULL rate or operator is an error (94), not a missing rate.
CurrencyRate LookUpCurrency(const std::string& sPropString, int32_t lCurrencyID) {
  RecordsetRef rs;
  {
    const auto sysInfo = CreateObjectAs<ISysInfo>(kSysInfoProgId);
    rs = sysInfo->GetItemInfo(sPropString, "t_Currency", lCurrencyID, "FCurrencyID");
  }
  CurrencyRate found;
  if (rs && rs->RecordCount() > 0) {
    found.rate = vb::CDbl(rs->Value("FExchangeRate"));
    found.op = vb::CStr(rs->Value("FOperator"));
  }
  return found;
}

// An amount in the new currency: x × old rate, then × or ÷ the new rate, in
// VB's variant arithmetic (Null stays Null, Empty is 0, other text is 13).
Variant Convert(const Variant& x, double oldRate, const CurrencyRate& newCurrency) {
  const Variant inHome = vb::Multiply(x, oldRate);
  return newCurrency.op == "/" ? vb::Multiply(inHome, newCurrency.rate)
                               : vb::Divide(inHome, newCurrency.rate);
}

// A column comes back as a new array 0 .. the given upper bound; element 0
// is left Empty whatever the given lower bound, each other element is the
// converted leading number of the given one.
Variant ConvertColumn(const VbArray& column, double oldRate, const CurrencyRate& newCurrency) {
  VbArray converted(0, column.UBound());
  for (int32_t i = 1; i <= column.UBound(); ++i) {
    converted.at(i) = Convert(vb::Val(column.at(i)), oldRate, newCurrency);
  }
  return converted;
}

constexpr std::array<const char*, 5> kFields = {"P_CalField1", "P_CalField2", "P_CalField3",
                                                "P_CalField4", "P_CalField5"};

// The action's body; a return before the fields are written is one of its
// early ends, which leave dctReturn untouched.
void ConvertFields(const Dictionary& para, DictionaryRef& dctReturn) {
  const std::string sPropString = TextOf(para, "PropString");
  if (vb::Trim(sPropString).empty()) Raise(-1, "PropString", "Propstring is empty!");

  const int32_t lCurrencyID = LeadingWholeNumberOr(para, "P_CurrencyID", 0);
  if (lCurrencyID == 0) return;
  const int32_t lOldCurrencyID = LeadingWholeNumberOr(para, "P_OldCurrencyID", 0);
  double dOldRate = LeadingNumberOr(para, "P_OldExchangeRate", 0);
  if (dOldRate == 0 && lOldCurrencyID == 0) return;

  std::array<std::optional<Variant>, kFields.size()> fields;  // nullopt: key absent
  for (size_t i = 0; i < kFields.size(); ++i) {
    if (para.Lookup(kFields[i])) fields[i] = para.GetValue(kFields[i], 0);
  }
  if (std::ranges::none_of(fields, [](const auto& field) { return field.has_value(); })) return;

  const CurrencyRate newCurrency = LookUpCurrency(sPropString, lCurrencyID);
  if (newCurrency.rate == 0) return;
  if (dOldRate == 0) {
    // Only a looked-up rate is turned into a multiplier: a given
    // "P_OldExchangeRate" is one already.
    const CurrencyRate oldCurrency = LookUpCurrency(sPropString, lOldCurrencyID);
    if (oldCurrency.rate == 0) return;
    dOldRate = oldCurrency.op == "/" ? 1 / oldCurrency.rate : oldCurrency.rate;
  }

  if (!dctReturn) dctReturn = NewDictionary();
  // Each field is written before the next is converted, so the fields
  // before a failing one reach the caller.
  for (size_t i = 0; i < kFields.size(); ++i) {
    if (!fields[i]) continue;
    const Variant& value = *fields[i];
    dctReturn->SetValue(kFields[i], value.IsArray()
                                        ? ConvertColumn(value.AsArray(), dOldRate, newCurrency)
                                        : Convert(value, dOldRate, newCurrency));
  }
}

}  // namespace

ActionResult clsActionIC::TevSer_CurrencyCal(const DictionaryRef& dctPara,
                                             DictionaryRef& dctReturn) {
  return TracedAction("LumoClassActionIC.clsActionIC.TevSer_CurrencyCal 币别转化计算",
                      "TevSer_CurrencyCal:", [&] { ConvertFields(Deref(dctPara), dctReturn); });
}

}  // namespace lumo
