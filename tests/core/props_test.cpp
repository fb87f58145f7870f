#include "core/props.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "support/fake_share_props.h"

namespace lumo {
namespace {

TEST(Props, FindPropValueMatchesAKeyOnlyWhereAPairBegins) {
  const std::string farAway = std::string(32766, 'x') + ";Language=chs";
  const struct {
    const char* props;
    const char* key;
    std::string expected;
  } cases[] = {
      {"DBName=X;UserID=16;Language=chs;", "Language", "CHS"},
      {"DBName=X;UserID=16;Language=chs;", "userid", "16"},
      {"DBName=X;Language=chs", "Language", "CHS"},
      {"UserID=;Language=chs", "UserID", ""},
      {"DBUserID=sa;UserID=16", "UserID", "16"},
      {"UserID=16", "ID", ""},
      {"DB=X;  Language=eng", "Language", "ENG"},
      {"DB=X;Language =eng", "Language", ""},
      {"", "Language", ""},
      {farAway.c_str(), "Language", ""},
      {farAway.c_str() + 1, "Language", "CHS"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.props).substr(0, 40) + " / " + c.key);
    EXPECT_EQ(FindPropValue(c.props, c.key), c.expected);
  }
}

TEST(Props, GetPropValueReadsTheStringOfThisProcess) {
  testing::FakeShareProps shareProps("UserID=16;Language=cht");
  EXPECT_EQ(GetPropValue("Language"), "CHT");
  EXPECT_EQ(shareProps.processIds(), std::vector<int32_t>{static_cast<int32_t>(getpid())});
}

TEST(Props, GetPropValueIsEmptyWithoutSharedProperties) {
  EXPECT_EQ(GetPropValue("Language"), "");
}

}  // namespace
}  // namespace lumo
