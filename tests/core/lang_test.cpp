#include "core/lang.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/error.h"
#include "support/fake_res_loader.h"
#include "support/fake_share_props.h"
#include "support/fresh_thread.h"

namespace lumo {
namespace {

using testing::FakeFrmResLoader;
using testing::FakeResLoader;
using testing::FakeShareProps;
using testing::OnFreshThread;

TEST(Lang, KeepsTheBlanksAroundTheLoadedText) {
  OnFreshThread([] {
    FakeShareProps shareProps("UserID=16;Language=eng");
    FakeResLoader loader;
    const struct {
      const char* source;
      const char* expected;
    } cases[] = {
        {"单价", "ENG:单价"},
        {"  单价 ", "  ENG:单价 "},
        {"   ", "ENG:   "},
        {"", "ENG:"},
    };
    for (const auto& c : cases) {
      SCOPED_TRACE(c.source);
      EXPECT_EQ(GetLangText(c.source), c.expected);
    }
    EXPECT_EQ(loader.resFileBaseName(), "LumoDesign");
    EXPECT_EQ(loader.languageSets(), 1);
  });
}

TEST(Lang, ShowsTheSourceTextWithoutALoaderAndKeepsThePendingError) {
  OnFreshThread([] {
    const ErrorInfo pending{5, "Caller", "pending", "help.chm", 3};
    Err() = pending;
    EXPECT_EQ(GetLangText(" 是否继续? "), " 是否继续? ");
    EXPECT_EQ(Err(), pending);
  });
}

TEST(Lang, KeepsTheFirstLanguageFoundOnTheThread) {
  OnFreshThread([] {
    FakeResLoader loader;
    FakeFrmResLoader formLoader;
    {
      FakeShareProps shareProps("Language=cht");
      EXPECT_EQ(GetLangText("a"), "CHT:a");
    }
    FakeShareProps changed("Language=eng");
    EXPECT_EQ(GetLangText("a"), "CHT:a");
    SetFormFont(nullptr);
    EXPECT_EQ(formLoader.fontLanguages(), std::vector<std::string>{"CHT"});
  });
}

}  // namespace
}  // namespace lumo
