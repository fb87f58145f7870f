// The list dialog on a terminal: the title, the header text, the grid as
// an aligned table (numeric columns right-aligned, wide characters counted
// as two columns), the footers, then the buttons of the dialog, numbered.
// The answer is a button's number, its access key or its caption; anything
// else asks again. The end of the input closes the window (No).
//
// A record list is printed a page at a time as a numbered, aligned table;
// the answer is a record's number (in a pickable list), "n" or an empty
// line for the next page, "p" for the previous one, or 0 to cancel or
// close. Anything else asks again; the end of the input cancels.
//
// A message box prints its title and prompt and the buttons, numbered;
// the answer is a number or a caption, Enter alone presses the default
// button, and the end of the input closes the box (its refusing button:
// Cancel, No or Abort; OK on a box with only OK).
//
// The prompts and the message box's buttons are in the session's language;
// an answer that is not understood is said so in one line before the
// prompt comes again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <utility>

#include "host/ui/ui_words.h"
#include "hostapi/presenter.h"

namespace lumo::ui {

class ConsolePresenter final : public IPresenter {
 public:
  // pageRows: the records a page of a record list shows.
  ConsolePresenter(std::istream& in, std::ostream& out, UiWords words = UiWords(),
                   size_t pageRows = 20)
      : in_(in), out_(out), words_(std::move(words)), pageRows_(pageRows) {}
  void ShowListDialog(IListDialog& dialog) override;
  int32_t ShowMessageBox(const std::string& prompt, int32_t style,
                         const std::string& title) override;
  std::optional<size_t> ShowRecordList(const RecordList& list) override;

 private:
  std::istream& in_;
  std::ostream& out_;
  UiWords words_;
  size_t pageRows_;
  // Tells the user that `reply` was not understood (an empty one asks again
  // without a word).
  void NotUnderstood(const std::string& reply);
};

}  // namespace lumo::ui
