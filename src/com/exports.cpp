// The four entry points of an in-process COM server.
#include "LumoClassActionIC.h"
#include "action_object.h"
#include "class_factory.h"
#include "collection_objects.h"
#include "com_error.h"
#include "host_setup.h"
#include "module.h"
#include "registration.h"
#include "windows_com.h"

namespace lumo::com {
namespace {

ComPtr<IDispatch> MakeAction() {
  SetUpHostOnce();
  return NewActionObject();
}

ComPtr<IDispatch> MakeDictionary() {
  return NewDictionaryObject(NewDictionary());
}

ComPtr<IDispatch> MakeVector() {
  return NewVectorObject(NewVector());
}

MakeObject MakerOf(REFCLSID classId) {
  if (classId == __uuidof(::clsActionIC)) return &MakeAction;
  if (classId == __uuidof(::Dictionary)) return &MakeDictionary;
  if (classId == __uuidof(::Vector)) return &MakeVector;
  return nullptr;
}

}  // namespace
}  // namespace lumo::com

extern "C" {

HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID classId, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  const lumo::com::MakeObject make = lumo::com::MakerOf(classId);
  if (!make) return CLASS_E_CLASSNOTAVAILABLE;
  return lumo::com::Guarded(IID_IClassFactory, [&] {
    const HRESULT hr = lumo::com::NewClassFactory(make)->QueryInterface(iid, out);
    if (FAILED(hr)) lumo::Raise(static_cast<int32_t>(hr), "LumoClassActionIC");
  });
}

HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return lumo::com::ModuleInUse() ? S_FALSE : S_OK;
}

HRESULT STDAPICALLTYPE DllRegisterServer() {
  try {
    return lumo::com::RegisterServer();
  } catch (...) {
    return SELFREG_E_CLASS;
  }
}

HRESULT STDAPICALLTYPE DllUnregisterServer() {
  try {
    return lumo::com::UnregisterServer();
  } catch (...) {
    return SELFREG_E_CLASS;
  }
}

}  // extern "C"
