#include "host/ui/scripted_presenter.h"

namespace lumo::ui {

void ScriptedPresenter::ShowListDialog(IListDialog& dialog) {
  dialog.Resize(dialog.Controls().clientWidth, dialog.Controls().clientHeight);
  if (notice_) notice_(dialog.Caption());
  if (!answer_ || !dialog.Click(*answer_)) dialog.Close();
}

}  // namespace lumo::ui
