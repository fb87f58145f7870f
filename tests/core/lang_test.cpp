#include "core/lang.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/error.h"
#include "support/fake_res_loader.h"
#include "support/fake_share_props.h"
#include "support/fresh_thread.h"

namespace lumo::testing {

using Texts = std::vector<std::string>;

TEST(Lang, LoadsTheTextBetweenTheSourcesBlanksAndKeepsThePendingError) {
  const struct {
    const char* name;
    bool loader;
    const char* source;
    const char* expected;
  } cases[] = {
      {"loaded", true, "  单价 ", "  ENG:单价 "},
      {"only blanks", true, "   ", "ENG:   "},
      {"no loader", false, " 是否继续? ", " 是否继续? "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OnFreshThread([&] {
      FakeShareProps shareProps("UserID=16;Language=eng");
      std::optional<FakeResLoaders> loaders;
      if (c.loader) loaders.emplace();
      const ErrorInfo pending{5, "Caller", "pending", "help.chm", 3};
      Err() = pending;
      EXPECT_EQ(GetLangText(c.source), c.expected);
      EXPECT_EQ(Err(), pending);
      if (loaders) {
        EXPECT_EQ(loaders->loaders->events, (Texts{"base LumoDesign", "language ENG"}));
      }
    });
  }
}

TEST(Lang, KeepsTheFirstLanguageFoundOnTheThreadForTextsAndFonts) {
  OnFreshThread([] {
    FakeResLoaders loaders;
    std::optional<FakeShareProps> shareProps("Language=cht");
    EXPECT_EQ(GetLangText("a"), "CHT:a");
    shareProps.emplace("Language=eng");
    EXPECT_EQ(GetLangText("a"), "CHT:a");
    SetFormFont(nullptr);
    EXPECT_EQ(loaders.loaders->events, (Texts{"base LumoDesign", "language CHT", "font CHT"}));
  });
}

}  // namespace lumo::testing
