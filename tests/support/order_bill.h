// An order bill as the host passes it to the price write-back: header page 1
// (currency, exchange rate, red/blue flag) and entry page 2 (item, price,
// unit, tax rate, discount rate), keyed by FInterID with lines by FEntryID,
// and dctPara with every price key configured.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "support/dictionary_entries.h"
#include "support/test_bill.h"

namespace lumo::testing {

inline DictionaryRef StoredCell(Variant stored) {
  auto cell = NewDictionary();
  cell->SetValue("FFLD", std::move(stored));
  return cell;
}

struct OrderBill {
  TestBill bill{false, true};
  DictionaryRef classType = NewDictionary(), para = NewDictionary();

  OrderBill(const char* header, const char* entries, Variant id, const char* priceColumn) {
    Page(1)->SetValue("FTableName", header);
    Page(2)->SetValue("FTableName", entries);
    bill.AddField("FCurrencyID", "1", 1, "FCurrencyID");
    bill.AddField("FExchangeRate", "2", 1, "FExchangeRate");
    bill.AddField("FROB", "3", 1, "FROB");
    bill.AddField("FItemID", "11", 2, "FItemID");
    bill.AddField("FPrice", "12", 2, priceColumn);
    bill.AddField("FUnitID", "13", 2, "FUnitID");
    bill.AddField("FTaxRate", "14", 2, "FTaxRate");
    bill.AddField("FDiscountRate", "15", 2, "FDiscountRate");
    bill.AddRecord(1, {{"3", StoredCell(0)}});
    bill.data->SetValue("FID", std::move(id));
    classType->SetValue("FPrimaryKey", "FInterID");
    classType->SetValue("FIndexKey", "FEntryID");

    para->SetValue("dctClassType", classType);
    para->SetValue("dctTableInfo", bill.tableInfo);
    para->SetValue("dctData", bill.data);
    para->SetValue("vctClassTypeEntry", bill.classTypeEntry);
    const Entries keys = Zip({"P_CurrencyKEY", "P_ExChangeRateKEY", "P_ItemKEY", "P_PriceKEY",
                              "P_UnitKEY", "P_TaxRateKEY", "P_DiscountRateKEY", "P_ROBKEY"},
                             {"FCurrencyID", "FExchangeRate", "FItemID", "FPrice", "FUnitID",
                              "FTaxRate", "FDiscountRate", "FROB"});
    for (const auto& [key, field] : keys) para->SetValue(key, field);
  }
  DictionaryRef Page(int32_t page) const {
    return ObjectAs<Dictionary>(bill.classTypeEntry->Item(page));
  }
  DictionaryRef Field(const char* internalKey) const {
    return ObjectAs<Dictionary>(bill.tableInfo->Value(internalKey));
  }
  void SetRedBlue(Variant stored) const {
    ObjectAs<Dictionary>(bill.data->Value("Page1"))->SetValue("3", StoredCell(std::move(stored)));
  }
};

}  // namespace lumo::testing
