// What every COM object of this DLL has: COM's reference count, which owns
// the object, and its share in the DLL's use while it lives.
#pragma once

#include <atomic>

#include "module.h"
#include "windows_com.h"

namespace lumo::com {

class ModuleObject {
 public:
  ModuleObject(const ModuleObject&) = delete;
  ModuleObject& operator=(const ModuleObject&) = delete;

 protected:
  ModuleObject() { ObjectCreated(); }
  virtual ~ModuleObject() { ObjectDestroyed(); }

  ULONG AddReference() { return ++references_; }
  ULONG ReleaseReference() {
    const ULONG left = --references_;
    // Kept: COM's reference count owns the object, so its last Release deletes it.
    if (left == 0) delete this;
    return left;
  }

 private:
  std::atomic<ULONG> references_{1};  // the creator's reference
};

}  // namespace lumo::com
