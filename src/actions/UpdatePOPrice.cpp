// TevSer_UpdatePOPrice: carries the prices of a saved purchase order into the
// supplier price list. The host database's procedure p_UpdateSupplyInfoByPOOrd
// does the work, once for every entry that has a price, in entry order and in
// one batch, with the order, the entry and the current user. Errors are not
// passed on: the result is 1.
#include <cstdint>
#include <string>

#include "core/cls_action_ic.h"
#include "core/para.h"
#include "core/props.h"
#include "core/query.h"
#include "platform/error.h"
#include "platform/vb.h"

namespace lumo {

ActionResult clsActionIC::TevSer_UpdatePOPrice(const DictionaryRef& dctPara, DictionaryRef&) {
  try {
    // The leading number, so a missing or non-numeric id is order 0, which
    // has no entries.
    const int32_t lInterID = LeadingWholeNumberOr(Deref(dctPara), "P_InterID", 0);
    const std::string sOrder = std::to_string(lInterID);
    // The session's own property string, not the one in dctPara.
    const std::string sPropString = GetPropsString();

    const std::string sql =
        " SELECT t1.FInterId,t2.FEntryID FROM POOrder t1, POOrderEntry t2 "
        "WHERE t1.FInterID=t2.FInterID  AND t1.FInterID= " +
        sOrder + " AND t2.FAuxPrice<>0  And t2.FAuxTaxPrice<>0 Order By t2.FEntryID ";
    const RecordsetRef entries = GetRecordset(sPropString, sql);

    std::string batch;
    if (entries && !entries->Eof()) {
      // Mended: the user id went into the batch as it stood, so any text of
      // the session's property string became part of the SQL.
      const std::string sUserID = GetPropValue("UserID");
      if (!IsWholeNumberText(sUserID)) {
        Raise(-1, "TevSer_UpdatePOPrice",
              "The session's UserID is not a whole number: \"" + sUserID + "\"");
      }
      for (; !entries->Eof(); entries->MoveNext()) {
        batch += "EXEC p_UpdateSupplyInfoByPOOrd " + sOrder + "," +
                 vb::CStr(NullToDefault(entries->Value("FEntryID"), 0)) + "," + sUserID + "\r\n";
      }
    }
    // One call for all entries; the data-access component runs the batch
    // all or nothing.
    if (!batch.empty()) GetRecordset(sPropString, batch);
    return 0;
  } catch (...) {
    KeepTrappedError(CurrentException());
    return 1;
  }
}

}  // namespace lumo
