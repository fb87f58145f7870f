// TevSer_GetSupplyInfo: the supplier's discount ("P_Discount") and unit
// price for one purchase line. The host's bill data-access component finds
// the price; this action builds its request from the line's values, may
// take the discount and the tax out of the price, and writes the price
// under "P_TaxPrice" when purchase-order prices include tax, else under
// "P_Price".
#include <cstdint>
#include <memory>
#include <string>

#include "core/cls_action_ic.h"
#include "core/para.h"
#include "core/query.h"
#include "core/traced_action.h"
#include "hostapi/bill_data.h"
#include "platform/error.h"
#include "platform/object.h"
#include "platform/vb.h"

namespace lumo {

namespace {

// The style codes of the bill's invoice, which fix the price type.
constexpr int32_t kOrdinaryInvoice = 12510;
constexpr int32_t kValueAddedTaxInvoice = 12511;

// VB's `value = -1`, the component's mark for "none found": a number or
// numeric text compares as a number, other text is error 13, and Null
// equals nothing.
bool IsNoneFound(const Variant& value) {
  return !value.IsNull() && vb::CDbl(value) == -1;
}

// The supplier information as the component returns it: a Dictionary, or
// nullptr for Nothing; any other answer is a type mismatch.
DictionaryRef SupplierInformation(const Variant& answer) {
  if (answer.IsNothing()) return nullptr;
  DictionaryRef info =
      answer.IsObject() ? std::dynamic_pointer_cast<Dictionary>(answer.AsObject()) : nullptr;
  if (!info) Raise(vberr::kTypeMismatch);
  return info;
}

// The action's body; a return before the first write is one of its early
// ends, which leave dctReturn untouched.
void LookUpSupplyPrice(const Dictionary& para, DictionaryRef& dctReturn) {
  const int32_t lSupplyID = WholeNumberOr(para, "P_SupplyID", 0);
  int32_t lCurrencyID = LeadingWholeNumberOr(para, "P_CurrencyID", 1);
  if (lCurrencyID == 0) lCurrencyID = 1;
  double dExchangeRate = LeadingNumberOr(para, "P_ExChangeRate", 1);
  if (dExchangeRate == 0) dExchangeRate = 1;
  int32_t lPriceType = SwitchOr(para, "P_PriceType", 1);
  const int32_t lInvStyle = LeadingWholeNumberOr(para, "P_InvStyle", 0);
  const int32_t lItemID = LeadingWholeNumberOr(para, "P_ICItemID", 0);
  if (lItemID == 0) return;
  const int32_t lUnitID = LeadingWholeNumberOr(para, "P_UnitID", 0);
  if (lUnitID == 0) return;

  const double dAuxQty = LeadingNumberOr(para, "P_AuxQty", 0);
  const int32_t lGetPOPrice = SwitchOr(para, "P_GetICItemPOPrice", 1);
  const int32_t lCalDiscount = LeadingWholeNumberOr(para, "P_CalDiscount", 0);
  const int32_t lCalTax = LeadingWholeNumberOr(para, "P_CalTax", 0);
  const std::string sTaxInPrice = TextOf(para, "P_POOrderTaxInPrice");

  if (lInvStyle == kOrdinaryInvoice) {
    lPriceType = 1;
  } else if (lInvStyle == kValueAddedTaxInvoice) {
    lPriceType = 2;
  }

  const std::string sPropString = TextOf(para, "PropString");
  DictionaryRef info;
  {
    auto request = NewDictionary();
    request->SetValue("SupplyID", lSupplyID);
    request->SetValue("ItemID", lItemID);
    request->SetValue("UnitID", lUnitID);
    request->SetValue("AuxQty", dAuxQty);
    request->SetValue("CurrencyID", lCurrencyID);
    request->SetValue("ExChangeRate", dExchangeRate);
    request->SetValue("PriceType", lPriceType);
    request->SetValue("TranType", static_cast<int16_t>(lGetPOPrice == 1 ? 0 : 5));
    const auto getData = CreateObjectAs<IBillGetData>(kBillGetDataProgId);
    info = SupplierInformation(getData->GetSupplyInfo(sPropString, request));
  }
  if (!info) return;

  const Variant discount = info->Value("Discount");
  const Variant auxPrice = info->Value("AuxPrice");
  // Both are compared before anything is written, so a price that is text
  // fails the action with nothing written.
  const bool noDiscount = IsNoneFound(discount);
  const bool noPrice = IsNoneFound(auxPrice);
  if (noDiscount && noPrice) return;
  if (!dctReturn) dctReturn = NewDictionary();
  if (!noDiscount) dctReturn->SetValue("P_Discount", discount);
  if (noPrice) return;

  double dPrice = vb::CDbl(auxPrice);
  if (lCalDiscount == 1 && !discount.IsNull() && vb::CDbl(discount) > 0) {
    dPrice = dPrice * (1 - vb::CDbl(discount) / 100);
  }
  // A profile that fails does so after "P_Discount" has been written.
  const int32_t lTaxInPrice = POOrderTaxInPrice(sPropString, sTaxInPrice);
  if (lTaxInPrice != 1) {
    dctReturn->SetValue("P_Price", dPrice);
    return;
  }
  if (lCalTax == 1) {
    // The tax is taken out of a tax-inclusive price: a division, not a
    // multiplication.
    dPrice = vb::CDbl(vb::Divide(dPrice, 1 + vb::CDbl(info->GetValue("CESS", 0)) / 100));
  }
  dctReturn->SetValue("P_TaxPrice", dPrice);
}

}  // namespace

ActionResult clsActionIC::GetSupplyInfo(DictionaryRef dctPara, DictionaryRef& dctReturn) {
  return TracedAction("LumoClassActionIC.clsActionIC.GetSupplyInfo 供应商信息查询",
                      "GetSupplyInfo:", [&] { LookUpSupplyPrice(Deref(dctPara), dctReturn); });
}

}  // namespace lumo
