// TevSer_PriceQueryPO: the user of a purchase bill picks a price in the
// host's supplier price viewer, preset to the bill's supplier and item. The
// price picked comes back with its supplier, currency, item, unit and
// discount; it is converted into the base currency when the bill gave no
// currency, and may lose the supplier's tax and discount.
#include <cstdint>
#include <string>

#include "core/cls_action_ic.h"
#include "core/para.h"
#include "core/query.h"
#include "core/traced_action.h"
#include "hostapi/supply_face.h"
#include "platform/error.h"
#include "platform/object.h"
#include "platform/vb.h"

namespace lumo {

namespace {

// The style codes of the bill's invoice, which fix the price type.
constexpr int32_t kOrdinaryInvoice = 12510;
constexpr int32_t kValueAddedTaxInvoice = 12511;

struct Request {
  bool bCallByBill = true;
  int32_t lSupID = 0;  // the bill's supplier, 0 for none
  int32_t lItemID = 0;
  std::string sItemID;      // empty when the bill gave no item
  std::string sCurrencyID;  // empty when the bill gave no currency
  int32_t lPriceType = 1;
  int32_t lCalSupTax = 0;
  int32_t lCalDiscount = 0;
  std::string sTaxInPrice;
  std::string sPropString;
};

Request ReadRequest(const Dictionary& para) {
  Request r;
  if (para.Lookup("P_CallByBill")) r.bCallByBill = vb::CBool(para.Value("P_CallByBill"));
  r.lSupID = LeadingWholeNumberOr(para, "P_SupID", 0);
  if (para.Lookup("P_ICItemID")) {
    r.lItemID = LeadingWholeNumberOr(para, "P_ICItemID", 0);
    r.sItemID = std::to_string(r.lItemID);
  }
  if (para.Lookup("P_CurrencyID")) {
    r.sCurrencyID = vb::DoubleToString(LeadingNumberOr(para, "P_CurrencyID", 0));
  }
  r.lPriceType = LeadingWholeNumberOr(para, "P_PriceType", 1);
  const int32_t lInvStyle = LeadingWholeNumberOr(para, "P_InvStyle", 0);
  r.lCalSupTax = WholeNumberOr(para, "P_CalSupTax", 0);
  r.lCalDiscount = WholeNumberOr(para, "P_CalDiscount", 0);
  r.sTaxInPrice = TextOf(para, "P_POOrderTaxInPrice");
  r.sPropString = TextOf(para, "PropString");

  if (lInvStyle == kOrdinaryInvoice) {
    r.lPriceType = 1;
  } else if (lInvStyle == kValueAddedTaxInvoice) {
    r.lPriceType = 2;
  }
  return r;
}

// The record the user picked in the viewer, or nullptr when none was.
RecordsetRef PickPriceRecord(const Request& r) {
  const auto viewer = CreateObjectAs<ISupplyFace>(kSupplyFaceProgId);
  viewer->SetCallByBill(r.bCallByBill);
  if (r.lSupID > 0) viewer->SetSelSupID(r.lSupID);
  if (r.lItemID > 0) viewer->SetSelICItemID(r.lItemID);
  viewer->SetCategoryBySupply(r.lItemID == 0);
  viewer->SetPriceType(r.lPriceType);
  viewer->Show(1);
  return viewer->ReturnRecordSet();
}

// The record's price in the base currency, by its currency's operator and
// rate (a NULL rate counts as 1). A currency without a row fails (3021).
double PriceInBaseCurrency(const Request& r, const Recordset& record) {
  const int32_t lCyID = vb::CLng(NullToDefault(record.Value("FCyID"), 0));
  const RecordsetRef currency = GetRecordset(
      r.sPropString,
      "SELECT FOperator,FExchangeRate FROM t_Currency WHERE FCurrencyID=" + std::to_string(lCyID));
  const Variant price = vb::CDbl(record.Value("FPrice"));
  const std::string sOperator = vb::CStr(NullToDefault(Deref(currency).Value("FOperator"), ""));
  const Variant rate = NullToDefault(currency->Value("FExchangeRate"), 1);
  currency->Close();
  if (sOperator == "*") return vb::CDbl(vb::Multiply(price, rate));
  if (sOperator == "/") return vb::CDbl(vb::Divide(price, rate));
  return price.AsDouble();
}

// Takes the supplier's tax out of a tax-inclusive price and its discount
// off the price, as the request asks; a supplier without a row has 0 of
// both.
double ApplySupplierTerms(const Request& r, int32_t lChosenSupID, int32_t lTaxInPrice,
                          double dPrice) {
  const bool takeTax = r.lCalSupTax == 1 && lTaxInPrice == 1;
  if (lChosenSupID <= 0 || !(takeTax || r.lCalDiscount == 1)) return dPrice;
  double dTaxRate = 0;
  double dDiscount = 0;
  if (const RecordsetRef supplier = GetRecordset(
          r.sPropString, "Select FValueAddRate,FDiscount from T_Supplier where FItemID=" +
                             std::to_string(lChosenSupID))) {
    if (supplier->RecordCount() > 0) {
      dTaxRate = vb::CDbl(NullToDefault(supplier->Value("FValueAddRate"), 0));
      dDiscount = vb::CDbl(NullToDefault(supplier->Value("FDiscount"), 0));
    }
    supplier->Close();
  }
  if (takeTax) dPrice = vb::CDbl(vb::Divide(dPrice, 1 + dTaxRate / 100));
  if (r.lCalDiscount == 1) dPrice = (1 - dDiscount / 100) * dPrice;
  return dPrice;
}

// Writes the record's values, in this order; a key whose condition fails
// is left out. Values written before an error stay written.
void WriteChoice(const Request& r, const Recordset& record, int32_t lChosenSupID,
                 int32_t lTaxInPrice, double dPrice, DictionaryRef& dctReturn) {
  if (!dctReturn) dctReturn = NewDictionary();
  // The bill's supplier is replaced only when it has none (or no item was
  // given); its currency only where that supplier rule lets the choice in.
  if (r.sItemID.empty() || (r.lSupID == 0 && lChosenSupID > 0)) {
    dctReturn->SetValue("P_FSupID", vb::CLng(NullToDefault(record.Value("FSupID"), 0)));
  }
  const Variant cyID = NullToDefault(record.Value("FCyID"), 1);
  if (!vb::Trim(r.sCurrencyID).empty() && vb::Val(r.sCurrencyID) != vb::CDbl(cyID) &&
      (r.sItemID.empty() || r.lSupID == lChosenSupID || r.lSupID == 0)) {
    dctReturn->SetValue("P_FCurrencyID", cyID);
  }
  dctReturn->SetValue("P_FItemID", NullToDefault(record.Value("FItemID"), 0));
  dctReturn->SetValue("P_FUnitID", NullToDefault(record.Value("FUnitID"), 0));
  dctReturn->SetValue(lTaxInPrice == 1 ? "P_FTaxPrice" : "P_FPrice", dPrice);
  dctReturn->SetValue("P_FDiscount", NullToDefault(record.Value("FDiscount"), 0));
}

void QueryPrice(const Dictionary& para, DictionaryRef& dctReturn) {
  const Request r = ReadRequest(para);
  const RecordsetRef record = PickPriceRecord(r);
  if (!record) return;

  const double dPrice = vb::Trim(r.sCurrencyID).empty() ? PriceInBaseCurrency(r, *record)
                                                        : vb::CDbl(record->Value("FPrice"));
  const int32_t lChosenSupID = vb::CLng(NullToDefault(record->Value("FSupID"), 0));
  const int32_t lTaxInPrice = POOrderTaxInPrice(r.sPropString, r.sTaxInPrice);
  WriteChoice(r, *record, lChosenSupID, lTaxInPrice,
              ApplySupplierTerms(r, lChosenSupID, lTaxInPrice, dPrice), dctReturn);
}

}  // namespace

ActionResult clsActionIC::PriceQueryPO(const DictionaryRef& dctPara, DictionaryRef& dctReturn) {
  return TracedAction("LumoClassActionIC.clsActionIC.PriceQueryPO 采购价格资料查询",
                      "PriceQueryPO:", [&] { QueryPrice(Deref(dctPara), dctReturn); });
}

}  // namespace lumo
