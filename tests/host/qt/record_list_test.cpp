// The record list window of the Qt presenter: picked by OK or a
// double-click, cancelled, sorted by a clicked column title, or only
// looked at.
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

RecordList Prices() {
  RecordList list;
  list.title = "采购价格资料";
  list.columns = {{"供应商", false}, {"单价", true}};
  list.rows = {{"昆山", "185.00"}, {"Taiwan", "24.80"}, {"宁波", "1,280.50"}};
  return list;
}

TEST(QtRecordList, PickedByOkOrDoubleClickAndSortedByAClickedTitle) {
  EnsureQtApplication();
  const struct {
    const char* name;
    std::function<void(QDialog&)> act;
    const char* order;  // the first column after act
    std::optional<size_t> picked;
    bool pickable = true;
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
      {"only looked at: no OK, and a double-click picks nothing",
       [](QDialog& w) {
         EXPECT_EQ(w.findChild<QPushButton*>("ok"), nullptr);
         DoubleClickRow(w, 0);
         w.findChild<QPushButton*>("close")->click();
       },
       "昆山,Taiwan,宁波", std::nullopt, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string order;
    QtPresenter presenter([&](QDialog& window) {
      QHeaderView& titles = *Table(window).horizontalHeader();
      EXPECT_EQ(titles.sortIndicatorSection(), -1);  // the viewer's order first
      c.act(window);
      order = ShownColumn(window, 0);
      if (window.isVisible()) window.close();
    });
    RecordList list = Prices();
    list.pickable = c.pickable;
    EXPECT_EQ(presenter.ShowRecordList(list), c.picked);
    EXPECT_EQ(order, c.order);
  }
}

}  // namespace
}  // namespace lumo::ui
