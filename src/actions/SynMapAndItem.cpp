// TevSer_SynMapAndItem: translates, for one supplier or customer, between the
// company's items and the partner's mapping entries in v_SToIMapping:
// synchronisation type 0 turns item ids into entry ids, any other type entry
// ids back into item ids. "P_ICItemID" is one value or a list (an array whose
// positions 1 to its upper bound are translated); a list goes to the database
// in one batch, which fills a temporary table and joins it with the mapping.
// "P_MapID" gets the translation: a list answers with an array of the same
// upper bound, element 0 and untranslated positions 0. Errors are not passed
// on: the result is -1.
#include <cstdint>
#include <string>
#include <vector>

#include "core/cls_action_ic.h"
#include "core/para.h"
#include "core/query.h"
#include "platform/error.h"
#include "platform/vb.h"

namespace lumo {

namespace {

// The values at positions 1 to upper; an Empty element counts as 0.
std::vector<int32_t> ListValues(const VbArray& list, int32_t upper) {
  std::vector<int32_t> values;
  values.reserve(static_cast<size_t>(upper));
  for (int32_t i = 1; i <= upper; ++i) {
    const Variant& element = list.at(i);
    if (element.kind() == Variant::Kind::Long) {
      values.push_back(element.AsLong());  // its own leading number, without the text round trip
    } else {
      values.push_back(element.IsEmpty() ? 0 : vb::RoundToLong(vb::Val(element)));
    }
  }
  return values;
}

// One batch: the temporary table, one row per position, and for map type 0
// the mapping of every position in position order.
std::string ListBatch(const std::vector<int32_t>& values, int32_t mapType, int32_t synType,
                      int32_t partnerID) {
  std::string batch =
      "Set NoCount On \r\n\r\n"
      "Create Table #TmpItem(FIndex int not null default(0) , FItemID int not null "
      "default(0))\r\n\r\n";
  batch.reserve(batch.size() + values.size() * 64 + 256);
  for (size_t i = 0; i < values.size(); ++i) {
    batch += "Insert Into #TmpItem (FIndex,FItemID) Values(";
    batch += std::to_string(i + 1);
    batch += ',';
    batch += std::to_string(values[i]);
    batch += ")\r\n";
  }
  if (mapType == 0) {
    const bool toEntries = synType == 0;
    // Mended: entries to items named v1.FItemID without an aggregate while
    // grouping by u1.FIndex, which SQL Server refuses.
    batch += toEntries ? "\r\nSelect u1.FIndex,Min(v1.FEntryID) as FInterID from #TmpItem u1\r\n"
                       : "\r\nSelect u1.FIndex,Min(v1.FItemID) as FInterID from #TmpItem u1\r\n";
    batch += toEntries ? "Left Join v_SToIMapping v1 on u1.FItemID = v1.FItemID"
                       : "Left Join v_SToIMapping v1 on u1.FItemID = v1.FEntryID";
    // Mended: the partner was tested in a Where (v1.FParentID is null Or
    // = id), which dropped every position whose value is mapped only for
    // other partners. In the join, every position keeps its row.
    batch += " And v1.FParentID = " + std::to_string(partnerID) + "\r\n";
    batch += "Group by u1.FIndex\r\nOrder by u1.FIndex\r\n";
  }
  batch += "\r\nDrop Table #TmpItem";
  return batch;
}

// The translation of every position, element 0 and unmatched positions 0.
VbArray TranslateList(const std::string& sPropString, const VbArray& list, int32_t mapType,
                      int32_t synType, int32_t partnerID) {
  // An array without elements has no upper bound to answer with.
  if (list.items.empty()) Raise(vberr::kSubscript);
  const int32_t upper = list.UBound();
  if (upper < 0) Raise(vberr::kSubscript);
  VbArray result(0, std::vector<Variant>(static_cast<size_t>(upper) + 1, Variant(int32_t{0})));
  if (upper < 1) return result;

  const std::vector<int32_t> values = ListValues(list, upper);
  if (const RecordsetRef rs =
          GetRecordset(sPropString, ListBatch(values, mapType, synType, partnerID))) {
    rs->MoveFirst();
    for (int32_t n = 1; !rs->Eof(); ++n, rs->MoveNext()) {
      if (n > upper) Raise(vberr::kSubscript, "TevSer_SynMapAndItem", "More records than values");
      // Mended: records were taken in record order, so a position without a
      // record moved every later result one position early. Each record now
      // goes to its own position.
      const int32_t position = vb::CLng(rs->Value("FIndex"));
      if (position < 1 || position > upper) Raise(vberr::kSubscript);
      result.at(position) = vb::CLng(NullToDefault(rs->Value("FInterID"), 0));
    }
  }
  return result;
}

}  // namespace

ActionResult clsActionIC::TevSer_SynMapAndItem(const DictionaryRef& dctPara,
                                               DictionaryRef& dctReturn) {
  try {
    const Dictionary& para = Deref(dctPara);
    const std::string sPropString = TextOf(para, "PropString");
    const int32_t lMapType = LeadingWholeNumberOr(para, "P_MapType", 0);
    const int32_t lSynType = LeadingWholeNumberOr(para, "P_SynType", 0);
    const int32_t lPartnerID = LeadingWholeNumberOr(para, "P_SupplierOrCustomerID", 0);
    if (lPartnerID == 0 || !para.Lookup("P_ICItemID")) return 0;

    const Variant value = para.Value("P_ICItemID");
    if (IsArray(value)) {
      VbArray result = TranslateList(sPropString, value.AsArray(), lMapType, lSynType, lPartnerID);
      if (!dctReturn) dctReturn = NewDictionary();
      dctReturn->SetValue("P_MapID", std::move(result));
      return 0;
    }

    const int32_t lValue = LeadingWholeNumberOr(para, "P_ICItemID", 0);
    if (!dctReturn) dctReturn = NewDictionary();
    dctReturn->SetValue("P_MapID", "");
    if (lMapType != 0) return 0;  // no statement for other map types: P_MapID stays empty
    const std::string sql =
        (lSynType == 0 ? "Select FEntryID as FInterID,FNumber as FNumber, FName as FName From "
                         "v_SToIMapping Where FItemID = "
                       : "Select FItemID as FInterID,FItemNumber as FNumber,'' as FName From "
                         "v_SToIMapping Where FEntryID = ") +
        std::to_string(lValue) + " And FParentID = " + std::to_string(lPartnerID);
    const RecordsetRef rs = GetRecordset(sPropString, sql);
    if (rs && !rs->Eof()) dctReturn->SetValue("P_MapID", NullToDefault(rs->Value("FInterID"), 0));
    return 0;
  } catch (...) {
    KeepTrappedError(CurrentException());
    return -1;
  }
}

}  // namespace lumo
