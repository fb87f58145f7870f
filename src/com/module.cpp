#include "module.h"

#include <atomic>

#include "platform/error.h"
#include "platform/os.h"

namespace lumo::com {
namespace {

// Kept as globals: COM asks the DLL, not an object, whether it is in use,
// from any thread.
std::atomic<long> liveObjects{0};
std::atomic<long> factoryLocks{0};

}  // namespace

std::filesystem::path ModuleFile() {
  return os::ModuleFileOf(reinterpret_cast<const void*>(&ModuleFile));
}

ComPtr<ITypeInfo> ModuleTypeInfo(REFIID iid) {
  ComPtr<ITypeLib> library;
  HRESULT hr = ::LoadTypeLibEx(ModuleFile().c_str(), REGKIND_NONE, library.Receive());
  ComPtr<ITypeInfo> info;
  if (SUCCEEDED(hr)) hr = library->GetTypeInfoOfGuid(iid, info.Receive());
  // Only a DLL built without its type library resource gets here.
  if (FAILED(hr))
    Raise(vberr::kAutomationError, "LumoClassActionIC", "The type library cannot be read");
  return info;
}

void ObjectCreated() {
  ++liveObjects;
}

void ObjectDestroyed() {
  --liveObjects;
}

void LockModule(bool lock) {
  lock ? ++factoryLocks : --factoryLocks;
}

bool ModuleInUse() {
  return liveObjects > 0 || factoryLocks > 0;
}

}  // namespace lumo::com
