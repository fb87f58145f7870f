#include "host/ui/console_presenter.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "dialog/frm_oos.h"
#include "support/item_list.h"

namespace lumo::ui {
namespace {

using testing::Dict;
using testing::ItemList;

struct Shown {
  int32_t returnCode;
  std::string transcript;
};

Shown ShowOnConsole(int32_t showType, const std::string& input) {
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
  return {form->ReturnCode(), out.str()};
}

TEST(ConsolePresenter, PrintsTheDialogAsAnAlignedTable) {
  EXPECT_EQ(ShowOnConsole(0, "n\n").transcript,
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
}

TEST(ConsolePresenter, AsksAgainUntilItUnderstandsAndTheEndOfInputCloses) {
  const struct {
    const char* input;
    int32_t showType;
    int32_t returnCode;
    int prompts;
  } cases[] = {
      {"y\n", 0, 0, 1},         {" N \n", 0, 2, 1},  {"2\n", 0, 2, 1},   {"是(Y)\n", 0, 0, 1},
      {"x\n\n3\nn\n", 0, 2, 4}, {"", 0, 2, 1},       {"maybe", 0, 2, 2}, {"a\n", 1, 1, 1},
      {"4\n", 1, 3, 1},         {"a\ny\n", 0, 0, 2}, {"1\n", 2, 3, 1},   {"取消\n确定\n", 2, 3, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    const Shown shown = ShowOnConsole(c.showType, c.input);
    EXPECT_EQ(shown.returnCode, c.returnCode);
    size_t prompts = 0;
    for (size_t at = 0; (at = shown.transcript.find("> ", at)) != std::string::npos; ++at) {
      ++prompts;
    }
    EXPECT_EQ(prompts, static_cast<size_t>(c.prompts));
  }
}

}  // namespace
}  // namespace lumo::ui
