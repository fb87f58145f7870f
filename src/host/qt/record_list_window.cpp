#include "record_list_window.h"

#include <QFont>
#include <QHeaderView>
#include <QPushButton>
#include <algorithm>
#include <limits>
#include <string>

namespace lumo::ui {

namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// What a numeric cell sorts by: its value, grouping commas left out; an
// empty or unreadable cell sorts before every number.
double SortValue(const std::string& text) {
  bool ok = false;
  const double value = Text(text).remove(',').trimmed().toDouble(&ok);
  return ok ? value : std::numeric_limits<double>::lowest();
}

}  // namespace

int RecordModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(list_.rows.size());
}

int RecordModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(list_.columns.size());
}

QVariant RecordModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const auto& row = list_.rows.at(static_cast<size_t>(index.row()));
  const auto column = static_cast<size_t>(index.column());
  static const std::string kNone;
  const std::string& text = column < row.size() ? row[column] : kNone;
  const bool numeric = list_.columns.at(column).numeric;
  switch (role) {
    case Qt::DisplayRole:
      return Text(text);
    case Qt::TextAlignmentRole:
      return QVariant::fromValue((numeric ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case kSortRole:
      return numeric ? QVariant(SortValue(text)) : QVariant(Text(text));
    default:
      return {};
  }
}

QVariant RecordModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return Text(list_.columns.at(static_cast<size_t>(section)).title);
}

RecordListWindow::RecordListWindow(const RecordList& list, const UiWords& words) : records_(list) {
  setWindowTitle(Text(list.title));
  if (!list.fontName.empty()) setFont(QFont(Text(list.fontName), 9));
  SetUpTable();

  if (list.pickable) {
    buttons_.setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* ok = buttons_.button(QDialogButtonBox::Ok);
    ok->setObjectName("ok");
    ok->setText(Text(words("确定")));
    QPushButton* cancel = buttons_.button(QDialogButtonBox::Cancel);
    cancel->setObjectName("cancel");
    cancel->setText(Text(words("取消")));
    ok->setEnabled(!list.rows.empty());
    connect(&buttons_, &QDialogButtonBox::accepted, this,
            [this] { Pick(table_.selectionModel()->currentIndex()); });
    connect(&table_, &QTableView::doubleClicked, this, &RecordListWindow::Pick);
    if (!list.rows.empty()) table_.selectRow(0);
  } else {
    buttons_.setStandardButtons(QDialogButtonBox::Close);
    QPushButton* close = buttons_.button(QDialogButtonBox::Close);
    close->setObjectName("close");
    close->setText(Text(words("关闭")));
  }
  connect(&buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

  layout_.addWidget(&table_);
  layout_.addWidget(&buttons_);
  SizeToRecords();
}

void RecordListWindow::SetUpTable() {
  sorted_.setSourceModel(&records_);
  sorted_.setSortRole(RecordModel::kSortRole);
  table_.setObjectName("records");
  table_.setModel(&sorted_);
  table_.setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_.setSelectionBehavior(QAbstractItemView::SelectRows);
  table_.setSelectionMode(QAbstractItemView::SingleSelection);
  table_.setWordWrap(false);
  table_.verticalHeader()->hide();
  table_.verticalHeader()->setMinimumSectionSize(1);
  table_.verticalHeader()->setDefaultSectionSize(table_.fontMetrics().height() + 4);
  QFont bold = font();
  bold.setBold(true);
  table_.horizontalHeader()->setFont(bold);
  // The viewer's own order until a title is clicked: no column sorts yet.
  table_.horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table_.setSortingEnabled(true);
}

void RecordListWindow::SizeToRecords() {
  constexpr int kMinWidth = 360, kMaxWidth = 1200, kMinHeight = 160, kMaxHeight = 640;
  // Measured with the style and fonts the window is drawn with.
  ensurePolished();
  table_.resizeColumnsToContents();
  // Room to spare: the measure leaves the widest text a pixel short once
  // drawn, and cells read better with a margin.
  constexpr int kSpare = 8;
  for (int c = 0; c < records_.columnCount({}); ++c) {
    table_.setColumnWidth(c, table_.columnWidth(c) + kSpare);
  }
  const QHeaderView& titles = *table_.horizontalHeader();
  const QMargins margins = layout_.contentsMargins();
  const int frame = 2 * table_.frameWidth();
  const int width = titles.length() + frame + margins.left() + margins.right();
  const int height = titles.sizeHint().height() + table_.verticalHeader()->length() + frame +
                     layout_.spacing() + buttons_.sizeHint().height() + margins.top() +
                     margins.bottom();
  resize(std::clamp(width, kMinWidth, kMaxWidth), std::clamp(height, kMinHeight, kMaxHeight));
}

void RecordListWindow::Pick(const QModelIndex& shown) {
  if (!shown.isValid()) return;
  picked_ = static_cast<size_t>(sorted_.mapToSource(shown).row());
  accept();
}

}  // namespace lumo::ui
