#include "core/query.h"

#include <algorithm>

#include "hostapi/class_info.h"
#include "platform/object.h"
#include "platform/vb.h"

namespace lumo {

Variant NullToDefault(const Variant& value, const Variant& defaultValue) {
  return value.IsNull() ? defaultValue : value;
}

RecordsetRef GetRecordset(const std::string& propString, const std::string& sql) {
  if (vb::Trim(sql).empty()) return nullptr;
  // A new component per call, released right after it, as the host expects.
  const auto classInfo = CreateObjectAs<IClassInfo>(kClassInfoProgId);
  return classInfo->GetData(propString, sql);
}

std::string GetSystemProfile(const std::string& propString, const std::string& category,
                             const std::string& key) {
  // Quotes are doubled so that no category or key can change the statement.
  const std::string sql = "SELECT FKey,FValue FROM t_SystemProfile WHERE FCategory='" +
                          EscapeSqlQuotes(category) + "' AND FKey='" + EscapeSqlQuotes(key) + "'";
  const RecordsetRef profile = GetRecordset(propString, sql);
  if (!profile || profile->RecordCount() <= 0) return {};
  return vb::CStr(NullToDefault(profile->Value("FValue"), ""));
}

int32_t POOrderTaxInPrice(const std::string& propString, const std::string& given) {
  if (!vb::Trim(given).empty()) return vb::RoundToLong(vb::Val(given));
  return vb::CLng(GetSystemProfile(propString, "IC", "POOrderTaxInPrice"));
}

std::string EscapeSqlQuotes(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    escaped += c;
    if (c == '\'') escaped += '\'';
  }
  return escaped;
}

bool IsWholeNumberText(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsPlainSqlName(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
  });
}

}  // namespace lumo
