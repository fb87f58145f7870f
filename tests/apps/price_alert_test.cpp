// The price alert end to end: lumo-action on the demo database with the
// demo purchase order, answered by each presenter that needs no screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hosting/variant_json.h"
#include "support/lumo_action_fixture.h"

namespace lumo::app {
namespace {

using hosting::Json;

class PriceAlert : public LumoAction {
 protected:
  // Runs the alert without a display, the profile in the test's folder.
  Outcome Alert(std::vector<std::string> ui, const std::string& input = "") const {
    ui.insert(ui.begin(), {"--db", demo, "--para", LUMO_SOURCE_DIR "/data/po_bill_2201.json"});
    ui.push_back("TevSer_POPriceAlert");
    return Run(ui, input,
               "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LUMO_PROFILE='" +
                   Path("ZEZSystem.INI") + "'");
  }
};

TEST_F(PriceAlert, NoOrAClosedDialogCancelsTheSave) {
  const Json cancel = {{"CancelSeries", true}};
  const struct {
    const char* name;
    std::vector<std::string> ui;
    std::string input;
    Json dctReturn;
    std::vector<std::string> errParts;  // in this order; one part is the whole text
  } cases[] = {
      {"scripted No", {"--ui", "none", "--answer", "no"}, "", cancel, {""}},
      {"scripted Yes", {"--answer", "yes"}, "", nullptr, {""}},
      {"nothing to show it on",
       {"--ui", "none"},
       "",
       cancel,
       {"lumo-action: no user interface to show the dialog \"采购最高限价报警和控制\" (see --ui): "
        "answered close\n"}},
      {"console, answered No after a wrong answer",
       {"--ui", "console"},
       "x\nN\n",
       cancel,
       {"== 采购最高限价报警和控制 "
        "==\n对于当前供应商常州恒力液压件有限公司[S011]，以下物料超过采购最高限价：",
        "行号  物料代码", "4     06.004    外啮合齿轮泵", "1,200.00        1,280.50  80.50\n",
        "是否继续保存？\n1) 是(Y)  2) 否(N)  > 没看懂“x”，请再回答。\n1) 是(Y)  2) 否(N)  > "}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome outcome = Alert(c.ui, c.input);
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const Json json = Json::parse(outcome.out);
    EXPECT_EQ(json["result"], 0);
    EXPECT_FALSE(json.contains("error")) << outcome.out;
    EXPECT_EQ(json["return"], c.dctReturn);
    if (c.errParts.size() == 1) {
      EXPECT_EQ(outcome.err, c.errParts[0]);
    }
    size_t at = 0;
    for (const std::string& part : c.errParts) {
      at = outcome.err.find(part, at);
      EXPECT_NE(at, std::string::npos) << part << "\nin:\n" << outcome.err;
    }
  }
  // The dialogs answered by a button were unloaded by the action, which
  // remembered the ten column widths.
  EXPECT_NE(ReadText(Path("ZEZSystem.INI")).find("col10=1000\n"), std::string::npos);

  const Outcome qt = Alert({"--ui", "qt"});
  EXPECT_EQ(qt.status, 2);
  EXPECT_EQ(qt.out, "");
  EXPECT_TRUE(qt.err.starts_with("lumo-action: --ui qt: ")) << qt.err;
}

// Without a display, auto asks on the terminal that standard input and
// error are on, wherever standard output goes, in the session's language.
TEST_F(PriceAlert, AutoAsksOnTheTerminalWhenTheOutputIsPiped) {
  const Outcome outcome =
      RunOnTerminal({"--props", "DBFile=" + demo + ";UserID=16;Language=EN", "--para",
                     LUMO_SOURCE_DIR "/data/po_bill_2201.json", "TevSer_POPriceAlert"},
                    "maybe\nN\n",
                    "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LUMO_PROFILE='" +
                        Path("ZEZSystem.INI") + "'");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(Json::parse(outcome.out)["return"], Json({{"CancelSeries", true}}));
  const char* const parts[] = {"== Purchase Maximum Price Alert ==", "Continue saving?",
                               "1) Yes  2) No  > ", "\"maybe\" was not understood; answer again."};
  size_t at = 0;
  for (const char* part : parts) {
    at = outcome.err.find(part, at);
    EXPECT_NE(at, std::string::npos) << part << "\nin:\n" << outcome.err;
  }
}

}  // namespace
}  // namespace lumo::app
