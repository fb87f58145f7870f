// The console report, keeping each benchmark's CPU time per iteration (on a
// shared machine it wavers less than the wall-clock time), so a program can
// print ratios against the bare database work afterwards.
#pragma once

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <map>
#include <string>
#include <vector>

namespace lumo::bench {

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
  // CPU nanoseconds per iteration of the named run; 0 when it did not run.
  double Of(const std::string& name) const {
    auto found = nanoseconds_.find(name);
    return found == nanoseconds_.end() ? 0 : found->second;
  }

 private:
  std::map<std::string, double> nanoseconds_;
};

// Runs the benchmarks that the command line selects into `reporter`; false
// for an argument the library does not know.
inline bool RunBenchmarks(int argc, char** argv, RatioReporter& reporter) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return false;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return true;
}

}  // namespace lumo::bench
