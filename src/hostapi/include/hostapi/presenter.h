// "LumoUI.Presenter": how the host shows the component's windows. The host
// program registers one presenter (on screen, on the terminal, or answering
// by script); every window the component shows goes through it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "hostapi/list_dialog.h"
#include "hostapi/record_list.h"
#include "platform/object.h"

namespace lumo {

inline constexpr std::string_view kPresenterProgId = "LumoUI.Presenter";

// A message box's style and answers, numbered as VB's MsgBox numbers them.
// A style adds one button set, one icon and one default button.
namespace msgbox {
// Button sets.
inline constexpr int32_t kOkOnly = 0;
inline constexpr int32_t kOkCancel = 1;
inline constexpr int32_t kAbortRetryIgnore = 2;
inline constexpr int32_t kYesNoCancel = 3;
inline constexpr int32_t kYesNo = 4;
inline constexpr int32_t kRetryCancel = 5;
// Icons.
inline constexpr int32_t kCritical = 16;
inline constexpr int32_t kQuestion = 32;
inline constexpr int32_t kExclamation = 48;
inline constexpr int32_t kInformation = 64;
// The default button, counted from the first: style bits 256, 512, 768.
inline constexpr int32_t kDefaultButtonUnit = 256;
// The answers: the button pressed.
inline constexpr int32_t kOk = 1;
inline constexpr int32_t kCancel = 2;
inline constexpr int32_t kAbort = 3;
inline constexpr int32_t kRetry = 4;
inline constexpr int32_t kIgnore = 5;
inline constexpr int32_t kYes = 6;
inline constexpr int32_t kNo = 7;
}  // namespace msgbox

class IPresenter : public Object {
 public:
  // Shows the dialog modally: returns once the dialog is no longer Visible().
  virtual void ShowListDialog(IListDialog& dialog) = 0;
  // Shows a message box modally and returns the answer (msgbox::kOk ...)
  // of the button pressed; `style` is a msgbox button set + icon + default
  // button.
  virtual int32_t ShowMessageBox(const std::string& prompt, int32_t style,
                                 const std::string& title) = 0;
  // Shows the records modally. A pickable list returns the index in
  // list.rows (from 0) of the record the user picked, or nullopt when the
  // user cancelled; a list that is only looked at returns nullopt once it
  // is closed.
  virtual std::optional<size_t> ShowRecordList(const RecordList& list) = 0;
};

}  // namespace lumo
