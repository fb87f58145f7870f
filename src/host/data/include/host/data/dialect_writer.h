// How a database's dialect writes out the forms of the T-SQL reading; what
// the dialects share is here, what differs is in each one's writer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/data/tsql_dialect.h"
#include "host/data/tsql_reading.h"

namespace lumo::data {

class DialectWriter {
 public:
  virtual ~DialectWriter() = default;

  virtual std::string_view Backend() const = 0;
  // The text of a token whose role is not Plain.
  virtual std::string RoleText(const SqlToken& token) const = 0;
  virtual void WriteCall(ProcedureCall call, std::vector<SqlStep>& steps) const = 0;
  virtual void WriteRows(TsqlInsertRows rows, std::vector<SqlStep>& steps) const = 0;

  // The tokens' texts, each written for its role.
  std::string Text(const SqlTokens& tokens) const;
  // "UPDATE t AS a SET c = v FROM f WHERE (j) AND (w)": both dialects take
  // this form.
  std::string UpdateFromText(const TsqlUpdateFrom& update) const;
};

const DialectWriter& SqliteWriter();
const DialectWriter& PostgresWriter();

}  // namespace lumo::data
