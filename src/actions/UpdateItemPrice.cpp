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
    const std::string name = GetFieldSqlName(fieldKey, tableInfo, prefix);
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

}  // namespace

ActionResult clsActionIC::TevSer_UpdateItemPrice(DictionaryRef dctPara, DictionaryRef&) {
  const int32_t trace =
      TraceBegin("LumoClassActionIC.clsActionIC.TevSer_UpdateItemPrice 更新物料的价格资料");
  try {
    const Dictionary& para = Deref(dctPara);
    BillTables bill;
    bill.classType = CollectionOf<Dictionary>(para, "dctClassType");
    bill.tableInfo = CollectionOf<Dictionary>(para, "dctTableInfo");
    const DictionaryRef dctData = CollectionOf<Dictionary>(para, "dctData");
    bill.classTypeEntry = CollectionOf<Vector>(para, "vctClassTypeEntry");
    const int32_t lPriceType = LeadingWholeNumberOr(para, "P_PriceType", 0);
    const std::string sCurrencyKey = TrimmedTextOf(para, "P_CurrencyKEY");
    const std::string sExchangeRateKey = TrimmedTextOf(para, "P_ExChangeRateKEY");
    const std::string sItemKey = TrimmedTextOf(para, "P_ItemKEY");
    const std::string sPriceKey = TrimmedTextOf(para, "P_PriceKEY");
    const std::string sUnitKey = TrimmedTextOf(para, "P_UnitKEY");
    const std::string sTaxRateKey = TrimmedTextOf(para, "P_TaxRateKEY");
    const std::string sDiscountRateKey = TrimmedTextOf(para, "P_DiscountRateKEY");
    const int32_t lTaxInPrice = LeadingWholeNumberOr(para, "P_TaxInPrice", 0);
    const int32_t lTargetTaxInPrice = LeadingWholeNumberOr(para, "P_TargetTaxInPrice", 0);
    const std::string sROBKey = TrimmedTextOf(para, "P_ROBKEY");

    if (sItemKey.empty()) Raise(-1, kSource, GetLangText("函数没有配置物料字段"));
    if (sPriceKey.empty()) Raise(-1, kSource, GetLangText("函数没有配置价格字段"));

    // The header page is that of the first configured header field, the entry
    // page that of the first configured entry field, in this order.
    bool robOnHeader = false;
    for (const std::string* key : {&sCurrencyKey, &sExchangeRateKey, &sItemKey, &sPriceKey,
                                   &sUnitKey, &sTaxRateKey, &sDiscountRateKey, &sROBKey}) {
      const DictionaryRef info = GetFieldInfo(bill.tableInfo, *key);
      if (!info) continue;  // blank or not described
      const int32_t page = vb::CLng(info->Value("FPage"));
      if (bill.IsEntryPage(page)) {
        if (bill.entryPage == 0 && page >= 1) bill.entryPage = page;
      } else {
        if (bill.headerPage == 0 && page >= 1) bill.headerPage = page;
        if (*key == sROBKey) robOnHeader = true;
      }
    }

    // Filled in: with no configured field on a header page (only the item
    // and the price configured) the statement would name a page 0 that no
    // bill has. The bill's first header page holds the id it selects by.
    if (bill.headerPage == 0) bill.headerPage = bill.FirstHeaderPage();

    // A red bill (flag 1) changes no prices.
    if (robOnHeader) {
      const DictionaryRef cell =
          GetFieldCell(sROBKey, bill.tableInfo, bill.classTypeEntry, dctData, 1);
      if (cell && vb::CLng(cell->Value("FFLD")) == 1) {
        TraceEnd(trace, 1);
        return 0;
      }
    }

    const PriceTarget target = lPriceType == 0 ? PriceTarget{"FOrderPrice", "t_ICItemCore"}
                                               : PriceTarget{"FSalePrice", "t_ICItemMaterial"};
    const std::string h = std::to_string(bill.headerPage);
    const std::string e = std::to_string(bill.entryPage);
    const std::string sEntryTable = bill.TableOf(bill.entryPage);
    const std::string sHeaderTable = bill.TableOf(bill.headerPage);
    const std::string sKey = bill.ClassTypeColumn("FPrimaryKey");
    const std::string sIndex = bill.ClassTypeColumn("FIndexKey");
    const std::string sItem = bill.Qualified(sItemKey);
    // Mended: the bill's id went into the statement as it stood.
    const std::string sFID = vb::CStr(Deref(dctData).Value("FID"));
    if (!IsWholeNumberText(sFID)) {
      Raise(-1, kSource, "The bill's FID is not a whole number: \"" + sFID + "\"");
    }

    std::string sql = "Update t0 set t0." + std::string(target.column) + " = ";
    sql += "Round( " + bill.Qualified(sPriceKey);
    if (!sTaxRateKey.empty()) {
      if (lTargetTaxInPrice == 1 && lTaxInPrice == 0) {
        sql += " * (( 100 + " + bill.Qualified(sTaxRateKey) + " ) / 100 ) ";
      } else if (lTargetTaxInPrice != 1 && lTaxInPrice == 1) {
        sql += " * ( 100 / ( 100 + " + bill.Qualified(sTaxRateKey) + " ) ) ";
      }
    }
    if (!sExchangeRateKey.empty()) sql += " * " + bill.Qualified(sExchangeRateKey);
    if (!sDiscountRateKey.empty()) {
      sql += " * ((100 - " + bill.Qualified(sDiscountRateKey) + ")  / 100 ) ";
    }
    if (!sUnitKey.empty()) {
      sql += " / (Case When IsNull(t2.FCoefficient,0) = 0 then 1 else t2.FCoefficient end ) ";
    }
    sql += " , t1.FPriceDecimal)\r\n";
    sql += "From " + sEntryTable + " Page" + e + "\r\n";
    sql += "Inner Join " + sHeaderTable + " Page" + h + " On Page" + h + "." + sKey + " = Page" +
           e + "." + sKey + "\r\n";
    sql += "Inner Join " + std::string(target.table) + " t0 on t0.FItemID = " + sItem + "\r\n";
    sql += "Inner Join t_ICItem t1 on t1.FItemID = " + sItem + "\r\n";
    if (!sUnitKey.empty()) {
      sql +=
          "Left Join t_MeasureUnit t2 on t2.FMeasureUnitID = " + bill.Qualified(sUnitKey) + "\r\n";
    }
    sql += "Where Page" + h + "." + sKey + " = " + sFID + "\r\n";
    sql += " AND Page" + e + "." + sIndex + " = ";
    sql += "( Select Max(" + sIndex + ") From " + sEntryTable;
    sql += " Where " + sKey + " = Page" + e + "." + sKey;
    sql += " And " + bill.Bare(sItemKey) + " = " + sItem + " )";

    // The session's own property string, not the one in dctPara.
    GetRecordset(GetPropsString(), sql);
    TraceEnd(trace, 1);
    return 0;
  } catch (...) {
    KeepTrappedError(CurrentException());
    TraceEnd(trace, 1);
    return 1;
  }
}

}  // namespace lumo
