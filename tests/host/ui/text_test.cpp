#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/ui/grid_title_helper.h"
#include "host/ui/row_cells.h"
#include "host/ui/text_width.h"

namespace lumo::ui {
namespace {

TEST(DisplayWidth, WideCharactersTakeTwoColumnsAndMarksNone) {
  const struct {
    const char* text;
    size_t width;
  } cases[] = {
      {"abc", 3},     {"行号", 4},     {"O型密封圈", 9}, {"Ｍ１８", 6}, {"，：", 4}, {"M18×1.5", 7},
      {"e\u0301", 1}, {"\xff\xfe", 2}, {"\xe8\xa1", 2},  {"", 0},       {"가", 2},   {"😀", 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(DisplayWidth(c.text), c.width);
  }
}

TEST(RowCells, EachCellEndsWithABar) {
  const struct {
    const char* row;
    size_t columns;
    std::vector<std::string> cells;
  } cases[] = {
      {"1|螺栓|0.05|", 3, {"1", "螺栓", "0.05"}},
      {"|||", 3, {"", "", ""}},
      {"1|", 3, {"1", "", ""}},
      {"1|2|3|4|", 2, {"1", "2"}},
      {"1|tail", 2, {"1", ""}},
      {"", 1, {""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    EXPECT_EQ(RowCells(c.row, c.columns), c.cells);
  }
}

TEST(SplitAccessKey, AmpersandMarksTheKey) {
  const struct {
    const char *caption, *text;
    char key;
  } cases[] = {
      {"是(&Y)", "是(Y)", 'Y'}, {"&Yes", "Yes", 'Y'},   {"Yes to &all", "Yes to all", 'A'},
      {"取消", "取消", 0},      {"A && B", "A & B", 0}, {"end&", "end&", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    const AccessKeyCaption split = SplitAccessKey(c.caption);
    EXPECT_EQ(split.text, c.text);
    EXPECT_EQ(split.key, c.key);
  }
}

TEST(GridTitleHelper, DropsOneTrailingMarkerPerCaption) {
  const struct {
    const char *raw, *shown;
  } cases[] = {
      {"行号$|物料代码$|", "行号|物料代码|"},
      {"US$$|plain|", "US$|plain|"},
      {"$|a$b|", "|a$b|"},
      {"|||", "|||"},
      {"", ""},
      {"a$|rest$", "a|rest$"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.raw);
    EXPECT_EQ(GridTitleHelper().FormatTitleRow(1, c.raw), c.shown);
  }
}

}  // namespace
}  // namespace lumo::ui
