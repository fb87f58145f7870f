#include "removed_on_signal.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

namespace lumo::app {
namespace {

namespace fs = std::filesystem;

// An interrupted --create-db leaves neither its temporary database nor its
// journal behind, and still ends as the signal asks.
TEST(RemovedOnSignal, SignalRemovesTheFilesAndEndsTheProgram) {
  const fs::path folder = fs::temp_directory_path() / ("removed-" + std::to_string(::getpid()));
  const fs::path database = folder / "x.db", journal = folder / "x.db-journal";
  for (int signal : {SIGINT, SIGTERM}) {
    SCOPED_TRACE(signal);
    fs::create_directories(folder);
    EXPECT_EXIT(
        {
          RemovedOnSignal guard({database, journal});
          std::ofstream(database) << "half";
          std::ofstream(journal) << "written";
          std::raise(signal);
        },
        ::testing::KilledBySignal(signal), "");
    EXPECT_TRUE(fs::is_empty(folder));
    fs::remove_all(folder);
  }
}

}  // namespace
}  // namespace lumo::app
