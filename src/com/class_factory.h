// The class factory COM asks DllGetClassObject for, one per class.
#pragma once

#include "com_ptr.h"
#include "windows_com.h"

namespace lumo::com {

using MakeObject = ComPtr<IDispatch> (*)();

ComPtr<IClassFactory> NewClassFactory(MakeObject make);

}  // namespace lumo::com
