#include "host/data/connection_string.h"

#include <array>

#include "host/data/connection_target.h"
#include "platform/vb.h"

namespace lumo::data {
namespace {

constexpr std::array<std::string_view, 2> kPasswordKeys = {"PWD", "PASSWORD"};
constexpr std::string_view kMask = "********";

// The length of the password key (with its "=" and blanks before it) that
// starts at `at` after anything but a letter, digit or "_", or 0.
size_t PasswordKeyAt(std::string_view text, size_t at) {
  const auto isNameChar = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
  };
  if (at > 0 && isNameChar(text[at - 1])) return 0;
  for (std::string_view key : kPasswordKeys) {
    if (text.size() - at <= key.size() || !vb::EqualsIgnoringCase(text.substr(at, key.size()), key))
      continue;
    size_t end = at + key.size();
    while (end < text.size() && (text[end] == ' ' || text[end] == '\t')) ++end;
    if (end < text.size() && text[end] == '=') return end + 1 - at;
  }
  return 0;
}

// The end of the value that starts at `at`: a braced value ends after its
// closing brace ("}}" inside stands for "}"); any other at ";" or "}".
size_t ValueEnd(std::string_view text, size_t at) {
  while (at < text.size() && text[at] == ' ') ++at;
  if (at < text.size() && text[at] == '{') {
    for (size_t i = at + 1; i < text.size(); ++i) {
      if (text[i] != '}') continue;
      if (i + 1 < text.size() && text[i + 1] == '}') {
        ++i;
        continue;
      }
      return i + 1;
    }
    return text.size();
  }
  const size_t end = text.find_first_of(";}", at);
  return end == std::string_view::npos ? text.size() : end;
}

}  // namespace

std::string MaskPasswords(std::string_view text) {
  std::string masked;
  size_t copied = 0;
  for (size_t at = 0; at < text.size(); ++at) {
    const size_t key = PasswordKeyAt(text, at);
    if (key == 0) continue;
    const size_t value = at + key;
    masked.append(text.substr(copied, value - copied));
    masked.append(kMask);
    copied = ValueEnd(text, value);
    at = copied > 0 ? copied - 1 : 0;
  }
  masked.append(text.substr(copied));
  return masked;
}

std::string ServerOf(std::string_view connectionString) {
  PropertyList properties;
  try {
    properties = ParsePropertyString(connectionString);
  } catch (...) {
    return {};
  }
  if (const auto dsn = FindProperty(properties, "DSN")) return "DSN " + *dsn;
  std::optional<std::string> host = FindProperty(properties, "Server");
  if (!host) host = FindProperty(properties, "Host");
  if (!host || host->empty()) return {};
  const std::optional<std::string> port = FindProperty(properties, "Port");
  return port && !port->empty() ? *host + ":" + *port : *host;
}

}  // namespace lumo::data
