// "VelLogMsg.Log": the trace log, written when the registration names a
// file.
//
// Each TraceLog keeps the stack of its open scopes (innermost last); the
// component keeps one log object per thread, so depths are per thread. All
// objects append to one TraceFile, a whole record at a time. A record is one
// line of tab-separated fields:
//   time  thread-id  depth  BEGIN  source
//   time  thread-id  depth  END    source  flag=N  elapsed ms
// Closing a scope also drops the scopes opened inside it that were never
// closed (an action's error path leaves its own scope open).
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iosfwd>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "hostapi/trace_log.h"

namespace lumo::components {

class TraceFile {
 public:
  // Hears why records are being lost: once when writing starts to fail, and
  // again only after a record has been written since.
  using FailureReport = std::function<void(const std::string& description)>;

  explicit TraceFile(std::filesystem::path path, FailureReport onFailure = {})
      : path_(std::move(path)), onFailure_(std::move(onFailure)) {}
  // Writes into a stream that outlives every log, such as standard error.
  explicit TraceFile(std::ostream& stream, FailureReport onFailure = {})
      : out_(&stream), onFailure_(std::move(onFailure)) {}
  // Appends the record and a line feed and flushes, so a trace survives a
  // crash. The file is opened (for appending) on the first record. A record
  // that cannot be written is lost with error 75; the file is opened again
  // for the next one, so the trace goes on once the disk has room or the
  // file can be written again.
  void Write(std::string_view record);

 private:
  [[noreturn]] void Fail(const char* what, int error);

  std::mutex mutex_;
  std::filesystem::path path_;
  std::ofstream file_;
  std::ostream* out_ = nullptr;  // the stream given, or file_ once it is open
  FailureReport onFailure_;
  bool failing_ = false;  // the last record was lost, and reported
};

class TraceLog final : public ITraceLog {
 public:
  // Without a file, tracing is off: IsEnabled is False and nothing is written.
  explicit TraceLog(std::shared_ptr<TraceFile> file) : file_(std::move(file)) {}

  // The new scope's handle (Long, from 1); 0 when tracing is off.
  Variant LogStart(const std::string& source) override;
  Variant IsEnabled() override;
  // True when the handle named an open scope; an unknown handle (0
  // included) writes nothing and gives False.
  Variant LogEnd(int32_t& handle, int32_t& flag) override;

 private:
  using Clock = std::chrono::steady_clock;
  struct Scope {
    int32_t handle;
    std::string source;
    Clock::time_point start;
  };

  void Write(size_t depth, std::string_view event, std::string_view details);

  std::shared_ptr<TraceFile> file_;
  std::vector<Scope> open_;
  int32_t nextHandle_ = 1;
};

}  // namespace lumo::components
