#include "host/ui/message_box_style.h"

#include "hostapi/presenter.h"
#include "platform/error.h"

namespace lumo::ui {

namespace {

constexpr int32_t kButtonSetBits = 0x0F;
constexpr int32_t kIconBits = 0xF0;
constexpr int32_t kDefaultButtonBits = 0xF00;

std::vector<int32_t> Answers(int32_t buttonSet) {
  using namespace msgbox;
  switch (buttonSet) {
    case kOkOnly:
      return {kOk};
    case kOkCancel:
      return {kOk, kCancel};
    case kAbortRetryIgnore:
      return {kAbort, kRetry, kIgnore};
    case kYesNoCancel:
      return {kYes, kNo, kCancel};
    case kYesNo:
      return {kYes, kNo};
    case kRetryCancel:
      return {kRetry, kCancel};
    default:
      Raise(vberr::kInvalidCall, "MsgBox", "no such button set: " + std::to_string(buttonSet));
  }
}

std::string Caption(int32_t answer) {
  static const char* const kCaptions[] = {"",      "OK",     "Cancel", "Abort",
                                          "Retry", "Ignore", "Yes",    "No"};
  return kCaptions[answer];
}

}  // namespace

MessageBoxStyle ReadMessageBoxStyle(int32_t style) {
  MessageBoxStyle read;
  for (const int32_t answer : Answers(style & kButtonSetBits)) {
    read.buttons.push_back({answer, Caption(answer)});
  }
  read.icon = style & kIconBits;
  if (read.icon > msgbox::kInformation) {
    Raise(vberr::kInvalidCall, "MsgBox", "no such icon: " + std::to_string(read.icon));
  }
  const auto defaultButton =
      static_cast<size_t>((style & kDefaultButtonBits) / msgbox::kDefaultButtonUnit);
  read.defaultAnswer = read.buttons[defaultButton < read.buttons.size() ? defaultButton : 0].answer;
  read.closedAnswer = msgbox::kOk;
  for (const int32_t refusal : {msgbox::kCancel, msgbox::kNo, msgbox::kAbort}) {
    if (!AnswerCaption(read, refusal).empty()) {
      read.closedAnswer = refusal;
      break;
    }
  }
  return read;
}

std::string AnswerCaption(const MessageBoxStyle& style, int32_t answer) {
  for (const MessageBoxButton& button : style.buttons) {
    if (button.answer == answer) return button.caption;
  }
  return {};
}

}  // namespace lumo::ui
