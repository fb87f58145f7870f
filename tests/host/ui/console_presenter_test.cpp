// The console presenter: a dialog or a record list as an aligned table
// (wide characters counted twice), answered by a line of input.
#include "host/ui/console_presenter.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

#include "dialog/frm_oos.h"
#include "support/item_list.h"

namespace lumo::ui {
namespace {

using testing::Dict;
using testing::ItemList;

struct Shown {
  std::optional<size_t> answer;  // the dialog's return code, or the record picked
  std::string transcript;
};

Shown ShowDialog(int32_t showType, const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out;
  ScopedRegistration presenter(kPresenterProgId,
                               [&] { return std::make_shared<ConsolePresenter>(in, out); });
  auto form = std::make_shared<frmOOS>();
  form->SetOOSItemVect(ItemList({Dict({{"No", 1}, {"Name", "O型密封圈"}, {"Price", "4.80"}}),
                                 Dict({{"No", 12}, {"Name", "Bolt"}, {"Price", "1,234.50"}})}));
  form->SetCaptionHeader("以下物料超过最高限价：");
  form->SetCaptionFooter1("是否继续保存？");
  form->SetShowType(showType);
  form->Show();
  return {static_cast<size_t>(form->ReturnCode()), out.str()};
}

// Three records, two to a page.
Shown ShowRecordList(bool pickable, const std::string& input, const std::string& language = "EN") {
  RecordList list;
  list.title = "采购价格资料";
  list.columns = {{"供应商", false}, {"单价", true}};
  list.rows = {{"昆山精密导轨有限公司", "185.00"}, {"Taiwan", "24.80"}, {"宁波", "1,280.50"}};
  list.pickable = pickable;
  std::istringstream in(input);
  std::ostringstream out;
  const std::optional<size_t> picked =
      ConsolePresenter(in, out, UiWords(language), 2).ShowRecordList(list);
  return {picked, out.str()};
}

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = 0; (at = text.find(part, at)) != std::string::npos; at += part.size()) ++count;
  return count;
}

TEST(ConsolePresenter, PrintsDialogsAndPagesOfRecordsAsAlignedTables) {
  EXPECT_EQ(ShowDialog(0, "n\n").transcript,
            "== 缺货存货 ==\n"
            "以下物料超过最高限价：\n"
            "\n"
            "行号$  名称$         单价$\n"
            "-----  ---------  --------\n"
            "1      O型密封圈      4.80\n"
            "12     Bolt       1,234.50\n"
            "\n"
            "是否继续保存？\n"
            "1) 是(Y)  2) 否(N)  > ");
  EXPECT_EQ(ShowRecordList(true, "\n3\n").transcript,
            "== 采购价格资料 ==\n"
            "#  供应商                    单价\n"
            "-  --------------------  --------\n"
            "1  昆山精密导轨有限公司    185.00\n"
            "2  Taiwan                   24.80\n"
            "records 1-2 of 3\n"
            "a number picks that record  n next page  0 cancels > "
            "#  供应商                    单价\n"
            "-  --------------------  --------\n"
            "3  宁波                  1,280.50\n"
            "records 3-3 of 3\n"
            "a number picks that record  p previous page  0 cancels > ");
}

// The presenter's own words follow the session's language; the dialog's
// captions come translated already.
TEST(ConsolePresenter, SpeaksTheSessionsLanguageAndSaysWhatItDidNotUnderstand) {
  const struct {
    const char* language;
    const char *page, *prompt, *notUnderstood;
  } cases[] = {
      {"CHS", "第 1-2 条，共 3 条", "数字选取该记录  n 下一页  0 取消 > ", "没看懂“x”，请再回答。"},
      {"cht", "第 1-2 條，共 3 條", "數字選取該記錄  n 下一頁  0 取消 > ",
       "沒看懂「x」，請再回答。"},
      {"EN", "records 1-2 of 3", "a number picks that record  n next page  0 cancels > ",
       "\"x\" was not understood; answer again."},
      {"", "第 1-2 条，共 3 条", "数字选取该记录  n 下一页  0 取消 > ", "没看懂“x”，请再回答。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    const std::string transcript = ShowRecordList(true, "x\n", c.language).transcript;
    const std::string prompt = c.prompt;
    EXPECT_EQ(transcript.substr(transcript.find('\n', transcript.find("Taiwan")) + 1),
              c.page + ("\n" + prompt) + c.notUnderstood + "\n" + prompt + "\n");
  }
  std::istringstream in("x\nja\n");
  std::ostringstream out;
  EXPECT_EQ(ConsolePresenter(in, out, UiWords("CHT")).ShowMessageBox("?", msgbox::kYesNo, "t"),
            msgbox::kNo);
  EXPECT_EQ(out.str(),
            "== t ==\n?\n\n1) 是  2) 否  > 沒看懂「x」，請再回答。\n1) 是  2) 否  > "
            "沒看懂「ja」，請再回答。\n"
            "1) 是  2) 否  > \n");
}

struct Answered {
  const char* input;
  int32_t kind;  // a dialog's show type; for a record list 1 when it is pickable
  std::optional<size_t> answer;
  size_t prompts, pages;
};

void ExpectAnswered(const Answered& c, const Shown& shown) {
  SCOPED_TRACE(::testing::Message() << c.kind << " " << c.input);
  EXPECT_EQ(shown.answer, c.answer);
  EXPECT_EQ(Count(shown.transcript, "> "), c.prompts);
  EXPECT_EQ(Count(shown.transcript, "records "), c.pages);
}

// A dialog's end of input closes it (2); a list's cancels (nothing picked).
TEST(ConsolePresenter, AsksAgainUntilItUnderstands) {
  const Answered dialogs[] = {
      {"y\n", 0, 0, 1, 0},     {" N \n", 0, 2, 1, 0}, {"2\n", 0, 2, 1, 0},
      {"是(Y)\n", 0, 0, 1, 0}, {"maybe", 0, 2, 2, 0}, {"x\n\n3\nn\n", 0, 2, 4, 0},
      {"", 0, 2, 1, 0},        {"a\n", 1, 1, 1, 0},   {"4\n", 1, 3, 1, 0},
      {"a\ny\n", 0, 0, 2, 0},  {"1\n", 2, 3, 1, 0},   {"取消\n确定\n", 2, 3, 2, 0},
  };
  for (const Answered& c : dialogs) ExpectAnswered(c, ShowDialog(c.kind, c.input));
  const Answered lists[] = {
      {"2\n", 1, 1, 1, 1},
      {" 3 \n", 1, 2, 1, 1},
      {"0\n", 1, std::nullopt, 1, 1},
      {"", 1, std::nullopt, 1, 1},
      {"4\nabc\n-1\n+1\n\n3\n", 1, 2, 6, 2},
      {"p\n1\n", 1, 0, 2, 1},
      {"n\n\np\n", 1, std::nullopt, 4, 3},
      {"1\n0\n", 0, std::nullopt, 2, 1},
      {"n\n", 0, std::nullopt, 2, 2},
  };
  for (const Answered& c : lists) ExpectAnswered(c, ShowRecordList(c.kind == 1, c.input));
}

}  // namespace
}  // namespace lumo::ui
