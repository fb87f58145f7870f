#include "host/components/bill_get_data.h"

#include <fmt/format.h>

#include "host/components/database.h"
#include "platform/vb.h"

namespace lumo::components {

Variant BillGetData::GetSupplyInfo(const std::string& propString, const DictionaryRef& request) {
  if (!request) RaiseObjectNotSet();
  const int32_t supplierId = vb::CLng(request->Value("SupplyID"));
  const int32_t itemId = vb::CLng(request->Value("ItemID"));
  const int32_t unitId = vb::CLng(request->Value("UnitID"));
  const double quantity = vb::CDbl(request->Value("AuxQty"));
  const int32_t currencyId = vb::CLng(request->Value("CurrencyID"));
  const int32_t priceType = vb::CLng(request->Value("PriceType"));

  const RecordsetRef partners =
      Query(propString, fmt::format("SELECT s.FValueAddRate FROM t_Supplier s, t_ICItemCore i "
                                    "WHERE s.FItemID={} AND i.FItemID={}",
                                    supplierId, itemId));
  if (!partners || partners->Eof()) return Variant::Nothing();

  auto answer = NewDictionary();
  answer->SetValue("Discount", -1.0);
  answer->SetValue("AuxPrice", -1.0);
  answer->SetValue("CESS", NumberOr(partners, "FValueAddRate", 0));

  // Highest break first; the quantity is compared here rather than pasted
  // into the statement as a decimal text.
  const RecordsetRef breaks =
      Query(propString,
            fmt::format("SELECT FQuantity,FPrice,FDiscount FROM t_SupplyPrice WHERE FSupID={} AND "
                        "FItemID={} AND FUnitID={} AND FCyID={} AND FPriceType={} "
                        "ORDER BY FQuantity DESC",
                        supplierId, itemId, unitId, currencyId, priceType));
  for (; breaks && !breaks->Eof(); breaks->MoveNext()) {
    if (NumberOr(breaks, "FQuantity", 0) <= quantity) {
      answer->SetValue("AuxPrice", NumberOr(breaks, "FPrice", 0));
      answer->SetValue("Discount", NumberOr(breaks, "FDiscount", 0));
      break;
    }
  }
  return answer;
}

}  // namespace lumo::components
