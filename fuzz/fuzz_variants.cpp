#include "fuzz_variants.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "collections/vector.h"
#include "platform/error.h"

namespace lumo::fuzz {
namespace {

constexpr std::string_view kWords[] = {
    // parameter keys of the actions
    "PropString", "P_AuxQty", "P_CalDiscount", "P_CalField1", "P_CalField2", "P_CalField3",
    "P_CalField4", "P_CalField5", "P_CalSupTax", "P_CalTax", "P_CallByBill", "P_CompanyID",
    "P_CompanyType", "P_CurrencyID", "P_CurrencyKEY", "P_DiscountRateKEY", "P_ExChangeRate",
    "P_ExChangeRateKEY", "P_GetICItemPOPrice", "P_ICItemID", "P_InterID", "P_InvStyle",
    "P_InvStyleKey", "P_ItemKEY", "P_MapType", "P_OldCurrencyID", "P_OldExchangeRate",
    "P_POOrderTaxInPrice", "P_PriceKEY", "P_PriceType", "P_QueryType", "P_ROBKEY",
    "P_SaveOrApprove", "P_SupID", "P_SupplierOrCustomerID", "P_SupplyID", "P_SupplyKEY",
    "P_SynType", "P_SystemType", "P_TargetTaxInPrice", "P_TaxInPrice", "P_TaxPriceKEY",
    "P_TaxRateKEY", "P_TaxRateOption", "P_UnitID", "P_UnitKEY", "P_MapID",
    // the bill's description and data
    "dctClassType", "dctTableInfo", "dctData", "vctClassTypeEntry", "Map", "FPage", "FKey",
    "FFieldName", "FFLD", "FDSP", "FFND", "FID", "FPrimaryKey", "FIndexKey", "FEntryType",
    "FTableName", "POOrder", "POOrderEntry", "SEOrder", "SEOrderEntry", "t_ICItemCore", "FInterID",
    "FEntryID", "FItemID", "FUnitID", "FAuxPrice", "FAuxTaxPrice", "FTaxRate", "FDiscountRate",
    "FCurrencyID", "FExchangeRate", "FSupplyID", "FROB", "FBillNo", "FAuxQty", "FInvStyle", "0",
    "1", "2", "3", "11", "12",
    // ids of the demo database
    "4", "211", "221", "1001", "1101", "1201", "1451", "2101", "2201", "12510", "12511",
    // texts at the edges of reading a number or a list
    "", " ", "-1", "12abc", "&H7FFFFFFF", "&O777", "&H", "1e308", "1e999", "-2147483648.5",
    "2147483647.5", "1,2,,3", " 1 0 ", "0.5", "1.5e-320", "True", "\t\n",
    // texts that must never become SQL
    "'", "1;DROP TABLE t_Currency", "1 OR 1=1", "FItemID) --", "#TmpItem", "[FItemID]",
    "\xe7\x89\xa9\xe6\x96\x99", "\xff\xfe"};

// Numbers where conversions turn: rounding halves, the Long and Integer
// limits, the Double limits, negative zero, NaN and infinities.
constexpr std::array<double, 16> kEdgeNumbers = {0.5,
                                                 1.5,
                                                 -2.5,
                                                 2147483647.49,
                                                 2147483647.5,
                                                 -2147483648.5,
                                                 32767.5,
                                                 -32768.5,
                                                 1e15,
                                                 1e300,
                                                 -0.0,
                                                 4.9e-324,
                                                 std::numeric_limits<double>::max(),
                                                 std::numeric_limits<double>::quiet_NaN(),
                                                 std::numeric_limits<double>::infinity(),
                                                 -std::numeric_limits<double>::infinity()};

// Lower bounds of arrays: the usual 0 and 1, and those whose upper bound
// runs out of the Long range.
constexpr std::array<int32_t, 6> kLowerBounds = {0, 1, -1, 2147483647, -2147483647 - 1, 2147483640};

}  // namespace

std::span<const std::string_view> Words() {
  return kWords;
}

std::string VariantMaker::Key() {
  if (input_.Below(8) != 0) return std::string(kWords[input_.Below(std::size(kWords))]);
  return input_.Text(24);
}

Variant VariantMaker::MakeNumber() {
  switch (input_.Below(6)) {
    case 0:
      return Variant(static_cast<int16_t>(input_.Long()));
    case 1:
      return Variant(input_.Long());
    case 2:
      return Variant(input_.Double());
    case 3:
      return Variant(kEdgeNumbers[input_.Below(kEdgeNumbers.size())]);
    case 4:
      return Variant(static_cast<int32_t>(input_.Byte()));
    default:
      return Variant(static_cast<double>(input_.Byte()) / 4);
  }
}

Variant VariantMaker::MakeArray(int depth) {
  const int32_t lower = input_.Below(3) == 0 ? input_.Long() : kLowerBounds[input_.Below(6)];
  std::vector<Variant> items(input_.Below(kMaxItems + 1));
  for (Variant& item : items) item = Make(depth + 1);
  try {
    return Variant(VbArray(lower, std::move(items)));
  } catch (const VbError&) {
    // The upper bound does not fit a Long: such an array cannot exist, but
    // one element at that lower bound can.
    return Variant(VbArray(lower, std::vector<Variant>(1)));
  }
}

Variant VariantMaker::Make(int depth) {
  const bool leaf = depth >= kMaxDepth;
  switch (input_.Below(leaf ? 7 : 10)) {
    case 0:
      return Variant();
    case 1:
      return Variant::Null();
    case 2:
      return Variant(input_.Byte() % 2 == 1);
    case 3:
      return MakeNumber();
    case 4:
      return Variant(std::string(kWords[input_.Below(std::size(kWords))]));
    case 5:
      return Variant(input_.Text());
    case 6:
      return Variant::Nothing();
    case 7: {
      auto dictionary = NewDictionary();
      for (size_t n = input_.Below(kMaxItems + 1); n > 0; --n) {
        // Read in this order: the order of a call's arguments differs
        // between compilers, and an input must mean the same under each.
        const std::string key = Key();
        dictionary->SetValue(key, Make(depth + 1));
      }
      return Variant(dictionary);
    }
    case 8: {
      auto vector = NewVector();
      for (size_t n = input_.Below(kMaxItems + 1); n > 0; --n) vector->Add(Make(depth + 1));
      return Variant(vector);
    }
    default:
      return MakeArray(depth);
  }
}

void VariantMaker::Edit(Dictionary& dictionary, int depth) {
  if (dictionary.Count() == 0 || input_.Below(4) == 0) {
    const std::string key = Key();  // before the value, as in Make
    dictionary.SetValue(key, Make(depth + 1));
    return;
  }
  const std::string key =
      dictionary.Name(static_cast<int32_t>(input_.Below(dictionary.Count())) + 1);
  Variant value = dictionary.Value(key);
  EditValue(value, depth + 1);
  dictionary.SetValue(key, std::move(value));
}

// Goes down while the input says so and the value is a collection or an
// array; replaces what it stops at.
void VariantMaker::EditValue(Variant& value, int depth) {
  const bool descend = depth < kMaxDepth && input_.Below(3) != 0;
  if (descend && value.IsObject()) {
    if (auto dictionary = std::dynamic_pointer_cast<Dictionary>(value.AsObject())) {
      Edit(*dictionary, depth);
      return;
    }
    if (auto vector = std::dynamic_pointer_cast<Vector>(value.AsObject());
        vector && vector->UpperBound() > 0) {
      const auto index = static_cast<int32_t>(input_.Below(vector->UpperBound())) + 1;
      Variant item = vector->Item(index);
      EditValue(item, depth + 1);
      vector->SetItem(index, std::move(item));
      return;
    }
  }
  if (descend && value.IsArray() && !value.AsArray().items.empty()) {
    VbArray& array = value.AsArray();
    EditValue(array.items[input_.Below(array.items.size())], depth + 1);
    return;
  }
  value = Make(depth);
}

}  // namespace lumo::fuzz
