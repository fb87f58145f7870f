// lumo-action's --ui, --pick and the viewers: the record a scripted list
// picks, and the one line on standard error when a list goes unseen.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "hostapi/stock_status.h"
#include "hostapi/supply_face.h"
#include "options.h"
#include "platform/vb.h"
#include "presenters.h"
#include "support/viewer_host.h"

namespace lumo::app {
namespace {

namespace fs = std::filesystem;

TEST(ViewerPresenter, ScriptedListsPickAsToldAndSayWhenTheyGoUnseen) {
  const std::string database =
      (fs::temp_directory_path() / ("lumo-pick-" + std::to_string(::getpid()) + ".db")).string();
  testing::RegisterViewerHost(database);

  // One price list viewer for every case, in this order: a show that
  // picks nothing forgets the record an earlier show returned.
  const auto face = CreateObjectAs<ISupplyFace>(kSupplyFaceProgId);
  face->SetSelICItemID(1451);
  const struct {
    std::vector<std::string> args;
    const char* record;  // FPrice|FCyID|FSupID|FItemID|FUnitID|FDiscount
    const char* told;
    bool callByBill = true;
  } cases[] = {
      {{"--ui", "none", "--pick", "2"}, "176|1|251|1451|1|2", ""},
      {{"--ui", "none", "--pick", "0"}, "none", ""},
      {{"--ui", "none", "--pick", "3"}, "24.8|2|252|1451|1|0", ""},
      {{"--ui", "none"},
       "none",
       "lumo-action: no user interface to show the list \"采购价格资料\" (3 records; see --ui, "
       "--pick): cancelled\n"},
      {{"--answer", "yes", "--pick", "4"},
       "none",
       "lumo-action: --pick 4: the list \"采购价格资料\" has 3 records: cancelled\n"},
      {{"--pick", "1"},
       "none",
       "lumo-action: no user interface to show the list \"采购价格资料\" (3 records; see --ui)\n",
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.size() > 1 ? c.args[1] : c.args[0]);
    std::vector<std::string> args = c.args;
    args.push_back("TevSer_PriceQueryPO");
    std::istringstream in;
    std::ostringstream err;
    const auto registration = RegisterPresenter(ParseOptions(args), "", in, err);
    face->SetCallByBill(c.callByBill);
    face->Show(1);
    const RecordsetRef record = face->ReturnRecordSet();
    std::string fields = record ? "" : "none";
    for (const char* name : {"FPrice", "FCyID", "FSupID", "FItemID", "FUnitID", "FDiscount"}) {
      if (record) fields += (fields.empty() ? "" : "|") + vb::CStr(record->Value(name));
    }
    EXPECT_EQ(fields, c.record);
    EXPECT_EQ(err.str(), c.told);
  }
  // A list only looked at, of one record.
  std::istringstream in;
  std::ostringstream err;
  const auto registration = RegisterPresenter(ParseOptions({"--ui", "none", "X"}), "", in, err);
  CreateObjectAs<IStockStatusFace>(kStockStatusProgId)->ShowByBill("t1.FItemID IN (1455)");
  EXPECT_EQ(err.str(),
            "lumo-action: no user interface to show the list \"库存状态\" (1 record; see --ui)\n");
  fs::remove(database);
}

}  // namespace
}  // namespace lumo::app
