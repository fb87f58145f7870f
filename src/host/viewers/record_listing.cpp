#include "host/viewers/record_listing.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "host/components/database.h"
#include "host/viewers/viewer_session.h"
#include "hostapi/presenter.h"
#include "platform/error.h"
#include "platform/vb.h"

namespace lumo::viewers {

namespace {

std::string NumberPattern(int decimals) {
  constexpr int kMostDecimals = 10;
  decimals = std::clamp(decimals, 0, kMostDecimals);
  return decimals == 0 ? "#,##0" : "#,##0." + std::string(static_cast<size_t>(decimals), '0');
}

std::string CellText(const Recordset& records, const ListedColumn& column) {
  const Variant value = records.Value(column.field);
  if (value.IsNull() || value.IsEmpty()) return {};
  if (column.decimals == ListedColumn::kText) return vb::CStr(value);
  int decimals = column.decimals;
  if (!column.decimalsField.empty()) {
    const Variant own = records.Value(column.decimalsField);
    if (!own.IsNull() && !own.IsEmpty()) decimals = vb::CLng(own);
  }
  return vb::Format(vb::CDbl(value), NumberPattern(decimals));
}

RecordList ListRecords(const ViewerSession& session, const Listing& listing, Recordset& records) {
  RecordList list;
  list.title = session.Text(std::string(listing.title)) + listing.titleSuffix;
  list.fontName = session.FontName();
  list.pickable = listing.pickable;
  for (const ListedColumn& column : listing.columns) {
    list.columns.push_back(
        {session.Text(std::string(column.title)), column.decimals != ListedColumn::kText});
  }
  for (records.MoveFirst(); !records.Eof(); records.MoveNext()) {
    std::vector<std::string>& row = list.rows.emplace_back();
    for (const ListedColumn& column : listing.columns) row.push_back(CellText(records, column));
  }
  return list;
}

}  // namespace

RecordsetRef ShowListing(const Listing& listing, const std::string& sql) {
  const ViewerSession session = ViewerSession::Current();
  RecordsetRef records = components::Query(session.Props(), sql);
  const RecordList list = ListRecords(session, listing, Deref(records));
  const std::optional<size_t> picked =
      CreateObjectAs<IPresenter>(kPresenterProgId)->ShowRecordList(list);
  if (!picked) return nullptr;
  // A presenter's pick beyond the list would leave no current record.
  if (*picked >= list.rows.size()) Raise(vberr::kSubscript, "Recordset");
  records->MoveFirst();
  for (size_t i = 0; i < *picked; ++i) records->MoveNext();
  return records;
}

}  // namespace lumo::viewers
