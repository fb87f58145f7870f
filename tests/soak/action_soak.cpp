// Replays the mixed DoAction calls in one process on one thread and prints
// the resident memory every so many calls, so a leak or a cache that never
// stops growing shows as a rising column:
//
//   action_soak [--calls N] [--every N] [--max-growth-kb KB]
//
// Each call must give the outcome it gave the first time. With
// --max-growth-kb the run fails when the resident memory grew by more than
// KB from the first print (after the warm-up that fills the connection's
// page and statement caches) to the last. Exit status 0 when it passed,
// 1 when it failed, 2 for bad arguments.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "support/demo_session.h"
#include "support/mixed_calls.h"

namespace lumo::testing {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUnderAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool kUnderAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool kUnderAddressSanitizer = false;
#endif

// The process's resident set in kB, from /proc/self/statm (in pages).
long ResidentKb() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

int Soak(long calls, long every, std::optional<long> maxGrowthKb) {
  const DemoSession demo;
  const std::vector<MixedCall> table = MixedCalls(demo.props());
  clsActionIC component;
  std::vector<std::string> first;
  std::optional<long> warmKb;
  long lastKb = 0;
  for (long i = 0; i < calls; ++i) {
    const size_t row = static_cast<size_t>(i) % table.size();
    std::string outcome = RunMixedCall(component, table[row]);
    if (first.size() <= row) {
      first.push_back(std::move(outcome));
    } else if (outcome != first[row]) {
      std::cerr << "call " << i + 1 << " gave\n  " << outcome << "\nthe first time\n  "
                << first[row] << '\n';
      return 1;
    }
    if ((i + 1) % every == 0) {
      lastKb = ResidentKb();
      if (!warmKb) warmKb = lastKb;
      std::cout << "calls " << i + 1 << "  rss " << lastKb << " kB" << std::endl;
    }
  }
  if (!maxGrowthKb || !warmKb) return 0;
  if (kUnderAddressSanitizer) {
    // Shadow memory and the quarantine of freed blocks make the resident
    // set meaningless here; LeakSanitizer reports leaks when the run ends.
    std::cout << "rss bound not checked under AddressSanitizer (LeakSanitizer checks leaks)\n";
    return 0;
  }
  const long growth = lastKb - *warmKb;
  std::cout << "rss growth after warm-up " << growth << " kB (at most " << *maxGrowthKb << " kB)\n";
  return growth <= *maxGrowthKb ? 0 : 1;
}

}  // namespace
}  // namespace lumo::testing

int main(int argc, char** argv) {
  CLI::App app("Replays mixed DoAction calls and prints the resident memory.");
  long calls = 100'000, every = 10'000;
  std::optional<long> maxGrowthKb;
  app.add_option("--calls", calls, "how many calls")->check(CLI::PositiveNumber);
  app.add_option("--every", every, "print the resident memory every N calls")
      ->check(CLI::PositiveNumber);
  app.add_option("--max-growth-kb", maxGrowthKb, "fail when it grows more after warm-up");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return app.exit(error) == 0 ? 0 : 2;
  }
  return lumo::testing::Soak(calls, every, maxGrowthKb);
}
