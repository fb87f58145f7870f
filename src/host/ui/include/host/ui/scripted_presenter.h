// Answers every dialog without showing it: for tests and runs without a
// user. The dialog gets its design size (so the buttons of its ShowType are
// the ones shown), then the scripted answer: a click on that button, or the
// window closed. An answer whose button the dialog does not show closes the
// window instead, as nobody could have clicked it. `notice`, when given,
// hears the caption of each dialog answered so.
//
// A message box is answered as if closed (its refusing button: Cancel, No
// or Abort; OK on a box with only OK), whatever the answer;
// `messageNotice`, when given, hears its title, prompt and answer.
//
// A record list gets the scripted pick: the pick-th record (from 1) of a
// pickable list; 0 cancels. A pickable list without a pick, or with a pick
// beyond its records, is cancelled, and a list that is only looked at is
// closed at once; `unseen`, when given, hears each list closed or
// cancelled so.
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

  using ListNotice = std::function<void(const RecordList& list)>;

  // answer: kAnswerYes ... kAnswerCancel, or nullopt for the window closed.
  explicit ScriptedPresenter(std::optional<int32_t> answer, Notice notice = {})
      : answer_(answer), notice_(std::move(notice)) {}
  // pick: the record a pickable list picks (from 1; 0 cancels).
  ScriptedPresenter(std::optional<int32_t> answer, Notice notice, std::optional<int32_t> pick,
                    ListNotice unseen, MessageNotice messageNotice = {})
      : answer_(answer),
        notice_(std::move(notice)),
        pick_(pick),
        unseen_(std::move(unseen)),
        messageNotice_(std::move(messageNotice)) {}
  void ShowListDialog(IListDialog& dialog) override;
  int32_t ShowMessageBox(const std::string& prompt, int32_t style,
                         const std::string& title) override;
  std::optional<size_t> ShowRecordList(const RecordList& list) override;

 private:
  std::optional<int32_t> answer_;
  Notice notice_;
  std::optional<int32_t> pick_;
  ListNotice unseen_;
  MessageNotice messageNotice_;
};

}  // namespace lumo::ui
