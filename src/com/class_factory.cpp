#include "class_factory.h"

#include <memory>

#include "com_error.h"
#include "module.h"
#include "module_object.h"

namespace lumo::com {
namespace {

class ClassFactory final : public IClassFactory, private ModuleObject {
 public:
  explicit ClassFactory(MakeObject make) : make_(make) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IClassFactory) return E_NOINTERFACE;
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return AddReference(); }
  ULONG STDMETHODCALLTYPE Release() override { return ReleaseReference(); }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    HRESULT hr = S_OK;
    const HRESULT made =
        Guarded(IID_IClassFactory, [&] { hr = make_()->QueryInterface(iid, out); });
    return FAILED(made) ? made : hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    LockModule(lock != FALSE);
    return S_OK;
  }

 private:
  MakeObject make_;
};

}  // namespace

ComPtr<IClassFactory> NewClassFactory(MakeObject make) {
  // Kept: COM objects are owned by their reference count, not by C++.
  return ComPtr<IClassFactory>::Adopt(new ClassFactory(make));
}

}  // namespace lumo::com
