#include <windows.h>
// After windows.h, which it needs:
#include <io.h>

#include <array>
#include <string>

#include "platform/os.h"

namespace lumo::os {

int32_t CurrentProcessId() {
  return static_cast<int32_t>(::GetCurrentProcessId());
}

int64_t CurrentThreadId() {
  return static_cast<int64_t>(::GetCurrentThreadId());
}

std::filesystem::path ModuleFileOf(const void* address) {
  HMODULE module = nullptr;
  if (!::GetModuleHandleExW(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          static_cast<LPCWSTR>(address), &module)) {
    return {};
  }
  std::wstring name(MAX_PATH, L'\0');
  while (true) {
    const DWORD length = ::GetModuleFileNameW(module, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return {};
    if (length < name.size()) {
      name.resize(length);
      return name;
    }
    name.resize(name.size() * 2);  // cut off: try a longer buffer
  }
}

bool CanWriteFolder(const std::filesystem::path& folder) {
  // The folder's attributes do not say whether its ACL lets us write, so
  // try: a unique file made and removed at once.
  const auto probe = CreateUniqueFile(folder / ".write-test-");
  if (!probe) return false;
  std::error_code ignored;
  std::filesystem::remove(*probe, ignored);
  return true;
}

bool InputAndErrorAreTerminals() {
  return ::_isatty(0) != 0 && ::_isatty(2) != 0;
}

std::optional<std::filesystem::path> CreateUniqueFile(const std::filesystem::path& prefix) {
  // CREATE_NEW never opens a file that exists; on a clash the next name is tried.
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    std::array<wchar_t, 16> suffix{};
    ::swprintf(suffix.data(), suffix.size(), L"%08lx%02x", ::GetTickCount(), attempt);
    const std::filesystem::path name = prefix.wstring() + suffix.data();
    HANDLE file = ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      ::CloseHandle(file);
      return name;
    }
    if (::GetLastError() != ERROR_FILE_EXISTS) return std::nullopt;
  }
  return std::nullopt;
}

std::tm LocalTime(std::time_t seconds) {
  std::tm local{};
  ::localtime_s(&local, &seconds);
  return local;
}

}  // namespace lumo::os
