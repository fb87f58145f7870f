// The database of data/schema.sql and data/demo.sql as PostgreSQL writes it.
//
// The two files stay the one source of every database; they are SQLite's
// dialect, and the few places where PostgreSQL differs are rewritten:
//   - INTEGER PRIMARY KEY (SQLite numbers a row that gives none) becomes an
//     identity column, which the statements at the end move past the ids
//     the demo rows gave, as SQLite would count on from them;
//   - REAL (SQLite's eight-byte real) becomes DOUBLE PRECISION;
//   - DEFAULT (date('now')) becomes today's date as the same ISO text;
//   - the rows of t_Procedure become CREATE PROCEDURE statements (a body in
//     SQL with $1, $2... for its :Name parameters, each declared with the
//     type FParams gives it), and t_Procedure itself is not made.
// Names stay unquoted, so the server keeps them in lower case and every
// client reaches them in any case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumo::data {

// The statements, in order, for the schema and then (when not empty) the
// demo data. A row of t_Procedure whose parameter has no type, or whose body
// uses a placeholder that is no parameter, is error 5.
std::vector<std::string> PostgresDatabaseScript(std::string_view schemaSql,
                                                std::string_view demoSql);

}  // namespace lumo::data
