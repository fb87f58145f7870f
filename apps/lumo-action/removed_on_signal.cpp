#include "removed_on_signal.h"

#include <limits.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <stdexcept>

namespace lumo::app {
namespace {

constexpr size_t kMaxFiles = 4;

// Static storage: a signal handler reaches nothing else, and may call only
// async-signal-safe functions (unlink, raise), so the paths are C strings
// written before the handler is installed.
std::array<std::array<char, PATH_MAX>, kMaxFiles> gFiles;
volatile sig_atomic_t gFileCount = 0;

void RemoveFilesAndEnd(int signal) {
  for (sig_atomic_t i = 0; i < gFileCount; ++i) ::unlink(gFiles[static_cast<size_t>(i)].data());
  // SA_RESETHAND has put back the default action; the signal, blocked while
  // this handler runs, ends the program as soon as it returns.
  ::raise(signal);
}

void Watch(int signal, const struct sigaction& action, struct sigaction& previous) {
  sigaction(signal, nullptr, &previous);
  // A signal the program was started to ignore stays ignored (nohup, &).
  if (previous.sa_handler != SIG_IGN) sigaction(signal, &action, nullptr);
}

}  // namespace

RemovedOnSignal::RemovedOnSignal(const std::vector<std::filesystem::path>& files) {
  if (gFileCount != 0) throw std::logic_error("RemovedOnSignal is already watching files");
  if (files.size() > kMaxFiles) throw std::length_error("RemovedOnSignal: too many files");
  for (size_t i = 0; i < files.size(); ++i) {
    const std::string& path = files[i].native();
    if (path.size() >= PATH_MAX) throw std::length_error("RemovedOnSignal: path too long");
    std::memcpy(gFiles[i].data(), path.c_str(), path.size() + 1);
  }
  gFileCount = static_cast<sig_atomic_t>(files.size());

  struct sigaction action {};
  action.sa_handler = RemoveFilesAndEnd;
  action.sa_flags = SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  sigaddset(&action.sa_mask, SIGINT);
  sigaddset(&action.sa_mask, SIGTERM);
  Watch(SIGINT, action, previousInterrupt_);
  Watch(SIGTERM, action, previousTerminate_);
}

RemovedOnSignal::~RemovedOnSignal() {
  sigaction(SIGINT, &previousInterrupt_, nullptr);
  sigaction(SIGTERM, &previousTerminate_, nullptr);
  gFileCount = 0;
}

}  // namespace lumo::app
