// Fuzz target: DoAction with any action name and any dctPara, on a scratch
// copy of the demo database. DoAction must return whatever it is given
// (never throw, never crash), and the database must stay sound: its
// integrity check passes and the tables that no action is meant to write
// keep their rows.
//
// An input is:
//   the action name, up to the first line feed;
//   dctPara as a JSON object (lumo-action's forms), when the rest begins
//   with "{", up to a NUL byte or the end; else dctPara starts empty;
//   then bytes read by FuzzInput: the scripted answer of dialogs, the pick
//   of record lists, whether dctReturn is Nothing, and edits that put a
//   made-up Variant somewhere into dctPara, until the input ends.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "collections/dictionary.h"
#include "core/cls_action_ic.h"
#include "fuzz_input.h"
#include "fuzz_variants.h"
#include "host/components/register.h"
#include "host/data/register.h"
#include "host/ui/presenter_choice.h"
#include "host/viewers/register.h"
#include "hosting/variant_json.h"
#include "platform/vb.h"
#include "scratch_database.h"

namespace lumo::fuzz {
namespace {

// TevSer_UpdateItemPrice writes the item master's prices,
// TevSer_UpdatePOPrice the supplier price list; nothing else writes.
const std::set<std::string> kTablesMeantToChange = {"t_ICItemCore", "t_ICItemMaterial",
                                                    "t_SupplyPrice"};
// Inputs between two integrity checks (one at exit too).
constexpr int kIntegrityCheckEvery = 256;

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "fuzz_do_action: %s\n", message.c_str());
  std::abort();
}

void CheckIntegrity(const ScratchDatabase& database) {
  const std::string answer = database.IntegrityCheck();
  if (answer != "ok") Fail("PRAGMA integrity_check: " + answer);
}

// The host side of the process, as lumo-action sets it up: the scratch
// database, the host components by ProgID (tracing off), the session's
// property string published, and the column widths' profile in the scratch
// folder. At exit the database is checked a last time.
class FuzzHost {
 public:
  FuzzHost() : database_("lumo_fuzz_do_action", kTablesMeantToChange) {
    ::setenv("LUMO_PROFILE", (database_.folder() / "ZEZSystem.INI").c_str(), 1);
    data::RegisterDataAccess();
    components::RegisterHostComponents({})->Set(static_cast<int32_t>(::getpid()), "PropsString",
                                                database_.props());
    viewers::RegisterViewers();
  }
  ~FuzzHost() { CheckIntegrity(database_); }
  FuzzHost(const FuzzHost&) = delete;
  FuzzHost& operator=(const FuzzHost&) = delete;

  const ScratchDatabase& database() const { return database_; }

  void CheckAfterInput() {
    if (++inputs_ % kIntegrityCheckEvery == 0) CheckIntegrity(database_);
    if (const auto changed = database_.ChangedTables(); !changed.empty()) {
      std::string names;
      for (const std::string& name : changed) names += " " + name;
      Fail("an action changed tables it must leave alone:" + names);
    }
  }

 private:
  ScratchDatabase database_;
  long inputs_ = 0;
};

FuzzHost& Host() {
  static FuzzHost host;
  return host;
}

// The JSON part of an input as dctPara; nullptr when it is not a JSON
// object (the JSON reader has a target of its own).
DictionaryRef ParaFromJson(std::string_view text) {
  try {
    const Variant value = hosting::VariantFromJson(hosting::ParseJson(text, "input"));
    if (value.IsObject()) return std::dynamic_pointer_cast<Dictionary>(value.AsObject());
  } catch (const hosting::JsonError&) {
  }
  return nullptr;
}

// A property string that could name another database is replaced by the
// scratch database's: the fuzzer must not reach files outside it.
void KeepToScratchDatabase(Dictionary& dctPara, const std::string& props) {
  const Variant given = dctPara.Value("PropString");
  if (!dctPara.Lookup("PropString") ||
      (given.IsString() && vb::InStr(given.AsString(), "db") != 0)) {
    dctPara.SetValue("PropString", props);
  }
}

std::optional<ui::Answer> AnswerFrom(uint8_t byte) {
  constexpr ui::Answer kAnswers[] = {ui::Answer::Yes, ui::Answer::All, ui::Answer::No,
                                     ui::Answer::Cancel, ui::Answer::Close};
  if (byte % 6 == 5) return std::nullopt;  // not scripted: closed unseen
  return kAnswers[byte % 6];
}

}  // namespace
}  // namespace lumo::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  lumo::fuzz::Host();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumo;
  using namespace lumo::fuzz;
  FuzzHost& host = Host();

  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const size_t lineEnd = bytes.find('\n');
  const std::string action(bytes.substr(0, lineEnd));
  bytes = lineEnd == std::string_view::npos ? std::string_view() : bytes.substr(lineEnd + 1);

  DictionaryRef dctPara = NewDictionary();
  if (bytes.starts_with('{')) {
    const size_t jsonEnd = bytes.find('\0');
    dctPara = ParaFromJson(bytes.substr(0, jsonEnd));
    if (!dctPara) return -1;  // not worth keeping in the corpus
    bytes = jsonEnd == std::string_view::npos ? std::string_view() : bytes.substr(jsonEnd + 1);
  }
  FuzzInput input(bytes);
  ui::PresenterChoice choice{ui::UiMode::None, AnswerFrom(input.Byte()), std::nullopt};
  if (const uint8_t pick = input.Byte(); pick % 5 != 4) choice.pick = pick % 5;
  DictionaryRef dctReturn = input.Byte() % 2 == 0 ? nullptr : NewDictionary();
  VariantMaker maker(input);
  while (!input.empty()) maker.Edit(*dctPara);
  KeepToScratchDatabase(*dctPara, host.database().props());

  std::istringstream noInput;
  std::ostringstream noOutput;
  const ui::UiRegistration presenter(ui::PresenterKind::Scripted, choice,
                                     ui::PresenterSetup{noInput, noOutput, nullptr, nullptr});
  try {
    clsActionIC().DoAction(action, "", dctPara, dctReturn);
  } catch (const std::exception& error) {
    Fail("DoAction let an error out: " + std::string(error.what()));
  } catch (...) {
    Fail("DoAction let something out that is not an exception");
  }
  host.CheckAfterInput();
  return 0;
}
