// The four viewers on the demo database, drawn by the Qt presenter and
// saved as PNGs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDialog>
#include <QTableView>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "host/qt/qt_presenter.h"
#include "hostapi/resources_browser.h"
#include "hostapi/stock_status.h"
#include "hostapi/supply_face.h"
#include "hostapi/trade_query.h"
#include "qt_application.h"
#include "qt_window_actions.h"
#include "support/viewer_host.h"

namespace lumo::ui {
namespace {

namespace fs = std::filesystem;

// Each viewer on the demo database through the Qt presenter: the window is
// checked, sorted by a column when the case says so, and saved as a PNG in
// $LUMO_SCREENSHOT_DIR (else the test's temporary folder).
TEST(QtViewers, EachViewerRendersItsRecords) {
  EnsureQtApplication();
  const std::string database =
      (fs::temp_directory_path() / ("lumo-qt-viewers-" + std::to_string(::getpid()) + ".db"))
          .string();
  testing::RegisterViewerHost(database);
  const char* dir = std::getenv("LUMO_SCREENSHOT_DIR");

  const struct {
    const char* png;
    std::function<void()> show;
    int sortBy;  // the column clicked before the picture; -1: none
    const char* title;
    const char* alignment;
    const char* firstColumn;  // top to bottom
  } cases[] = {
      {"viewer-price-list.png",
       [] {
         const auto face = CreateObjectAs<ISupplyFace>(kSupplyFaceProgId);
         face->SetSelICItemID(1451);
         face->Show(1);
       },
       7, "采购价格资料", "LLLLLLRRR",
       "Taiwan Linear Motion Co.,昆山精密导轨有限公司,昆山精密导轨有限公司"},
      {"viewer-trade-prices.png",
       [] {
         const auto query = CreateObjectAs<ITradeQuery>(kTradeQueryProgId);
         query->SetQueryType(0);
         query->SetItemID(1451);
         query->SetItemNumber("09.001");
         query->Show();
       },
       -1, "历史价格 09.001", "LLLLLLLRRRR",
       "2024-06-10,2024-06-03,2024-04-02,2024-03-12,2024-02-05"},
      {"viewer-stock-status.png",
       [] {
         CreateObjectAs<IStockStatusFace>(kStockStatusProgId)
             ->ShowByBill("t1.FItemID IN (1451,1452,,1453,1455)");
       },
       -1, "库存状态", "LLLLLRRRRR", "09.001,09.001,09.002,09.003,09.005"},
      {"viewer-item-replacements.png",
       [] {
         const auto browser = CreateObjectAs<IResourcesBrowser>(kResourcesBrowserProgId);
         browser->SetFilter("t1.FItemID IN (1001,1005,,1451)");
         browser->Show();
       },
       -1, "物料替代", "LLLLLLRRL", "01.001,04.001,09.001,09.001"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.png);
    const fs::path png = (dir ? fs::path(dir) : fs::path(::testing::TempDir())) / c.png;
    std::string family, title, alignment, firstColumn;
    bool saved = false;
    auto presenter = std::make_shared<QtPresenter>(UiWords(), [&](QDialog& window) {
      family = window.font().family().toStdString();
      title = window.windowTitle().toStdString();
      const QAbstractItemModel& rows = *Table(window).model();
      for (int c = 0; c < rows.columnCount(); ++c) {
        alignment +=
            rows.data(rows.index(0, c), Qt::TextAlignmentRole).toInt() & Qt::AlignRight ? 'R' : 'L';
      }
      if (c.sortBy >= 0) ClickTitle(window, c.sortBy);
      firstColumn = ShownColumn(window, 0);
      saved = window.grab().save(QString::fromStdString(png.string()));
      window.close();
    });
    ScopedRegistration registration(kPresenterProgId, [presenter] { return presenter; });
    c.show();
    EXPECT_EQ(family, "WenQuanYi Micro Hei");
    EXPECT_EQ(title, c.title);
    EXPECT_EQ(alignment, c.alignment);
    EXPECT_EQ(firstColumn, c.firstColumn);
    EXPECT_TRUE(saved);
  }
  fs::remove(database);
}

}  // namespace
}  // namespace lumo::ui
