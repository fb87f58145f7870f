#include "default_host_state.h"

#include <iostream>
#include <memory>
#include <mutex>

#include "host/ui/presenter_choice.h"
#include "hosting/default_host.h"
#include "platform/object.h"

namespace lumo::capi {
namespace {

struct DefaultHost {
  std::shared_ptr<components::PropertyStore> store;
  std::optional<ui::UiRegistration> presenter;
};

// Kept for the process, as the ProgID registry it fills is; threads may
// register and publish at the same time.
struct DefaultHostState {
  // Statics end in the reverse order of their making, and this one's end
  // unregisters the presenter: the ProgID registry is made first (the empty
  // ProgID is never registered), so that it is still there then.
  DefaultHostState() { UnregisterClass(""); }

  std::mutex mutex;
  // Held by pointer: as an optional, GCC 12's Release build warns falsely
  // (-Wmaybe-uninitialized) when it is replaced.
  std::unique_ptr<DefaultHost> host;
};

DefaultHostState& State() {
  static DefaultHostState state;
  return state;
}

}  // namespace

void UseDefaultHost(const std::optional<std::string>& traceFile) {
  components::HostComponentsOptions options;
  if (traceFile) options.traceFile = *traceFile;
  ui::PresenterChoice choice;
  choice.ui = ui::UiMode::None;
  // A scripted presenter without an answer reads and writes nothing.
  const ui::PresenterSetup setup{std::cin, std::cerr, nullptr, nullptr};

  DefaultHostState& state = State();
  std::lock_guard lock(state.mutex);
  // The old presenter's registration must end before the new one starts, or
  // its end would put the old presenter back.
  state.host.reset();
  auto host = std::make_unique<DefaultHost>();
  host->store = hosting::RegisterDefaultHost(options);
  host->presenter.emplace(ui::PresenterKind::Scripted, choice, setup);
  state.host = std::move(host);
}

void PublishProperties(const std::string& props) {
  DefaultHostState& state = State();
  std::lock_guard lock(state.mutex);
  if (state.host) hosting::PublishSessionProperties(*state.host->store, props);
}

}  // namespace lumo::capi
