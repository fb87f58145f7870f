#include "presenters.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/msg_box.h"
#include "hostapi/presenter.h"

namespace lumo::app {
namespace {

// Without a screen, with a scripted answer or without: the message is told
// on standard error in one line, so it is never lost.
TEST(RegisterPresenter, TellsAMessageBoxShownToNobodyInOneLine) {
  const std::vector<std::vector<std::string>> runs = {{"--ui", "none", "A"},
                                                      {"--answer", "no", "A"}};
  for (const auto& args : runs) {
    SCOPED_TRACE(args[0]);
    std::istringstream in;
    std::ostringstream err;
    const auto registration = RegisterPresenter(ParseOptions(args), in, err);
    EXPECT_EQ(MsgBox("no\r\nitems", msgbox::kOkOnly + msgbox::kInformation, "Velmora提示"),
              msgbox::kOk);
    EXPECT_EQ(err.str(),
              "lumo-action: no user interface to show the message \"no  items\" titled "
              "\"Velmora提示\" (see --ui): answered OK\n");
  }
}

}  // namespace
}  // namespace lumo::app
