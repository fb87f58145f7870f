// The four viewers on the demo database, drawn by the Qt presenter and
// saved as PNGs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDialog>
#include <QPushButton>
#include <QTableView>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "host/components/register.h"
#include "host/data/database_file.h"
#include "host/data/register.h"
#include "host/qt/qt_presenter.h"
#include "host/viewers/register.h"
#include "hostapi/resources_browser.h"
#include "hostapi/stock_status.h"
#include "hostapi/supply_face.h"
#include "hostapi/trade_query.h"
#include "platform/vb.h"
#include "qt_application.h"
#include "qt_window_actions.h"

namespace lumo::ui {
namespace {

namespace fs = std::filesystem;

using Shown = std::function<void(QDialog&)>;

// The viewers on the demo database through the Qt presenter. Each window
// is saved as a PNG in $LUMO_SCREENSHOT_DIR (else the test's temporary
// folder).
class QtViewers : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureQtApplication();
    fs::create_directories(folder_);
    const std::string database = (folder_ / "demo.db").string();
    data::CreateDatabase(database, /*withDemoData=*/true);
    data::RegisterDataAccess();
    components::RegisterHostComponents({})->Set(static_cast<int32_t>(::getpid()), "PropsString",
                                                "DBFile=" + database + ";UserID=16;Language=CHS");
    viewers::RegisterViewers();
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Registers the Qt presenter: on screen, the window is checked, arranged,
  // saved as `png`, then answered (closed, unless `answer` closed it).
  std::unique_ptr<ScopedRegistration> Present(const std::string& png, Shown arrange,
                                              Shown answer = {}) {
    const char* dir = std::getenv("LUMO_SCREENSHOT_DIR");
    const fs::path path = (dir ? fs::path(dir) : fs::path(::testing::TempDir())) / png;
    auto presenter = std::make_shared<QtPresenter>([=, this](QDialog& window) {
      family_ = window.font().family().toStdString();
      title_ = window.windowTitle().toStdString();
      const QAbstractItemModel& rows = *Table(window).model();
      rowCount_ = rows.rowCount();
      for (int c = 0; c < rows.columnCount(); ++c) {
        const int alignment = rows.data(rows.index(0, c), Qt::TextAlignmentRole).toInt();
        alignment_ += (alignment & Qt::AlignRight) ? 'R' : 'L';
      }
      arrange(window);
      saved_ = window.grab().save(QString::fromStdString(path.string()));
      if (answer) answer(window);
      if (window.isVisible()) window.close();
    });
    return std::make_unique<ScopedRegistration>(kPresenterProgId,
                                                [presenter] { return presenter; });
  }

  const fs::path folder_ =
      fs::temp_directory_path() / ("lumo-qt-viewers-" + std::to_string(::getpid()));
  std::string family_, title_, alignment_;
  int rowCount_ = 0;
  bool saved_ = false;
};

TEST_F(QtViewers, PriceListPicksTheCheapestAfterSortingByPrice) {
  const auto presenter = Present(
      "viewer-price-list.png",
      [](QDialog& window) {
        ClickTitle(window, 7);  // the price: cheapest first
        Table(window).selectRow(0);
      },
      [](QDialog& window) { window.findChild<QPushButton*>("ok")->click(); });
  const auto face = CreateObjectAs<ISupplyFace>(kSupplyFaceProgId);
  face->SetSelICItemID(1451);
  face->Show(1);
  EXPECT_EQ(title_, "采购价格资料");
  EXPECT_EQ(family_, "WenQuanYi Micro Hei");
  EXPECT_EQ(alignment_, "LLLLLLRRR");
  EXPECT_EQ(rowCount_, 3);
  EXPECT_TRUE(saved_);
  const RecordsetRef picked = face->ReturnRecordSet();
  ASSERT_NE(picked, nullptr);
  EXPECT_EQ(vb::CStr(picked->Value("FPrice")), "24.8");
  EXPECT_EQ(vb::CStr(picked->Value("FSupID")), "252");
}

TEST_F(QtViewers, TradeStockAndReplacementListsRender) {
  const struct {
    const char* png;
    std::function<void()> show;
    const char* title;
    const char* alignment;
    int rows;
  } cases[] = {
      {"viewer-trade-prices.png",
       [] {
         const auto query = CreateObjectAs<ITradeQuery>(kTradeQueryProgId);
         query->SetQueryType(0);
         query->SetItemID(1451);
         query->SetItemNumber("09.001");
         query->Show();
       },
       "历史价格 09.001", "LLLLLLLRRRR", 5},
      {"viewer-stock-status.png",
       [] {
         CreateObjectAs<IStockStatusFace>(kStockStatusProgId)
             ->ShowByBill("t1.FItemID IN (1451,1452,,1453,1455)");
       },
       "库存状态", "LLLLLRRRRR", 5},
      {"viewer-item-replacements.png",
       [] {
         const auto browser = CreateObjectAs<IResourcesBrowser>(kResourcesBrowserProgId);
         browser->SetFilter("t1.FItemID IN (1001,1005,,1451)");
         browser->Show();
       },
       "物料替代", "LLLLLLRRL", 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.png);
    alignment_.clear();
    const auto presenter = Present(c.png, [](QDialog&) {});
    c.show();
    EXPECT_EQ(title_, c.title);
    EXPECT_EQ(family_, "WenQuanYi Micro Hei");
    EXPECT_EQ(alignment_, c.alignment);
    EXPECT_EQ(rowCount_, c.rows);
    EXPECT_TRUE(saved_);
  }
}

}  // namespace
}  // namespace lumo::ui
