// A connection that breaks in the middle of a fetch. This program puts its
// own SQLFetch and SQLGetDiagRecW before unixODBC's (an executable's
// definitions come first), so a chosen fetch fails the way a lost link to a
// server does, with the SQLSTATE the test gives.
#include <dlfcn.h>
#include <sql.h>
#include <sqlext.h>

#include <algorithm>
#include <string>
#include <type_traits>

#include "host/data/class_info_component.h"
#include "host/data/odbc_bound_values.h"
#include "host/data/test_database.h"
#include "support/vb_testing.h"

namespace {

struct InjectedFault {
  int fetchesBeforeIt = -1;  // -1: none armed
  const char* state = "";
  SQLHSTMT statement = nullptr;  // the statement whose fetch failed
};
InjectedFault fault;

template <class Function>
Function Next(Function, const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" SQLRETURN SQL_API SQLFetch(SQLHSTMT statement) {
  static const auto real = Next(&SQLFetch, "SQLFetch");
  if (fault.fetchesBeforeIt < 0 || fault.fetchesBeforeIt-- > 0) return real(statement);
  fault.statement = statement;
  return SQL_ERROR;
}

extern "C" SQLRETURN SQL_API SQLGetDiagRecW(SQLSMALLINT type, SQLHANDLE handle, SQLSMALLINT record,
                                            SQLWCHAR* state, SQLINTEGER* native, SQLWCHAR* message,
                                            SQLSMALLINT bufferLength, SQLSMALLINT* textLength) {
  static const auto real = Next(&SQLGetDiagRecW, "SQLGetDiagRecW");
  if (handle == nullptr || handle != fault.statement || record != 1)
    return real(type, handle, record, state, native, message, bufferLength, textLength);
  constexpr std::string_view kText = "Injected failure";
  const auto copy = [](std::string_view text, SQLWCHAR* to, size_t capacity) {
    const size_t units = std::min(text.size(), capacity - 1);
    std::copy_n(text.begin(), units, to);
    to[units] = 0;
  };
  copy(fault.state, state, 6);
  *native = 0;
  copy(kText, message, static_cast<size_t>(bufferLength));
  *textLength = static_cast<SQLSMALLINT>(kText.size());
  return SQL_SUCCESS;
}

namespace lumo::data {
namespace {

// The driver holds pointers into the bound values until the statement ran.
static_assert(!std::is_copy_constructible_v<BoundValues> &&
              !std::is_move_constructible_v<BoundValues> &&
              !std::is_copy_assignable_v<BoundValues> && !std::is_move_assignable_v<BoundValues>);

// A temporary table lives as long as its connection: it shows whether the
// connection was opened again.
TEST(OdbcConnection, OneThatBrokeMidFetchIsOpenedAgainAndOtherErrorsKeepIt) {
  for (const auto& [state, kept] : {std::pair{"08S01", false}, {"HY000", true}}) {
    SCOPED_TRACE(state);
    testing::TestDatabase db;
    const auto run = [&](const std::string& sql) {
      return ClassInfo().GetData(db.odbcProps(), sql);
    };
    run("Create Table #Probe(FX int)");
    fault = {.fetchesBeforeIt = 1, .state = state};
    EXPECT_VB_ERROR_INFO(
        run("SELECT FName FROM t_Kinds"), vberr::kProviderError, "LumoMClass.ClassInfo",
        "ODBC error " + std::string(state) +
            " (native 0): Injected failure (statement: SELECT FName FROM t_Kinds)");
    fault = {};
    EXPECT_EQ(ResumeNext([&] { run("Select count(*) from #Probe"); }), kept);
  }
  Err().Clear();
}

}  // namespace
}  // namespace lumo::data
