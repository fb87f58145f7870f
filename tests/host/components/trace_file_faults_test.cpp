// A trace file that stops taking records: each lost record is error 75, the
// host hears of it once per outage, and the records after it are written.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "host/components/trace_log.h"
#include "support/file_text.h"
#include "support/vb_testing.h"

namespace lumo::components {
namespace {

namespace fs = std::filesystem;

TEST(TraceFileFaults, LostRecordsAreToldOncePerOutageAndLaterOnesAreWritten) {
  const fs::path dir =
      fs::temp_directory_path() / ("lumo-trace-faults-" + std::to_string(::getpid()));
  const fs::path full = dir / "full.log", missing = dir / "gone" / "trace.log";
  const struct {
    const char* outage;
    fs::path path;
    std::function<void()> fail, recover;
    std::string description;
  } cases[] = {
      // A disk without room: the file is opened, its writes fail.
      {"disk full", full, [&] { fs::create_symlink("/dev/full", full); }, [&] { fs::remove(full); },
       "Cannot write the trace file " + full.string() + ": No space left on device"},
      {"folder gone", missing, [&] { fs::remove_all(missing.parent_path()); },
       [&] { fs::create_directories(missing.parent_path()); },
       "Cannot open the trace file " + missing.string() + ": No such file or directory"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.outage);
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::vector<std::string> told;
    TraceFile file(c.path, [&](const std::string& description) { told.push_back(description); });

    c.fail();
    for (const char* record : {"lost 1", "lost 2"}) {
      EXPECT_VB_ERROR_INFO(file.Write(record), 75, "VelLogMsg.Log", c.description);
    }
    EXPECT_EQ(told, std::vector<std::string>{c.description});

    c.recover();
    file.Write("kept 1");
    file.Write("kept 2");
    EXPECT_EQ(testing::FileText(c.path), "kept 1\nkept 2\n");
    EXPECT_EQ(told.size(), 1u);
  }
  fs::remove_all(dir);
}

// A stream (standard error) that has no room while `full` is set.
struct FillingStream : std::stringbuf {
  bool full = false;
  int_type overflow(int_type c) override {
    return full ? traits_type::eof() : std::stringbuf::overflow(c);
  }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    return full ? 0 : std::stringbuf::xsputn(s, n);
  }
};

TEST(TraceFileFaults, AStreamIsWrittenAgainOnceItHasRoomAndANewOutageIsToldAgain) {
  FillingStream buffer;
  std::ostream stream(&buffer);
  std::vector<std::string> told;
  TraceFile trace(stream, [&](const std::string& description) { told.push_back(description); });
  const std::string lost = "Cannot write the trace stream: the system gave no reason";
  for (const bool full : {true, false, true}) {
    buffer.full = full;
    const std::string record = full ? "lost" : "kept";
    if (full) {
      EXPECT_VB_ERROR_INFO(trace.Write(record), 75, "VelLogMsg.Log", lost);
    } else {
      trace.Write(record);
    }
  }
  EXPECT_EQ(buffer.str(), "kept\n");
  EXPECT_EQ(told, std::vector<std::string>(2, lost));
}

}  // namespace
}  // namespace lumo::components
