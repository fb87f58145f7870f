// The host components on a database made by CreateDatabase, and the
// database contract behind the actions.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "collections/dictionary.h"
#include "host/components/register.h"
#include "host/components/res_loader.h"
#include "host/data/database_file.h"
#include "host/data/register.h"
#include "hostapi/bill_data.h"
#include "hostapi/class_info.h"
#include "hostapi/form.h"
#include "hostapi/share_props.h"
#include "hostapi/sys_info.h"
#include "hostapi/trace_log.h"
#include "platform/vb.h"
#include "support/vb_testing.h"

namespace lumo::components {
namespace {

// A scratch folder holding a demo database, the data-access and host
// components registered, and the session properties naming the database.
class ComponentsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string folder = (std::filesystem::temp_directory_path() / "lumo-comp-XXXXXX").string();
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    dir_ = folder;
    data::RegisterDataAccess();
    RegisterHostComponents({});
    UseDatabase("demo.db", true);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  void UseDatabase(const std::string& name, bool withDemoData) {
    data::CreateDatabase((dir_ / name).string(), withDemoData);
    props_ = "DBFile=" + (dir_ / name).string() + ";UserID=16;Language=CHS";
  }
  RecordsetRef Run(const std::string& sql) const {
    return CreateObjectAs<IClassInfo>(kClassInfoProgId)->GetData(props_, sql);
  }
  // The rows of a query as "a|b|c" lines.
  std::vector<std::string> Rows(const std::string& sql) const {
    std::vector<std::string> rows;
    for (RecordsetRef rs = Run(sql); !rs->Eof(); rs->MoveNext()) {
      std::string row;
      for (int32_t c = 0; c < rs->FieldCount(); ++c)
        row += (c ? "|" : "") + vb::CStr(rs->Value(rs->FieldName(c)));
      rows.push_back(row);
    }
    return rows;
  }
  using Lines = std::vector<std::string>;

  std::filesystem::path dir_;
  std::string props_;
};

TEST_F(ComponentsTest, AnEmptyDatabaseTakesARowNamingOnlyTheColumnsTheActionsUse) {
  static const char* const kInserts[] = {
      "t_Currency (FCurrencyID,FOperator,FExchangeRate) VALUES (7,'/',8)",
      "t_SystemProfile (FCategory,FKey,FValue) VALUES ('IC','POOrderTaxInPrice','1')",
      "t_ICItemCore (FItemID,FNumber,FName,FModel,FOrderPrice) VALUES (7,'7','x','m',1.5)",
      "t_ICItemMaterial (FItemID,FTaxRate,FSalePrice) VALUES (7,13,2.5)",
      "t_MeasureUnit (FMeasureUnitID,FCoefficient) VALUES (7,12)",
      "t_Organization (FItemID,FValueAddRate) VALUES (7,13)",
      "t_Supplier (FItemID,FValueAddRate,FDiscount) VALUES (7,13,5)",
      "POOrder (FInterID) VALUES (7)",
      ("POOrderEntry (FInterID,FEntryID,FItemID,FUnitID,FQty,FAuxQty,FPrice,FAuxPrice,"
       "FAuxTaxPrice,FTaxRate,FDiscountRate) VALUES (7,1,7,7,12,1,1,12,13.56,13,0)"),
      "t_ItemMapping (FEntryID,FParentID,FItemID,FNumber,FName) VALUES (7,7,7,'S-7','y')",
      "t_SupplyPrice (FSupID,FItemID,FUnitID,FCyID,FPrice,FDiscount) VALUES (7,7,7,1,9,0)",
      "t_POMaxPrice (FItemID,FMaxPrice) VALUES (7,10)",
      "t_Stock (FStockID) VALUES (7)",
      "t_Inventory (FItemID,FQty) VALUES (7,100)",
      "t_ItemReplace (FItemID,FReplaceItemID) VALUES (7,8)",
      "t_TradeHistory (FCompanyID,FItemID,FPrice) VALUES (7,7,9)",
      "t_User (FUserID) VALUES (7)",
  };
  UseDatabase("empty.db", false);
  for (const std::string insert : kInserts) {
    SCOPED_TRACE(insert);
    Run("INSERT INTO " + insert);
    EXPECT_EQ(Run("SELECT * FROM " + insert.substr(0, insert.find(' ')))->RecordCount(), 1);
  }
  // The views see those rows through their base tables, defaults filled in.
  EXPECT_EQ(vb::CLng(Run("SELECT FPriceDecimal FROM t_ICItem")->Value("FPriceDecimal")), 2);
  EXPECT_EQ(Run("SELECT FItemNumber FROM v_SToIMapping")->Value("FItemNumber"), Variant("7"));
}

// The order's line 3 is a box of bolts at 2.16, 2.4408 with tax, that the
// supplier's list prices only by the piece.
TEST_F(ComponentsTest, TheOrderProcedureUpsertsTheSupplierPriceAndSkipsLinesWithoutPrice) {
  static const struct {
    const char* change;  // to the order or the settings, before the call
    const char* exec;
    int32_t added;    // priced rows added to t_SupplyPrice in all
    const char* row;  // the box price's FPrice|FDiscount|FUserID|FDate; "": none
  } kSteps[] = {
      {"", "EXEC p_UpdateSupplyInfoByPOOrd 1001,2,16", 0, ""},  // free samples
      {"UPDATE POOrderEntry SET FAuxPrice=2.05,FDiscountRate=1.5 WHERE FInterID=1001 AND "
       "FEntryID=3",
       "EXEC p_UpdateSupplyInfoByPOOrd 1001,3,17", 1, "2.05|1.5|17|2024-03-04"},
      {"UPDATE t_SystemProfile SET FValue='1' WHERE FKey='POOrderTaxInPrice'",
       "EXEC p_UpdateSupplyInfoByPOOrd 1001,3,18", 1, "2.4408|1.5|18|2024-03-04"},
  };
  // A price of 0 written over a listed one would not change the number of rows.
  const auto count = [&] {
    return Run("SELECT * FROM t_SupplyPrice WHERE FPrice>0")->RecordCount();
  };
  const int32_t initial = count();
  for (const auto& s : kSteps) {
    SCOPED_TRACE(std::string(s.change) + " / " + s.exec);
    if (*s.change) Run(s.change);
    Run(s.exec);
    EXPECT_EQ(count(), initial + s.added);
    EXPECT_EQ(Rows("SELECT FPrice,FDiscount,FUserID,FDate FROM t_SupplyPrice WHERE FSupID=201 AND "
                   "FItemID=1008 AND FUnitID=2 AND FCyID=1 AND FPriceType=1 AND FQuantity=0"),
              (*s.row ? Lines{s.row} : Lines{}));
  }
}

TEST_F(ComponentsTest, GetItemInfoGivesTheRowOfTheKeyAndRefusesNamesThatAreNotPlain) {
  const auto sysInfo = CreateObjectAs<ISysInfo>(kSysInfoProgId);
  EXPECT_EQ(sysInfo->GetItemInfo(props_, "t_Currency", 4, "FCurrencyID")->Value("FOperator"),
            Variant("/"));
  static const std::pair<const char*, const char*> kRefused[] = {
      {"t_Currency; DELETE FROM t_Currency", "FCurrencyID"},
      {"t_Currency", "FCurrencyID=1 OR 1"},
      {"", "FCurrencyID"},
      {"1t_Currency", "FCurrencyID"},
  };
  for (const auto& [table, key] : kRefused) {
    SCOPED_TRACE(std::string(table) + " / " + key);
    EXPECT_VB_ERROR(sysInfo->GetItemInfo(props_, table, 1, key), 5);
  }
}

TEST_F(ComponentsTest, GetPOMaxHighPricePicksTheNarrowestLimitInTheBillsCurrency) {
  static const struct {
    const char* name;
    int32_t supplier, item, currency;
    double rate;
    int32_t priceType;
    double expected;
  } kCases[] = {
      {"general limit, not another price type's", 201, 1001, 1, 1, 1, 0.40},
      {"price type of its own", 201, 1001, 1, 1, 2, 0.45},
      {"supplier of its own", 203, 1005, 1, 1, 1, 13},
      {"other supplier takes the general row", 202, 1005, 1, 1, 1, 14},
      {"divided by the bill's rate", 203, 1005, 4, 0.05, 1, 260},
      {"no bill rate: the currency's own, '/' inverted", 203, 1005, 4, 0, 1, 260},
      {"no bill rate: the currency's own, '*'", 201, 1003, 2, 0, 1, 5 / 7.1},
      {"no bill rate, unknown currency: home", 201, 1003, 99, -1, 1, 5},
      {"item without a limit", 205, 1007, 1, 1, 1, -1},
  };
  Run("INSERT INTO t_POMaxPrice (FItemID,FSupID,FPriceType,FMaxPrice) VALUES (1001,0,2,0.45)");
  for (auto c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(vb::CDbl(CreateObjectAs<ISysInfo>(kSysInfoProgId)
                             ->GetPOMaxHighPrice(props_, c.supplier, c.item, c.currency, c.rate,
                                                 c.priceType)),
                c.expected, 1e-9);
  }
}

TEST_F(ComponentsTest, GetCoeAndScaleGivesTheUnitsFactorsWithZerosForWhatIsMissing) {
  static const std::tuple<int32_t, double, double> kCases[] = {{2, 12, 0}, {8, 0, 0.5}, {99, 0, 0}};
  Run("INSERT INTO t_MeasureUnit (FMeasureUnitID,FCoefficient,FScale) VALUES (8,NULL,0.5)");
  for (auto [unit, expectedCoefficient, expectedScale] : kCases) {
    SCOPED_TRACE(unit);
    double coefficient = -7, scale = -7;
    CreateObjectAs<ISysInfo>(kSysInfoProgId)->GetCoeAndScale(props_, unit, coefficient, scale);
    EXPECT_EQ(coefficient, expectedCoefficient);
    EXPECT_EQ(scale, expectedScale);
  }
}

TEST_F(ComponentsTest, GetSupplyInfoTakesTheHighestQuantityBreakNotAboveTheQuantity) {
  static const char* const kFields[] = {"SupplyID",   "ItemID",    "UnitID",
                                        "CurrencyID", "PriceType", "AuxQty"};
  static const struct {
    const char* name;
    double request[6];             // in the order of kFields
    double price, discount, cess;  // price and discount -1: none found
  } kCases[] = {
      {"just below a break", {201, 1001, 1, 1, 1, 999.5}, 0.38, 0, 13},
      {"on a break", {201, 1001, 1, 1, 1, 1000}, 0.34, 0, 13},
      {"highest break", {201, 1001, 1, 1, 1, 20000}, 0.31, 2, 13},
      {"price type of its own", {201, 1001, 1, 1, 2, 20000}, 0.43, 0, 13},
      {"unit of its own", {201, 1001, 2, 1, 1, 3}, 4.40, 0, 13},
      {"small taxpayer", {205, 1007, 1, 1, 1, 50}, 6.80, 0, 3},
      {"no row for the currency", {201, 1001, 1, 2, 1, 10}, -1, -1, 13},
      {"below the lowest break", {202, 1003, 6, 1, 1, 5}, -1, -1, 13},
  };
  Run("DELETE FROM t_SupplyPrice WHERE FSupID=202 AND FUnitID=6 AND FQuantity=0");
  Run("INSERT INTO t_SupplyPrice (FSupID,FItemID,FUnitID,FCyID,FQuantity,FPrice,FDiscount) "
      "VALUES (202,1003,6,1,100,4.90,0)");
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    auto request = NewDictionary();
    for (int i = 0; i < 6; ++i) request->SetValue(kFields[i], c.request[i]);
    const auto info = ObjectAs<Dictionary>(
        CreateObjectAs<IBillGetData>(kBillGetDataProgId)->GetSupplyInfo(props_, request));
    EXPECT_DOUBLE_EQ(vb::CDbl(info->Value("AuxPrice")), c.price);
    EXPECT_DOUBLE_EQ(vb::CDbl(info->Value("Discount")), c.discount);
    EXPECT_DOUBLE_EQ(vb::CDbl(info->Value("CESS")), c.cess);
  }
}

TEST_F(ComponentsTest, TraceLogOnWritesNestedScopesAndDropsTheOnesLeftOpenInsideAClosedOne) {
  const auto off = CreateObjectAs<ITraceLog>(kTraceLogProgId);
  int32_t handle = 0, flag = 1;
  EXPECT_EQ(off->IsEnabled(), Variant(false));
  EXPECT_EQ(off->LogStart("DoAction"), Variant(0));
  EXPECT_EQ(off->LogEnd(handle, flag), Variant(false));

  RegisterHostComponents({.traceFile = dir_ / "trace.log"});
  const auto log = CreateObjectAs<ITraceLog>(kTraceLogProgId);
  EXPECT_EQ(log->IsEnabled(), Variant(true));
  const auto end = [&](Variant handle, int32_t flag) {
    int32_t h = handle.AsLong();
    return log->LogEnd(h, flag) == Variant(true);
  };
  const Variant outer = log->LogStart("DoAction 执行Action");
  const Variant inner = log->LogStart("GetSupplyInfo\t供应商");
  const Variant abandoned = log->LogStart("handler");  // an error path never closes it
  EXPECT_TRUE(end(inner, 0));
  EXPECT_FALSE(end(abandoned, 0));  // closed with inner: nothing written
  EXPECT_TRUE(end(outer, 1));

  // Each record without its time and thread id, and an end without its elapsed time.
  std::vector<std::string> records;
  std::ifstream in(dir_ / "trace.log");
  for (std::string line; std::getline(in, line);) {
    line.erase(0, line.find('\t', line.find('\t') + 1) + 1);
    if (line.find("\tEND\t") != std::string::npos) line.erase(line.rfind('\t'));
    records.push_back(line);
  }
  EXPECT_EQ(records, (std::vector<std::string>{
                         "1\tBEGIN\tDoAction 执行Action", "2\tBEGIN\tGetSupplyInfo 供应商",
                         "3\tBEGIN\thandler", "2\tEND\tGetSupplyInfo 供应商\tflag=0",
                         "1\tEND\tDoAction 执行Action\tflag=1"}));
}

TEST(ResLoader, LoadStringAnswersInTheLanguageOfLanguageIDOrGivesTheSourceBack) {
  static const char* const kCases[][3] = {
      // language, source, expected
      {"CHS", "采购最高限价报警和控制", "采购最高限价报警和控制"},
      {"CHT", "采购最高限价报警和控制", "採購最高限價報警和控制"},
      {"EN", "采购最高限价报警和控制", "Purchase Maximum Price Alert"},
      {"en", "否(&N)", "&No"},
      {"EN", "对于当前供应商", "For the current supplier "},  // the blank is the text's
      {"DE", "取消", "取消"},
      {"EN", "没有这个文本", "没有这个文本"},
  };
  ResLoader loader;
  for (const auto& [language, source, expected] : kCases) {
    SCOPED_TRACE(std::string(language) + " " + source);
    loader.SetLanguageID(language);
    EXPECT_EQ(loader.LoadString(source), expected);
  }
}

struct Form : Object, IForm {
  std::string font = "design";
  std::string FontName() const override { return font; }
  void SetFontName(const std::string& family) override { font = family; }
};

// Anything but a form is left alone.
TEST(FrmResLoader, ChineseFormsGetAFontWithTheirScript) {
  static const char* const kCases[][2] = {{"CHS", "WenQuanYi Micro Hei"},
                                          {"cht", "WenQuanYi Micro Hei"},
                                          {"EN", "design"},
                                          {"", "design"}};
  for (const auto& [language, font] : kCases) {
    SCOPED_TRACE(language);
    auto form = std::make_shared<Form>();
    FrmResLoader().SetFrmFont(form, language);
    EXPECT_EQ(form->font, font);
  }
  FrmResLoader().SetFrmFont(std::make_shared<FrmResLoader>(), "CHS");
  FrmResLoader().SetFrmFont(nullptr, "CHS");
}

TEST(ShareProps, EveryObjectSeesThePropertiesOfItsProcessOnly) {
  const auto get = [](int32_t processId, std::string name) {
    return CreateObjectAs<IShareProps>(kSharePropsProgId)->GetProperty(processId, name);
  };
  const auto store = RegisterHostComponents({});
  store->Set(100, "PropsString", "DBFile=/tmp/a.db");
  std::dynamic_pointer_cast<ShareProps>(CreateObject(kSharePropsProgId))
      ->SetProperty(200, "PropsString", "DBFile=/tmp/b.db");
  EXPECT_EQ(get(100, "PropsString"), Variant("DBFile=/tmp/a.db"));
  EXPECT_EQ(get(200, "PropsString"), Variant("DBFile=/tmp/b.db"));
  EXPECT_TRUE(get(300, "PropsString").IsEmpty());
  EXPECT_TRUE(get(100, "propsstring").IsEmpty());  // names compare exactly
}

}  // namespace
}  // namespace lumo::components
