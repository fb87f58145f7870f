// lumo-action's --ui, --pick and the viewers: the record a scripted list
// picks, and the one line on standard error when a list goes unseen.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "host/components/register.h"
#include "host/data/database_file.h"
#include "host/data/register.h"
#include "host/viewers/register.h"
#include "hostapi/stock_status.h"
#include "hostapi/supply_face.h"
#include "options.h"
#include "platform/vb.h"
#include "presenters.h"

namespace lumo::app {
namespace {

namespace fs = std::filesystem;

TEST(ViewerPresenter, ScriptedListsPickAsToldAndSayWhenTheyGoUnseen) {
  const fs::path folder = fs::temp_directory_path() / ("lumo-pick-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  data::CreateDatabase((folder / "demo.db").string(), /*withDemoData=*/true);
  data::RegisterDataAccess();
  components::RegisterHostComponents({})->Set(
      static_cast<int32_t>(::getpid()), "PropsString",
      "DBFile=" + (folder / "demo.db").string() + ";UserID=16;Language=CHS");
  viewers::RegisterViewers();

  const struct {
    std::vector<std::string> args;
    bool stock;         // the stock of item 1455 (one record, only looked at)
    const char* price;  // of the record picked from the carriage's three; nullptr: none
    const char* told;
  } cases[] = {
      {{"--ui", "none", "--pick", "2"}, false, "176", ""},
      {{"--pick", "1"}, false, "185", ""},
      {{"--ui", "none", "--pick", "0"}, false, nullptr, ""},
      {{"--ui", "none"},
       false,
       nullptr,
       "lumo-action: no user interface to show the list \"采购价格资料\" (3 records; see --ui, "
       "--pick): cancelled\n"},
      {{"--answer", "yes", "--pick", "4"},
       false,
       nullptr,
       "lumo-action: --pick 4: the list \"采购价格资料\" has 3 records: cancelled\n"},
      {{"--ui", "none", "--pick", "1"},
       true,
       nullptr,
       "lumo-action: no user interface to show the list \"库存状态\" (1 record; see --ui)\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.size() > 1 ? c.args[1] : c.args[0]);
    std::vector<std::string> args = c.args;
    args.push_back("TevSer_PriceQueryPO");
    std::istringstream in;
    std::ostringstream err;
    const auto registration = RegisterPresenter(ParseOptions(args), in, err);
    if (c.stock) {
      CreateObjectAs<IStockStatusFace>(kStockStatusProgId)->ShowByBill("t1.FItemID IN (1455)");
    } else {
      const auto face = CreateObjectAs<ISupplyFace>(kSupplyFaceProgId);
      face->SetSelICItemID(1451);
      face->Show(1);
      const RecordsetRef picked = face->ReturnRecordSet();
      EXPECT_EQ(picked ? vb::CStr(picked->Value("FPrice")) : "none", c.price ? c.price : "none");
    }
    EXPECT_EQ(err.str(), c.told);
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace lumo::app
