#include <dlfcn.h>
#include <link.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <string>

#include "platform/os.h"

namespace lumo::os {

int32_t CurrentProcessId() {
  return static_cast<int32_t>(::getpid());
}

int64_t CurrentThreadId() {
  return static_cast<int64_t>(::gettid());
}

std::filesystem::path ModuleFileOf(const void* address) {
  // A shared library names itself in its link map; the program's entry
  // there is empty.
  Dl_info info{};
  link_map* map = nullptr;
  if (::dladdr1(address, &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) != 0 && map &&
      map->l_name && map->l_name[0] == '/') {
    return map->l_name;
  }
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error);
}

bool CanWriteFolder(const std::filesystem::path& folder) {
  return ::access(folder.c_str(), W_OK) == 0;
}

bool InputAndErrorAreTerminals() {
  return ::isatty(STDIN_FILENO) == 1 && ::isatty(STDERR_FILENO) == 1;
}

std::optional<std::filesystem::path> CreateUniqueFile(const std::filesystem::path& prefix) {
  std::string name = prefix.string() + "XXXXXX";
  const int descriptor = ::mkstemp(name.data());
  if (descriptor < 0) return std::nullopt;
  ::close(descriptor);
  return name;
}

std::tm LocalTime(std::time_t seconds) {
  std::tm local{};
  ::localtime_r(&seconds, &local);
  return local;
}

}  // namespace lumo::os
