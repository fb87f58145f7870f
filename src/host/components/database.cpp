#include "host/components/database.h"

#include <fmt/format.h>

#include "hostapi/class_info.h"
#include "platform/vb.h"

namespace lumo::components {

RecordsetRef Query(const std::string& propString, const std::string& sql) {
  return CreateObjectAs<IClassInfo>(kClassInfoProgId)->GetData(propString, sql);
}

bool IsPlainIdentifier(std::string_view name) {
  const auto isLetter = [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
  };
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  if (name.empty() || !isLetter(name.front())) return false;
  for (char c : name) {
    if (!isLetter(c) && !isDigit(c)) return false;
  }
  return true;
}

double NumberOr(const RecordsetRef& rows, std::string_view column, double fallback) {
  if (!rows || rows->Eof()) return fallback;
  const Variant& value = rows->Value(column);
  if (value.IsNull() || value.IsEmpty()) return fallback;
  return vb::CDbl(value);
}

double MultiplierRate(const std::string& propString, int32_t currencyId) {
  const RecordsetRef rows = Query(
      propString, fmt::format("SELECT FOperator,FExchangeRate FROM t_Currency WHERE FCurrencyID={}",
                              currencyId));
  const double rate = NumberOr(rows, "FExchangeRate", 0);
  if (rate == 0) return 1;
  const Variant& op = rows->Value("FOperator");
  return op.IsString() && op.AsString() == "/" ? 1 / rate : rate;
}

}  // namespace lumo::components
