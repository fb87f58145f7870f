#include "core/props.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/fake_share_props.h"

namespace lumo::testing {

TEST(Props, GetPropValueMatchesAKeyOnlyWhereAPairBegins) {
  const std::string farAway = std::string(32766, 'x') + ";Language=chs";
  const struct {
    const char* props;  // nullptr: no shared properties
    const char* key;
    const char* expected;
  } cases[] = {
      {"DBUserID=sa;UserID=16", "UserID", "16"},
      {"UserID=16", "ID", ""},
      {"DBName=X;UserID=16;Language=chs;", "userid", "16"},
      {"UserID=;Language=chs", "UserID", ""},
      {"DB=X;  Language=eng", "Language", "ENG"},
      {"DB=X;Language =eng", "Language", ""},
      {farAway.c_str(), "Language", ""},  // keys past position 32767 count as absent
      {farAway.c_str() + 1, "Language", "CHS"},
      {nullptr, "Language", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.props ? c.props : "(none)").substr(0, 40) + " / " + c.key);
    std::optional<FakeShareProps> shareProps;
    if (c.props) shareProps.emplace(c.props);
    EXPECT_EQ(GetPropValue(c.key), c.expected);
  }
}

}  // namespace lumo::testing
