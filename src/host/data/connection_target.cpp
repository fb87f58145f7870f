#include "host/data/connection_target.h"

#include "host/data/data_error.h"
#include "host/data/sql_tokens.h"
#include "platform/vb.h"

namespace lumo::data {
namespace {

// Reads "{...}" from the start of `rest` and consumes it.
std::string ReadBraced(std::string_view& rest) {
  std::string value;
  for (size_t i = 1; i < rest.size(); ++i) {
    if (rest[i] != '}') {
      value += rest[i];
    } else if (i + 1 < rest.size() && rest[i + 1] == '}') {
      value += '}';
      ++i;
    } else {
      rest.remove_prefix(i + 1);
      return value;
    }
  }
  RaiseInvalidRequest("Unterminated { in the session property string");
}

}  // namespace

PropertyList ParsePropertyString(std::string_view props) {
  PropertyList properties;
  std::string_view rest = props;
  while (!rest.empty()) {
    const size_t stop = rest.find_first_of("=;");
    if (stop == std::string_view::npos || rest[stop] == ';') {  // a part without "=": no property
      rest.remove_prefix(stop == std::string_view::npos ? rest.size() : stop + 1);
      continue;
    }
    std::string key(vb::TrimWhiteSpace(rest.substr(0, stop)));
    rest = vb::TrimWhiteSpace(rest.substr(stop + 1));
    std::string value;
    if (rest.starts_with('{')) {
      value = ReadBraced(rest);
      rest = vb::TrimWhiteSpace(rest);
      if (!rest.empty() && rest.front() != ';')
        RaiseInvalidRequest("Text after the } of property " + key);
    } else {
      value = vb::TrimWhiteSpace(rest.substr(0, rest.find(';')));
    }
    rest.remove_prefix(std::min(rest.find(';'), rest.size()));
    if (!rest.empty()) rest.remove_prefix(1);
    properties.emplace_back(std::move(key), std::move(value));
  }
  return properties;
}

std::optional<std::string> FindProperty(const PropertyList& properties, std::string_view key) {
  for (const auto& [name, value] : properties) {
    if (EqualsIgnoringCase(name, key)) return value;
  }
  return std::nullopt;
}

ConnectionTarget ConnectionTargetOf(std::string_view props) {
  const PropertyList properties = ParsePropertyString(props);
  const std::optional<std::string> file = FindProperty(properties, "DBFile");
  const std::optional<std::string> odbc = FindProperty(properties, "DBConnect");
  if (file && odbc)
    RaiseInvalidRequest("The session property string names both DBFile and DBConnect; give one");
  if (file && !file->empty()) return {ConnectionTarget::Kind::SqliteFile, *file};
  if (odbc && !odbc->empty()) return {ConnectionTarget::Kind::Odbc, *odbc};
  RaiseInvalidRequest(
      "The session property string names no database: give DBFile=<SQLite file> or "
      "DBConnect={<ODBC connection string>}");
}

}  // namespace lumo::data
