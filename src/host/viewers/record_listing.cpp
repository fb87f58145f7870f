#include "host/viewers/record_listing.h"

#include <algorithm>

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

}  // namespace

RecordList ListRecords(const ViewerSession& session, const std::string& title,
                       std::span<const ListedColumn> columns, Recordset& records, bool pickable) {
  RecordList list;
  list.title = title;
  list.fontName = session.FontName();
  list.pickable = pickable;
  for (const ListedColumn& column : columns) {
    list.columns.push_back(
        {session.Text(std::string(column.title)), column.decimals != ListedColumn::kText});
  }
  records.MoveFirst();
  for (; !records.Eof(); records.MoveNext()) {
    std::vector<std::string>& row = list.rows.emplace_back();
    for (const ListedColumn& column : columns) row.push_back(CellText(records, column));
  }
  return list;
}

std::optional<size_t> ShowRecords(const RecordList& list) {
  return CreateObjectAs<IPresenter>(kPresenterProgId)->ShowRecordList(list);
}

void MoveToRecord(Recordset& records, size_t index) {
  // A presenter's pick beyond the list would leave no current record.
  if (index >= static_cast<size_t>(records.RecordCount())) Raise(vberr::kSubscript, "Recordset");
  records.MoveFirst();
  for (size_t i = 0; i < index; ++i) records.MoveNext();
}

}  // namespace lumo::viewers
