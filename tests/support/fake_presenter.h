// A fake "LumoUI.Presenter", registered while it lives. It shows a list
// dialog at its design size, records what a user would see (the caption,
// the controls, every grid row's text) and answers: a click on `answer`'s
// button, or the window closed when `answer` is unset or names a button
// the dialog does not show. A record list is recorded whole and answered
// with `pick` (an index into its rows), or cancelled when it is unset.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "hostapi/presenter.h"

namespace lumo::testing {

struct FakePresenter {
  struct Presenter : IPresenter {
    std::optional<int32_t> answer;
    std::optional<size_t> pick;
    std::vector<RecordList> lists;
    int shown = 0;
    std::string caption;
    ListDialogControls controls;
    std::vector<std::string> rows;
    void ShowListDialog(IListDialog& dialog) override {
      ++shown;
      dialog.Resize(dialog.Controls().clientWidth, dialog.Controls().clientHeight);
      caption = dialog.Caption();
      controls = dialog.Controls();
      rows.clear();
      for (int32_t r = 1; r <= dialog.GridRows(); ++r) rows.push_back(dialog.RowText(r));
      if (!answer || !dialog.Click(*answer)) dialog.Close();
    }
    std::vector<std::string> messageBoxes;  // "title: prompt (style)", each answered OK
    int32_t ShowMessageBox(const std::string& prompt, int32_t style,
                           const std::string& title) override {
      messageBoxes.push_back(title + ": " + prompt + " (" + std::to_string(style) + ")");
      return msgbox::kOk;
    }
    std::optional<size_t> ShowRecordList(const RecordList& list) override {
      lists.push_back(list);
      return list.pickable ? pick : std::nullopt;
    }
  };
  explicit FakePresenter(std::optional<int32_t> answer = std::nullopt) {
    presenter->answer = answer;
  }
  std::shared_ptr<Presenter> presenter = std::make_shared<Presenter>();
  ScopedRegistration registration{kPresenterProgId, [p = presenter] { return p; }};
};

}  // namespace lumo::testing
