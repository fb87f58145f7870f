// The console report of a benchmark program, keeping each benchmark's CPU
// time per iteration so that main can print ratios after the run: on a
// shared machine the CPU time wavers less than the wall-clock time.
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
        nanoseconds_[run.run_name.str()] = run.GetAdjustedCPUTime() * Scale(run.time_unit);
        realNanoseconds_[run.run_name.str()] = run.GetAdjustedRealTime() * Scale(run.time_unit);
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  // CPU nanoseconds per iteration of the named run ("Name" or "Name/1000");
  // 0 when it did not run.
  double Of(const std::string& name) const {
    auto found = nanoseconds_.find(name);
    return found == nanoseconds_.end() ? 0 : found->second;
  }
  // The same in real (wall-clock) time.
  double RealOf(const std::string& name) const {
    auto found = realNanoseconds_.find(name);
    return found == realNanoseconds_.end() ? 0 : found->second;
  }

 private:
  static double Scale(benchmark::TimeUnit unit) {
    switch (unit) {
      case benchmark::kSecond:
        return 1e9;
      case benchmark::kMillisecond:
        return 1e6;
      case benchmark::kMicrosecond:
        return 1e3;
      default:
        return 1;
    }
  }
  std::map<std::string, double> nanoseconds_;
  std::map<std::string, double> realNanoseconds_;
};

// Runs the benchmarks that the command line selects and reports them;
// false (after saying so) for an argument it does not know.
inline bool RunBenchmarks(int argc, char** argv, RatioReporter& reporter) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return false;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return true;
}

}  // namespace lumo::bench
