// "LumoClassActionIC.clsActionIC": the component's class for COM clients.
#pragma once

#include "com_ptr.h"
#include "windows_com.h"

namespace lumo::com {

ComPtr<IDispatch> NewActionObject();

}  // namespace lumo::com
