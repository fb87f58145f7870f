// The DLL as a whole: its file, its type library, and the counts that tell
// DllCanUnloadNow whether anything still needs it.
#pragma once

#include <filesystem>

#include "com_ptr.h"
#include "windows_com.h"

namespace lumo::com {

// The DLL's own file.
std::filesystem::path ModuleFile();

// The description of one of the type library's interfaces, read from the
// library embedded in the DLL (the first TYPELIB resource).
ComPtr<ITypeInfo> ModuleTypeInfo(REFIID iid);

// Live objects and class factory locks: the DLL may be unloaded only when
// both are 0.
void ObjectCreated();
void ObjectDestroyed();
void LockModule(bool lock);
bool ModuleInUse();

}  // namespace lumo::com
