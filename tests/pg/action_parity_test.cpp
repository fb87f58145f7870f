// Every action through lumo-action on a fresh SQLite demo file and on a
// fresh PostgreSQL demo database: the same JSON (results, dctReturn and
// dctPara with every Variant's kind), the same messages, and after a price
// write-back the same rows in the table it changed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/data/database_file.h"
#include "host/data/odbc_session.h"
#include "host/data/sqlite_session.h"
#include "hosting/variant_json.h"
#include "pg/lumo_action_run.h"
#include "support/pg_database.h"
#include "support/print_variant.h"

namespace lumo::testing {
namespace {

using hosting::Json;

// The console presenter shows the lists on standard error, which is
// compared too; "0" closes a list, "2" picks its second record or answers No.
struct Invocation {
  const char* name;
  std::vector<std::string> args;  // lumo-action's, after the database
  const char* input;              // standard input
  const char* changedTable;       // compared afterwards; nullptr for none
};

const std::string kBill2101 = LUMO_SOURCE_DIR "/data/po_bill_2101.json";
const std::string kBill2201 = LUMO_SOURCE_DIR "/data/po_bill_2201.json";

const Invocation kInvocations[] = {
    {"ExchangeRate", {"TevSer_GetExchangeRate", "P_CurrencyID=4"}, "", nullptr},
    {"ExchangeRateNotEntered", {"TevSer_GetExchangeRate", "P_CurrencyID=6"}, "", nullptr},
    {"CurrencyColumn",
     {"TevSer_CurrencyCal", "P_CurrencyID=4", "P_OldExchangeRate=0.5", "P_CalField1=100",
      R"(P_CalField2={"$array": [1, "12abc", ""], "$lbound": 1})"},
     "",
     nullptr},
    {"TaxRatesOfItems", {"TevSer_GetTaxRate", R"(P_ICItemID=[null, 1001, "", 1007])"}, "", nullptr},
    {"TaxRateOfASupplier",
     {"TevSer_GetTaxRate", "P_TaxRateOption=0", "P_CompanyType=1", "P_CompanyID=205",
      "P_ICItemID=1007"},
     "",
     nullptr},
    {"SupplierPrice",
     {"TevSer_GetSupplyInfo", "P_SupplyID=211", "P_ICItemID=1101", "P_UnitID=1", "P_CalDiscount=1",
      "P_CalTax=1", "P_AuxQty=12"},
     "",
     nullptr},
    {"PriceListPickedUnseen",
     {"--ui", "none", "--pick", "2", "TevSer_PriceQueryPO", "P_ICItemID=1451", "P_CalDiscount=1"},
     "",
     nullptr},
    {"PriceListOnTheConsole",
     {"--ui", "console", "TevSer_PriceQueryPO", "P_ICItemID=1451", "P_CalDiscount=1"},
     "2\n",
     nullptr},
    {"TradeHistoryUnseen",
     {"--ui", "none", "TevSer_HPriceQry", "P_QueryType=0", "P_ICItemID=1451"},
     "",
     nullptr},
    {"TradeHistoryOnTheConsole",
     {"--ui", "console", "TevSer_HPriceQry", "P_QueryType=0", "P_ICItemID=1451"},
     "0\n",
     nullptr},
    {"StockStatusOnTheConsole",
     {"--ui", "console", "TevSer_VStockStatus", R"(P_ICItemID=[null, 1451, "", 1453, 1455])"},
     "0\n",
     nullptr},
    {"ItemReplacementsOnTheConsole",
     {"--ui", "console", "TevSer_VItemReplace", R"(P_ICItemID=[null, 1001, 1005, "", 1451])"},
     "0\n",
     nullptr},
    {"PriceAlertAnsweredYesByScript",
     {"--answer", "yes", "--para", kBill2201, "TevSer_POPriceAlert"},
     "",
     nullptr},
    {"PriceAlertOnTheConsoleAnsweredNo",
     {"--ui", "console", "--para", kBill2201, "TevSer_POPriceAlert"},
     "2\n",
     nullptr},
    {"ItemPricesWrittenBack", {"--para", kBill2101, "TevSer_UpdateItemPrice"}, "", "t_ICItemCore"},
    {"SupplierPricesWrittenBack", {"TevSer_UpdatePOPrice", "P_InterID=2101"}, "", "t_SupplyPrice"},
    {"MapNumber",
     {"TevSer_GetMapNumber", "P_SupplierOrCustomerID=221", "P_ICItemID=1202"},
     "",
     nullptr},
    {"MappingOfAColumn",
     {"TevSer_SynMapAndItem", "P_SupplierOrCustomerID=221",
      R"(P_ICItemID=[null, 1201, 1202, "", 1203])"},
     "",
     nullptr},
    {"MappingOfOneItem",
     {"TevSer_SynMapAndItem", "P_SupplierOrCustomerID=221", "P_SynType=0", "P_ICItemID=1201"},
     "",
     nullptr},
};

void PrintTo(const Invocation& invocation, std::ostream* out) {
  *out << invocation.name;
}

// The output without the property string, which names each database its way.
Json Answer(const Outcome& outcome) {
  Json json = Json::parse(outcome.out);
  json["para"].erase("PropString");
  return json;
}

std::string AllRowsInOrder(const std::string& table, size_t columns) {
  std::string sql = "SELECT * FROM " + table + " ORDER BY ";
  for (size_t c = 1; c <= columns; ++c) sql += (c > 1 ? ", " : "") + std::to_string(c);
  return sql;
}

class ActionParity : public ::testing::TestWithParam<Invocation> {};

TEST_P(ActionParity, GivesTheSameAnswersOnPostgresAsOnSqlite) {
  const Invocation& invocation = GetParam();
  Scratch scratch;
  const std::string file = scratch.Path("demo.db");
  data::CreateDatabase(file, true);
  const PgDatabase server(PgDatabase::Contents::Demo);

  std::vector<std::string> onFile = {"--db", file};
  std::vector<std::string> onServer = {"--props", server.props()};
  onFile.insert(onFile.end(), invocation.args.begin(), invocation.args.end());
  onServer.insert(onServer.end(), invocation.args.begin(), invocation.args.end());
  const Outcome expected = RunLumoAction(scratch, onFile, invocation.input);
  const Outcome actual = RunLumoAction(scratch, onServer, invocation.input);
  ASSERT_EQ(expected.status, 0) << expected.err;
  EXPECT_EQ(actual.status, expected.status) << actual.err;
  EXPECT_EQ(actual.err, expected.err);
  EXPECT_EQ(Answer(actual), Answer(expected));

  if (invocation.changedTable == nullptr) return;
  data::SqliteSession sqlite(file, data::SqliteSession::Mode::OpenExisting);
  data::OdbcSession postgres(server.connection());
  const std::string table = invocation.changedTable;
  const auto columns = sqlite.Run("SELECT * FROM " + table + " LIMIT 0", {})->columns.size();
  const auto after = sqlite.Run(AllRowsInOrder(table, columns), {});
  ASSERT_FALSE(after->rows.empty());
  EXPECT_EQ(postgres.Run(AllRowsInOrder(table, columns), {})->rows, after->rows);
}

INSTANTIATE_TEST_SUITE_P(EveryAction, ActionParity, ::testing::ValuesIn(kInvocations),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumo::testing
