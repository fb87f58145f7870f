// A host component's VB error is an answer (no log, no text, no property)
// and leaves the caller's pending error as it was; any other exception is a
// fault of the program, which must reach DoAction's kept error instead of
// passing for "not configured".
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <variant>

#include "core/cls_action_ic.h"
#include "core/lang.h"
#include "core/props.h"
#include "core/trace.h"
#include "hostapi/res_loader.h"
#include "hostapi/share_props.h"
#include "hostapi/trace_log.h"
#include "platform/error.h"
#include "support/fresh_thread.h"

namespace lumo::testing {
namespace {

enum class Failure { VbError, ProgramFault };

const ErrorInfo kPending{5, "Caller", "pending", "help.chm", 7};

// Every host component at once; the member named `failing` raises a VB error
// or throws what a wrong std::get in our own code throws.
struct FailingHost : ITraceLog, IShareProps, IResLoader, IFrmResLoader {
  std::string failing;
  Failure failure = Failure::VbError;

  void Enter(const std::string& member) const {
    if (member != failing) return;
    if (failure == Failure::VbError) Raise(5, "FailingHost", member);
    throw std::bad_variant_access();
  }
  Variant LogStart(const std::string&) override { return Enter("LogStart"), 1; }
  Variant IsEnabled() override { return Enter("IsEnabled"), true; }
  Variant LogEnd(int32_t&, int32_t&) override { return Enter("LogEnd"), Variant(); }
  Variant GetProperty(int32_t&, std::string&) override {
    return Enter("GetProperty"), "Language=eng";
  }
  std::string ResFileBaseName() override { return Enter("ResFileBaseName"), "LumoDesign"; }
  void SetResFileBaseName(const std::string&) override {}
  std::string LanguageID() override { return Enter("LanguageID"), "ENG"; }
  void SetLanguageID(const std::string&) override {}
  std::string LoadString(const std::string& source) override {
    return Enter("LoadString"), "ENG:" + source;
  }
  void SetFrmFont(const ObjectRef&, const std::string&) override { Enter("SetFrmFont"); }
};

struct Registered {
  std::shared_ptr<FailingHost> host = std::make_shared<FailingHost>();
  ScopedRegistration log{kTraceLogProgId, [h = host] { return std::shared_ptr<ITraceLog>(h); }};
  ScopedRegistration props{kSharePropsProgId,
                           [h = host] { return std::shared_ptr<IShareProps>(h); }};
  ScopedRegistration text{kResLoaderProgId, [h = host] { return std::shared_ptr<IResLoader>(h); }};
  ScopedRegistration form{kFrmResLoaderProgId,
                          [h = host] { return std::shared_ptr<IFrmResLoader>(h); }};
};

TEST(ProgramFaults, PassThroughTheHelpersThatTurnVbErrorsIntoDefaults) {
  const struct {
    const char* failing;
    std::function<std::string()> call;  // its result as text
    std::string onVbError;
  } cases[] = {
      {"GetProperty", [] { return GetPropValue("Language"); }, ""},
      {"LoadString", [] { return GetLangText(" 单价"); }, " 单价"},
      {"SetFrmFont", [] { return SetFormFont(nullptr), std::string("shown"); }, "shown"},
      {"IsEnabled", [] { return std::to_string(TraceBegin("scope")); }, "0"},
      {"LogStart", [] { return std::to_string(TraceBegin("scope")); }, "0"},
      {"LogEnd", [] { return TraceBegin("scope"), TraceEnd(1, 0), std::string("closed"); },
       "closed"},
  };
  for (const auto& c : cases) {
    for (const Failure failure : {Failure::VbError, Failure::ProgramFault}) {
      SCOPED_TRACE(std::string(c.failing) + (failure == Failure::VbError ? " VB error" : " fault"));
      OnFreshThread([&] {
        Registered registered;
        registered.host->failing = c.failing;
        registered.host->failure = failure;
        Err() = kPending;
        if (failure == Failure::VbError) {
          EXPECT_EQ(c.call(), c.onVbError);
          EXPECT_EQ(Err(), kPending);
        } else {
          EXPECT_THROW(c.call(), std::bad_variant_access);
        }
      });
    }
  }
}

// The first error is the one kept: a fault while closing the scope of an
// action that failed does not hide why it failed.
TEST(ProgramFaults, NeverReachTheHostButShowAsTheActionsError) {
  const ErrorInfo fault{440, "", std::bad_variant_access().what(), "", 0};
  const struct {
    const char *failing, *action;
    ErrorInfo expected;
  } cases[] = {
      {"LogStart", "NoSuchAction", fault},
      {"LogEnd", "NoSuchAction", fault},
      {"LogEnd",
       "TevSer_GetExchangeRate",
       {-1, "TevSer_GetExchangeRate:PropString", "Propstring is empty!", "", 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.failing) + " in " + c.action);
    OnFreshThread([&] {
      Registered registered;
      registered.host->failing = c.failing;
      registered.host->failure = Failure::ProgramFault;
      Err() = kPending;
      DictionaryRef result;
      EXPECT_EQ(clsActionIC().DoAction(c.action, "", NewDictionary(), result), 0);
      EXPECT_EQ(clsActionIC::LastError(), c.expected);
      EXPECT_EQ(Err(), kPending);
    });
  }
}

}  // namespace
}  // namespace lumo::testing
