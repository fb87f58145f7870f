// Write-backs per second with 1, 2, 4 and 8 writers at once, on the SQLite
// demo file and (with LUMO_PG_CONNECT, as bench/run gives it) on a
// PostgreSQL demo database. Each writer is a thread with a component of its
// own, as a host's threads have, writing back the supplier prices of order
// 2101 (TevSer_UpdatePOPrice: a query and three upserts in one transaction)
// again and again. Timed in real time; the counter "writebacks" is the rate
// of write-backs that ended whole. A write-back that the database undid for
// another writer ("try again") counts as not done, and "retries" says how
// many there were.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <atomic>
#include <string>

#include "collections/dictionary.h"
#include "core/cls_action_ic.h"
#include "demo_database.h"
#include "host/components/register.h"
#include "host/data/register.h"
#include "pg_demo_database.h"

namespace {

const lumo::bench::DemoDatabase& Database() {
  static const lumo::bench::DemoDatabase database("lumo_bench_writers");
  return database;
}

const lumo::bench::PgDemoDatabase& PgDatabase() {
  static const lumo::bench::PgDemoDatabase database("lumo_bench_writers");
  return database;
}

// The host's registrations, once; the session's property string of the
// process names the database of the benchmark that runs.
void RegisterHost(const std::string& props) {
  static const auto shared = [] {
    lumo::data::RegisterDataAccess();
    return lumo::components::RegisterHostComponents({});
  }();
  shared->Set(static_cast<int32_t>(::getpid()), "PropsString", props);
}

void WriteBacks(benchmark::State& state, const std::string& props) {
  // The other threads wait at the loop's start until the first one is there.
  if (state.thread_index() == 0) RegisterHost(props);
  lumo::clsActionIC component;
  const lumo::DictionaryRef dctPara = lumo::NewDictionary();
  dctPara->SetValue("PropString", props);
  dctPara->SetValue("P_InterID", 2101);
  int64_t done = 0, retries = 0;
  for (auto _ : state) {
    lumo::DictionaryRef dctReturn;
    component.DoAction("TevSer_UpdatePOPrice", "", dctPara, dctReturn);
    const lumo::ErrorInfo& error = lumo::clsActionIC::LastError();
    if (error.number == 0) {
      ++done;
    } else if (error.description.find("try again") != std::string::npos ||
               error.description.find("busy") != std::string::npos) {
      ++retries;
    } else {
      state.SkipWithError(error.description.c_str());
      break;
    }
  }
  state.counters["writebacks"] =
      benchmark::Counter(static_cast<double>(done), benchmark::Counter::kIsRate);
  state.counters["retries"] = benchmark::Counter(static_cast<double>(retries));
}

void SqliteWriters(benchmark::State& state) {
  WriteBacks(state, Database().props());
}

void PgWriters(benchmark::State& state) {
  WriteBacks(state, PgDatabase().props());
}

}  // namespace

int main(int argc, char** argv) {
  // Made before the writers start, so none of them pays for it.
  Database();
  benchmark::RegisterBenchmark("Writers/SQLite", SqliteWriters)->ThreadRange(1, 8)->UseRealTime();
  if (lumo::bench::PgDemoDatabase::Server() != nullptr) {
    PgDatabase();
    benchmark::RegisterBenchmark("Writers/PostgreSQL", PgWriters)->ThreadRange(1, 8)->UseRealTime();
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
