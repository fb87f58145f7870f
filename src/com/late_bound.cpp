#include "late_bound.h"

#include <dispex.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bstr.h"
#include "com_ptr.h"
#include "platform/error.h"

namespace lumo::com {
namespace {

constexpr const char* kSource = "LumoClassActionIC";

// What a failing member reported beside its HRESULT; its texts are freed
// with it.
struct Exception {
  EXCEPINFO info{};
  Exception() = default;
  ~Exception() {
    ::SysFreeString(info.bstrSource);
    ::SysFreeString(info.bstrDescription);
    ::SysFreeString(info.bstrHelpFile);
  }
  Exception(const Exception&) = delete;
  Exception& operator=(const Exception&) = delete;

  // The member's own code: the exception's where it raised one.
  HRESULT CodeOf(HRESULT hr) {
    if (hr != DISP_E_EXCEPTION) return hr;
    if (info.pfnDeferredFillIn) std::exchange(info.pfnDeferredFillIn, nullptr)(&info);
    return info.wCode ? MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, info.wCode) : info.scode;
  }
};

// The error as VB reports it: a VB number where the code is one.
[[noreturn]] void RaiseCallError(HRESULT hr, Exception& exception) {
  const HRESULT code = exception.CodeOf(hr);
  const int32_t number = HRESULT_FACILITY(code) == FACILITY_CONTROL ? HRESULT_CODE(code) : code;
  const std::string source = Utf8FromBstr(exception.info.bstrSource);
  // An empty description takes VB's text of the number.
  Raise(number, source.empty() ? kSource : source, Utf8FromBstr(exception.info.bstrDescription));
}

// IDispatch::Invoke with the arguments in written order (Invoke takes the
// last first) and, for an assignment, the value as its named argument.
HRESULT Invoke(IDispatch* object, DISPID member, WORD flags, std::span<const VARIANT> arguments,
               VARIANT* result, Exception& exception) {
  // Invoke does not change [in] arguments; its declaration only lacks const.
  std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
  DISPID assigned = DISPID_PROPERTYPUT;
  DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    params.rgdispidNamedArgs = &assigned;
    params.cNamedArgs = 1;
  }
  UINT badArgument = 0;
  return object->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result,
                        &exception.info, &badArgument);
}

}  // namespace

std::optional<DISPID> MemberId(IDispatch* object, const wchar_t* name) {
  std::wstring text(name);
  LPOLESTR names[] = {text.data()};
  DISPID id = DISPID_UNKNOWN;
  const HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (SUCCEEDED(hr)) return id;
  // Wine's VBScript objects tell their members' ids only through IDispatchEx.
  ComPtr<IDispatchEx> extended;
  if (hr != E_NOTIMPL || FAILED(object->QueryInterface(
                             __uuidof(IDispatchEx), reinterpret_cast<void**>(extended.Receive()))))
    return std::nullopt;
  const std::unique_ptr<OLECHAR, decltype(&::SysFreeString)> member(::SysAllocString(name),
                                                                    &::SysFreeString);
  if (!member) Raise(vberr::kOutOfMemory);
  if (FAILED(extended->GetDispID(member.get(), fdexNameCaseInsensitive, &id))) return std::nullopt;
  return id;
}

OwnedVariant Call(IDispatch* object, DISPID member, std::span<const VARIANT> arguments) {
  OwnedVariant result;
  Exception exception;
  const HRESULT hr = Invoke(object, member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, arguments,
                            result.Receive(), exception);
  if (FAILED(hr)) RaiseCallError(hr, exception);
  return result;
}

void Assign(IDispatch* object, DISPID member, const VARIANT& index, const VARIANT& value) {
  // Invoke takes the value last of all, as its named argument.
  const VARIANT arguments[] = {index, value};
  if (V_VT(&value) == VT_DISPATCH) {
    Exception exception;
    const HRESULT hr =
        Invoke(object, member, DISPATCH_PROPERTYPUTREF, arguments, nullptr, exception);
    if (SUCCEEDED(hr)) return;
    // Wine's Scripting.Dictionary, for one, has no Set of Item, and keeps
    // an object given by Let as it is.
    const HRESULT code = exception.CodeOf(hr);
    if (code != E_NOTIMPL && code != DISP_E_MEMBERNOTFOUND) RaiseCallError(hr, exception);
  }
  Exception exception;
  const HRESULT hr = Invoke(object, member, DISPATCH_PROPERTYPUT, arguments, nullptr, exception);
  if (FAILED(hr)) RaiseCallError(hr, exception);
}

}  // namespace lumo::com
