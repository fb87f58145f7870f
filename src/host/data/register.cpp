#include "host/data/register.h"

#include <memory>

#include "host/data/class_info_component.h"
#include "platform/object.h"

namespace lumo::data {

void RegisterDataAccess() {
  RegisterClass(kClassInfoProgId, [] { return std::make_shared<ClassInfo>(); });
}

}  // namespace lumo::data
