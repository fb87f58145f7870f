// A viewer's records as the presenter shows them: the viewer's statement
// runs on the session's database, and each listed column names the field
// it shows and how; titles are shown in the session's language.
#pragma once

#include <span>
#include <string>
#include <string_view>

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

struct Listing {
  std::string_view title;   // simplified Chinese
  std::string titleSuffix;  // shown after the title as it stands
  std::span<const ListedColumn> columns;
  bool pickable = false;
};

// Runs sql on the database of the session ("PropsString") and shows every
// record through "LumoUI.Presenter", in the statement's order; a Null field
// shows as an empty cell. Returns the records positioned on the one the
// user picked, or nullptr when none was.
RecordsetRef ShowListing(const Listing& listing, const std::string& sql);

}  // namespace lumo::viewers
