// The process-wide ProgID registry and CreateObject.
//
// ProgIDs are keyed by their ASCII upper-case form, so "lumomclass.classinfo"
// finds "LumoMClass.ClassInfo"; a mutex guards the map because every thread
// of the process shares it.
#include "platform/object.h"

#include <map>
#include <mutex>
#include <optional>
#include <utility>

#include "platform/error.h"
#include "platform/vb.h"

namespace lumo {

namespace {

std::string RegistryKey(std::string_view progId) {
  return vb::UCase(progId);
}

class Registry {
 public:
  static Registry& Instance() {
    static Registry registry;
    return registry;
  }

  std::optional<Factory> Find(std::string_view progId) const {
    std::lock_guard lock(mutex_);
    auto found = factories_.find(RegistryKey(progId));
    if (found == factories_.end()) return std::nullopt;
    return found->second;
  }

  // Installs factory (or removes the entry when it is empty) and returns
  // what was registered before.
  Factory Exchange(std::string_view progId, Factory factory) {
    std::lock_guard lock(mutex_);
    std::string key = RegistryKey(progId);
    Factory previous;
    if (auto found = factories_.find(key); found != factories_.end()) {
      previous = std::move(found->second);
      factories_.erase(found);
    }
    if (factory) factories_.emplace(std::move(key), std::move(factory));
    return previous;
  }

 private:
  mutable std::mutex mutex_;
  std::map<std::string, Factory> factories_;
};

}  // namespace

void RegisterClass(std::string_view progId, Factory factory) {
  Registry::Instance().Exchange(progId, std::move(factory));
}

void UnregisterClass(std::string_view progId) {
  Registry::Instance().Exchange(progId, nullptr);
}

ObjectRef CreateObject(std::string_view progId) {
  // The factory runs outside the lock: it may itself create objects.
  std::optional<Factory> factory = Registry::Instance().Find(progId);
  ObjectRef object = factory && *factory ? (*factory)() : nullptr;
  if (!object) {
    Raise(vberr::kCannotCreateObject, std::string(progId),
          StandardDescription(vberr::kCannotCreateObject) + ": \"" + std::string(progId) + "\"");
  }
  return object;
}

void RaiseObjectNotSet() {
  Raise(vberr::kObjectNotSet);
}

void RaiseMemberNotSupported() {
  Raise(vberr::kNoSuchMember);
}

ScopedRegistration::ScopedRegistration(std::string_view progId, Factory factory)
    : progId_(progId), previous_(Registry::Instance().Exchange(progId, std::move(factory))) {}

ScopedRegistration::~ScopedRegistration() {
  Registry::Instance().Exchange(progId_, std::move(previous_));
}

}  // namespace lumo
