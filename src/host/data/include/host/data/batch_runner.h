// Runs a translated batch on a session: all or nothing.
#pragma once

#include <vector>

#include "host/data/sql_session.h"
#include "host/data/tsql_dialect.h"
#include "platform/recordset.h"

namespace lumo::data {

// Runs the steps in order; stored procedures are read from t_Procedure.
// Anything but a single query runs in one transaction, rolled back when a
// step fails (the error is raised again). Gives the rows of the last step
// that yields columns, or nullptr when none does.
RecordsetRef RunBatch(SqlSession& session, const std::vector<SqlStep>& steps);

}  // namespace lumo::data
