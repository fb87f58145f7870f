// TevSer_GetTaxRate: the tax rate a bill line should carry ("P_TaxRate").
// The tax-rate option (given, or the purchasing or sales side's profile
// switch) picks the source: below 1 the trading partner's value-added-tax
// rate, from 1 on the item master's rate of one item, a list of items or a
// whole column of items. A column costs one query: its rates are picked
// out of the one recordset through the indexed Filter.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/cls_action_ic.h"
#include "core/item_ids.h"
#include "core/para.h"
#include "core/query.h"
#include "core/traced_action.h"
#include "platform/error.h"
#include "platform/object.h"
#include "platform/vb.h"

namespace lumo {

namespace {

// The item ids of "P_ICItemID": the text that goes into the IN list, and
// for a column each non-blank element's index and text.
struct ItemIds {
  bool column = false;
  int32_t upperBound = 0;  // of the column
  std::string list;
  std::vector<std::pair<int32_t, std::string>> elements;
};

// A column's blank elements (and element 0) are left out; an element is
// one id, since each one is also the value of a Filter. One value is a
// comma-separated list of ids, or blank. Every id is written as the whole
// number it is.
ItemIds ReadItemIds(const Variant& value) {
  ItemIds ids;
  if (!value.IsArray()) {
    ids.list = vb::CStr(value);
    if (!vb::Trim(ids.list).empty()) ids.list = ItemIdList(ids.list, BlankPieces::Refused);
    return ids;
  }
  ids.column = true;
  const VbArray& column = value.AsArray();
  ids.upperBound = column.UBound();
  for (int32_t i = 1; i <= column.UBound(); ++i) {
    const std::string text = vb::CStr(column.at(i));
    if (vb::Trim(text).empty()) continue;
    std::string id = ItemIdText(text);
    ids.list += id + ",";
    ids.elements.emplace_back(i, std::move(id));
  }
  if (!ids.list.empty()) ids.list.pop_back();
  return ids;
}

// The value-added-tax rate of the partner (type 0 a customer or other
// organization, 1 a supplier); nullopt when there is none to write.
std::optional<Variant> PartnerRate(const std::string& sPropString, int32_t lCompanyType,
                                   int32_t lCompanyID) {
  if (lCompanyID <= 0) return std::nullopt;
  std::string sql;
  if (lCompanyType == 0) {
    sql = "SELECT FValueAddRate FROM t_Organization WHERE FItemID=" + std::to_string(lCompanyID);
  } else if (lCompanyType == 1) {
    sql = "SELECT FValueAddRate FROM t_Supplier WHERE FItemID=" + std::to_string(lCompanyID);
  }
  const RecordsetRef rs = GetRecordset(sPropString, sql);  // nullptr for an empty sql
  if (!rs || rs->RecordCount() <= 0) return std::nullopt;
  Variant rate = NullToDefault(rs->Value("FValueAddRate"), 0);
  rs->Close();
  return rate;
}

// The item master's rate: of the first row for one value, or an array
// 0 .. the column's upper bound with each listed element's rate; nullopt
// when the query finds no row at all. The ids are read here only: the
// partner's rate never looks at them, so they cannot fail it.
std::optional<Variant> ItemRates(const std::string& sPropString, const Dictionary& para) {
  const ItemIds ids = ReadItemIds(para.GetValue("P_ICItemID", ""));
  if (vb::Trim(ids.list).empty()) return std::nullopt;
  const RecordsetRef rs =
      GetRecordset(sPropString, "SELECT FTaxRate,FItemID FROM t_ICItemMaterial WHERE FItemID IN (" +
                                    ids.list + ")");
  if (!rs || rs->RecordCount() <= 0) return std::nullopt;
  if (!ids.column) {
    Variant rate = NullToDefault(rs->Value("FTaxRate"), 0);
    rs->Close();
    return rate;
  }
  VbArray rates(0, ids.upperBound);
  for (const auto& [index, text] : ids.elements) {
    rs->SetFilter("FItemID=" + text);
    // An id without a row leaves its element Empty; the other lines still
    // get their rates instead of the whole column failing.
    if (rs->RecordCount() > 0) rates.at(index) = NullToDefault(rs->Value("FTaxRate"), 0);
  }
  rs->Close();
  return rates;
}

// The action's body; nullopt is one of its early ends, which leave
// dctReturn untouched.
std::optional<Variant> TaxRate(const Dictionary& para) {
  const std::string sPropString = TextOf(para, "PropString");
  if (vb::Trim(sPropString).empty()) Raise(-1, "PropString", "Propstring is empty!");

  const int32_t lSystemType = LeadingWholeNumberOr(para, "P_SystemType", 0);
  const int32_t lCompanyType = LeadingWholeNumberOr(para, "P_CompanyType", 0);
  const int32_t lCompanyID = LeadingWholeNumberOr(para, "P_CompanyID", 0);
  std::string sOption = TextOf(para, "P_TaxRateOption");

  if (vb::Trim(sOption).empty()) {
    sOption = GetSystemProfile(sPropString, "IC",
                               lSystemType == 0 ? "PurTaxRateOption" : "SaleTaxRateOption");
  }
  if (vb::RoundToLong(vb::Val(sOption)) < 1) {
    return PartnerRate(sPropString, lCompanyType, lCompanyID);
  }
  return ItemRates(sPropString, para);
}

void WriteTaxRate(const Dictionary& para, DictionaryRef& dctReturn) {
  if (std::optional<Variant> rate = TaxRate(para)) {
    if (!dctReturn) dctReturn = NewDictionary();
    dctReturn->SetValue("P_TaxRate", std::move(*rate));
  }
}

}  // namespace

ActionResult clsActionIC::TevSer_GetTaxRate(const DictionaryRef& dctPara,
                                            DictionaryRef& dctReturn) {
  return TracedAction("LumoClassActionIC.clsActionIC.TevSer_GetTaxRate 携带税率",
                      "TevSer_GetTaxRate:", [&] { WriteTaxRate(Deref(dctPara), dctReturn); });
}

}  // namespace lumo
