// Files that an interrupted run must not leave behind.
#pragma once

#include <signal.h>

#include <filesystem>
#include <vector>

namespace lumo::app {

// While it lives, SIGINT or SIGTERM removes `files` and then ends the
// program as the signal would have. One at a time: a run writes at most one
// database.
class RemovedOnSignal {
 public:
  explicit RemovedOnSignal(const std::vector<std::filesystem::path>& files);
  // Puts back the handlers it found.
  ~RemovedOnSignal();
  RemovedOnSignal(const RemovedOnSignal&) = delete;
  RemovedOnSignal& operator=(const RemovedOnSignal&) = delete;

 private:
  struct sigaction previousInterrupt_ {};
  struct sigaction previousTerminate_ {};
};

}  // namespace lumo::app
