// The component's windows as Qt Widgets windows.
//
// The list dialog is a modal QDialog whose controls sit where the dialog
// model places them (15 twips to the pixel) and move with it on every
// resize. Its grid fetches each row's text from the model when it draws
// the row; title rows head the columns, centred in bold; numeric columns
// are right-aligned; a column the user drags keeps its new width in the
// model, which remembers it. The form's font is the model's (a CJK font
// for Chinese).
//
// A message box is a QMessageBox with the style's buttons, icon, default
// button and the button its close box stands for.
//
// A record list is a modal window with the records in a table that sorts
// by a column when its title is clicked; numeric columns are right-aligned.
// A pickable list is answered by OK or a double-click on a record, or
// cancelled; the font is the one the list names.
//
// The presenter makes the QApplication on its first show when the program
// has none, and keeps it until the presenter goes.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "host/ui/ui_words.h"
#include "hostapi/presenter.h"

class QApplication;
class QDialog;

namespace lumo::ui {

class QtPresenter final : public IPresenter {
 public:
  // The windows' own buttons speak the words' language. shown, when given,
  // is called once the window is on screen, from its event loop: tests grab
  // the window or press its buttons there.
  explicit QtPresenter(UiWords words = UiWords(), std::function<void(QDialog&)> shown = {});
  ~QtPresenter() override;
  QtPresenter(const QtPresenter&) = delete;
  QtPresenter& operator=(const QtPresenter&) = delete;

  void ShowListDialog(IListDialog& dialog) override;
  int32_t ShowMessageBox(const std::string& prompt, int32_t style,
                         const std::string& title) override;
  std::optional<size_t> ShowRecordList(const RecordList& list) override;

 private:
  void EnsureApplication();

  UiWords words_;
  std::function<void(QDialog&)> shown_;
  int argc_ = 1;
  char programName_[12] = "lumo-action";
  char* argv_[2] = {programName_, nullptr};
  std::unique_ptr<QApplication> application_;
};

}  // namespace lumo::ui
