// "PropsMgr.ShareProps": properties the host publishes per process id.
//
// Every ShareProps object reads and writes one PropertyStore, which the
// registration holds; names compare exactly. The store is locked, since the
// host may publish while an action reads on another thread.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>

#include "hostapi/share_props.h"

namespace lumo::components {

class PropertyStore {
 public:
  void Set(int32_t processId, const std::string& name, Variant value);
  // Empty when the property is not set for that process.
  Variant Get(int32_t processId, const std::string& name) const;

 private:
  mutable std::mutex mutex_;
  std::map<std::pair<int32_t, std::string>, Variant> values_;
};

class ShareProps final : public IShareProps {
 public:
  explicit ShareProps(std::shared_ptr<PropertyStore> store) : store_(std::move(store)) {}

  Variant GetProperty(int32_t& processId, std::string& name) override;
  void SetProperty(int32_t processId, const std::string& name, Variant value);

 private:
  std::shared_ptr<PropertyStore> store_;
};

}  // namespace lumo::components
