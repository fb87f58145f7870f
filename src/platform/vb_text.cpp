// VB's text functions and the text helpers the rest of the system shares.
// All positions and lengths count bytes of the UTF-8 text; letter case is
// that of ASCII letters only.
#include <algorithm>

#include "platform/error.h"
#include "platform/vb.h"
#include "vb_chars.h"

namespace lumo::vb {

using chars::SameLetter;
using chars::ToUpperAscii;

namespace {

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::string LTrim(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string RTrim(std::string_view text) {
  const size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string Trim(std::string_view text) {
  return RTrim(LTrim(text));
}

std::string UCase(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), ToUpperAscii);
  return upper;
}

int32_t InStr(int32_t start, std::string_view text, std::string_view needle) {
  if (start < 1) Raise(vberr::kInvalidCall);
  const size_t from = static_cast<size_t>(start) - 1;
  if (text.empty() || from >= text.size()) return 0;
  if (needle.empty()) return start;
  const auto found = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(),
                                 needle.begin(), needle.end(), SameLetter);
  if (found == text.end()) return 0;
  return static_cast<int32_t>(found - text.begin()) + 1;
}

std::string_view TrimWhiteSpace(std::string_view text) {
  while (!text.empty() && IsWhiteSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsWhiteSpace(text.back())) text.remove_suffix(1);
  return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameLetter);
}

}  // namespace lumo::vb
