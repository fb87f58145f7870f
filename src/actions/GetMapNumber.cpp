// TevSer_GetMapNumber: the mapping entry that links one of the company's
// items to a supplier's item number ("P_MapID"), from v_SToIMapping. Errors
// are not passed on: the result is -1.
#include <cstdint>
#include <string>

#include "core/cls_action_ic.h"
#include "core/para.h"
#include "core/query.h"
#include "platform/error.h"
#include "platform/vb.h"

namespace lumo {

ActionResult clsActionIC::TevSer_GetMapNumber(const DictionaryRef& dctPara,
                                              DictionaryRef& dctReturn) {
  try {
    const Dictionary& para = Deref(dctPara);
    const std::string sPropString = TextOf(para, "PropString");
    // Each the leading number of its value, rounded half to even.
    const int16_t iMapType = vb::RoundToInteger(LeadingNumberOr(para, "P_MapType", 0));
    const int32_t lPartnerID = LeadingWholeNumberOr(para, "P_SupplierOrCustomerID", 0);
    const int32_t lItemID = LeadingWholeNumberOr(para, "P_ICItemID", 0);

    if (!dctReturn) dctReturn = NewDictionary();
    dctReturn->SetValue("P_MapID", "");
    if (lPartnerID == 0 || lItemID == 0) return 0;
    if (iMapType != 0) return 0;  // no statement for other map types: P_MapID stays empty

    const RecordsetRef rs = GetRecordset(
        sPropString,
        "Select FEntryID as FInterID,FNumber as FMapNumber, FName as FMapName From v_SToIMapping "
        "Where FItemID = " +
            std::to_string(lItemID) + " And FParentID = " + std::to_string(lPartnerID));
    if (rs && !rs->Eof()) dctReturn->SetValue("P_MapID", NullToDefault(rs->Value("FInterID"), 0));
    return 0;
  } catch (...) {
    KeepTrappedError(CurrentException());
    return -1;
  }
}

}  // namespace lumo
