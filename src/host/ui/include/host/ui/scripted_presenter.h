// Answers every dialog without showing it: for tests and runs without a
// user. The dialog gets its design size (so the buttons of its ShowType are
// the ones shown), then the scripted answer: a click on that button, or the
// window closed. An answer whose button the dialog does not show closes the
// window instead, as nobody could have clicked it. `notice`, when given,
// hears the caption of each dialog answered so. A message box is answered
// as if closed (OK on a box with only OK), whatever the answer;
// `messageNotice`, when given, hears its title, prompt and answer.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "hostapi/presenter.h"

namespace lumo::ui {

class ScriptedPresenter final : public IPresenter {
 public:
  using Notice = std::function<void(const std::string& caption)>;
  using MessageNotice = std::function<void(const std::string& title, const std::string& prompt,
                                           const std::string& answer)>;

  // answer: kAnswerYes ... kAnswerCancel, or nullopt for the window closed.
  explicit ScriptedPresenter(std::optional<int32_t> answer, Notice notice = {},
                             MessageNotice messageNotice = {})
      : answer_(answer), notice_(std::move(notice)), messageNotice_(std::move(messageNotice)) {}
  void ShowListDialog(IListDialog& dialog) override;
  int32_t ShowMessageBox(const std::string& prompt, int32_t style,
                         const std::string& title) override;

 private:
  std::optional<int32_t> answer_;
  Notice notice_;
  MessageNotice messageNotice_;
};

}  // namespace lumo::ui
