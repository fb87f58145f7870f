// What a user does to a record list window, done with QTest's mouse.
#pragma once

#include <QDialog>
#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <string>

namespace lumo::ui {

inline QTableView& Table(QDialog& window) {
  return *window.findChild<QTableView*>("records");
}

inline void ClickTitle(QDialog& window, int column) {
  QHeaderView& titles = *Table(window).horizontalHeader();
  QTest::mouseClick(titles.viewport(), Qt::LeftButton, {},
                    QPoint(titles.sectionViewportPosition(column) + 5, titles.height() / 2));
}

inline void DoubleClickRow(QDialog& window, int row) {
  QTableView& table = Table(window);
  const QPoint at = table.visualRect(table.model()->index(row, 0)).center();
  // A double-click is a press, a release and a double-click event.
  QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, at);
}

// The column's texts as the table shows them, top to bottom, joined by ",".
inline std::string ShownColumn(QDialog& window, int column) {
  const QAbstractItemModel& rows = *Table(window).model();
  std::string texts;
  for (int r = 0; r < rows.rowCount(); ++r) {
    texts += (r ? "," : "") + rows.data(rows.index(r, column)).toString().toStdString();
  }
  return texts;
}

}  // namespace lumo::ui
