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

}  // namespace lumo::ui
