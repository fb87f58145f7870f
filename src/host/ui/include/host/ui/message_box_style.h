// A message box style (VB's MsgBox buttons value) as a presenter shows it:
// the buttons left to right, the icon, the button that Enter presses, and
// the answer of a box closed without a button.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumo::ui {

struct MessageBoxButton {
  int32_t answer;  // msgbox::kOk ...
  std::string caption;
  bool operator==(const MessageBoxButton&) const = default;
};

struct MessageBoxStyle {
  std::vector<MessageBoxButton> buttons;
  int32_t icon = 0;  // msgbox::kCritical ... kInformation, or 0 for none
  int32_t defaultAnswer = 0;
  // The box's refusing button, so that a box nobody answered starts
  // nothing: Cancel, else No, else Abort; OK on a box with only OK.
  int32_t closedAnswer = 0;
};

// The style's parts; error 5 (invalid call) for a button set or icon that
// VB does not have. A default button past the last is the first, as
// Windows takes it.
MessageBoxStyle ReadMessageBoxStyle(int32_t style);

// The caption of the button giving answer, "" for none of the style's.
std::string AnswerCaption(const MessageBoxStyle& style, int32_t answer);

}  // namespace lumo::ui
