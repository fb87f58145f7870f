// The record list window of the Qt presenter: picked by OK or a
// double-click, cancelled, sorted by a clicked column title, or only
// looked at; its buttons in the session's language.
#include <gtest/gtest.h>

#include <QDialog>
#include <QHeaderView>
#include <QPushButton>
#include <optional>
#include <string>
#include <vector>

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
    std::vector<int> titles;  // clicked in this order
    int row;                  // double-clicked after; -1: none
    const char* button;       // clicked last; nullptr: none, "": the close box
    const char* order;        // the first column after all that
    std::optional<size_t> picked;
    bool pickable = true;
    const char* language = "CHS";
    const char* buttons = "确定,取消";  // the captions of the window's own buttons
  } cases[] = {
      {"OK on the first record", {}, -1, "ok", "昆山,Taiwan,宁波", 0},
      {"double-click", {}, 1, nullptr, "昆山,Taiwan,宁波", 1},
      {"cancel", {}, -1, "cancel", "昆山,Taiwan,宁波", std::nullopt, true, "EN", "OK,Cancel"},
      {"close box", {}, -1, "", "昆山,Taiwan,宁波", std::nullopt},
      {"price, rising", {1}, 0, nullptr, "Taiwan,昆山,宁波", 1},
      {"price, falling", {1, 1}, 0, nullptr, "宁波,昆山,Taiwan", 2},
      {"supplier", {0}, 2, nullptr, "Taiwan,宁波,昆山", 0},
      {"only looked at: a double-click picks nothing",
       {},
       0,
       "close",
       "昆山,Taiwan,宁波",
       std::nullopt,
       false,
       "CHT",
       "關閉"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string order, buttons;
    QtPresenter presenter(UiWords(c.language), [&](QDialog& window) {
      for (const char* name : {"ok", "cancel", "close"}) {
        if (const auto* button = window.findChild<QPushButton*>(name)) {
          buttons += (buttons.empty() ? "" : ",") + button->text().toStdString();
        }
      }
      EXPECT_EQ(Table(window).horizontalHeader()->sortIndicatorSection(),
                -1);  // the viewer's order
      EXPECT_EQ(window.findChild<QPushButton*>("ok") != nullptr, c.pickable);
      for (int title : c.titles) ClickTitle(window, title);
      if (c.row >= 0) DoubleClickRow(window, c.row);
      if (c.button && *c.button) window.findChild<QPushButton*>(c.button)->click();
      if (c.button && !*c.button) window.close();
      order = ShownColumn(window, 0);
      if (window.isVisible()) window.close();
    });
    RecordList list = Prices();
    list.pickable = c.pickable;
    EXPECT_EQ(presenter.ShowRecordList(list), c.picked);
    EXPECT_EQ(order, c.order);
    EXPECT_EQ(buttons, c.buttons);
  }
}

}  // namespace
}  // namespace lumo::ui
