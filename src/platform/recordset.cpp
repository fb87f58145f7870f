// Recordset: rows held in memory, a cursor over the rows the filter shows.
//
// Without a filter the cursor walks rows_ directly; with one it walks
// visible_, the row numbers that match. Each column gets an index on its
// first filter: the canonical key of every cell -> the first row holding
// it, the others chained after it, so a filter costs one hash look-up plus
// the copy of its matches.
#include "platform/recordset.h"

#include <charconv>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

#include "platform/error.h"
#include "platform/vb.h"

namespace lumo {

namespace {

std::string NumberKey(double value) {
  if (value == 0) value = 0;  // -0 and 0 are the same value
  char text[32];
  auto end = std::to_chars(text, text + sizeof text, value).ptr;
  std::string key = "#";
  key.append(text, end);
  return key;
}

// Built by append: GCC 12 at -O3 warns falsely (-Wrestrict) on "literal" + string.
std::string TextKey(std::string_view text) {
  std::string key = "$";
  key += vb::UCase(text);
  return key;
}

// The number a plain whole-number text ("42", "-7") stands for, read
// without the general parse: bill ids filter a column line by line, and
// this is the text they come as. At most 15 digits, so the double is exact.
std::optional<double> PlainWholeNumber(std::string_view text) {
  const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
  if (digits.empty() || digits.size() > 15) return std::nullopt;
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return static_cast<double>(value);
}

// The key of a text value: numeric text compares as its number.
std::string TextValueKey(std::string_view text) {
  if (auto number = PlainWholeNumber(text)) return NumberKey(*number);
  if (auto number = vb::ParseNumericText(text)) return NumberKey(*number);
  return TextKey(text);
}

// The one rule by which a filter value meets a cell: two values match
// exactly when their keys are equal. Numbers and numeric text compare as
// numbers ("5", " 5.0" and Long 5 are one key); any other text compares
// without regard to ASCII case. Null, objects and arrays never match.
std::optional<std::string> FilterKey(const Variant& value) {
  switch (value.kind()) {
    case Variant::Kind::Integer:
      return NumberKey(value.AsInteger());
    case Variant::Kind::Long:
      return NumberKey(value.AsLong());
    case Variant::Kind::Double:
      return NumberKey(value.AsDouble());
    case Variant::Kind::Empty:
      return TextKey("");
    case Variant::Kind::Boolean:
      return TextKey(value.AsBool() ? "True" : "False");
    case Variant::Kind::String:
      return TextValueKey(value.AsString());
    case Variant::Kind::Null:
    case Variant::Kind::Object:
    case Variant::Kind::Array:
      return std::nullopt;
  }
  return std::nullopt;
}

[[noreturn]] void RaiseBadFilter(std::string_view criteria) {
  Raise(vberr::kInvalidCall, "Recordset.Filter",
        "Filter must read COLUMN=VALUE: \"" + std::string(criteria) + "\"");
}

struct Criterion {
  std::string column;
  std::string value;
};

// "COLUMN=VALUE"; a quoted VALUE may hold blanks and doubled quotes ('').
Criterion ParseCriterion(std::string_view criteria) {
  size_t equals = criteria.find('=');
  if (equals == std::string_view::npos) RaiseBadFilter(criteria);
  std::string_view column = vb::TrimWhiteSpace(criteria.substr(0, equals));
  std::string_view value = vb::TrimWhiteSpace(criteria.substr(equals + 1));
  // Other operators and combined criteria are not supported: refuse them
  // rather than read them as a column name or a value that matches nothing.
  if (column.empty() || column.find_first_of("<>!'") != std::string_view::npos) {
    RaiseBadFilter(criteria);
  }
  if (value.empty() || value.front() != '\'') {
    if (value.find_first_of(" \t'") != std::string_view::npos) RaiseBadFilter(criteria);
    return {std::string(column), std::string(value)};
  }
  std::string text;
  size_t i = 1;
  for (;; ++i) {
    if (i >= value.size()) RaiseBadFilter(criteria);  // no closing quote
    if (value[i] != '\'') {
      text += value[i];
    } else if (i + 1 < value.size() && value[i + 1] == '\'') {
      text += '\'';
      ++i;
    } else {
      break;
    }
  }
  if (i + 1 != value.size()) RaiseBadFilter(criteria);  // text after the closing quote
  return {std::string(column), std::move(text)};
}

}  // namespace

Recordset::Recordset(std::vector<std::string> columns, std::vector<Row> rows)
    : columns_(std::move(columns)), rows_(std::move(rows)) {
  for (const Row& row : rows_) {
    if (row.size() != columns_.size()) {
      Raise(vberr::kInvalidCall, "Recordset", "Every row needs one value per column");
    }
  }
  for (size_t i = 0; i < columns_.size(); ++i) {
    columnsByName_.try_emplace(vb::UCase(columns_[i]), static_cast<int32_t>(i));
  }
}

void Recordset::RequireOpen() const {
  if (!open_) Raise(vberr::kObjectClosed, "Recordset");
}

size_t Recordset::VisibleCount() const {
  return filtered_ ? visible_.size() : rows_.size();
}

int32_t Recordset::RecordCount() const {
  RequireOpen();
  return static_cast<int32_t>(VisibleCount());
}

bool Recordset::Eof() const {
  RequireOpen();
  return position_ >= VisibleCount();
}

// Kept harmless on an empty recordset: callers move first and then test Eof.
void Recordset::MoveFirst() {
  RequireOpen();
  position_ = 0;
}

void Recordset::MoveNext() {
  if (Eof()) Raise(vberr::kNoCurrentRecord, "Recordset");
  ++position_;
}

int32_t Recordset::ColumnIndex(std::string_view column) const {
  auto found = columnsByName_.find(vb::UCase(column));
  if (found == columnsByName_.end()) {
    Raise(vberr::kItemNotFound, "Recordset",
          StandardDescription(vberr::kItemNotFound) + " (\"" + std::string(column) + "\")");
  }
  return found->second;
}

Variant Recordset::Value(std::string_view column) const {
  RequireOpen();
  int32_t index = ColumnIndex(column);
  if (Eof()) Raise(vberr::kNoCurrentRecord, "Recordset");
  size_t row = filtered_ ? visible_[position_] : position_;
  return rows_[row][static_cast<size_t>(index)];
}

const std::string& Recordset::FieldName(int32_t index) const {
  RequireOpen();
  if (index < 0 || index >= FieldCount()) Raise(vberr::kItemNotFound, "Recordset");
  return columns_[static_cast<size_t>(index)];
}

namespace {

constexpr uint32_t kNoRow = 0xFFFFFFFF;

// The slot of `key` in the table: the one holding a row with that key, or
// the empty slot where it would go. Linear probing; the table is never more
// than half full.
template <class Slot>
size_t FindSlot(const std::vector<Slot>& slots, const std::vector<std::string>& keys,
                const std::string& key, uint32_t hash) {
  const size_t mask = slots.size() - 1;
  for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const Slot& entry = slots[slot];
    if (entry.row == 0) return slot;
    if (entry.hash == hash && keys[entry.row - 1] == key) return slot;
  }
}

uint32_t HashOf(const std::string& key) {
  const size_t hash = std::hash<std::string>{}(key);
  return static_cast<uint32_t>(hash ^ (hash >> 32));
}

}  // namespace

void Recordset::ShowIndexedRows(int32_t column, const std::string& key) {
  auto index = indexes_.find(column);
  if (index == indexes_.end()) {
    // Built aside and kept only when complete: a cell whose text is too large
    // for a number raises 6, and a half-built index would later hide rows.
    // Built from the last row up, so each chain runs in row order.
    ValueIndex built;
    built.keys.resize(rows_.size());
    built.nextRow.assign(rows_.size(), kNoRow);
    size_t slots = 2;
    while (slots < 2 * rows_.size()) slots *= 2;
    built.slots.resize(slots);
    for (size_t row = rows_.size(); row-- > 0;) {
      auto cellKey = FilterKey(rows_[row][static_cast<size_t>(column)]);
      if (!cellKey) continue;
      built.keys[row] = std::move(*cellKey);
      const uint32_t hash = HashOf(built.keys[row]);
      Slot& entry = built.slots[FindSlot(built.slots, built.keys, built.keys[row], hash)];
      if (entry.row != 0) built.nextRow[row] = entry.row - 1;
      entry = {static_cast<uint32_t>(row + 1), hash};
    }
    index = indexes_.emplace(column, std::move(built)).first;
  }
  visible_.clear();
  const ValueIndex& rows = index->second;
  const uint32_t first = rows.slots[FindSlot(rows.slots, rows.keys, key, HashOf(key))].row;
  for (uint32_t row = first == 0 ? kNoRow : first - 1; row != kNoRow; row = rows.nextRow[row]) {
    visible_.push_back(row);
  }
}

void Recordset::SetFilter(std::string_view criteria) {
  RequireOpen();
  if (vb::TrimWhiteSpace(criteria).empty()) {
    filter_.clear();
    filtered_ = false;
    visible_.clear();
  } else {
    Criterion criterion = ParseCriterion(criteria);
    int32_t column = ColumnIndex(criterion.column);
    ShowIndexedRows(column, TextValueKey(criterion.value));
    filter_ = std::string(criteria);
    filtered_ = true;
  }
  position_ = 0;
}

void Recordset::Close() {
  RequireOpen();
  open_ = false;
  rows_ = {};
  visible_ = {};
  indexes_ = {};
}

}  // namespace lumo
