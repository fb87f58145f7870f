// TevSer_UpdateItemPrice: writes the prices of the bill being saved back into
// the item master, as one UPDATE built from the bill's template description.
// Every item of the bill's entry lines gets the price of its last line (the
// highest line index), converted for tax, exchange rate, discount and unit
// coefficient and rounded to the item's price decimals: the purchase price
// (P_PriceType 0) or the sale price (any other type). The database reads the
// prices from the saved bill tables; of the bill in memory only its id and
// its red/blue flag are read. Errors are not passed on: the result is 1.
#include <cstdint>
#include <string>
#include <string_view>

#include "collections/vector.h"
#include "core/bill.h"
#include "core/cls_action_ic.h"
#include "core/lang.h"
#include "core/para.h"
#include "core/props.h"
#include "core/query.h"
#include "core/trace.h"
#include "platform/error.h"
#include "platform/vb.h"

namespace lumo {

namespace {

constexpr const char* kSource = "TevSer_UpdateItemPrice";

// Mended: names from the bill description went into the statement as they
// stood. Only plain names pass, so no description can change what the
// statement does.
std::string PlainName(std::string name, std::string_view what) {
  if (!IsPlainSqlName(name)) {
    Raise(-1, kSource, std::string(what) + " is not a plain SQL name: \"" + name + "\"");
  }
  return name;
}

struct PriceTarget {
  const char* column;
  const char* table;
};

// The bill as the statement sees it: its description and the two pages
// that the configured fields lie on.
struct BillTables {
  DictionaryRef classType, tableInfo;
  VectorRef classTypeEntry;
  int32_t headerPage = 0, entryPage = 0;

  DictionaryRef PageInfo(int32_t page) const {
    return ObjectAs<Dictionary>(Deref(classTypeEntry).Item(page));
  }
  bool IsEntryPage(int32_t page) const {
    return vb::CLng(PageInfo(page)->GetValue("FEntryType", 0)) != 0;
  }
  // The bill's first header page; 0 when it has none.
  int32_t FirstHeaderPage() const {
    const Vector& pages = Deref(classTypeEntry);
    for (int32_t page = pages.LowerBound(); page <= pages.UpperBound(); ++page) {
      if (!IsEntryPage(page)) return page;
    }
    return 0;
  }
  std::string TableOf(int32_t page) const {
    return PlainName(vb::CStr(PageInfo(page)->GetValue("FTableName", "")),
                     "The table of page " + std::to_string(page));
  }
  std::string ClassTypeColumn(std::string_view key) const {
    return PlainName(vb::CStr(Deref(classType).Value(key)), key);
  }
  // The field's column under its page's alias, as Page2.FPrice.
  std::string Qualified(const std::string& fieldKey) const {
    std::string prefix = "Page";
    std::string name = GetFieldSqlName(fieldKey, tableInfo, prefix);
    const size_t point = name.find('.');
    const std::string_view alias = std::string_view(name).substr(0, point);
    if (point == std::string::npos || !IsPlainSqlName(alias)) {
      Raise(-1, kSource, "The field " + fieldKey + " has no column: \"" + name + "\"");
    }
    PlainName(name.substr(point + 1), "The column of the field " + fieldKey);
    return name;
  }
  // The field's column alone.
  std::string Bare(const std::string& fieldKey) const {
    std::string noPrefix;
    return PlainName(GetFieldSqlName(fieldKey, tableInfo, noPrefix),
                     "The column of the field " + fieldKey);
  }
};

// What dctPara asks for: the bill, and the field keys of the values the
// price is made of ("" for one not configured).
struct PriceUpdate {
  BillTables bill;
  DictionaryRef dctData;
  int32_t lPriceType = 0;
  std::string sCurrencyKey, sExchangeRateKey, sItemKey, sPriceKey, sUnitKey, sTaxRateKey,
      sDiscountRateKey;
  int32_t lTaxInPrice = 0, lTargetTaxInPrice = 0;
  std::string sROBKey;
};

PriceUpdate ReadRequest(const Dictionary& para) {
  PriceUpdate u;
  u.bill.classType = CollectionOf<Dictionary>(para, "dctClassType");
  u.bill.tableInfo = CollectionOf<Dictionary>(para, "dctTableInfo");
  u.dctData = CollectionOf<Dictionary>(para, "dctData");
  u.bill.classTypeEntry = CollectionOf<Vector>(para, "vctClassTypeEntry");
  u.lPriceType = LeadingWholeNumberOr(para, "P_PriceType", 0);
  u.sCurrencyKey = TrimmedTextOf(para, "P_CurrencyKEY");
  u.sExchangeRateKey = TrimmedTextOf(para, "P_ExChangeRateKEY");
  u.sItemKey = TrimmedTextOf(para, "P_ItemKEY");
  u.sPriceKey = TrimmedTextOf(para, "P_PriceKEY");
  u.sUnitKey = TrimmedTextOf(para, "P_UnitKEY");
  u.sTaxRateKey = TrimmedTextOf(para, "P_TaxRateKEY");
  u.sDiscountRateKey = TrimmedTextOf(para, "P_DiscountRateKEY");
  u.lTaxInPrice = LeadingWholeNumberOr(para, "P_TaxInPrice", 0);
  u.lTargetTaxInPrice = LeadingWholeNumberOr(para, "P_TargetTaxInPrice", 0);
  u.sROBKey = TrimmedTextOf(para, "P_ROBKEY");

  if (u.sItemKey.empty()) Raise(-1, kSource, GetLangText("函数没有配置物料字段"));
  if (u.sPriceKey.empty()) Raise(-1, kSource, GetLangText("函数没有配置价格字段"));
  return u;
}

// The header page is that of the first configured header field, the entry
// page that of the first configured entry field, in this order. Returns
// whether the red/blue flag lies on a header page.
bool FindPages(PriceUpdate& u) {
  BillTables& bill = u.bill;
  bool robOnHeader = false;
  for (const std::string* key : {&u.sCurrencyKey, &u.sExchangeRateKey, &u.sItemKey, &u.sPriceKey,
                                 &u.sUnitKey, &u.sTaxRateKey, &u.sDiscountRateKey, &u.sROBKey}) {
    const DictionaryRef info = GetFieldInfo(bill.tableInfo, *key);
    if (!info) continue;  // blank or not described
    const int32_t page = vb::CLng(info->Value("FPage"));
    if (bill.IsEntryPage(page)) {
      if (bill.entryPage == 0 && page >= 1) bill.entryPage = page;
    } else {
      if (bill.headerPage == 0 && page >= 1) bill.headerPage = page;
      if (*key == u.sROBKey) robOnHeader = true;
    }
  }

  // Filled in: with no configured field on a header page (only the item
  // and the price configured) the statement would name a page 0 that no
  // bill has. The bill's first header page holds the id it selects by.
  if (bill.headerPage == 0) bill.headerPage = bill.FirstHeaderPage();
  return robOnHeader;
}

// A red bill (flag 1 on a header page) changes no prices.
bool IsRedBill(const PriceUpdate& u, bool robOnHeader) {
  if (!robOnHeader) return false;
  const DictionaryRef cell =
      GetFieldCell(u.sROBKey, u.bill.tableInfo, u.bill.classTypeEntry, u.dctData, 1);
  return cell && vb::CLng(cell->Value("FFLD")) == 1;
}

// The one UPDATE: the price of each item's last entry line, converted and
// rounded, into the item master.
std::string PriceUpdateSql(const PriceUpdate& u) {
  const BillTables& bill = u.bill;
  const PriceTarget target = u.lPriceType == 0 ? PriceTarget{"FOrderPrice", "t_ICItemCore"}
                                               : PriceTarget{"FSalePrice", "t_ICItemMaterial"};
  const std::string h = std::to_string(bill.headerPage);
  const std::string e = std::to_string(bill.entryPage);
  const std::string sEntryTable = bill.TableOf(bill.entryPage);
  const std::string sHeaderTable = bill.TableOf(bill.headerPage);
  const std::string sKey = bill.ClassTypeColumn("FPrimaryKey");
  const std::string sIndex = bill.ClassTypeColumn("FIndexKey");
  const std::string sItem = bill.Qualified(u.sItemKey);
  // Mended: the bill's id went into the statement as it stood.
  const std::string sFID = vb::CStr(Deref(u.dctData).Value("FID"));
  if (!IsWholeNumberText(sFID)) {
    Raise(-1, kSource, "The bill's FID is not a whole number: \"" + sFID + "\"");
  }

  std::string sql = "Update t0 set t0." + std::string(target.column) + " = ";
  sql += "Round( " + bill.Qualified(u.sPriceKey);
  if (!u.sTaxRateKey.empty()) {
    if (u.lTargetTaxInPrice == 1 && u.lTaxInPrice == 0) {
      sql += " * (( 100 + " + bill.Qualified(u.sTaxRateKey) + " ) / 100 ) ";
    } else if (u.lTargetTaxInPrice != 1 && u.lTaxInPrice == 1) {
      sql += " * ( 100 / ( 100 + " + bill.Qualified(u.sTaxRateKey) + " ) ) ";
    }
  }
  if (!u.sExchangeRateKey.empty()) sql += " * " + bill.Qualified(u.sExchangeRateKey);
  if (!u.sDiscountRateKey.empty()) {
    sql += " * ((100 - " + bill.Qualified(u.sDiscountRateKey) + ")  / 100 ) ";
  }
  if (!u.sUnitKey.empty()) {
    sql += " / (Case When IsNull(t2.FCoefficient,0) = 0 then 1 else t2.FCoefficient end ) ";
  }
  sql += " , t1.FPriceDecimal)\r\n";
  sql += "From " + sEntryTable + " Page" + e + "\r\n";
  sql += "Inner Join " + sHeaderTable + " Page" + h + " On Page" + h + "." + sKey + " = Page" + e +
         "." + sKey + "\r\n";
  sql += "Inner Join " + std::string(target.table) + " t0 on t0.FItemID = " + sItem + "\r\n";
  sql += "Inner Join t_ICItem t1 on t1.FItemID = " + sItem + "\r\n";
  if (!u.sUnitKey.empty()) {
    sql +=
        "Left Join t_MeasureUnit t2 on t2.FMeasureUnitID = " + bill.Qualified(u.sUnitKey) + "\r\n";
  }
  sql += "Where Page" + h + "." + sKey + " = " + sFID + "\r\n";
  sql += " AND Page" + e + "." + sIndex + " = ";
  sql += "( Select Max(" + sIndex + ") From " + sEntryTable;
  sql += " Where " + sKey + " = Page" + e + "." + sKey;
  sql += " And " + bill.Bare(u.sItemKey) + " = " + sItem + " )";
  return sql;
}

}  // namespace

ActionResult clsActionIC::TevSer_UpdateItemPrice(const DictionaryRef& dctPara, DictionaryRef&) {
  const int32_t trace =
      TraceBegin("LumoClassActionIC.clsActionIC.TevSer_UpdateItemPrice 更新物料的价格资料");
  try {
    PriceUpdate update = ReadRequest(Deref(dctPara));
    const bool robOnHeader = FindPages(update);
    if (!IsRedBill(update, robOnHeader)) {
      // The session's own property string, not the one in dctPara.
      GetRecordset(GetPropsString(), PriceUpdateSql(update));
    }
    TraceEnd(trace, 1);
    return 0;
  } catch (...) {
    KeepTrappedError(CurrentException());
    TraceEnd(trace, 1);
    return 1;
  }
}

}  // namespace lumo
