// The price alert end to end: lumo-action on the demo database with the
// demo purchase order, answered by each presenter that needs no screen.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "variant_json.h"

namespace lumo::app {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
  std::ifstream file(path);
  return {std::istreambuf_iterator<char>(file), {}};
}

class PriceAlertEndToEnd : public ::testing::Test {
 protected:
  const fs::path folder_ = fs::temp_directory_path() / ("lumo-alert-" + std::to_string(::getpid()));
  void SetUp() override {
    fs::create_directories(folder_);
    ASSERT_EQ(Run({"--create-db", Path("demo.db")}), 0);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string Path(const char* name) const { return (folder_ / name).string(); }

  // Runs lumo-action without a display, with `input` on standard input;
  // the outputs are in out and err.
  int Run(const std::vector<std::string>& args, const std::string& input = "") {
    std::ofstream(Path("in")) << input;
    std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LUMO_PROFILE='" +
                          Path("ZEZSystem.INI") + "' " LUMO_ACTION_EXE;
    for (const std::string& arg : args) command += " '" + arg + "'";
    command += " <'" + Path("in") + "' >'" + Path("out") + "' 2>'" + Path("err") + "'";
    const int status = std::system(command.c_str());
    out = ReadText(Path("out"));
    err = ReadText(Path("err"));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::vector<std::string> Alert(std::vector<std::string> ui) {
    ui.insert(ui.begin(),
              {"--db", Path("demo.db"), "--para", LUMO_SOURCE_DIR "/data/po_bill_2201.json"});
    ui.push_back("TevSer_POPriceAlert");
    return ui;
  }
  std::string out, err;
};

TEST_F(PriceAlertEndToEnd, NoOrAClosedDialogCancelsTheSave) {
  const std::string closedUnseen =
      "lumo-action: no user interface to show the dialog \"采购最高限价报警和控制\" (see --ui): "
      "answered close\n";
  const struct {
    const char* name;
    std::vector<std::string> ui;
    std::string input;
    Json dctReturn;
    std::vector<std::string> errParts;  // in this order; {} for nothing at all
  } cases[] = {
      {"scripted No", {"--ui", "none", "--answer", "no"}, "", {{"CancelSeries", true}}, {}},
      {"scripted Yes", {"--answer", "yes"}, "", nullptr, {}},
      {"scripted Cancel, not offered", {"--answer", "cancel"}, "", {{"CancelSeries", true}}, {}},
      {"nothing to show it on", {"--ui", "none"}, "", {{"CancelSeries", true}}, {closedUnseen}},
      {"console, answered No after a wrong answer",
       {"--ui", "console"},
       "x\nN\n",
       {{"CancelSeries", true}},
       {"== 采购最高限价报警和控制 "
        "==\n对于当前供应商常州恒力液压件有限公司[S011]，以下物料超过采购最高限价：",
        "行号  物料代码", "4     06.004    外啮合齿轮泵", "1,200.00        1,280.50  80.50\n",
        "是否继续保存？\n1) 是(Y)  2) 否(N)  > 1) 是(Y)  2) 否(N)  > "}},
      {"console, answered Yes", {"--ui", "console"}, "y\n", nullptr, {"== ", "  > "}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(Run(Alert(c.ui), c.input), 0) << err;
    const Json json = Json::parse(out);
    EXPECT_EQ(json["result"], 0);
    EXPECT_FALSE(json.contains("error")) << out;
    EXPECT_EQ(json["return"], c.dctReturn);
    if (c.errParts.size() < 2) {
      EXPECT_EQ(err, c.errParts.empty() ? "" : c.errParts[0]);
    }
    size_t at = 0;
    for (const std::string& part : c.errParts) {
      at = err.find(part, at);
      EXPECT_NE(at, std::string::npos) << part << "\nin:\n" << err;
    }
  }
  // The dialogs answered by a button were unloaded by the action, which
  // remembered the ten column widths.
  EXPECT_EQ(ReadText(Path("ZEZSystem.INI")).find("col10=1000\n") != std::string::npos, true);
}

TEST_F(PriceAlertEndToEnd, QtWithoutADisplayIsRefusedBeforeTheAction) {
  EXPECT_EQ(Run(Alert({"--ui", "qt"})), 2);
  EXPECT_EQ(out, "");
  EXPECT_EQ(err.rfind("lumo-action: --ui qt: ", 0), 0u) << err;
}

}  // namespace
}  // namespace lumo::app
