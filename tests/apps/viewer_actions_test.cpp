// The four actions that open the host's viewers, end to end: lumo-action
// in-process on the demo database, the real viewers answered unseen.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "host/data/database_file.h"
#include "hosting/variant_json.h"
#include "run.h"

namespace lumo::app {
namespace {

using hosting::Json;

namespace fs = std::filesystem;

TEST(ViewerActions, RunOnTheDemoDatabaseThroughTheRealViewers) {
  const std::string database =
      (fs::temp_directory_path() / ("lumo-viewers-" + std::to_string(::getpid()) + ".db")).string();
  data::CreateDatabase(database, /*withDemoData=*/true);
  const std::string none = "no user interface to show the ";
  const struct {
    std::vector<std::string> args;
    const char* output;     // "return" and any "error"
    std::string told = "";  // on standard error, after "lumo-action: "
  } cases[] = {
      // 176 yuan a piece from 50 on, less the supplier's 3 %; the price
      // record keeps its own 2 %.
      {{"--ui", "none", "--pick", "2", "TevSer_PriceQueryPO", "P_ICItemID=1451", "P_CalDiscount=1"},
       R"({"return": {"P_FSupID": 251, "P_FItemID": 1451, "P_FUnitID": 1, "P_FPrice": 170.72,
           "P_FDiscount": 2.0}})"},
      {{"--ui", "none", "TevSer_HPriceQry", "P_QueryType=0", "P_ICItemID=1451"},
       R"({"return": null})",
       none + "list \"历史价格 09.001\" (5 records; see --ui)"},
      {{"--ui", "none", "TevSer_VStockStatus", R"(P_ICItemID=[null, 1451, "", 1453, 1455])"},
       R"({"return": null})",
       none + "list \"库存状态\" (4 records; see --ui)"},
      {{"--ui", "none", "TevSer_VItemReplace", R"(P_ICItemID=[null, 1001, 1005, "", 1451])"},
       R"({"return": null})",
       none + "list \"物料替代\" (4 records; see --ui)"},
      {{"--ui", "none", "TevSer_VItemReplace", R"(P_ICItemID=[null, "", " "])"},
       R"({"return": null})",
       none + "message \"该单据没有物料!\" titled \"Velmora提示\" (see --ui): answered OK"},
      {{"--answer", "yes", "TevSer_VItemReplace"},
       R"({"return": null})",
       none + "message \"该单据没有物料!\" titled \"Velmora提示\" (see --ui): answered OK"},
      {{"--ui", "none", "TevSer_VStockStatus", "P_ICItemID=1) OR 1=1 --"},
       R"({"return": null, "error": {"number": -1, "source": "ViewStockStatus:P_ICItemID",
           "description": "\"1) OR 1=1 --\" is not an item id"}})",
       "TevSer_VStockStatus failed: error -1 from \"ViewStockStatus:P_ICItemID\": \"1) OR 1=1 "
       "--\" is not an item id"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.back());
    std::vector<std::string> args = {"--db", database};
    args.insert(args.end(), c.args.begin(), c.args.end());
    std::istringstream in;
    std::ostringstream out, err;
    const int status = app::Run(args, in, out, err);
    const Json output = Json::parse(out.str());
    EXPECT_EQ(status, output.contains("error") ? 1 : 0);
    Json shown = {{"return", output["return"]}};
    if (output.contains("error")) shown["error"] = output["error"];
    EXPECT_EQ(shown, Json::parse(c.output));
    EXPECT_EQ(err.str(), c.told.empty() ? "" : "lumo-action: " + c.told + "\n");
  }
  fs::remove(database);
}

}  // namespace
}  // namespace lumo::app
