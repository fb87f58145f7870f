// Objects created by ProgID: what COM's class registry and CreateObject gave
// the component.
//
// Every host component is an Object; callers reach its members through a
// small typed interface (QueryInterface<I>) exactly as the original reached
// them late-bound. A process-wide registry maps ProgIDs (compared without
// regard to case, as the Windows registry does) to factories; tests swap a
// registration with ScopedRegistration.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace lumo {

class Object {
 public:
  virtual ~Object() = default;
};

using ObjectRef = std::shared_ptr<Object>;
using Factory = std::function<ObjectRef()>;

// Adds or replaces the factory of a ProgID.
void RegisterClass(std::string_view progId, Factory factory);
void UnregisterClass(std::string_view progId);

// Creates a new object of the ProgID; error 429 when nothing is registered
// or the factory returns nothing.
ObjectRef CreateObject(std::string_view progId);

[[noreturn]] void RaiseObjectNotSet();        // error 91
[[noreturn]] void RaiseMemberNotSupported();  // error 438

// The object's typed interface: error 91 for Nothing, 438 when the object
// does not implement I.
template <class I>
std::shared_ptr<I> QueryInterface(const ObjectRef& object) {
  if (!object) RaiseObjectNotSet();
  auto typed = std::dynamic_pointer_cast<I>(object);
  if (!typed) RaiseMemberNotSupported();
  return typed;
}

// The referenced object; Nothing is VB's error 91, as a late-bound call on
// Nothing would raise, instead of a null dereference.
template <class T>
T& Deref(const std::shared_ptr<T>& reference) {
  if (!reference) RaiseObjectNotSet();
  return *reference;
}

template <class I>
std::shared_ptr<I> CreateObjectAs(std::string_view progId) {
  return QueryInterface<I>(CreateObject(progId));
}

// Registers a factory for the guard's lifetime and puts back what was
// registered before (or nothing) when it ends.
class ScopedRegistration {
 public:
  ScopedRegistration(std::string_view progId, Factory factory);
  ~ScopedRegistration();
  ScopedRegistration(const ScopedRegistration&) = delete;
  ScopedRegistration& operator=(const ScopedRegistration&) = delete;

 private:
  std::string progId_;
  Factory previous_;
};

}  // namespace lumo
