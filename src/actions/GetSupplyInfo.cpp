// TevSer_GetSupplyInfo: the supplier's discount ("P_Discount") and unit
// price for one purchase line. The host's bill data-access component finds
// the price; this action builds its request from the line's values, may
// take the discount and the tax out of the price, and writes the price
// under "P_TaxPrice" when purchase-order prices include tax, else under
// "P_Price".
#include <cstdint>
#include <memory>
#include <optional>
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

// What the line asks the component for.
struct SupplyRequest {
  int32_t lSupplyID = 0, lCurrencyID = 1;
  double dExchangeRate = 1;
  int32_t lPriceType = 1, lItemID = 0, lUnitID = 0;
  double dAuxQty = 0;
  int32_t lGetPOPrice = 1, lCalDiscount = 0, lCalTax = 0;
  std::string sTaxInPrice, sPropString;
};

// nullopt for a line without an item or a unit, which ends the action
// before the keys after them are read.
std::optional<SupplyRequest> ReadRequest(const Dictionary& para) {
  SupplyRequest r;
  r.lSupplyID = WholeNumberOr(para, "P_SupplyID", 0);
  r.lCurrencyID = LeadingWholeNumberOr(para, "P_CurrencyID", 1);
  if (r.lCurrencyID == 0) r.lCurrencyID = 1;
  r.dExchangeRate = LeadingNumberOr(para, "P_ExChangeRate", 1);
  if (r.dExchangeRate == 0) r.dExchangeRate = 1;
  r.lPriceType = SwitchOr(para, "P_PriceType", 1);
  const int32_t lInvStyle = LeadingWholeNumberOr(para, "P_InvStyle", 0);
  r.lItemID = LeadingWholeNumberOr(para, "P_ICItemID", 0);
  if (r.lItemID == 0) return std::nullopt;
  r.lUnitID = LeadingWholeNumberOr(para, "P_UnitID", 0);
  if (r.lUnitID == 0) return std::nullopt;

  r.dAuxQty = LeadingNumberOr(para, "P_AuxQty", 0);
  r.lGetPOPrice = SwitchOr(para, "P_GetICItemPOPrice", 1);
  r.lCalDiscount = LeadingWholeNumberOr(para, "P_CalDiscount", 0);
  r.lCalTax = LeadingWholeNumberOr(para, "P_CalTax", 0);
  r.sTaxInPrice = TextOf(para, "P_POOrderTaxInPrice");

  if (lInvStyle == kOrdinaryInvoice) {
    r.lPriceType = 1;
  } else if (lInvStyle == kValueAddedTaxInvoice) {
    r.lPriceType = 2;
  }
  r.sPropString = TextOf(para, "PropString");
  return r;
}

// The component's answer; nullptr when it found no supplier information.
DictionaryRef AskSupplierInformation(const SupplyRequest& r) {
  auto request = NewDictionary();
  request->SetValue("SupplyID", r.lSupplyID);
  request->SetValue("ItemID", r.lItemID);
  request->SetValue("UnitID", r.lUnitID);
  request->SetValue("AuxQty", r.dAuxQty);
  request->SetValue("CurrencyID", r.lCurrencyID);
  request->SetValue("ExChangeRate", r.dExchangeRate);
  request->SetValue("PriceType", r.lPriceType);
  request->SetValue("TranType", static_cast<int16_t>(r.lGetPOPrice == 1 ? 0 : 5));
  const auto getData = CreateObjectAs<IBillGetData>(kBillGetDataProgId);
  return SupplierInformation(getData->GetSupplyInfo(r.sPropString, request));
}

// Writes the discount and the price that the answer has, the price without
// the discount and the tax as the request asks.
void WriteSupplyPrice(const SupplyRequest& r, const Dictionary& info, DictionaryRef& dctReturn) {
  const Variant discount = info.Value("Discount");
  const Variant auxPrice = info.Value("AuxPrice");
  // Both are compared before anything is written, so a price that is text
  // fails the action with nothing written.
  const bool noDiscount = IsNoneFound(discount);
  const bool noPrice = IsNoneFound(auxPrice);
  if (noDiscount && noPrice) return;
  if (!dctReturn) dctReturn = NewDictionary();
  if (!noDiscount) dctReturn->SetValue("P_Discount", discount);
  if (noPrice) return;

  double dPrice = vb::CDbl(auxPrice);
  if (r.lCalDiscount == 1 && !discount.IsNull() && vb::CDbl(discount) > 0) {
    dPrice = dPrice * (1 - vb::CDbl(discount) / 100);
  }
  // A profile that fails does so after "P_Discount" has been written.
  const int32_t lTaxInPrice = POOrderTaxInPrice(r.sPropString, r.sTaxInPrice);
  if (lTaxInPrice != 1) {
    dctReturn->SetValue("P_Price", dPrice);
    return;
  }
  if (r.lCalTax == 1) {
    // The tax is taken out of a tax-inclusive price: a division, not a
    // multiplication.
    dPrice = vb::CDbl(vb::Divide(dPrice, 1 + vb::CDbl(info.GetValue("CESS", 0)) / 100));
  }
  dctReturn->SetValue("P_TaxPrice", dPrice);
}

// The action's body; a return before the first write is one of its early
// ends, which leave dctReturn untouched.
void LookUpSupplyPrice(const Dictionary& para, DictionaryRef& dctReturn) {
  const std::optional<SupplyRequest> request = ReadRequest(para);
  if (!request) return;
  if (const DictionaryRef info = AskSupplierInformation(*request)) {
    WriteSupplyPrice(*request, *info, dctReturn);
  }
}

}  // namespace

ActionResult clsActionIC::GetSupplyInfo(const DictionaryRef& dctPara, DictionaryRef& dctReturn) {
  return TracedAction("LumoClassActionIC.clsActionIC.GetSupplyInfo 供应商信息查询",
                      "GetSupplyInfo:", [&] { LookUpSupplyPrice(Deref(dctPara), dctReturn); });
}

}  // namespace lumo
