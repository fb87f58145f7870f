// "LumoUI.Presenter": how the host shows the component's windows. The host
// program registers one presenter (on screen, on the terminal, or answering
// by script); every window the component shows goes through it.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "hostapi/list_dialog.h"
#include "hostapi/record_list.h"
#include "platform/object.h"

namespace lumo {

inline constexpr std::string_view kPresenterProgId = "LumoUI.Presenter";

class IPresenter : public Object {
 public:
  // Shows the dialog modally: returns once the dialog is no longer Visible().
  virtual void ShowListDialog(IListDialog& dialog) = 0;
  // Shows the records modally. A pickable list returns the index in
  // list.rows (from 0) of the record the user picked, or nullopt when the
  // user cancelled; a list that is only looked at returns nullopt once it
  // is closed.
  virtual std::optional<size_t> ShowRecordList(const RecordList& list) = 0;
};

}  // namespace lumo
