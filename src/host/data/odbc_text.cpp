#include "host/data/odbc_text.h"

#include <algorithm>

#include "platform/utf16.h"

namespace lumo::data {

std::vector<SQLWCHAR> OdbcText(std::string_view text) {
  const std::u16string wide = Utf16FromUtf8(text);
  std::vector<SQLWCHAR> units(wide.begin(), wide.end());
  units.push_back(0);
  return units;
}

std::string TextFromOdbc(const SQLWCHAR* text, size_t length) {
  std::u16string wide(text, text + length);
  return Utf8FromUtf16(wide);
}

std::string TextFromOdbcBuffer(const SQLWCHAR* text, size_t capacity) {
  const SQLWCHAR* end = std::find(text, text + capacity, SQLWCHAR{0});
  return TextFromOdbc(text, static_cast<size_t>(end - text));
}

}  // namespace lumo::data
