#include "host/data/connection_string.h"

#include <gtest/gtest.h>

#include <utility>

namespace lumo::data {
namespace {

// Every form a password takes in a connection string or a property string
// around one is masked, and nothing else.
TEST(ConnectionString, MasksEveryPasswordAndNothingElse) {
  const std::pair<const char*, const char*> kCases[] = {
      {"Driver={PostgreSQL Unicode};Server=db;Uid=lumo;Pwd=s3cret",
       "Driver={PostgreSQL Unicode};Server=db;Uid=lumo;Pwd=********"},
      {"PWD=s3cret;UID=sa", "PWD=********;UID=sa"},
      {"uid=a; password = s3cret ;x=1", "uid=a; password =********;x=1"},
      {"Uid=a;Pwd={x;y}}z};Port=1", "Uid=a;Pwd=********;Port=1"},
      {"DBConnect={Driver={PostgreSQL Unicode}};Server=h;Pwd=s3cret};UserID=16",
       "DBConnect={Driver={PostgreSQL Unicode}};Server=h;Pwd=********};UserID=16"},
      {"connect failed (Pwd=abc, see the log)", "connect failed (Pwd=********"},
      {"NoPwd=keep;MyPassword=keep;Password", "NoPwd=keep;MyPassword=keep;Password"},
      {"Pwd=", "Pwd=********"},
  };
  for (const auto& [text, masked] : kCases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(MaskPasswords(text), masked);
  }
}

TEST(ConnectionString, NamesTheServerByHostAndPort) {
  EXPECT_EQ(ServerOf("Driver={PostgreSQL Unicode};Server=db.local;Port=5433;Pwd=x"),
            "db.local:5433");
  EXPECT_EQ(ServerOf("Host=10.0.0.2;Database=x"), "10.0.0.2");
  EXPECT_EQ(ServerOf("DSN=Purchasing;Pwd=x"), "DSN Purchasing");
  EXPECT_EQ(ServerOf("Driver=SQLite3;Database=/x.db"), "");
}

}  // namespace
}  // namespace lumo::data
