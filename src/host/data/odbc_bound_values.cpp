#include "host/data/odbc_bound_values.h"

#include "host/data/odbc_text.h"

namespace lumo::data {

BoundValues::BoundValues(const OdbcHandle& statement, std::span<const SqlValue> values)
    : values_(values.begin(), values.end()), texts_(values.size()), lengths_(values.size()) {
  for (size_t i = 0; i < values_.size(); ++i) {
    const auto number = static_cast<SQLUSMALLINT>(i + 1);
    SQLRETURN rc = SQL_SUCCESS;
    SqlValue& value = values_[i];
    SQLLEN& length = lengths_[i];
    if (auto* whole = std::get_if<int64_t>(&value)) {
      rc = SQLBindParameter(statement.get(), number, SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_BIGINT, 0,
                            0, whole, 0, nullptr);
    } else if (auto* real = std::get_if<double>(&value)) {
      rc = SQLBindParameter(statement.get(), number, SQL_PARAM_INPUT, SQL_C_DOUBLE, SQL_DOUBLE, 0,
                            0, real, 0, nullptr);
    } else if (auto* text = std::get_if<std::string>(&value)) {
      std::vector<SQLWCHAR>& wide = texts_[i] = OdbcText(*text);
      const size_t units = wide.size() - 1;  // without the ending 0
      length = static_cast<SQLLEN>(units * sizeof(SQLWCHAR));
      rc = SQLBindParameter(statement.get(), number, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_WVARCHAR,
                            units == 0 ? 1 : units, 0, wide.data(), length, &length);
    } else {
      length = SQL_NULL_DATA;
      rc = SQLBindParameter(statement.get(), number, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_WVARCHAR, 1,
                            0, nullptr, 0, &length);
    }
    CheckOdbc(rc, statement, "SQLBindParameter");
  }
}

}  // namespace lumo::data
