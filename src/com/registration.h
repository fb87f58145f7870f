// The server's registry entries, under HKEY_CLASSES_ROOT:
//   CLSID\{class}                  the class name
//     InprocServer32               the DLL's path; ThreadingModel=Apartment
//     ProgID, TypeLib, Version     the ProgID, the LIBID, 1.0
//   <ProgID>                       the class name
//     CLSID                        {class}
// for clsActionIC and the two collections, and the type library's own
// entries (TypeLib\{LIBID}\1.0 and Interface\{IID} of its three
// interfaces), which the system's type library registration writes.
#pragma once

#include "windows_com.h"

namespace lumo::com {

// Writes every entry; on a failure removes what it wrote and returns the
// failure (SELFREG_E_CLASS or SELFREG_E_TYPELIB).
HRESULT RegisterServer();
// Removes every entry; S_OK also when none was there.
HRESULT UnregisterServer();

}  // namespace lumo::com
