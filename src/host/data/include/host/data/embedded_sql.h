// SQL texts compiled into the program from data/schema.sql and data/demo.sql.
#pragma once

#include <string_view>

namespace lumo::embedded {

extern const std::string_view kSchemaSql;  // every table, view and procedure
extern const std::string_view kDemoSql;    // the demo company's data

}  // namespace lumo::embedded
