// The ODBC API's headers. Windows' want the system's types declared first;
// this is the one place that knows.
#pragma once

#ifdef _WIN32
#include <windows.h>
#endif

#include <sql.h>
#include <sqlext.h>
