// Message boxes: the style's parts, and the box on the console and by
// script, reached as the component reaches it (MsgBox).
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/msg_box.h"
#include "host/ui/console_presenter.h"
#include "host/ui/message_box_style.h"
#include "host/ui/presenter_choice.h"
#include "support/vb_testing.h"

namespace lumo::ui {
namespace {

using namespace msgbox;

TEST(MessageBoxStyle, ReadsButtonsIconDefaultAndTheClosedAnswer) {
  const struct {
    int32_t style;
    std::vector<int32_t> answers;
    int32_t icon, defaultAnswer, closedAnswer;
  } cases[] = {
      {kOkOnly + kInformation, {kOk}, kInformation, kOk, kOk},
      {kOkCancel + 256, {kOk, kCancel}, 0, kCancel, kCancel},
      {kAbortRetryIgnore + kCritical + 512, {kAbort, kRetry, kIgnore}, kCritical, kIgnore, kAbort},
      {kYesNoCancel + kQuestion, {kYes, kNo, kCancel}, kQuestion, kYes, kCancel},
      {kYesNo + kExclamation, {kYes, kNo}, kExclamation, kYes, kNo},
      {kRetryCancel + 768, {kRetry, kCancel}, 0, kRetry, kCancel},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.style);
    const MessageBoxStyle read = ReadMessageBoxStyle(c.style);
    std::vector<int32_t> answers;
    for (const MessageBoxButton& button : read.buttons) answers.push_back(button.answer);
    EXPECT_EQ(answers, c.answers);
    EXPECT_EQ(read.icon, c.icon);
    EXPECT_EQ(read.defaultAnswer, c.defaultAnswer);
    EXPECT_EQ(read.closedAnswer, c.closedAnswer);
  }
  EXPECT_VB_ERROR_INFO(ReadMessageBoxStyle(6), 5, "MsgBox", "no such button set: 6");
  EXPECT_VB_ERROR_INFO(ReadMessageBoxStyle(80), 5, "MsgBox", "no such icon: 80");
}

TEST(ConsolePresenter, AsksTheMessageBoxUntilAButtonIsChosen) {
  const struct {
    int32_t style;
    const char* input;
    int32_t answer;
  } cases[] = {
      {kOkOnly, "\n", kOk},           {kOkOnly, "", kOk},
      {kYesNo, "no\n", kNo},          {kYesNo + 256, " \n", kNo},
      {kYesNo, "x\n1\n", kYes},       {kYesNoCancel, "", kCancel},
      {kRetryCancel, "2\n", kCancel}, {kAbortRetryIgnore, "Retry\n", kRetry},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    std::istringstream in(c.input);
    std::ostringstream out;
    ScopedRegistration presenter(kPresenterProgId,
                                 [&] { return std::make_shared<ConsolePresenter>(in, out); });
    EXPECT_EQ(MsgBox("该单据没有物料!", c.style, "Velmora提示"), c.answer);
  }
  std::istringstream in("x\n");
  std::ostringstream out;
  ConsolePresenter(in, out).ShowMessageBox("line", kOkCancel, "title");
  EXPECT_EQ(out.str(), "== title ==\nline\n\n1) OK  2) Cancel  > 1) OK  2) Cancel  > \n");
}

// Unseen message boxes are answered as closed and told, with a scripted
// answer or without.
TEST(UiRegistration, ScriptedMessageBoxesAreAnsweredAsClosedAndTold) {
  for (const std::optional<Answer> answer : {std::optional<Answer>(), std::optional(Answer::Yes)}) {
    SCOPED_TRACE(answer.has_value());
    std::vector<std::string> told;
    std::istringstream in;
    std::ostringstream out;
    PresenterChoice choice{UiMode::None, answer, std::nullopt};
    PresenterSetup setup{in, out, nullptr, nullptr};
    setup.messageUnseen = [&](const std::string& title, const std::string& prompt,
                              const std::string& answered) {
      told.push_back(title + "|" + prompt + "|" + answered);
    };
    UiRegistration registration(PresenterKind::Scripted, choice, setup);
    EXPECT_EQ(MsgBox("该单据没有物料!", kOkOnly + kInformation, "Velmora提示"), kOk);
    EXPECT_EQ(MsgBox("go on?", kYesNoCancel, "t"), kCancel);
    EXPECT_EQ(told,
              std::vector<std::string>({"Velmora提示|该单据没有物料!|OK", "t|go on?|Cancel"}));
    EXPECT_EQ(out.str(), "");
  }
}

}  // namespace
}  // namespace lumo::ui
