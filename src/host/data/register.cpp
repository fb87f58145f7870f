#include "host/data/register.h"

#include <memory>

#include "host/data/class_info_component.h"
#include "platform/object.h"

namespace lumo {

void RegisterDataAccess() {
  RegisterClass(kClassInfoProgId, [] { return std::make_shared<data::ClassInfo>(); });
}

}  // namespace lumo
