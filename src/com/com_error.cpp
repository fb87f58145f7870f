#include "com_error.h"

#include "bstr.h"
#include "com_ptr.h"

namespace lumo::com {

HRESULT HresultOfError(int32_t number) {
  if (number < 0) return static_cast<HRESULT>(number);
  if (number >= 1 && number <= 0xFFFF)
    return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, number);
  return E_FAIL;
}

void CheckResultPointer(const void* out, const char* source) {
  if (!out) Raise(vberr::kInvalidCall, source, "A result pointer is null");
}

HRESULT ReportError(const ErrorInfo& error, REFIID iid) {
  ComPtr<ICreateErrorInfo> created;
  if (SUCCEEDED(::CreateErrorInfo(created.Receive()))) {
    const std::wstring source = WideFromUtf8(error.source);
    const std::wstring description = WideFromUtf8(error.description);
    const std::wstring helpFile = WideFromUtf8(error.helpFile);
    created->SetGUID(iid);
    created->SetSource(const_cast<LPOLESTR>(source.c_str()));
    created->SetDescription(const_cast<LPOLESTR>(description.c_str()));
    created->SetHelpFile(const_cast<LPOLESTR>(helpFile.c_str()));
    created->SetHelpContext(static_cast<DWORD>(error.helpContext));
    ComPtr<IErrorInfo> info;
    if (SUCCEEDED(
            created->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(info.Receive()))))
      ::SetErrorInfo(0, info.get());
  }
  return HresultOfError(error.number);
}

}  // namespace lumo::com
