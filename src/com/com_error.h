// Errors across the COM boundary: a VB error raised inside a member becomes
// the member's failing HRESULT and the thread's error information, which
// the automation layer hands to the script as Err.Number, Err.Source and
// Err.Description.
#pragma once

#include <new>

#include "platform/error.h"
#include "windows_com.h"

namespace lumo::com {

// VB's numbers 1 to 65535 are FACILITY_CONTROL codes (0x800A0000 + n), as
// VB itself reports them; a negative number is an HRESULT already.
HRESULT HresultOfError(int32_t number);

// Sets the thread's error information from `error` and returns its HRESULT.
HRESULT ReportError(const ErrorInfo& error, REFIID iid);

// Error 5 for a null result pointer of a member of `source`.
void CheckResultPointer(const void* out, const char* source);

// Runs a member's body: S_OK, or the error it raised, reported. No
// exception leaves a COM member.
template <class Body>
HRESULT Guarded(REFIID iid, Body&& body) noexcept {
  try {
    body();
    return S_OK;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    try {
      return ReportError(CurrentException(), iid);
    } catch (...) {
      return E_FAIL;
    }
  }
}

}  // namespace lumo::com
