// The common part of the server's objects: reference counting, IDispatch
// through the type library's description of the object's dual interface,
// and rich error information.
#pragma once

#include "com_ptr.h"
#include "module.h"
#include "module_object.h"
#include "platform/object.h"
#include "windows_com.h"

namespace lumo::com {

// Asked for by a private IID: the component object (Dictionary, Vector)
// behind a COM object of this DLL, so that a collection a script built
// reaches the component as itself. In-process only, never marshalled.
inline constexpr GUID kWrappedObjectIid = {
    0x64bfb57f, 0x4c28, 0x47e2, {0x8a, 0x2e, 0x3d, 0x7d, 0xc1, 0x44, 0xfe, 0xe7}};

class IWrappedObject : public IUnknown {
 public:
  virtual ObjectRef Inner() const = 0;
};

template <class Interface>
class DispatchObject : public Interface,
                       public ISupportErrorInfo,
                       public IWrappedObject,
                       private ModuleObject {
 public:
  DispatchObject() : typeInfo_(ModuleTypeInfo(__uuidof(Interface))) {}

  // None by default: only the collections wrap a component object.
  ObjectRef Inner() const override { return nullptr; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(Interface)) {
      *out = static_cast<Interface*>(this);
    } else if (iid == IID_ISupportErrorInfo) {
      *out = static_cast<ISupportErrorInfo*>(this);
    } else if (iid == kWrappedObjectIid && Inner()) {
      *out = static_cast<IWrappedObject*>(this);
    } else {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return AddReference(); }
  ULONG STDMETHODCALLTYPE Release() override { return ReleaseReference(); }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    typeInfo_->AddRef();
    *info = typeInfo_.get();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    return ::DispGetIDsOfNames(typeInfo_.get(), names, count, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception,
                                   UINT* badArgument) override {
    ::SetErrorInfo(0, nullptr);  // an earlier call's error must not be taken for this one's
    return typeInfo_->Invoke(static_cast<Interface*>(this), member, flags, params, result,
                             exception, badArgument);
  }

  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override {
    return iid == __uuidof(Interface) ? S_OK : S_FALSE;
  }

 private:
  ComPtr<ITypeInfo> typeInfo_;
};

// A new object of T as the interface I, owning its first reference.
template <class T, class I, class... Args>
ComPtr<I> NewComObject(Args&&... args) {
  // Kept: COM objects are owned by their reference count, not by C++.
  return ComPtr<I>::Adopt(new T(std::forward<Args>(args)...));
}

}  // namespace lumo::com
