#include "host/components/trace_log.h"

#include <fmt/format.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

#include "platform/error.h"
#include "platform/os.h"

namespace lumo::components {
namespace {

constexpr int32_t kPathFileAccessError = 75;

// Local wall-clock time with milliseconds: 2024-03-04 10:15:02.123.
std::string Timestamp() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  const std::tm local = os::LocalTime(seconds);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return fmt::format("{}.{:03}", text, millis);
}

// Tabs and line breaks would split a record; the source text never needs them.
std::string OneLine(std::string_view text) {
  std::string line(text);
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
  return line;
}

}  // namespace

void TraceFile::Write(std::string_view record) {
  std::lock_guard lock(mutex_);
  if (out_ == nullptr) {
    errno = 0;
    file_.open(path_, std::ios::app | std::ios::binary);
    if (!file_) Fail("open", errno);
    out_ = &file_;
  }
  errno = 0;
  *out_ << record << '\n';
  out_->flush();
  if (!*out_) {
    const int error = errno;
    out_->clear();
    if (out_ == &file_) {
      // Opened again by the next record: the file may have been replaced.
      file_.close();
      file_.clear();
      out_ = nullptr;
    }
    Fail("write", error);
  }
  failing_ = false;
}

void TraceFile::Fail(const char* what, int error) {
  const std::string description = fmt::format(
      "Cannot {} the trace {}: {}", what,
      out_ != nullptr && out_ != &file_ ? std::string("stream") : "file " + path_.string(),
      error != 0 ? std::strerror(error) : "the system gave no reason");
  if (!failing_ && onFailure_) onFailure_(description);
  failing_ = true;
  Raise(kPathFileAccessError, "VelLogMsg.Log", description);
}

Variant TraceLog::LogStart(const std::string& source) {
  if (!file_) return 0;
  Scope scope{nextHandle_++, OneLine(source), Clock::now()};
  Write(open_.size() + 1, "BEGIN", scope.source);
  open_.push_back(std::move(scope));
  return open_.back().handle;
}

Variant TraceLog::IsEnabled() {
  return file_ != nullptr;
}

Variant TraceLog::LogEnd(int32_t& handle, int32_t& flag) {
  const auto scope =
      std::find_if(open_.begin(), open_.end(), [&](const Scope& s) { return s.handle == handle; });
  if (!file_ || scope == open_.end()) return false;
  const size_t depth = static_cast<size_t>(scope - open_.begin()) + 1;
  const std::chrono::duration<double, std::milli> elapsed = Clock::now() - scope->start;
  const std::string source = scope->source;
  open_.erase(scope, open_.end());
  Write(depth, "END", fmt::format("{}\tflag={}\t{:.3f} ms", source, flag, elapsed.count()));
  return true;
}

void TraceLog::Write(size_t depth, std::string_view event, std::string_view details) {
  file_->Write(
      fmt::format("{}\t{}\t{}\t{}\t{}", Timestamp(), os::CurrentThreadId(), depth, event, details));
}

}  // namespace lumo::components
