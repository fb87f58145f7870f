// A viewer's records as the presenter shows them: each listed column names
// the recordset field it shows and how, and its title is shown in the
// session's language.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "host/viewers/viewer_session.h"
#include "hostapi/record_list.h"
#include "platform/recordset.h"

namespace lumo::viewers {

struct ListedColumn {
  static constexpr int kText = -1;

  std::string_view title;  // simplified Chinese
  std::string_view field;
  // kText: the field's text. Otherwise a number grouped by thousands with
  // this many decimals, or with the row's own count from decimalsField.
  int decimals = kText;
  std::string_view decimalsField = {};
};

// Every record from the first on, in the recordset's order; a Null field
// shows as an empty cell.
RecordList ListRecords(const ViewerSession& session, const std::string& title,
                       std::span<const ListedColumn> columns, Recordset& records, bool pickable);

// Shows the list through "LumoUI.Presenter": the record picked, or nullopt.
std::optional<size_t> ShowRecords(const RecordList& list);

// Moves the records to the one at `index` (from 0); error 9 beyond them.
void MoveToRecord(Recordset& records, size_t index);

}  // namespace lumo::viewers
