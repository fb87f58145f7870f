// The list dialog's Qt window and the model behind its grid.
#pragma once

#include <QAbstractTableModel>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QWidget>
#include <array>
#include <unordered_map>
#include <vector>

#include "hostapi/list_dialog.h"

namespace lumo::ui {

// The grid's rows below its title rows; each row's text is fetched from the
// dialog once, when the row is first drawn. The title rows head the columns.
class RowTextModel final : public QAbstractTableModel {
 public:
  explicit RowTextModel(IListDialog& dialog) : dialog_(dialog) {}

  int rowCount(const QModelIndex& parent) const override;
  int columnCount(const QModelIndex& parent) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const std::vector<QString>& Cells(int gridRow) const;

  IListDialog& dialog_;
  mutable std::unordered_map<int, std::vector<QString>> rows_;
};

class ListDialogWindow final : public QDialog {
 public:
  explicit ListDialogWindow(IListDialog& dialog);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // Escape and the close box: the window closed without a button.
  void reject() override;

 private:
  void SetUpGrid();
  void PlaceControls();

  IListDialog& dialog_;
  RowTextModel rows_;
  QLabel header_{this};
  QTableView grid_{this};
  QWidget panel_{this};
  QLabel footer1_{&panel_};
  QLabel footer2_{&panel_};
  std::array<QFrame, 2> separator_{{QFrame(&panel_), QFrame(&panel_)}};
  std::array<QPushButton, 4> buttons_{
      {QPushButton(&panel_), QPushButton(&panel_), QPushButton(&panel_), QPushButton(&panel_)}};
};

}  // namespace lumo::ui
