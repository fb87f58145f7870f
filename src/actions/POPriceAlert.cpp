// TevSer_POPriceAlert: guards the maximum purchase prices when a purchase
// order is saved or approved. When the system profile has purchase price
// management and the maximum-price alert on, every entry line's price is
// brought to the basis of its maximum price (unit, tax, discount), both are
// rounded to the same decimals, and the lines above their maximum are shown
// in the item list dialog. "CancelSeries" = True in dctReturn, written when
// the user answers No or closes the dialog, tells the host to cancel the
// save or approval. The order itself is never changed.
//
// The action traps nothing: an error ends it and DoAction returns 0.
#include <cstdint>
#include <string>

#include "collections/dictionary.h"
#include "collections/vector.h"
#include "core/bill.h"
#include "core/cls_action_ic.h"
#include "core/lang.h"
#include "core/para.h"
#include "core/query.h"
#include "core/trace.h"
#include "dialog/frm_oos.h"
#include "hostapi/sys_info.h"
#include "platform/error.h"
#include "platform/object.h"
#include "platform/vb.h"

namespace lumo {

namespace {

constexpr const char* kOptionsSql =
    "Select FKey,FValue From t_SystemProfile Where FCategory = 'IC' "
    "AND FKey in ('IsUsePurPrcMgr', 'AlertPOMaxPrice', 'AlertHighPriceWhenCheck', "
    "'POOrderTaxInPrice', 'SInvoiceDecimal')";
constexpr int32_t kVatInvoiceStyle = 12511;

struct AlertOptions {
  bool usePurPrcMgr = false;
  bool alertPOMaxPrice = false;
  bool alertHighPriceWhenCheck = false;  // True: check on approval, False: on saving
  bool poOrderTaxInPrice = false;
  int32_t sInvoiceDecimal = 4;
};

// The field keys under which the order holds each value.
struct FieldKeys {
  std::string supply, currency, exchangeRate, price, taxPrice, item, unit, taxRate, discountRate,
      invStyle;
};

// What dctPara asks of the alert.
struct AlertRequest {
  std::string sPropString;
  DictionaryRef dctTableInfo, dctData;
  VectorRef vctClassTypeEntry;
  FieldKeys keys;
  int32_t priceType = 1;       // until a line's invoice style sets it
  int32_t mode = 0;            // 0 saving, 1 approval
  int32_t decimalsSwitch = 0;  // 1: every line is rounded to the invoice decimals
};

// Where the configured fields lie: the header fields with their cells, and
// the fields of the first entry page that a configured key lies on, whose
// cells each line gives.
struct FieldLayout {
  int32_t entryPage = 0;
  DictionaryRef headerFields = NewDictionary();
  DictionaryRef entryFields = NewDictionary();
};

// The values of the line being tested. Kept: none is reset between lines,
// so a value that a line does not supply is the previous line's.
struct LineValues {
  int32_t supplierId = 0, currencyId = 0, itemId = 0, unitId = 0;
  double exchangeRate = 0;
  int32_t priceType = 0;
  double maxPrice = 0, billPrice = 0, taxRate = 0, discountRate = 0;
  double coefficient = 0, scale = 0;
  int32_t decimals = 0;
  double priceDiff = 0;
};

AlertRequest ReadRequest(const Dictionary& para) {
  AlertRequest request;
  request.sPropString = TextOf(para, "PropString");
  // Read for the host's signature; the bill type itself is not needed.
  [[maybe_unused]] const Variant dctClassType = para.GetValue("dctClassType", nullptr);
  request.dctTableInfo = CollectionOf<Dictionary>(para, "dctTableInfo");
  request.dctData = CollectionOf<Dictionary>(para, "dctData");
  request.vctClassTypeEntry = CollectionOf<Vector>(para, "vctClassTypeEntry");

  FieldKeys& keys = request.keys;
  keys.supply = TrimmedTextOf(para, "P_SupplyKEY");
  keys.currency = TrimmedTextOf(para, "P_CurrencyKEY");
  keys.exchangeRate = TrimmedTextOf(para, "P_ExChangeRateKEY");
  request.priceType = WholeNumberOr(para, "P_PriceType", 1);
  keys.price = TrimmedTextOf(para, "P_PriceKEY");
  keys.taxPrice = TrimmedTextOf(para, "P_TaxPriceKEY");
  keys.item = TrimmedTextOf(para, "P_ItemKEY");
  keys.unit = TrimmedTextOf(para, "P_UnitKEY");
  keys.taxRate = TrimmedTextOf(para, "P_TaxRateKEY");
  keys.discountRate = TrimmedTextOf(para, "P_DiscountRateKEY");
  keys.invStyle = TrimmedTextOf(para, "P_InvStyleKey");
  request.mode = WholeNumberOr(para, "P_SaveOrApprove", 0);
  request.decimalsSwitch = LeadingWholeNumberOr(para, "P_SaveOrApprove", 0);
  return request;
}

AlertOptions ReadOptions(const std::string& sPropString) {
  AlertOptions options;
  const DictionaryRef values =
      RecordsetToDictionary(GetRecordset(sPropString, kOptionsSql), "FKey", "FValue");
  if (!values) return options;
  options.usePurPrcMgr = vb::CBool(values->GetValue("IsUsePurPrcMgr", false));
  options.alertPOMaxPrice = vb::CBool(values->GetValue("AlertPOMaxPrice", false));
  options.alertHighPriceWhenCheck = vb::CBool(values->GetValue("AlertHighPriceWhenCheck", false));
  options.poOrderTaxInPrice = vb::CBool(values->GetValue("POOrderTaxInPrice", false));
  options.sInvoiceDecimal = vb::CLng(values->GetValue("SInvoiceDecimal", 4));
  return options;
}

// Whether this save (mode 0) or approval (mode 1) is to be checked; any
// other mode is checked whatever the setting.
bool Checked(const AlertOptions& options, int32_t mode) {
  if (!options.usePurPrcMgr || !options.alertPOMaxPrice) return false;
  if (mode == 0 && options.alertHighPriceWhenCheck) return false;
  if (mode == 1 && !options.alertHighPriceWhenCheck) return false;
  return true;
}

// An entry of the field's cell in a row record; error 91 when the record
// holds the key without a cell.
Variant CellEntry(const Dictionary& row, const std::string& key, const char* entry,
                  const Variant& defaultValue) {
  return ObjectAs<Dictionary>(row.Value(key))->GetValue(entry, defaultValue);
}

// "#,##0" with N decimals ("#,##0.00" for 2); a negative N is error 5.
std::string PricePattern(int32_t decimals) {
  if (decimals < 0) Raise(vberr::kInvalidCall);
  if (decimals == 0) return "#,##0";
  return "#,##0." + std::string(decimals, '0');
}

// Rounded through its formatted text, as the dialog shows it.
double Rounded(double value, const std::string& pattern) {
  return vb::CDbl(Variant(vb::Format(value, pattern)));
}

// Header fields get their cell now; entry fields get theirs per line.
FieldLayout LayOutFields(const AlertRequest& request) {
  const FieldKeys& keys = request.keys;
  // The configured keys, each once, in this order.
  Dictionary configured;
  for (const std::string* key :
       {&keys.supply, &keys.currency, &keys.exchangeRate, &keys.price, &keys.taxPrice, &keys.item,
        &keys.unit, &keys.taxRate, &keys.discountRate, &keys.invStyle}) {
    if (!key->empty()) configured.SetValue(*key, true);
  }

  FieldLayout layout;
  for (int32_t i = 1; i <= configured.Count(); ++i) {
    const std::string& key = configured.Name(i);
    const DictionaryRef info = GetFieldInfo(request.dctTableInfo, key);
    if (!info) continue;
    const int32_t page = vb::CLng(info->Value("FPage"));
    const int32_t entryType =
        vb::CLng(ObjectAs<Dictionary>(Deref(request.vctClassTypeEntry).Item(page))
                     ->GetValue("FEntryType", 0));
    if (entryType != 0) {
      if (layout.entryPage == 0 && page > 0) layout.entryPage = page;
      if (layout.entryPage == page) layout.entryFields->SetValue(key, nullptr);
    } else {
      layout.headerFields->SetValue(key, nullptr);
    }
  }
  Dictionary& headerFields = *layout.headerFields;
  for (int32_t i = 1; i <= headerFields.Count(); ++i) {
    const std::string key = headerFields.Name(i);
    headerFields.SetValue(key, GetFieldCell(key, request.dctTableInfo, request.vctClassTypeEntry,
                                            request.dctData, 1));
  }
  return layout;
}

// The item master's number, name and model of every line's item, by id, in
// one query.
DictionaryRef ItemsOfLines(const AlertRequest& request, const Vector& lines) {
  std::string itemList;
  for (int32_t j = lines.LowerBound(); j <= lines.UpperBound(); ++j) {
    const DictionaryRef cell = GetFieldCell(request.keys.item, request.dctTableInfo,
                                            request.vctClassTypeEntry, request.dctData, j);
    itemList += vb::CStr(vb::Val(Deref(cell).GetValue("FFLD", -1))) + ",";
  }
  DictionaryRef items;
  if (!itemList.empty()) {
    itemList.pop_back();
    items = RecordsetToDictionary(
        GetRecordset(request.sPropString,
                     "Select FItemID,FNumber,FName,FModel From t_ICItemCore where FItemID In ( " +
                         itemList + " )"),
        "FItemID", "");
  }
  return items ? items : NewDictionary();
}

// The row record of line j: the cells of the entry fields in that line, then
// those of the header fields.
DictionaryRef RowRecord(const AlertRequest& request, const FieldLayout& layout, int32_t j) {
  DictionaryRef row = layout.entryFields->Clone();
  for (int32_t i = 1; i <= row->Count(); ++i) {
    const std::string key = row->Name(i);
    row->SetValue(key, GetFieldCell(key, request.dctTableInfo, request.vctClassTypeEntry,
                                    request.dctData, j));
  }
  row->Merge(*layout.headerFields, 0);
  return row;
}

// The leading number of the field's stored value, where the row holds the
// field.
void ReadWholeNumber(const Dictionary& row, const std::string& key, int32_t& value) {
  if (row.Lookup(key)) value = vb::RoundToLong(vb::Val(CellEntry(row, key, "FFLD", 0)));
}

// The line's price type, supplier, currency, item, exchange rate and unit.
void ReadLineIds(const Dictionary& row, const FieldKeys& keys, LineValues& line) {
  if (!keys.invStyle.empty() && row.Lookup(keys.invStyle)) {
    const int32_t style = vb::RoundToLong(vb::Val(CellEntry(row, keys.invStyle, "FFLD", 12510)));
    line.priceType = style == kVatInvoiceStyle ? 0 : 1;
  }
  ReadWholeNumber(row, keys.supply, line.supplierId);
  ReadWholeNumber(row, keys.currency, line.currencyId);
  ReadWholeNumber(row, keys.item, line.itemId);
  if (row.Lookup(keys.exchangeRate)) {
    line.exchangeRate = vb::Val(CellEntry(row, keys.exchangeRate, "FFLD", 0));
  }
  ReadWholeNumber(row, keys.unit, line.unitId);
}

// The line's maximum price for its unit, and the decimals both prices are
// rounded to.
void ReadMaxPrice(ISysInfo& sysInfo, std::string& props, const AlertRequest& request,
                  int32_t invoiceDecimals, const Dictionary& row, LineValues& line) {
  line.maxPrice = vb::CDbl(sysInfo.GetPOMaxHighPrice(
      props, line.supplierId, line.itemId, line.currencyId, line.exchangeRate, line.priceType));
  line.decimals =
      request.decimalsSwitch == 1
          ? invoiceDecimals
          : vb::RoundToLong(vb::Val(CellEntry(row, request.keys.item, "FPriceDecimal", 0)));
  sysInfo.GetCoeAndScale(props, line.unitId, line.coefficient, line.scale);
  if (line.coefficient + line.scale > 0) line.maxPrice *= line.coefficient + line.scale;
}

// The bill's price on the basis of the maximum price: with or without tax,
// after the discount.
void ReadBillPrice(const Dictionary& row, const FieldKeys& keys, bool taxInPrice,
                   LineValues& line) {
  const bool taxPriceGiven = taxInPrice && !keys.taxPrice.empty();
  const std::string& priceKey = taxPriceGiven ? keys.taxPrice : keys.price;
  if (row.Lookup(priceKey)) line.billPrice = vb::CDbl(CellEntry(row, priceKey, "FFLD", 0));
  if (taxInPrice && keys.taxPrice.empty()) {
    if (row.Lookup(keys.taxRate)) line.taxRate = vb::CDbl(CellEntry(row, keys.taxRate, "FFLD", 0));
    line.billPrice = (line.taxRate + 100) * line.billPrice / 100;
  }
  if (!keys.discountRate.empty() && row.Lookup(keys.discountRate)) {
    line.discountRate = vb::CDbl(CellEntry(row, keys.discountRate, "FFLD", 0));
  }
  if (line.discountRate > 0) line.billPrice = (1 - line.discountRate / 100) * line.billPrice;
}

// The dialog's record of line j when its price is above its maximum, both
// rounded to the line's decimals; nullptr for a line within its maximum.
DictionaryRef OverLimitRecord(int32_t j, const Dictionary& row, const FieldKeys& keys,
                              const Dictionary& items, LineValues& line) {
  const std::string pattern = PricePattern(line.decimals);
  const double maxRounded = Rounded(line.maxPrice, pattern);
  const double billRounded = Rounded(line.billPrice, pattern);
  line.priceDiff = billRounded - maxRounded;
  const bool overLimit = maxRounded >= 0 && line.priceDiff > 0;
  if (!overLimit) return nullptr;
  const DictionaryRef item = ObjectAs<Dictionary>(items.Value(vb::CStr(line.itemId)));
  auto record = NewDictionary();
  record->SetValue("FEntryID", j);
  record->SetValue("FItemNumber", item->GetValue("FNumber", ""));
  record->SetValue("FItemName", item->GetValue("FName", ""));
  record->SetValue("FItemModel", item->GetValue("FModel", ""));
  record->SetValue("FUnitName", CellEntry(row, keys.unit, "FDSP", 0));
  record->SetValue("FCurrency", CellEntry(row, keys.currency, "FDSP", 0));
  record->SetValue("FExchangeRate", line.exchangeRate);
  record->SetValue("MaxHighPrice", vb::Format(maxRounded, pattern));
  record->SetValue("BillPrice", vb::Format(billRounded, pattern));
  record->SetValue("FPriceDiff", vb::Format(line.priceDiff, pattern));
  return record;
}

// Tests the lines of the entry page one after another and adds those above
// their maximum price to overLimit. Returns the last line's row record,
// whose supplier the dialog names.
DictionaryRef AddLinesOverLimit(const AlertRequest& request, const AlertOptions& options,
                                const FieldLayout& layout, Vector& overLimit) {
  const VectorRef lines =
      ObjectAs<Vector>(Deref(request.dctData).Value("Page" + std::to_string(layout.entryPage)));
  const DictionaryRef items = ItemsOfLines(request, *lines);
  const auto sysInfo = CreateObjectAs<ISysInfo>(kSysInfoProgId);
  std::string props = request.sPropString;  // the component takes every argument by reference
  LineValues line;
  line.priceType = request.priceType;
  DictionaryRef row;
  for (int32_t j = lines->LowerBound(); j <= lines->UpperBound(); ++j) {
    row = RowRecord(request, layout, j);
    ReadLineIds(*row, request.keys, line);
    if (line.itemId <= 0 || line.supplierId <= 0 || line.currencyId <= 0) continue;
    ReadMaxPrice(*sysInfo, props, request, options.sInvoiceDecimal, *row, line);
    ReadBillPrice(*row, request.keys, options.poOrderTaxInPrice, line);
    if (const DictionaryRef record = OverLimitRecord(j, *row, request.keys, *items, line)) {
      overLimit.Add(record);
    }
  }
  return row;  // the system-information component is released after the last line
}

// Shows the lines over their limit and asks whether to go on saving: true
// for No, or the window closed.
bool AnsweredNo(const VectorRef& overLimit, const Dictionary& lastRow,
                const std::string& supplyKey) {
  const auto form = std::make_shared<frmOOS>();
  form->SetOOSItemVect(overLimit);
  // Kept: the supplier is the one the last line's row record holds, even
  // when an earlier line named another.
  form->SetCaptionHeader(GetLangText("对于当前供应商") +
                         vb::CStr(CellEntry(lastRow, supplyKey, "FDSP", 0)) + "[" +
                         vb::CStr(CellEntry(lastRow, supplyKey, "FFND", 0)) +
                         GetLangText("]，以下物料超过采购最高限价："));
  form->SetCaptionFooter1(GetLangText("是否继续保存？"));
  form->SetCaptionFooter2("");
  form->SetCaption(GetLangText("采购最高限价报警和控制"));
  form->SetShowType(0);
  form->Show();
  const bool no = form->ReturnCode() == kAnswerNo;
  form->Unload();
  return no;
}

}  // namespace

ActionResult clsActionIC::TevSer_POPriceAlert(const DictionaryRef& dctPara,
                                              DictionaryRef& dctReturn) {
  const int32_t trace =
      TraceBegin("LumoClassActionIC.clsActionIC.TevSer_POPriceAlert 采购单价预警");
  const AlertRequest request = ReadRequest(Deref(dctPara));
  const AlertOptions options = ReadOptions(request.sPropString);
  if (!Checked(options, request.mode)) {
    TraceEnd(trace, 0);
    return 0;
  }
  const FieldLayout layout = LayOutFields(request);
  const VectorRef overLimit = CreateOverLimitList(options.poOrderTaxInPrice);
  if (layout.entryPage < 1) {
    TraceEnd(trace, 0);
    return 0;
  }
  const DictionaryRef lastRow = AddLinesOverLimit(request, options, layout, *overLimit);
  if (overLimit->UpperBound() > 3 && AnsweredNo(overLimit, *lastRow, request.keys.supply)) {
    if (!dctReturn) dctReturn = NewDictionary();
    dctReturn->SetValue("CancelSeries", true);
  }
  TraceEnd(trace, 0);
  return 0;
}

}  // namespace lumo
