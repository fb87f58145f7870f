// "LumoUI.Presenter": how the host shows the component's windows. The host
// program registers one presenter (on screen, on the terminal, or answering
// by script); every window the component shows goes through it.
#pragma once

#include <string_view>

#include "hostapi/list_dialog.h"
#include "platform/object.h"

namespace lumo {

inline constexpr std::string_view kPresenterProgId = "LumoUI.Presenter";

class IPresenter : public Object {
 public:
  // Shows the dialog modally: returns once the dialog is no longer Visible().
  virtual void ShowListDialog(IListDialog& dialog) = 0;
};

}  // namespace lumo
