#include "dialog/layout.h"

#include <gtest/gtest.h>

#include <array>

namespace lumo::dialog {
namespace {

// Each button's left edge (Yes, Yes to all, No, Cancel), -1 for a hidden one.
std::array<int32_t, 4> Lefts(const ListDialogControls& c) {
  std::array<int32_t, 4> lefts;
  for (size_t i = 0; i < lefts.size(); ++i) {
    lefts[i] = c.buttons[i].visible ? c.buttons[i].rect.left : -1;
  }
  return lefts;
}

TEST(DialogLayout, DesignSizeLinesTheButtonsOfTheShowTypeUpOnTheRight) {
  const struct {
    int32_t showType;
    std::array<int32_t, 4> lefts;
    const char* cancelCaption;
  } cases[] = {
      {0, {7305, -1, 8535, -1}, "取消"},
      {1, {4845, 6075, 7305, 8535}, "取消"},
      {2, {-1, -1, -1, 8535}, "OK"},
      {7, {4845, 6075, 7305, 8535}, "取消"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.showType);
    ListDialogControls controls = DesignLayout();
    controls.buttons[kAnswerCancel].caption = "取消";
    ArrangeControls(controls, c.showType, "OK");
    EXPECT_EQ(Lefts(controls), c.lefts);
    EXPECT_EQ(controls.buttons[kAnswerCancel].caption, c.cancelCaption);
    EXPECT_EQ(controls.grid, (TwipsRect{75, 840, 9645, 3435}));
  }
}

TEST(DialogLayout, EmptyFootersGiveUpTheirHeight) {
  const struct {
    const char *footer1, *footer2;
    int32_t shrink;
  } cases[] = {{"", "", 720}, {"", "second", 360}, {"first", "", 0}, {"first", "second", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.footer1) + "/" + c.footer2);
    ListDialogControls controls = DesignLayout();
    controls.footer1.text = c.footer1;
    controls.footer2.text = c.footer2;
    CollapseFooters(controls);
    const int32_t s = c.shrink;
    EXPECT_EQ(controls.panel, (TwipsRect{0, 4395 + s, 9795, 1710 - s}));
    EXPECT_EQ(controls.separator[0], (TwipsLine{0, 1020 - s, 14792, 1020 - s, 0xFFFFFF}));
    EXPECT_EQ(controls.separator[1], (TwipsLine{0, 1005 - s, 14792, 1005 - s, 0x808080}));
    for (const DialogButton& button : controls.buttons) EXPECT_EQ(button.rect.top, 1230 - s);
  }
}

// Show type 0 hides Yes to all only where the width rule acts.
TEST(DialogLayout, ResizeRulesActOnlyFromTheirThresholds) {
  const struct {
    const char* name;
    int32_t width, height;
    TwipsRect grid;
    int32_t cancelLeft;
    bool arranged;
  } cases[] = {
      {"narrower than 7005", 7004, 6105, {75, 840, 9585, 3435}, 5925, false},
      {"exactly 7005", 7005, 6105, {75, 840, 6855, 3435}, 5745, true},
      {"lower than 5385", 9795, 5384, {75, 840, 9645, 3735}, 8535, true},
      {"exactly 5385", 9795, 5385, {75, 840, 9645, 2715}, 8535, true},
      {"large", 15000, 9000, {75, 840, 14850, 6330}, 13740, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ListDialogControls controls = DesignLayout();
    controls.clientWidth = c.width;
    controls.clientHeight = c.height;
    DockPanel(controls);
    ArrangeControls(controls, 0, "OK");
    EXPECT_EQ(controls.grid, c.grid);
    EXPECT_EQ(controls.buttons[kAnswerCancel].rect.left, c.cancelLeft);
    EXPECT_EQ(controls.buttons[kAnswerYesToAll].visible, !c.arranged);
    EXPECT_EQ(controls.panel, (TwipsRect{0, c.height - 1710, c.width, 1710}));
  }
}

}  // namespace
}  // namespace lumo::dialog
