// The components of the C interface and their handles.
//
// A handle is a number, never a pointer, so a stale or foreign one can be
// refused instead of dereferenced. Its high 32 bits are the number of the
// thread that created it (threads are numbered from 1 as they first create
// a component), its low 32 bits the creation's serial on that thread (from
// 1). Each thread keeps its components in its own table, keyed by serial;
// serials are never reused, so a destroyed component's handle finds nothing
// even after later creations. The thread number in the handle tells a
// handle of another thread (refused: the component is apartment-threaded)
// from one of this thread that is gone (destroyed, or never created).
#pragma once

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>

#include "core/cls_action_ic.h"

namespace lumo::capi {

// A refused handle; `status` is the C interface's status to return.
class HandleError : public std::runtime_error {
 public:
  HandleError(int status, const std::string& message)
      : std::runtime_error(message), status(status) {}
  int status;
};

struct Component {
  clsActionIC actions;
  std::string props;  // empty: none
  // The outputs of the last DoAction, owned here for the caller to read.
  std::string returnJson;
  std::string paraJson;
};

class ComponentTable {
 public:
  // This thread's table.
  static ComponentTable& OfThisThread();

  uint64_t Create(std::string props);
  // Throws HandleError.
  Component& Find(uint64_t handle);
  void Destroy(uint64_t handle);

 private:
  ComponentTable();

  uint32_t threadNumber_;
  uint32_t lastSerial_ = 0;
  std::map<uint32_t, Component> components_;
};

}  // namespace lumo::capi
