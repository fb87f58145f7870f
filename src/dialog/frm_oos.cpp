#include "dialog/frm_oos.h"

#include "collections/dictionary.h"
#include "core/lang.h"
#include "dialog/column_widths.h"
#include "dialog/layout.h"
#include "hostapi/grid_title.h"
#include "hostapi/presenter.h"
#include "platform/error.h"
#include "platform/vb.h"

namespace lumo {

namespace {

constexpr float kDefaultColumnWidth = 1000;

DictionaryRef ItemOf(const VectorRef& items, int32_t index) {
  return ObjectAs<Dictionary>(Deref(items).Item(index));
}

// A cell's text as the grid shows it: Null and Empty give "".
std::string CellText(const Variant& value) {
  return value.IsNull() ? std::string() : vb::CStr(value);
}

// The title row as the grid shows it, through the host's helper (one per
// thread, made at first use). Mended: a missing or failing helper left the
// grid's row request with an untrapped error, which ends the host's
// process; the raw title row is shown instead.
std::string FormatTitleRow(const std::string& raw) {
  thread_local std::shared_ptr<IGridTitleHelper> helper;
  try {
    if (!helper) helper = CreateObjectAs<IGridTitleHelper>(kGridTitleHelperProgId);
    return helper->FormatTitleRow(1, raw);
  } catch (...) {
    return raw;
  }
}

}  // namespace

void frmOOS::SetOOSItemVect(VectorRef vData) {
  items_ = std::move(vData);
  const DictionaryRef positions = ItemOf(items_, 1);
  std::vector<std::string> names(positions->Count());
  for (int32_t i = 1; i <= positions->Count(); ++i) {
    const std::string& key = positions->Name(i);
    const int32_t position = vb::CLng(positions->Value(key));
    if (position < 1 || position > positions->Count()) Raise(vberr::kSubscript);
    names[position - 1] = key;
  }
  colNames_ = std::move(names);
}

const std::string& frmOOS::ColName(int32_t position) const {
  if (position < 1 || position > static_cast<int32_t>(colNames_.size())) Raise(vberr::kSubscript);
  return colNames_[position - 1];
}

std::string frmOOS::TRowData(int32_t lRow) const {
  std::string text;
  ErrStateGuard callersError;
  if (lRow == 1) {
    int32_t count = 0;
    ResumeNext([&] { count = ItemOf(items_, 2)->Count(); });
    for (int32_t i = 1; i <= count; ++i) {
      ResumeNext([&] { text += CellText(ItemOf(items_, 2)->Value(ColName(i))) + "|"; });
    }
  } else if (lRow == 2) {
    ResumeNext([&] { text.append(ItemOf(items_, 2)->Count(), '|'); });
  }
  return text;
}

std::string frmOOS::DRowData(int32_t lRow, [[maybe_unused]] int16_t SColor) const {
  try {
    const DictionaryRef row = ItemOf(items_, lRow + 1);
    std::string text;
    for (int32_t i = 1; i <= row->Count(); ++i) text += CellText(row->Value(ColName(i))) + "|";
    return text;
  } catch (...) {
    return {};
  }
}

void frmOOS::SetCaption(std::string caption) {
  EnsureLoaded();
  caption_ = std::move(caption);
}

void frmOOS::Show() {
  EnsureLoaded();
  hidden_ = false;
  CreateObjectAs<IPresenter>(kPresenterProgId)->ShowListDialog(*this);
}

void frmOOS::EnsureLoaded() {
  if (!loaded_) Load();
}

void frmOOS::Load() {
  controls_ = dialog::DesignLayout();
  grid_ = {};
  SetDefaultCaptions();
  // Kept: the caller's texts replace the defaults even when empty, so the
  // stock-shortage defaults never show.
  controls_.header.text = captionHeader_;
  controls_.footer1.text = captionFooter1_;
  controls_.footer2.text = captionFooter2_;
  dialog::CollapseFooters(controls_);
  SetUpGrid();  // raises without OOSItemVect: the form does not load
  loaded_ = true;
  hidden_ = true;
  dialog::LoadColumnWidths(grid_.widths);
}

void frmOOS::SetDefaultCaptions() {
  SetFormFont(weak_from_this().lock());
  caption_ = GetLangText("缺货存货");
  controls_.buttons[kAnswerYesToAll].caption = GetLangText("全部(&A)");
  controls_.buttons[kAnswerNo].caption = GetLangText("否(&N)");
  controls_.buttons[kAnswerYes].caption = GetLangText("是(&Y)");
  controls_.buttons[kAnswerCancel].caption = GetLangText("取消");
  controls_.footer2.text = GetLangText("缺货数量＝当前数量－可供出库数量");
  controls_.footer1.text =
      GetLangText("其中：可供出库数量＝现有库存量－安全库存量－已分配量＋预计入库量");
  controls_.header.text = GetLangText("有如下物料现在有缺货情况，是否继续？");
}

void frmOOS::SetUpGrid() {
  const Vector& items = Deref(items_);
  Grid grid;
  const int32_t columns = ItemOf(items_, 1)->Count();
  grid.rows = items.UpperBound() - 1;
  grid.headerRows = 2;
  grid.widths.assign(columns, kDefaultColumnWidth);
  grid.kinds.assign(columns, 0);

  const DictionaryRef captions = ItemOf(items_, 2);
  const DictionaryRef kinds = ItemOf(items_, 3);
  for (int32_t i = 1; i <= captions->Count(); ++i) {
    const std::string& key = ColName(i);
    grid.kinds[i - 1] = vb::CLng(kinds->Value(key));
  }
  grid_ = std::move(grid);
}

size_t frmOOS::ColumnIndex(int32_t column) const {
  if (column < 1 || column > GridColumns()) Raise(vberr::kSubscript);
  return static_cast<size_t>(column - 1);
}

float frmOOS::ColumnWidth(int32_t column) const {
  return grid_.widths[ColumnIndex(column)];
}

int32_t frmOOS::ColumnKind(int32_t column) const {
  return grid_.kinds[ColumnIndex(column)];
}

void frmOOS::SetColumnWidth(int32_t column, float width) {
  grid_.widths[ColumnIndex(column)] = width;
}

std::string frmOOS::RowText(int32_t row) {
  if (row == 1) return FormatTitleRow(TRowData(1));
  if (row == 2) return TRowData(2);
  return DRowData(row);
}

void frmOOS::Resize(int32_t clientWidth, int32_t clientHeight) {
  controls_.clientWidth = clientWidth;
  controls_.clientHeight = clientHeight;
  dialog::DockPanel(controls_);
  dialog::ArrangeControls(controls_, showType_, GetLangText("确定"));
}

bool frmOOS::Click(int32_t answer) {
  if (!Visible() || answer < 0 || answer >= static_cast<int32_t>(controls_.buttons.size()) ||
      !controls_.buttons[answer].visible) {
    return false;
  }
  returnCode_ = answer;
  hidden_ = true;  // ends the modal show; the caller reads ReturnCode, then unloads
  return true;
}

void frmOOS::Unload() {
  if (!loaded_) return;
  // Kept: unloading answers No, even after a button; callers read the
  // answer before they unload.
  returnCode_ = kAnswerNo;
  loaded_ = false;
  hidden_ = true;
  items_.reset();
  dialog::SaveColumnWidths(grid_.widths);
}

}  // namespace lumo
