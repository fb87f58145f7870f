#include "host/ui/presenter_choice.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "dialog/frm_oos.h"
#include "support/fresh_thread.h"
#include "support/item_list.h"

namespace lumo::ui {
namespace {

TEST(ChoosePresenter, AnAnswerIsScriptedAndAutoPrefersQtThenTheTerminal) {
  using K = PresenterKind;
  const struct {
    const char* name;
    UiMode ui;
    std::optional<Answer> answer;
    Surroundings around;    // qtBuilt, display, terminal
    std::optional<K> kind;  // nullopt: refused
    std::optional<int32_t> pick = {};
  } cases[] = {
      {"auto with a display", UiMode::Auto, {}, {true, true, true}, K::Qt},
      {"auto, Qt not built", UiMode::Auto, {}, {false, true, true}, K::Console},
      {"auto on a terminal", UiMode::Auto, {}, {true, false, true}, K::Console},
      {"auto with nothing", UiMode::Auto, {}, {true, false, false}, K::Scripted},
      {"answer wins over qt", UiMode::Qt, Answer::Yes, {true, true, true}, K::Scripted},
      {"answer wins over console", UiMode::Console, Answer::Close, {}, K::Scripted},
      {"console without a terminal", UiMode::Console, {}, {}, K::Console},
      {"none", UiMode::None, {}, {true, true, true}, K::Scripted},
      {"qt", UiMode::Qt, {}, {true, true, false}, K::Qt},
      {"qt not built", UiMode::Qt, {}, {false, true, true}, std::nullopt},
      {"qt without a display", UiMode::Qt, {}, {true, false, true}, std::nullopt},
      {"pick wins over qt", UiMode::Qt, {}, {true, true, true}, K::Scripted, 1},
      {"pick 0 wins over auto", UiMode::Auto, {}, {true, true, true}, K::Scripted, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PresenterChoice choice;
    choice.ui = c.ui;
    choice.answer = c.answer;
    choice.pick = c.pick;
    if (c.kind) {
      EXPECT_EQ(ChoosePresenter(choice, c.around), *c.kind);
    } else {
      EXPECT_THROW(ChoosePresenter(choice, c.around), std::invalid_argument);
    }
  }
}

// The registered presenter answers the dialog; a closed window is told. On a
// thread of its own, whose profile helper goes with it, writing the profile
// that LUMO_PROFILE names.
TEST(UiRegistration, ScriptedAnswersClickTheirButtonOrCloseTheWindow) {
  const std::string profile =
      ::testing::TempDir() + "lumo-ui-" + std::to_string(::getpid()) + ".ini";
  ::setenv("LUMO_PROFILE", profile.c_str(), 1);
  testing::OnFreshThread([] {
    const struct {
      std::optional<Answer> answer;
      int32_t showType;
      int32_t returnCode;
      bool loaded;  // a button hides the dialog; closing unloads it
      bool told;
    } cases[] = {
        {Answer::Yes, 0, 0, true, false},    {Answer::No, 0, 2, true, false},
        {Answer::All, 1, 1, true, false},    {Answer::Cancel, 1, 3, true, false},
        {Answer::Cancel, 2, 3, true, false}, {Answer::All, 0, 2, false, false},
        {Answer::Close, 1, 2, false, false}, {std::nullopt, 1, 2, false, true},
    };
    for (const auto& c : cases) {
      SCOPED_TRACE(c.showType);
      std::vector<std::string> told;
      std::istringstream in;
      std::ostringstream out;
      PresenterChoice choice{UiMode::None, c.answer, std::nullopt};
      const PresenterSetup setup{
          in, out, [&](const std::string& caption) { told.push_back(caption); }, nullptr};
      UiRegistration registration(ChoosePresenter(choice, {}), choice, setup);
      auto form = std::make_shared<frmOOS>();
      form->SetOOSItemVect(testing::ItemList());
      form->SetCaption("title");
      form->SetShowType(c.showType);
      form->Show();
      EXPECT_EQ(form->ReturnCode(), c.returnCode);
      EXPECT_EQ(form->Loaded(), c.loaded);
      EXPECT_EQ(told, c.told ? std::vector<std::string>{"title"} : std::vector<std::string>{});
      EXPECT_EQ(out.str(), "");
    }
  });
  EXPECT_TRUE(std::filesystem::remove(profile));
  ::unsetenv("LUMO_PROFILE");
}

}  // namespace
}  // namespace lumo::ui
