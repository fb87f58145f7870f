#include "host/ui/scripted_presenter.h"

#include "host/ui/message_box_style.h"

namespace lumo::ui {

void ScriptedPresenter::ShowListDialog(IListDialog& dialog) {
  dialog.Resize(dialog.Controls().clientWidth, dialog.Controls().clientHeight);
  if (notice_) notice_(dialog.Caption());
  if (!answer_ || !dialog.Click(*answer_)) dialog.Close();
}

int32_t ScriptedPresenter::ShowMessageBox(const std::string& prompt, int32_t style,
                                          const std::string& title) {
  const MessageBoxStyle shown = ReadMessageBoxStyle(style);
  if (messageNotice_) messageNotice_(title, prompt, AnswerCaption(shown, shown.closedAnswer));
  return shown.closedAnswer;
}

std::optional<size_t> ScriptedPresenter::ShowRecordList(const RecordList& list) {
  if (list.pickable && pick_ == 0) return std::nullopt;  // cancelled as asked: nothing to tell
  if (list.pickable && pick_ && static_cast<size_t>(*pick_) <= list.rows.size()) {
    return static_cast<size_t>(*pick_ - 1);
  }
  if (unseen_) unseen_(list);
  return std::nullopt;
}

}  // namespace lumo::ui
