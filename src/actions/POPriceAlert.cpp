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

ActionResult clsActionIC::TevSer_POPriceAlert(DictionaryRef dctPara, DictionaryRef& dctReturn) {
  const int32_t trace =
      TraceBegin("LumoClassActionIC.clsActionIC.TevSer_POPriceAlert 采购单价预警");

  const Dictionary& para = Deref(dctPara);
  const std::string sPropString = TextOf(para, "PropString");
  // Read for the host's signature; the bill type itself is not needed.
  [[maybe_unused]] const Variant dctClassType = para.GetValue("dctClassType", nullptr);
  const DictionaryRef dctTableInfo = CollectionOf<Dictionary>(para, "dctTableInfo");
  const DictionaryRef dctData = CollectionOf<Dictionary>(para, "dctData");
  const VectorRef vctClassTypeEntry = CollectionOf<Vector>(para, "vctClassTypeEntry");

  FieldKeys keys;
  keys.supply = TrimmedTextOf(para, "P_SupplyKEY");
  keys.currency = TrimmedTextOf(para, "P_CurrencyKEY");
  keys.exchangeRate = TrimmedTextOf(para, "P_ExChangeRateKEY");
  LineValues line;
  line.priceType = WholeNumberOr(para, "P_PriceType", 1);
  keys.price = TrimmedTextOf(para, "P_PriceKEY");
  keys.taxPrice = TrimmedTextOf(para, "P_TaxPriceKEY");
  keys.item = TrimmedTextOf(para, "P_ItemKEY");
  keys.unit = TrimmedTextOf(para, "P_UnitKEY");
  keys.taxRate = TrimmedTextOf(para, "P_TaxRateKEY");
  keys.discountRate = TrimmedTextOf(para, "P_DiscountRateKEY");
  keys.invStyle = TrimmedTextOf(para, "P_InvStyleKey");
  const int32_t mode = WholeNumberOr(para, "P_SaveOrApprove", 0);
  const int32_t decimalsSwitch = LeadingWholeNumberOr(para, "P_SaveOrApprove", 0);

  // The configured keys, each once, in this order.
  Dictionary configured;
  for (const std::string* key :
       {&keys.supply, &keys.currency, &keys.exchangeRate, &keys.price, &keys.taxPrice, &keys.item,
        &keys.unit, &keys.taxRate, &keys.discountRate, &keys.invStyle}) {
    if (!key->empty()) configured.SetValue(*key, true);
  }

  const AlertOptions options = ReadOptions(sPropString);
  if (!Checked(options, mode)) {
    TraceEnd(trace, 0);
    return 0;
  }

  // Header fields get their cell now; entry fields (of the first entry page
  // that a configured key lies on) get theirs per line.
  int32_t entryPage = 0;
  auto headerFields = NewDictionary();
  Dictionary entryFields;
  for (int32_t i = 1; i <= configured.Count(); ++i) {
    const std::string& key = configured.Name(i);
    const DictionaryRef info = GetFieldInfo(dctTableInfo, key);
    if (!info) continue;
    const int32_t page = vb::CLng(info->Value("FPage"));
    const int32_t entryType = vb::CLng(
        ObjectAs<Dictionary>(Deref(vctClassTypeEntry).Item(page))->GetValue("FEntryType", 0));
    if (entryType != 0) {
      if (entryPage == 0 && page > 0) entryPage = page;
      if (entryPage == page) entryFields.SetValue(key, nullptr);
    } else {
      headerFields->SetValue(key, nullptr);
    }
  }
  for (int32_t i = 1; i <= headerFields->Count(); ++i) {
    const std::string key = headerFields->Name(i);
    headerFields->SetValue(key, GetFieldCell(key, dctTableInfo, vctClassTypeEntry, dctData, 1));
  }

  const VectorRef overLimit = CreateOverLimitList(options.poOrderTaxInPrice);
  if (entryPage < 1) {
    TraceEnd(trace, 0);
    return 0;
  }
  const VectorRef lines =
      ObjectAs<Vector>(Deref(dctData).Value("Page" + std::to_string(entryPage)));

  // The items of all lines in one query.
  std::string itemList;
  for (int32_t j = lines->LowerBound(); j <= lines->UpperBound(); ++j) {
    const DictionaryRef cell = GetFieldCell(keys.item, dctTableInfo, vctClassTypeEntry, dctData, j);
    itemList += vb::CStr(vb::Val(Deref(cell).GetValue("FFLD", -1))) + ",";
  }
  DictionaryRef items;
  if (!itemList.empty()) {
    itemList.pop_back();
    items = RecordsetToDictionary(
        GetRecordset(sPropString,
                     "Select FItemID,FNumber,FName,FModel From t_ICItemCore where FItemID In ( " +
                         itemList + " )"),
        "FItemID", "");
  }
  if (!items) items = NewDictionary();

  DictionaryRef row;  // the row record of the line being tested
  {
    const auto sysInfo = CreateObjectAs<ISysInfo>(kSysInfoProgId);
    std::string props = sPropString;  // the component takes every argument by reference
    for (int32_t j = lines->LowerBound(); j <= lines->UpperBound(); ++j) {
      row = entryFields.Clone();
      for (int32_t i = 1; i <= row->Count(); ++i) {
        const std::string key = row->Name(i);
        row->SetValue(key, GetFieldCell(key, dctTableInfo, vctClassTypeEntry, dctData, j));
      }
      row->Merge(*headerFields, 0);

      if (!keys.invStyle.empty() && row->Lookup(keys.invStyle)) {
        const int32_t style =
            vb::RoundToLong(vb::Val(CellEntry(*row, keys.invStyle, "FFLD", 12510)));
        line.priceType = style == kVatInvoiceStyle ? 0 : 1;
      }
      const auto id = [&](const std::string& key, int32_t& value) {
        if (row->Lookup(key)) value = vb::RoundToLong(vb::Val(CellEntry(*row, key, "FFLD", 0)));
      };
      id(keys.supply, line.supplierId);
      id(keys.currency, line.currencyId);
      id(keys.item, line.itemId);
      if (row->Lookup(keys.exchangeRate)) {
        line.exchangeRate = vb::Val(CellEntry(*row, keys.exchangeRate, "FFLD", 0));
      }
      id(keys.unit, line.unitId);
      if (line.itemId <= 0 || line.supplierId <= 0 || line.currencyId <= 0) continue;

      line.maxPrice = vb::CDbl(sysInfo->GetPOMaxHighPrice(
          props, line.supplierId, line.itemId, line.currencyId, line.exchangeRate, line.priceType));
      line.decimals =
          decimalsSwitch == 1
              ? options.sInvoiceDecimal
              : vb::RoundToLong(vb::Val(CellEntry(*row, keys.item, "FPriceDecimal", 0)));
      sysInfo->GetCoeAndScale(props, line.unitId, line.coefficient, line.scale);
      if (line.coefficient + line.scale > 0) line.maxPrice *= line.coefficient + line.scale;

      // The bill's price on the basis of the maximum price: with or without tax.
      const bool taxPriceGiven = options.poOrderTaxInPrice && !keys.taxPrice.empty();
      const std::string& priceKey = taxPriceGiven ? keys.taxPrice : keys.price;
      if (row->Lookup(priceKey)) line.billPrice = vb::CDbl(CellEntry(*row, priceKey, "FFLD", 0));
      if (options.poOrderTaxInPrice && keys.taxPrice.empty()) {
        if (row->Lookup(keys.taxRate)) {
          line.taxRate = vb::CDbl(CellEntry(*row, keys.taxRate, "FFLD", 0));
        }
        line.billPrice = (line.taxRate + 100) * line.billPrice / 100;
      }
      if (!keys.discountRate.empty() && row->Lookup(keys.discountRate)) {
        line.discountRate = vb::CDbl(CellEntry(*row, keys.discountRate, "FFLD", 0));
      }
      if (line.discountRate > 0) line.billPrice = (1 - line.discountRate / 100) * line.billPrice;

      const std::string pattern = PricePattern(line.decimals);
      const double maxRounded = Rounded(line.maxPrice, pattern);
      const double billRounded = Rounded(line.billPrice, pattern);
      line.priceDiff = billRounded - maxRounded;
      if (maxRounded >= 0 && line.priceDiff > 0) {
        const DictionaryRef item = ObjectAs<Dictionary>(items->Value(vb::CStr(line.itemId)));
        auto record = NewDictionary();
        record->SetValue("FEntryID", j);
        record->SetValue("FItemNumber", item->GetValue("FNumber", ""));
        record->SetValue("FItemName", item->GetValue("FName", ""));
        record->SetValue("FItemModel", item->GetValue("FModel", ""));
        record->SetValue("FUnitName", CellEntry(*row, keys.unit, "FDSP", 0));
        record->SetValue("FCurrency", CellEntry(*row, keys.currency, "FDSP", 0));
        record->SetValue("FExchangeRate", line.exchangeRate);
        record->SetValue("MaxHighPrice", vb::Format(maxRounded, pattern));
        record->SetValue("BillPrice", vb::Format(billRounded, pattern));
        record->SetValue("FPriceDiff", vb::Format(line.priceDiff, pattern));
        overLimit->Add(record);
      }
    }
  }  // the system-information component is released after the last line

  if (overLimit->UpperBound() > 3 && AnsweredNo(overLimit, *row, keys.supply)) {
    if (!dctReturn) dctReturn = NewDictionary();
    dctReturn->SetValue("CancelSeries", true);
  }

  TraceEnd(trace, 0);
  return 0;
}

}  // namespace lumo
