// The record list's Qt window: a table of the records in the viewer's
// order until a column title is clicked; then sorted by that column
// (numbers by value, texts by their characters), and a second click turns
// the order round. A pickable list has OK (or a double-click on a record)
// and Cancel; a list that is only looked at has Close.
#pragma once

#include <QAbstractTableModel>
#include <QDialog>
#include <QDialogButtonBox>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <cstddef>
#include <optional>

#include "host/ui/ui_words.h"
#include "hostapi/record_list.h"

namespace lumo::ui {

// The list's records as the table reads them: each cell's text, its
// alignment, and what it sorts by (kSortRole).
class RecordModel final : public QAbstractTableModel {
 public:
  static constexpr int kSortRole = Qt::UserRole + 1;

  explicit RecordModel(const RecordList& list) : list_(list) {}

  int rowCount(const QModelIndex& parent) const override;
  int columnCount(const QModelIndex& parent) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const RecordList& list_;
};

class RecordListWindow final : public QDialog {
 public:
  // The buttons' captions are in the words' language.
  RecordListWindow(const RecordList& list, const UiWords& words);

  // The record picked (its index in the list's rows); nullopt until then.
  std::optional<size_t> Picked() const { return picked_; }

 private:
  void SetUpTable();
  void SizeToRecords();
  // Picks the record shown in the table row, and closes the window.
  void Pick(const QModelIndex& shown);

  RecordModel records_;
  QSortFilterProxyModel sorted_;
  QTableView table_{this};
  QDialogButtonBox buttons_{this};
  QVBoxLayout layout_{this};
  std::optional<size_t> picked_;
};

}  // namespace lumo::ui
