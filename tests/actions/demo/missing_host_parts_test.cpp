// A host that lacks the resource loaders or the trace log: the actions still
// answer from the database, and their texts stay in the source language.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/cls_action_ic.h"
#include "host/components/register.h"
#include "host/data/database_file.h"
#include "host/data/register.h"
#include "hostapi/res_loader.h"
#include "hostapi/trace_log.h"
#include "support/dictionary_entries.h"
#include "support/fake_presenter.h"
#include "support/fake_viewers.h"
#include "support/fresh_thread.h"

namespace lumo::testing {
namespace {

namespace fs = std::filesystem;

TEST(MissingHostParts, ActionsAnswerAndTextsStayInTheSourceLanguage) {
  const fs::path folder =
      fs::temp_directory_path() / ("lumo-missing-parts-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string props = "DBFile=" + (folder / "demo.db").string() + ";UserID=16;Language=EN";
  data::CreateDatabase((folder / "demo.db").string(), true);
  const struct {
    const char* host;
    std::vector<std::string_view> lacks;
    const char* messageBox;  // the message of a bill without items
    bool traced;
  } cases[] = {
      {"whole host", {}, "Velmora Notice: This bill has no items! (64)", true},
      {"no resource loaders",
       {kResLoaderProgId, kFrmResLoaderProgId},
       "Velmora提示: 该单据没有物料! (64)",
       true},
      {"no trace log", {kTraceLogProgId}, "Velmora Notice: This bill has no items! (64)", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.host);
    const fs::path trace = folder / (std::string(c.host) + ".log");
    data::RegisterDataAccess();
    components::RegisterHostComponents({.traceFile = trace})
        ->Set(static_cast<int32_t>(::getpid()), "PropsString", props);
    for (const std::string_view progId : c.lacks) UnregisterClass(progId);
    FakeViewers viewers;
    FakePresenter presenter;
    OnFreshThread([&] {
      DictionaryRef rate;
      EXPECT_EQ(clsActionIC().DoAction("TevSer_GetExchangeRate", "",
                                       ParaOf({{"PropString", props}, {"P_CurrencyID", 4}}), rate),
                0);
      EXPECT_EQ(rate ? rate->GetValue("P_ExchangeRate", "") : Variant(), Variant(0.05));
      DictionaryRef none;
      EXPECT_EQ(
          clsActionIC().DoAction("TevSer_VItemReplace", "", ParaOf({{"PropString", props}}), none),
          0);
      EXPECT_EQ(clsActionIC::LastError().number, 0) << clsActionIC::LastError().description;
    });
    EXPECT_EQ(presenter.presenter->messageBoxes, std::vector<std::string>{c.messageBox});
    EXPECT_EQ(fs::exists(trace), c.traced);
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace lumo::testing
