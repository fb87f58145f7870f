// The system headers of COM and OLE Automation, in the order they need:
// windows.h declares the types the others use.
#pragma once

#include <windows.h>
// After windows.h:
#include <ole2.h>
#include <oleauto.h>
#include <olectl.h>
