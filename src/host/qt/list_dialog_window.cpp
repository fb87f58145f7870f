#include "list_dialog_window.h"

#include <QFont>
#include <QHeaderView>
#include <QPalette>
#include <QResizeEvent>
#include <QStringList>

#include "host/ui/row_cells.h"

namespace lumo::ui {

namespace {

// The object names of the buttons, by the answer each gives.
constexpr std::array<const char*, 4> kButtonNames = {"cmdYes", "CmdYesToAll", "CmdNo", "cmdCancel"};

int Pixels(int32_t twips) {
  return qRound(static_cast<double>(twips) / kTwipsPerPixel);
}

QRect Pixels(const TwipsRect& r) {
  return {Pixels(r.left), Pixels(r.top), Pixels(r.width), Pixels(r.height)};
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

int RowTextModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(dialog_.GridRows() - dialog_.GridHeaderRows(), 0);
}

int RowTextModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : dialog_.GridColumns();
}

const std::vector<QString>& RowTextModel::Cells(int gridRow) const {
  auto found = rows_.find(gridRow);
  if (found == rows_.end()) {
    std::vector<QString> cells;
    for (const std::string& cell : RowCells(dialog_.RowText(gridRow), dialog_.GridColumns())) {
      cells.push_back(Text(cell));
    }
    found = rows_.emplace(gridRow, std::move(cells)).first;
  }
  return found->second;
}

QVariant RowTextModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) {
    return Cells(index.row() + dialog_.GridHeaderRows() + 1).at(index.column());
  }
  if (role == Qt::TextAlignmentRole) {
    const bool numeric = dialog_.ColumnKind(index.column() + 1) == 1;
    return QVariant::fromValue((numeric ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
  }
  return {};
}

QVariant RowTextModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::DisplayRole) {
    QStringList lines;  // one line per title row that has text
    for (int row = 1; row <= dialog_.GridHeaderRows(); ++row) {
      const QString& cell = Cells(row).at(section);
      if (!cell.isEmpty()) lines << cell;
    }
    return lines.join('\n');
  }
  if (role == Qt::FontRole) {
    QFont bold;
    bold.setBold(true);
    return bold;
  }
  return {};
}

ListDialogWindow::ListDialogWindow(IListDialog& dialog) : dialog_(dialog), rows_(dialog) {
  setWindowTitle(Text(dialog_.Caption()));
  if (!dialog_.FontName().empty()) setFont(QFont(Text(dialog_.FontName()), 9));

  const ListDialogControls& controls = dialog_.Controls();
  header_.setWordWrap(true);
  header_.setAlignment(Qt::AlignLeft | Qt::AlignTop);
  for (QLabel* footer : {&footer1_, &footer2_}) footer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  for (size_t i = 0; i < separator_.size(); ++i) {
    QPalette palette = separator_[i].palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(controls.separator[i].color));
    separator_[i].setPalette(palette);
    separator_[i].setAutoFillBackground(true);
  }
  for (size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i].setObjectName(kButtonNames[i]);
    buttons_[i].setAutoDefault(false);
    connect(&buttons_[i], &QPushButton::clicked, this, [this, i] {
      if (dialog_.Click(static_cast<int32_t>(i))) accept();
    });
  }
  SetUpGrid();
  resize(Pixels(controls.clientWidth), Pixels(controls.clientHeight));
  PlaceControls();
}

void ListDialogWindow::SetUpGrid() {
  grid_.setObjectName("ldgOOSItem");
  grid_.setModel(&rows_);
  grid_.verticalHeader()->hide();
  // Rows as high as a line of text, as in a ledger.
  grid_.verticalHeader()->setMinimumSectionSize(1);
  grid_.verticalHeader()->setDefaultSectionSize(grid_.fontMetrics().height() + 4);
  grid_.setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_.setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_.setWordWrap(false);
  QPalette palette = grid_.palette();
  palette.setColor(QPalette::Base, Qt::white);
  grid_.setPalette(palette);

  QHeaderView& titles = *grid_.horizontalHeader();
  titles.setStretchLastSection(false);
  for (int32_t column = 1; column <= dialog_.GridColumns(); ++column) {
    titles.resizeSection(column - 1, Pixels(static_cast<int32_t>(dialog_.ColumnWidth(column))));
  }
  // Only a width the user changes goes back: the pixel rounding of an
  // untouched column must not change the width it remembers.
  connect(&titles, &QHeaderView::sectionResized, this, [this](int section, int, int pixels) {
    const int32_t column = section + 1;
    if (pixels != Pixels(static_cast<int32_t>(dialog_.ColumnWidth(column)))) {
      dialog_.SetColumnWidth(column, static_cast<float>(pixels * kTwipsPerPixel));
    }
  });
}

void ListDialogWindow::PlaceControls() {
  const ListDialogControls& c = dialog_.Controls();
  header_.setText(Text(c.header.text));
  header_.setGeometry(Pixels(c.header.rect));
  grid_.setGeometry(Pixels(c.grid));
  panel_.setGeometry(Pixels(c.panel));
  footer1_.setText(Text(c.footer1.text));
  footer1_.setGeometry(Pixels(c.footer1.rect));
  footer2_.setText(Text(c.footer2.text));
  footer2_.setGeometry(Pixels(c.footer2.rect));
  for (size_t i = 0; i < separator_.size(); ++i) {
    const TwipsLine& line = c.separator[i];
    separator_[i].setGeometry(Pixels(line.x1), Pixels(line.y1),
                              std::max(Pixels(line.x2 - line.x1), 1), 1);
  }
  for (size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i].setText(Text(c.buttons[i].caption));
    buttons_[i].setGeometry(Pixels(c.buttons[i].rect));
    buttons_[i].setVisible(c.buttons[i].visible);
  }
}

void ListDialogWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  dialog_.Resize(event->size().width() * kTwipsPerPixel, event->size().height() * kTwipsPerPixel);
  PlaceControls();
}

void ListDialogWindow::reject() {
  if (dialog_.Visible()) dialog_.Close();
  QDialog::reject();
}

}  // namespace lumo::ui
