#include "presenters.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/msg_box.h"
#include "hostapi/presenter.h"

namespace lumo::app {
namespace {

// Without a screen, with a scripted answer or without: a message box is
// answered with its refusing button and told on standard error in one
// line, so it is never lost.
TEST(RegisterPresenter, TellsAMessageBoxShownToNobodyInOneLine) {
  for (const std::string ui : {"--ui=none", "--answer=yes"}) {
    SCOPED_TRACE(ui);
    std::istringstream in;
    std::ostringstream err;
    const auto registration = RegisterPresenter(ParseOptions({ui, "A"}), in, err);
    EXPECT_EQ(MsgBox("go\r\non?", msgbox::kYesNoCancel, "t"), msgbox::kCancel);
    EXPECT_EQ(err.str(),
              "lumo-action: no user interface to show the message \"go  on?\" titled "
              "\"t\" (see --ui): answered Cancel\n");
  }
}

}  // namespace
}  // namespace lumo::app
