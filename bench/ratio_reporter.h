// A console report that also keeps each benchmark's CPU time per
// iteration, so a program can print ratios against the bare database work
// after the runs.
#pragma once

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lumo::bench {

// CPU time rather than wall-clock time: on a shared machine it wavers less.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal, as the default report does.
  RatioReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    // With repetitions the mean, reported after the single runs, wins.
    for (const Run& run : runs) {
      const bool single = run.run_type == Run::RT_Iteration;
      const bool mean = run.run_type == Run::RT_Aggregate && run.aggregate_name == "mean";
      if ((single || mean) && !run.error_occurred) {
        nanoseconds_[run.run_name.str()] = run.GetAdjustedCPUTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  double Of(const std::string& name) const {
    auto found = nanoseconds_.find(name);
    return found == nanoseconds_.end() ? 0 : found->second;
  }

 private:
  std::map<std::string, double> nanoseconds_;
};

// Runs the benchmarks the command line selects and hands back their times;
// nullopt for a command line it does not understand.
inline std::optional<RatioReporter> RunBenchmarks(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return std::nullopt;
  std::optional<RatioReporter> reporter(std::in_place);
  benchmark::RunSpecifiedBenchmarks(&*reporter);
  benchmark::Shutdown();
  return reporter;
}

}  // namespace lumo::bench
