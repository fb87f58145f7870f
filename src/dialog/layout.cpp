#include "dialog/layout.h"

#include <cmath>

namespace lumo::dialog {

namespace {

constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr int32_t kButtonGap = 105;      // between two buttons
constexpr int32_t kRightMargin = 135;    // right of the last button
constexpr int32_t kGridBottomGap = 120;  // between the grid and the panel

DialogButton Button(int32_t left) {
  return {"", {left, 1230, 1125, 315}, true};
}

}  // namespace

ListDialogControls DesignLayout() {
  ListDialogControls c;
  c.clientWidth = 9795;
  c.clientHeight = 6105;
  c.header.rect = {165, 180, 9465, 645};
  c.grid = {75, 840, 9585, 3735};
  c.panel = {0, 4395, 9795, 1710};
  c.footer1.rect = {150, 210, 9600, 360};
  c.footer2.rect = {705, 630, 9045, 360};
  c.separator[0] = {0, 1020, 14792, 1020, kWhite};
  c.separator[1] = {0, 1005, 14792, 1005, kGrey};
  c.buttons[kAnswerYes] = Button(2220);
  c.buttons[kAnswerYesToAll] = Button(3465);
  c.buttons[kAnswerNo] = Button(4695);
  c.buttons[kAnswerCancel] = Button(5925);
  return c;
}

void CollapseFooters(ListDialogControls& c) {
  if (!c.footer1.text.empty()) return;
  const double labels = c.footer2.text.empty() ? 2.0 : 1.0;
  const auto h = static_cast<int32_t>(std::lround(labels * c.footer1.rect.height));

  c.panel.top += h;
  c.panel.height -= h;
  for (TwipsLine& line : c.separator) {
    line.y1 -= h;
    line.y2 = line.y1;
  }
  c.buttons[kAnswerCancel].rect.top -= h;
  for (const int32_t answer : {kAnswerNo, kAnswerYes, kAnswerYesToAll}) {
    c.buttons[answer].rect.top = c.buttons[kAnswerCancel].rect.top;
  }
}

void DockPanel(ListDialogControls& c) {
  c.panel.left = 0;
  c.panel.top = c.clientHeight - c.panel.height;
  c.panel.width = c.clientWidth;
}

void ArrangeControls(ListDialogControls& c, int32_t showType, const std::string& okCaption) {
  const int32_t w = c.clientWidth;
  if (w >= kMinArrangedWidth) {
    c.grid.width = w - 2 * c.grid.left;

    TwipsRect& cancel = c.buttons[kAnswerCancel].rect;
    TwipsRect& no = c.buttons[kAnswerNo].rect;
    TwipsRect& all = c.buttons[kAnswerYesToAll].rect;
    TwipsRect& yes = c.buttons[kAnswerYes].rect;
    cancel.left = w - kRightMargin - cancel.width;
    no.left = cancel.left - kButtonGap - no.width;
    all.left = no.left - kButtonGap - all.width;
    yes.left = all.left - kButtonGap - yes.width;

    if (showType == 0) {
      // Yes and No take the two rightmost places.
      c.buttons[kAnswerYesToAll].visible = false;
      c.buttons[kAnswerCancel].visible = false;
      yes.left = no.left;
      no.left = cancel.left;
    } else if (showType == 2) {
      c.buttons[kAnswerYesToAll].visible = false;
      c.buttons[kAnswerCancel].visible = true;
      c.buttons[kAnswerCancel].caption = okCaption;
      c.buttons[kAnswerYes].visible = false;
      c.buttons[kAnswerNo].visible = false;
    }
  }
  if (c.clientHeight >= kMinArrangedHeight) {
    c.grid.height = c.clientHeight - c.grid.top - c.panel.height - kGridBottomGap;
  }
}

}  // namespace lumo::dialog
