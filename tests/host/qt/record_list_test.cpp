// The record list window of the Qt presenter: picked by OK or a
// double-click, cancelled, and sorted by a clicked column title.
#include <gtest/gtest.h>

#include <QDialog>
#include <QHeaderView>
#include <QPushButton>
#include <functional>
#include <optional>
#include <string>

#include "host/qt/qt_presenter.h"
#include "qt_application.h"
#include "qt_window_actions.h"

namespace lumo::ui {
namespace {

// The first column's texts as the table shows them, top to bottom.
std::string ShownNames(QDialog& window) {
  const QAbstractItemModel& rows = *Table(window).model();
  std::string names;
  for (int r = 0; r < rows.rowCount(); ++r) {
    names += (r ? "," : "") + rows.data(rows.index(r, 0)).toString().toStdString();
  }
  return names;
}

RecordList Prices() {
  RecordList list;
  list.title = "采购价格资料";
  list.columns = {{"供应商", false}, {"单价", true}};
  list.rows = {{"昆山", "185.00"}, {"Taiwan", "24.80"}, {"宁波", "1,280.50"}};
  list.pickable = true;
  return list;
}

TEST(QtRecordList, PickedByOkOrDoubleClickAndSortedByAClickedTitle) {
  EnsureQtApplication();
  const struct {
    const char* name;
    std::function<void(QDialog&)> act;
    const char* order;  // the first column after act
    std::optional<size_t> picked;
  } cases[] = {
      {"OK on the first record", [](QDialog& w) { w.findChild<QPushButton*>("ok")->click(); },
       "昆山,Taiwan,宁波", 0},
      {"double-click", [](QDialog& w) { DoubleClickRow(w, 1); }, "昆山,Taiwan,宁波", 1},
      {"cancel", [](QDialog& w) { w.findChild<QPushButton*>("cancel")->click(); },
       "昆山,Taiwan,宁波", std::nullopt},
      {"close box", [](QDialog& w) { w.close(); }, "昆山,Taiwan,宁波", std::nullopt},
      {"price, rising",
       [](QDialog& w) {
         ClickTitle(w, 1);
         DoubleClickRow(w, 0);
       },
       "Taiwan,昆山,宁波", 1},
      {"price, falling",
       [](QDialog& w) {
         ClickTitle(w, 1);
         ClickTitle(w, 1);
         DoubleClickRow(w, 0);
       },
       "宁波,昆山,Taiwan", 2},
      {"supplier",
       [](QDialog& w) {
         ClickTitle(w, 0);
         DoubleClickRow(w, 2);
       },
       "Taiwan,宁波,昆山", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string order;
    QtPresenter presenter([&](QDialog& window) {
      QHeaderView& titles = *Table(window).horizontalHeader();
      EXPECT_EQ(titles.sortIndicatorSection(), -1);  // the viewer's order first
      c.act(window);
      order = ShownNames(window);
      if (window.isVisible()) window.close();
    });
    EXPECT_EQ(presenter.ShowRecordList(Prices()), c.picked);
    EXPECT_EQ(order, c.order);
  }
}

TEST(QtRecordList, AListOnlyLookedAtClosesAndPicksNothing) {
  EnsureQtApplication();
  RecordList list = Prices();
  list.pickable = false;
  bool hasOk = true;
  QtPresenter presenter([&](QDialog& window) {
    hasOk = window.findChild<QPushButton*>("ok") != nullptr;
    DoubleClickRow(window, 0);
    if (window.isVisible()) window.findChild<QPushButton*>("close")->click();
  });
  EXPECT_EQ(presenter.ShowRecordList(list), std::nullopt);
  EXPECT_FALSE(hasOk);
}

}  // namespace
}  // namespace lumo::ui
