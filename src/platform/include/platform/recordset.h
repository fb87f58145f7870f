// Recordset: the part of an ADO recordset that the component reads.
//
// A static, client-side recordset: all rows are held in memory, so
// RecordCount is always the true number of rows. Column names compare
// without regard to case, as ADO's do. Filter "COLUMN=VALUE" shows only the
// matching rows; the index behind it is built once per column, so filtering
// n rows for m different values costs O(n + m).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/object.h"
#include "platform/variant.h"

namespace lumo {

class Recordset : public Object {
 public:
  using Row = std::vector<Variant>;

  Recordset(std::vector<std::string> columns, std::vector<Row> rows);

  // Rows visible through the current filter.
  int32_t RecordCount() const;
  // True when there is no current row (no rows, or moved past the last).
  bool Eof() const;
  void MoveFirst();
  // Past the last row sets Eof without an error; at Eof it is error 3021.
  void MoveNext();

  // Fields(name).Value of the current row: 3265 for an unknown column,
  // 3021 when there is no current row. A copy: Close frees the rows.
  Variant Value(std::string_view column) const;

  // Enumeration of Fields: count and Name by 0-based position.
  int32_t FieldCount() const { return static_cast<int32_t>(columns_.size()); }
  const std::string& FieldName(int32_t index) const;

  // "COLUMN=VALUE" (blanks around both allowed, VALUE optionally in single
  // quotes); an empty text removes the filter. Moves to the first match, or
  // to Eof when nothing matches. Numbers compare as numbers, text without
  // regard to case. An unknown column is 3265; any other form is error 5.
  void SetFilter(std::string_view criteria);
  const std::string& Filter() const { return filter_; }

  void Close();
  bool IsOpen() const { return open_; }

 private:
  int32_t ColumnIndex(std::string_view column) const;  // 3265 when unknown
  // Makes visible_ the rows whose cell in the column has the key.
  void ShowIndexedRows(int32_t column, const std::string& key);
  void RequireOpen() const;
  size_t VisibleCount() const;

  std::vector<std::string> columns_;
  // ASCII upper-case column name -> its first column (names may repeat).
  std::unordered_map<std::string, int32_t> columnsByName_;
  std::vector<Row> rows_;
  std::vector<size_t> visible_;  // row numbers behind the current filter
  size_t position_ = 0;          // visible row (or row when unfiltered); == count means Eof
  std::string filter_;
  bool filtered_ = false;
  bool open_ = true;
  // Per column, built on its first filter. Every row's canonical value text
  // ("" for a cell that matches nothing) sits in a flat vector; an
  // open-addressing table of 2^k slots holds, per distinct text, the first
  // row that has it with the text's hash, and nextRow chains the later
  // rows. No node per row: a column of distinct ids costs a few contiguous
  // arrays, not one allocation per row to build and to free, and a probe
  // reads the text only when the hashes agree.
  struct Slot {
    uint32_t row = 0;  // row + 1; 0 is an empty slot
    uint32_t hash = 0;
  };
  struct ValueIndex {
    std::vector<std::string> keys;
    std::vector<Slot> slots;
    std::vector<uint32_t> nextRow;
  };
  std::unordered_map<int32_t, ValueIndex> indexes_;
};

using RecordsetRef = std::shared_ptr<Recordset>;

}  // namespace lumo
