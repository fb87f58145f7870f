// The list dialog as a presenter sees it: its controls with their texts and
// places, a grid that asks the dialog for each row's text, and the events a
// window sends back (a resize, a dragged column, a button, the close box).
//
// All measures are twips (1/1440 inch); a presenter draws 15 twips as one
// pixel. Places of the footer labels, the separator and the buttons are
// relative to the bottom panel that holds them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace lumo {

inline constexpr int32_t kTwipsPerPixel = 15;

// The answers, which are also the indexes of the buttons that give them.
inline constexpr int32_t kAnswerYes = 0;
inline constexpr int32_t kAnswerYesToAll = 1;
inline constexpr int32_t kAnswerNo = 2;  // also the window closed without a button
inline constexpr int32_t kAnswerCancel = 3;

struct TwipsRect {
  int32_t left = 0, top = 0, width = 0, height = 0;
  bool operator==(const TwipsRect&) const = default;
};

// A straight line from (x1, y1) to (x2, y2) in the colour 0xRRGGBB.
struct TwipsLine {
  int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  uint32_t color = 0;
  bool operator==(const TwipsLine&) const = default;
};

struct DialogLabel {
  std::string text;
  TwipsRect rect;
};

struct DialogButton {
  std::string caption;  // "&" marks the access key ("是(&Y)")
  TwipsRect rect;
  bool visible = true;
};

struct ListDialogControls {
  int32_t clientWidth = 0, clientHeight = 0;
  DialogLabel header;
  TwipsRect grid;
  TwipsRect panel;  // docked at the bottom edge, full width
  DialogLabel footer1, footer2;
  // An etched separator: [0] white, drawn just below [1] grey.
  std::array<TwipsLine, 2> separator;
  // Indexed by the answer each gives: Yes, Yes to all, No, Cancel.
  std::array<DialogButton, 4> buttons;
};

class IListDialog {
 public:
  virtual ~IListDialog() = default;

  virtual std::string Caption() const = 0;   // the window title
  virtual std::string FontName() const = 0;  // empty: the presenter's own font
  virtual const ListDialogControls& Controls() const = 0;

  // The grid: GridRows() rows, of which the first GridHeaderRows() are
  // title rows; columns are numbered from 1.
  virtual int32_t GridRows() const = 0;
  virtual int32_t GridHeaderRows() const = 0;
  virtual int32_t GridColumns() const = 0;
  virtual float ColumnWidth(int32_t column) const = 0;
  // 1: a numeric column, shown right-aligned; anything else is text.
  virtual int32_t ColumnKind(int32_t column) const = 0;
  // The grid's request for the text of a row (from 1): each cell's text
  // followed by "|".
  virtual std::string RowText(int32_t row) = 0;

  // The window's client area got this size; the controls move.
  virtual void Resize(int32_t clientWidth, int32_t clientHeight) = 0;
  // The user dragged a column to this width.
  virtual void SetColumnWidth(int32_t column, float width) = 0;
  // A click on the button of this answer; false (and nothing happens) for
  // a button that is not shown.
  virtual bool Click(int32_t answer) = 0;
  // The window was closed without a button.
  virtual void Close() = 0;
  // False once a button has hidden the dialog or the window was closed:
  // the modal show ends.
  virtual bool Visible() const = 0;
};

}  // namespace lumo
