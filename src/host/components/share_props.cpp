#include "host/components/share_props.h"

namespace lumo::components {

void PropertyStore::Set(int32_t processId, const std::string& name, Variant value) {
  std::lock_guard lock(mutex_);
  values_[{processId, name}] = std::move(value);
}

Variant PropertyStore::Get(int32_t processId, const std::string& name) const {
  std::lock_guard lock(mutex_);
  const auto found = values_.find({processId, name});
  return found == values_.end() ? Variant() : found->second;
}

Variant ShareProps::GetProperty(int32_t& processId, std::string& name) {
  return store_->Get(processId, name);
}

void ShareProps::SetProperty(int32_t processId, const std::string& name, Variant value) {
  store_->Set(processId, name, std::move(value));
}

}  // namespace lumo::components
