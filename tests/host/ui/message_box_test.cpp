// Message boxes on the console, reached as the component reaches them.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/msg_box.h"
#include "host/ui/console_presenter.h"
#include "host/ui/message_box_style.h"
#include "support/vb_testing.h"

namespace lumo::ui {
namespace {

using namespace msgbox;

// Enter alone presses the default button, the end of the input the
// refusing one (OK on a box with only OK); anything else asks again.
TEST(ConsolePresenter, AsksTheMessageBoxUntilAButtonIsChosen) {
  const struct {
    int32_t style;
    const char* input;
    int32_t answer;
  } cases[] = {
      {kOkOnly, "", kOk},       {kYesNo + 256, " \n", kNo},  {kYesNo, "", kNo},
      {kYesNo, "x\n1\n", kYes}, {kYesNoCancel, "", kCancel}, {kAbortRetryIgnore, "retry\n", kRetry},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    std::istringstream in(c.input);
    std::ostringstream out;
    ScopedRegistration presenter(kPresenterProgId,
                                 [&] { return std::make_shared<ConsolePresenter>(in, out); });
    EXPECT_EQ(MsgBox("该单据没有物料!", c.style + kInformation, "Velmora提示"), c.answer);
  }
  std::istringstream in("x\n");
  std::ostringstream out;
  ConsolePresenter(in, out, UiWords("EN")).ShowMessageBox("line", kOkCancel, "title");
  EXPECT_EQ(out.str(),
            "== title ==\nline\n\n1) OK  2) Cancel  > \"x\" was not understood; answer again.\n"
            "1) OK  2) Cancel  > \n");
  EXPECT_VB_ERROR_INFO(ReadMessageBoxStyle(6), 5, "MsgBox", "no such button set: 6");
  EXPECT_VB_ERROR_INFO(ReadMessageBoxStyle(80), 5, "MsgBox", "no such icon: 80");
}

}  // namespace
}  // namespace lumo::ui
