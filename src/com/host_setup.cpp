#include "host_setup.h"

#include <array>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "host/components/register.h"
#include "host/data/register.h"
#include "host/ui/presenter_choice.h"
#include "host/viewers/register.h"
#include "platform/error.h"
#include "platform/os.h"
#include "platform/vb.h"

namespace lumo::com {
namespace {

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (!value || !*value) return std::nullopt;
  return std::string(value);
}

[[noreturn]] void RaiseBadSetting(const char* name, const std::string& value, const char* takes) {
  Raise(vberr::kInvalidCall, name,
        std::string(name) + "=" + value + " is not a setting the component takes: " + takes);
}

std::optional<ui::Answer> AnswerSetting() {
  constexpr std::array<std::pair<std::string_view, ui::Answer>, 5> kAnswers = {{
      {"yes", ui::Answer::Yes},
      {"all", ui::Answer::All},
      {"no", ui::Answer::No},
      {"cancel", ui::Answer::Cancel},
      {"close", ui::Answer::Close},
  }};
  const std::optional<std::string> value = Environment("LUMO_ANSWER");
  if (!value) return std::nullopt;
  for (const auto& [name, answer] : kAnswers) {
    if (*value == name) return answer;
  }
  RaiseBadSetting("LUMO_ANSWER", *value, "yes, all, no, cancel or close");
}

std::optional<int32_t> PickSetting() {
  const std::optional<std::string> value = Environment("LUMO_PICK");
  if (!value) return std::nullopt;
  const std::string_view digits = *value;
  if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string_view::npos)
    RaiseBadSetting("LUMO_PICK", *value, "a record number from 1, or 0");
  return static_cast<int32_t>(std::stol(*value));
}

// What stays registered while the DLL is loaded.
struct HostParts {
  std::shared_ptr<components::PropertyStore> sharedProperties;
  std::unique_ptr<ui::UiRegistration> presenter;
};

HostParts RegisterHostParts() {
  ui::PresenterChoice choice;
  choice.ui = ui::UiMode::None;
  choice.answer = AnswerSetting();
  choice.pick = PickSetting();
  const ui::PresenterSetup setup{std::cin, std::cerr, nullptr, nullptr};

  components::HostComponentsOptions options;
  if (auto trace = Environment("LUMO_TRACE")) options.traceFile = *trace;

  HostParts parts;
  parts.presenter =
      std::make_unique<ui::UiRegistration>(ui::PresenterKind::Scripted, choice, setup);
  data::RegisterDataAccess();
  parts.sharedProperties = components::RegisterHostComponents(options);
  viewers::RegisterViewers();
  if (auto props = Environment("LUMO_PROPS"))
    parts.sharedProperties->Set(os::CurrentProcessId(), "PropsString", *props);
  return parts;
}

}  // namespace

void SetUpHostOnce() {
  // Kept for the process: the ProgID registry is process-wide, and so are
  // the host parts registered in it.
  static std::once_flag once;
  static HostParts parts;
  std::call_once(once, [] { parts = RegisterHostParts(); });
}

}  // namespace lumo::com
