#include "host/components/trace_log.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "host/components/register.h"
#include "platform/hostapi/trace_log.h"
#include "scratch_dir.h"
#include "support/vb_testing.h"

namespace lumo::components {
namespace {

// Each record without its time and thread id and, for an end record,
// without the elapsed time (which must still be there).
std::vector<std::string> Records(const std::filesystem::path& file) {
  std::vector<std::string> records;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    line.erase(0, line.find('\t', line.find('\t') + 1) + 1);
    if (line.find("\tEND\t") != std::string::npos) {
      EXPECT_TRUE(line.ends_with(" ms")) << line;
      line.erase(line.rfind('\t'));
    }
    records.push_back(line);
  }
  return records;
}

int32_t End(ITraceLog& log, int32_t handle, int32_t flag) {
  return log.LogEnd(handle, flag) == Variant(true) ? 1 : 0;
}

TEST(TraceLog, WritesNestedScopesWithDepthFlagAndElapsedTime) {
  lumo::testing::ScratchDir dir;
  RegisterHostComponents({.traceFile = dir / "trace.log"});
  const auto log = CreateObjectAs<ITraceLog>(kTraceLogProgId);

  EXPECT_EQ(log->IsEnabled(), Variant(true));
  const Variant outer = log->LogStart("clsActionIC.DoAction 执行Action");
  const Variant inner = log->LogStart("clsActionIC.GetSupplyInfo\t供应商信息查询");
  EXPECT_EQ(End(*log, inner.AsLong(), 0), 1);
  EXPECT_EQ(End(*log, outer.AsLong(), 1), 1);
  EXPECT_EQ(End(*log, outer.AsLong(), 1), 0);  // already closed: nothing written

  EXPECT_EQ(Records(dir / "trace.log"),
            (std::vector<std::string>{
                "1\tBEGIN\tclsActionIC.DoAction 执行Action",
                "2\tBEGIN\tclsActionIC.GetSupplyInfo 供应商信息查询",
                "2\tEND\tclsActionIC.GetSupplyInfo 供应商信息查询\tflag=0",
                "1\tEND\tclsActionIC.DoAction 执行Action\tflag=1",
            }));
}

TEST(TraceLog, ClosingAScopeDropsTheScopesLeftOpenInsideIt) {
  lumo::testing::ScratchDir dir;
  RegisterHostComponents({.traceFile = dir / "trace.log"});
  const auto log = CreateObjectAs<ITraceLog>(kTraceLogProgId);

  const int32_t outer = log->LogStart("DoAction").AsLong();
  const int32_t abandoned = log->LogStart("handler").AsLong();  // error path: never closed
  EXPECT_EQ(End(*log, outer, 1), 1);
  EXPECT_EQ(End(*log, abandoned, 0), 0);
  log->LogStart("DoAction");

  EXPECT_EQ(Records(dir / "trace.log"),
            (std::vector<std::string>{"1\tBEGIN\tDoAction", "2\tBEGIN\thandler",
                                      "1\tEND\tDoAction\tflag=1", "1\tBEGIN\tDoAction"}));
}

TEST(TraceLog, SwitchedOffItIsDisabledAndWritesNothing) {
  lumo::testing::ScratchDir dir;
  RegisterHostComponents({});
  const auto log = CreateObjectAs<ITraceLog>(kTraceLogProgId);

  EXPECT_EQ(log->IsEnabled(), Variant(false));
  EXPECT_EQ(log->LogStart("DoAction"), Variant(0));
  EXPECT_EQ(End(*log, 0, 1), 0);
  EXPECT_TRUE(std::filesystem::is_empty(dir / ""));
}

TEST(TraceLog, AFileThatCannotBeOpenedIsError75) {
  lumo::testing::ScratchDir dir;
  TraceLog log(std::make_shared<TraceFile>(dir / "missing-folder" / "trace.log"));
  EXPECT_VB_ERROR(log.LogStart("DoAction"), 75);
}

}  // namespace
}  // namespace lumo::components
