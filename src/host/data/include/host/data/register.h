// Registers the data-access component under its ProgID.
#pragma once

namespace lumo::data {

// "LumoMClass.ClassInfo" -> the component over SQLite or ODBC.
void RegisterDataAccess();

}  // namespace lumo::data
