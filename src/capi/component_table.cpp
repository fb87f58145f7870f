#include "component_table.h"

#include <atomic>
#include <utility>

#include "lumo/lumo_action.h"

namespace lumo::capi {
namespace {

constexpr int kSerialBits = 32;

uint32_t NextThreadNumber() {
  // A counter, not state: each thread draws its number once.
  static std::atomic<uint32_t> lastNumber{0};
  const uint32_t number = ++lastNumber;
  // Wrapped past 2^32 threads: a number could be drawn twice, and a handle
  // of one thread taken for another's. Refused instead.
  if (number == 0) throw std::runtime_error("too many threads have created components");
  return number;
}

uint32_t ThreadOf(uint64_t handle) {
  return static_cast<uint32_t>(handle >> kSerialBits);
}

uint32_t SerialOf(uint64_t handle) {
  return static_cast<uint32_t>(handle & 0xFFFFFFFFu);
}

}  // namespace

ComponentTable::ComponentTable() : threadNumber_(NextThreadNumber()) {}

ComponentTable& ComponentTable::OfThisThread() {
  // Its components are destroyed when the thread ends.
  thread_local ComponentTable table;
  return table;
}

uint64_t ComponentTable::Create(std::string props) {
  // A serial used again would let a stale handle reach a new component.
  if (lastSerial_ == UINT32_MAX) {
    throw std::runtime_error("this thread has created all the components it can");
  }
  const uint32_t serial = ++lastSerial_;
  components_[serial].props = std::move(props);
  return (uint64_t{threadNumber_} << kSerialBits) | serial;
}

Component& ComponentTable::Find(uint64_t handle) {
  const uint32_t creator = ThreadOf(handle);
  if (creator != 0 && creator != threadNumber_) {
    throw HandleError(LUMO_ACTION_E_THREAD,
                      "the component was created on another thread; use it only there");
  }
  const auto found = components_.find(SerialOf(handle));
  if (creator == 0 || found == components_.end()) {
    throw HandleError(LUMO_ACTION_E_HANDLE, "no such component (destroyed, or never created)");
  }
  return found->second;
}

void ComponentTable::Destroy(uint64_t handle) {
  Find(handle);
  components_.erase(SerialOf(handle));
}

}  // namespace lumo::capi
