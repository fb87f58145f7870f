#include "dialog/layout.h"

#include <gtest/gtest.h>

#include <array>

namespace lumo::dialog {
namespace {

std::array<bool, 4> Shown(const ListDialogControls& c) {
  return {c.buttons[0].visible, c.buttons[1].visible, c.buttons[2].visible, c.buttons[3].visible};
}

std::array<int32_t, 4> Lefts(const ListDialogControls& c) {
  return {c.buttons[0].rect.left, c.buttons[1].rect.left, c.buttons[2].rect.left,
          c.buttons[3].rect.left};
}

TEST(DialogLayout, DesignSizeLinesTheButtonsOfTheShowTypeUpOnTheRight) {
  const struct {
    int32_t showType;
    std::array<bool, 4> shown;  // Yes, Yes to all, No, Cancel
    std::array<int32_t, 4> lefts;
    const char* cancelCaption;
  } cases[] = {
      {0, {true, false, true, false}, {7305, 6075, 8535, 8535}, "取消"},
      {1, {true, true, true, true}, {4845, 6075, 7305, 8535}, "取消"},
      {2, {false, false, false, true}, {4845, 6075, 7305, 8535}, "OK"},
      {7, {true, true, true, true}, {4845, 6075, 7305, 8535}, "取消"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.showType);
    ListDialogControls controls = DesignLayout();
    controls.buttons[kAnswerCancel].caption = "取消";
    ArrangeControls(controls, c.showType, "OK");
    EXPECT_EQ(Shown(controls), c.shown);
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
    EXPECT_EQ(controls.panel, (TwipsRect{0, 4395 + c.shrink, 9795, 1710 - c.shrink}));
    EXPECT_EQ(controls.separator[0],
              (TwipsLine{0, 1020 - c.shrink, 14792, 1020 - c.shrink, 0xFFFFFF}));
    EXPECT_EQ(controls.separator[1],
              (TwipsLine{0, 1005 - c.shrink, 14792, 1005 - c.shrink, 0x808080}));
    for (const DialogButton& button : controls.buttons) EXPECT_EQ(button.rect.top, 1230 - c.shrink);
    EXPECT_EQ(controls.footer1.rect, (TwipsRect{150, 210, 9600, 360}));
    EXPECT_EQ(controls.footer2.rect, (TwipsRect{705, 630, 9045, 360}));
  }
}

TEST(DialogLayout, ResizeRulesActOnlyFromTheirThresholds) {
  const ListDialogControls design = DesignLayout();
  const struct {
    const char* name;
    int32_t width, height;
    TwipsRect grid;
    int32_t cancelLeft;
    bool modeApplied;
  } cases[] = {
      {"narrower than 7005", 7004, 6105, {75, 840, 9585, 3435}, 5925, false},
      {"exactly 7005", 7005, 6105, {75, 840, 6855, 3435}, 5745, true},
      {"lower than 5385", 9795, 5384, {75, 840, 9645, 3735}, 8535, true},
      {"exactly 5385", 9795, 5385, {75, 840, 9645, 2715}, 8535, true},
      {"large", 15000, 9000, {75, 840, 14850, 6330}, 13740, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ListDialogControls controls = design;
    controls.clientWidth = c.width;
    controls.clientHeight = c.height;
    DockPanel(controls);
    ArrangeControls(controls, 0, "OK");
    EXPECT_EQ(controls.grid, c.grid);
    EXPECT_EQ(controls.buttons[kAnswerCancel].rect.left, c.cancelLeft);
    EXPECT_EQ(controls.buttons[kAnswerYesToAll].visible, !c.modeApplied);
    EXPECT_EQ(controls.panel, (TwipsRect{0, c.height - 1710, c.width, 1710}));
  }
}

}  // namespace
}  // namespace lumo::dialog
