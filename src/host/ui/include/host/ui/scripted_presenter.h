// Answers every dialog without showing it: for tests and runs without a
// user. The dialog gets its design size (so the buttons of its ShowType are
// the ones shown), then the scripted answer: a click on that button, or the
// window closed. An answer whose button the dialog does not show closes the
// window instead, as nobody could have clicked it. `notice`, when given,
// hears the caption of each dialog answered so.
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

  // answer: kAnswerYes ... kAnswerCancel, or nullopt for the window closed.
  explicit ScriptedPresenter(std::optional<int32_t> answer, Notice notice = {})
      : answer_(answer), notice_(std::move(notice)) {}
  void ShowListDialog(IListDialog& dialog) override;

 private:
  std::optional<int32_t> answer_;
  Notice notice_;
};

}  // namespace lumo::ui
