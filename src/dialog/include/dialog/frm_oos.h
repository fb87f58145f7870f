// frmOOS: the modal item list dialog, as a model that needs no screen.
//
// The caller fills it through its properties, shows it modally and reads
// ReturnCode. OOSItemVect holds the whole content of the grid: item 1 maps
// each column key to its column position (from 1), item 2 each key to its
// caption, item 3 each key to its column kind (1 numeric, 0 text), and
// every further item is one data row (column key -> cell value). The grid
// has UpperBound - 1 rows: the title row, an empty second title row, then
// row r shows item r + 1. A presenter (registered by the host as
// "LumoUI.Presenter") draws the dialog and sends its events back.
//
// Loading happens at the first use of a built-in member of the form
// (SetCaption, Show); it consumes OOSItemVect and the three caption
// properties, so values set later are not shown.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "collections/vector.h"
#include "hostapi/form.h"
#include "hostapi/list_dialog.h"
#include "platform/object.h"

namespace lumo {

class frmOOS final : public Object,
                     public IForm,
                     public IListDialog,
                     public std::enable_shared_from_this<frmOOS> {
 public:
  // Property Set OOSItemVect: keeps the list, then builds ColNames from its
  // item 1; a column position outside 1 .. the column count is error 9.
  void SetOOSItemVect(VectorRef vData);
  void SetCaptionHeader(std::string vData) { captionHeader_ = std::move(vData); }
  void SetCaptionFooter1(std::string vData) { captionFooter1_ = std::move(vData); }
  void SetCaptionFooter2(std::string vData) { captionFooter2_ = std::move(vData); }
  // 0 (the initial value): Yes and No; 2: one OK button; any other: all
  // four. Takes effect at the next resize, which showing the dialog makes.
  void SetShowType(int32_t vData) { showType_ = vData; }
  // 0 Yes, 1 Yes to all, 2 No or the window closed, 3 Cancel (or OK).
  int32_t ReturnCode() const { return returnCode_; }

  // The column key shown at each position: ColNames()[i - 1] is column i.
  const std::vector<std::string>& ColNames() const { return colNames_; }

  // Title row 1: each caption of item 2 in column order, followed by "|";
  // row 2: as many "|" as item 2 has captions; other rows "". Never raises:
  // a caption without a column adds nothing.
  std::string TRowData(int32_t lRow) const;
  // Data row lRow, from item lRow + 1: each cell's text followed by "|"
  // (Null and Empty give ""). "" for any failure: no such item, more keys
  // than columns. SColor is accepted and not consulted.
  std::string DRowData(int32_t lRow, int16_t SColor = 0) const;

  // The window caption; setting it loads the form.
  void SetCaption(std::string caption);
  // Loads the form when needed and shows it modally through the host's
  // presenter; returns when a button hid it or the window was closed.
  void Show();
  // Sets ReturnCode to 2, releases OOSItemVect and saves the column widths.
  // Nothing happens when the form is not loaded.
  void Unload();
  bool Loaded() const { return loaded_; }

  // IForm
  std::string FontName() const override { return fontName_; }
  void SetFontName(const std::string& family) override { fontName_ = family; }

  // IListDialog
  std::string Caption() const override { return caption_; }
  const ListDialogControls& Controls() const override { return controls_; }
  int32_t GridRows() const override { return grid_.rows; }
  int32_t GridHeaderRows() const override { return grid_.headerRows; }
  int32_t GridColumns() const override { return static_cast<int32_t>(grid_.widths.size()); }
  float ColumnWidth(int32_t column) const override;
  int32_t ColumnKind(int32_t column) const override;
  // Row 1 through the host's title helper, row 2 TRowData, the others DRowData.
  std::string RowText(int32_t row) override;
  void Resize(int32_t clientWidth, int32_t clientHeight) override;
  void SetColumnWidth(int32_t column, float width) override;
  bool Click(int32_t answer) override;
  void Close() override { Unload(); }
  bool Visible() const override { return loaded_ && !hidden_; }

 private:
  struct Grid {
    int32_t rows = 0;
    int32_t headerRows = 0;
    std::vector<float> widths;   // per column, twips
    std::vector<int32_t> kinds;  // per column
  };

  void EnsureLoaded();
  void Load();
  void SetDefaultCaptions();
  void SetUpGrid();
  const std::string& ColName(int32_t position) const;  // error 9 outside the columns
  size_t ColumnIndex(int32_t column) const;            // error 9 outside the columns

  VectorRef items_;
  std::string captionHeader_, captionFooter1_, captionFooter2_;
  int32_t showType_ = 0;
  int32_t returnCode_ = 0;
  std::vector<std::string> colNames_;

  bool loaded_ = false;
  bool hidden_ = true;
  std::string caption_;
  std::string fontName_;
  ListDialogControls controls_;
  Grid grid_;
};

}  // namespace lumo
