// What the component and its host parts ask of the operating system. One
// file per system implements it (os/posix.cpp, os/windows.cpp); nothing
// else includes a system's own headers for these.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>

namespace lumo::os {

// The calling process's id, as the host keys its shared properties by it.
int32_t CurrentProcessId();
// The calling thread's id, for trace records.
int64_t CurrentThreadId();

// The file the code at `address` was loaded from: the shared library (DLL)
// holding it, else the program. Empty when the system cannot tell.
std::filesystem::path ModuleFileOf(const void* address);

// Whether this process may create files in the folder.
bool CanWriteFolder(const std::filesystem::path& folder);

// Whether standard input and standard error are both terminals: where a
// console dialog reads and writes, whatever standard output goes to.
bool InputAndErrorAreTerminals();

// Creates a new, empty file whose name is `prefix` followed by characters
// that make it unique, never one that exists; its path, or nullopt.
std::optional<std::filesystem::path> CreateUniqueFile(const std::filesystem::path& prefix);

// The local calendar time of `seconds`.
std::tm LocalTime(std::time_t seconds);

}  // namespace lumo::os
