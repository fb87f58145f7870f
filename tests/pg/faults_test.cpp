// What the user sees when the server database fails: a server that went
// away, one that cannot be reached, a wrong password. The server is named
// by host and port; the password shows nowhere.
#include <gtest/gtest.h>

#include <string>

#include "core/cls_action_ic.h"
#include "hosting/variant_json.h"
#include "pg/lumo_action_run.h"
#include "support/pg_database.h"
#include "support/pg_demo_session.h"
#include "support/print_variant.h"

namespace lumo::testing {
namespace {

std::string Password(const std::string& connection) {
  const size_t at = connection.find("Pwd=") + 4;
  return connection.substr(at, connection.find(';', at) - at);
}

std::string Port(const std::string& connection) {
  const size_t at = connection.find("Port=") + 5;
  return connection.substr(at, connection.find(';', at) - at);
}

// The server ending the connection (as it does to each one when it stops):
// the next call fails naming it, and the call after that connects again.
TEST(PgFaults, AConnectionTheServerEndedFailsOneCallNamingItAndIsOpenedAgain) {
  const PgDemoSession session;
  const std::string connection = session.database().connection();
  clsActionIC component;
  const DictionaryRef dctPara = NewDictionary();
  dctPara->SetValue("PropString", session.props());
  dctPara->SetValue("P_CurrencyID", 4);
  const auto rate = [&] {
    DictionaryRef dctReturn;
    component.DoAction("TevSer_GetExchangeRate", "", dctPara, dctReturn);
    return dctReturn ? dctReturn->GetValue("P_ExchangeRate", Variant()) : Variant();
  };
  const Variant before = rate();
  ASSERT_EQ(clsActionIC::LastError().number, 0) << clsActionIC::LastError().description;

  data::OdbcSession(connection)
      .Run(
          "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = "
          "current_database() AND pid <> pg_backend_pid()",
          {});
  EXPECT_EQ(rate(), Variant());
  const ErrorInfo lost = clsActionIC::LastError();
  EXPECT_EQ(lost.number, vberr::kProviderError) << lost.description;
  EXPECT_NE(lost.description.find("The connection was lost to the database server 127.0.0.1:" +
                                  Port(connection) + ": "),
            std::string::npos)
      << lost.description;
  EXPECT_EQ(lost.description.find(Password(connection)), std::string::npos);

  EXPECT_EQ(rate(), before);
  EXPECT_EQ(clsActionIC::LastError().number, 0) << clsActionIC::LastError().description;
}

// Through lumo-action with a trace file: the reason in the JSON, on
// standard error and nowhere the password.
TEST(PgFaults, AWrongPasswordOrAServerNotThereIsToldWithoutThePassword) {
  const std::string connection = PgServerConnection();
  const std::string password = Password(connection);
  std::string wrong = connection;
  wrong.replace(wrong.find(password), password.size(), "wrong-" + password);
  std::string absent = connection;
  absent.replace(absent.find("Port=" + Port(connection)), 5 + Port(connection).size(), "Port=1");
  const std::pair<std::string, std::string> kCases[] = {
      {wrong, "Cannot connect to the database server 127.0.0.1:" + Port(connection) +
                  ": connection to server at \"127.0.0.1\", port " + Port(connection) +
                  " failed: FATAL:  password authentication failed for user"},
      {absent, "Cannot connect to the database server 127.0.0.1:1: "},
  };
  for (const auto& [target, told] : kCases) {
    SCOPED_TRACE(told);
    const Scratch scratch;
    const Outcome outcome =
        RunLumoAction(scratch, {"--props", "DBConnect={" + Braced(target) + "};UserID=16",
                                "--trace", "trace", "TevSer_GetExchangeRate", "P_CurrencyID=4"});
    EXPECT_EQ(outcome.status, 1);
    const std::string description =
        hosting::ParseJson(outcome.out, "out")["error"]["description"].get<std::string>();
    EXPECT_NE(description.find(told), std::string::npos) << description;
    EXPECT_NE(outcome.err.find(told.substr(0, 40)), std::string::npos) << outcome.err;
    for (const std::string& shown : {description, outcome.err, FileText(scratch.Path("trace"))}) {
      EXPECT_EQ(shown.find(password), std::string::npos) << shown;
    }
  }
}

}  // namespace
}  // namespace lumo::testing
