#include "dialog/frm_oos.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "host/ui/grid_title_helper.h"
#include "support/fake_presenter.h"
#include "support/fresh_thread.h"
#include "support/item_list.h"
#include "support/vb_testing.h"

namespace lumo::testing {
namespace {

using Texts = std::vector<std::string>;

TEST(FrmOOS, ColumnPositionsOrderTheColumnKeys) {
  auto form = std::make_shared<frmOOS>();
  form->SetOOSItemVect(ItemList());
  EXPECT_EQ(form->ColNames(), (Texts{"No", "Name", "Price"}));
  for (const int32_t position : {0, 4}) {
    SCOPED_TRACE(position);
    auto list = ItemList();
    ObjectAs<Dictionary>(list->Item(1))->SetValue("Price", position);
    EXPECT_VB_ERROR(form->SetOOSItemVect(list), vberr::kSubscript);
  }
  EXPECT_VB_ERROR(form->SetOOSItemVect(nullptr), vberr::kObjectNotSet);
}

TEST(FrmOOS, RowTextsHaveOneCellPerColumnEachFollowedByABar) {
  auto form = std::make_shared<frmOOS>();
  form->SetOOSItemVect(
      ItemList({Dict({{"Price", 0.05}, {"Name", "螺栓"}, {"No", 1}}),
                Dict({{"No", 2}, {"Name", Variant::Null()}, {"Price", ""}}),
                Dict({{"No", 3}, {"Name", "x"}, {"Price", 1}, {"Extra", 4}}), Dict({{"No", 4}})}));
  const struct {
    const char* name;
    std::string text, expected;
  } cases[] = {
      {"title row", form->TRowData(1), "行号$|名称$|单价$|"},
      {"second title row", form->TRowData(2), "|||"},
      {"no title row 3", form->TRowData(3), ""},
      {"data row 3 shows item 4", form->DRowData(3), "1|螺栓|0.05|"},
      {"Null and empty cells", form->DRowData(4), "2|||"},
      {"more keys than columns", form->DRowData(5), ""},
      {"fewer keys than columns", form->DRowData(6), "4|"},
      {"beyond the list", form->DRowData(7), ""},
      {"grid row 1 without a title helper", form->RowText(1), "行号$|名称$|单价$|"},
      {"grid row 3", form->RowText(3), "1|螺栓|0.05|"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.text, c.expected);
  }
  OnFreshThread([] {  // the helper is made once per thread, at first use
    ScopedRegistration titles(kGridTitleHelperProgId,
                              [] { return std::make_shared<ui::GridTitleHelper>(); });
    auto form = std::make_shared<frmOOS>();
    form->SetOOSItemVect(ItemList());
    EXPECT_EQ(form->RowText(1), "行号|名称|单价|");
  });
}

TEST(FrmOOS, LoadingTakesTheCallersTextsEvenEmptyAndSetsUpTheGrid) {
  auto form = std::make_shared<frmOOS>();
  form->SetOOSItemVect(ItemList({Dict({{"No", 1}}), Dict({{"No", 2}})}));
  form->SetCaptionHeader("header");
  form->SetCaptionFooter2("second footer");
  EXPECT_FALSE(form->Loaded());
  form->SetCaption("title");
  form->SetCaptionFooter1("too late");

  ASSERT_TRUE(form->Loaded());
  const ListDialogControls& controls = form->Controls();
  EXPECT_EQ(form->Caption(), "title");
  EXPECT_EQ(controls.header.text, "header");
  EXPECT_EQ(controls.footer1.text, "");
  EXPECT_EQ(controls.footer2.text, "second footer");
  EXPECT_EQ(controls.panel.height, 1710 - 360);  // the empty first footer gave up its height
  EXPECT_EQ(form->GridRows(), 4);
  EXPECT_EQ(form->GridHeaderRows(), 2);
  ASSERT_EQ(form->GridColumns(), 3);
  for (int32_t column = 1; column <= 3; ++column) {
    EXPECT_EQ(form->ColumnKind(column), column == 3 ? 1 : 0);
  }

  auto unfilled = std::make_shared<frmOOS>();
  EXPECT_VB_ERROR(unfilled->SetCaption("title"), vberr::kObjectNotSet);
  EXPECT_FALSE(unfilled->Loaded());
}

TEST(FrmOOS, EachButtonAnswersWithItsCodeAndClosingAnswersNo) {
  const struct {
    const char* name;
    int32_t showType;
    std::optional<int32_t> answer;  // nullopt: the window closed
    int32_t returnCode;
    bool stillLoaded;  // a button only hides the form; closing unloads it
    const char* cancelCaption;
  } cases[] = {
      {"Yes", 0, kAnswerYes, 0, true, "取消"},
      {"No", 0, kAnswerNo, 2, true, "取消"},
      {"closed", 0, std::nullopt, 2, false, "取消"},
      {"Yes to all, not offered", 0, kAnswerYesToAll, 2, false, "取消"},
      {"Yes to all", 1, kAnswerYesToAll, 1, true, "取消"},
      {"Cancel", 1, kAnswerCancel, 3, true, "取消"},
      {"OK", 2, kAnswerCancel, 3, true, "确定"},
      {"Yes, not offered", 2, kAnswerYes, 2, false, "确定"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakePresenter presenter(c.answer);
    auto form = std::make_shared<frmOOS>();
    form->SetOOSItemVect(ItemList({Dict({{"No", 1}})}));
    form->SetShowType(c.showType);
    form->Show();
    EXPECT_EQ(presenter.presenter->shown, 1);
    EXPECT_EQ(form->ReturnCode(), c.returnCode);
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(form->Loaded(), c.stillLoaded);
    EXPECT_EQ(presenter.presenter->controls.buttons[kAnswerCancel].caption, c.cancelCaption);
    form->Unload();
    EXPECT_EQ(form->ReturnCode(), 2);
    EXPECT_EQ(presenter.presenter->rows, (Texts{"行号$|名称$|单价$|", "|||", "1|"}));
  }
  auto form = std::make_shared<frmOOS>();  // no presenter registered
  form->SetOOSItemVect(ItemList());
  EXPECT_VB_ERROR(form->Show(), vberr::kCannotCreateObject);
}

}  // namespace
}  // namespace lumo::testing
