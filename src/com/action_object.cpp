// The component's class for COM clients, called two ways:
//   - through its vtable, by a client compiled against _clsActionIC: the
//     dictionaries come as interface pointers, dctReturn by reference;
//   - through IDispatch::Invoke, by script hosts: every argument is a
//     VARIANT, and a script passes a variable by reference, as a VARIANT
//     that refers to the variable. Invoke takes DoAction's dictionaries as
//     objects (VT_DISPATCH), Nothing or Empty, directly or by reference, and
//     writes a new dctReturn back through the reference.
// Either way the dictionaries may be this DLL's or another library's
// (ForeignCopies reads and writes those), and no error leaves DoAction.
#include "action_object.h"

#include "LumoClassActionIC.h"
#include "bstr.h"
#include "core/cls_action_ic.h"
#include "dispatch_object.h"
#include "foreign_copies.h"
#include "owned_variant.h"
#include "variant_conversion.h"

namespace lumo::com {
namespace {

// DoAction's number in the type library.
constexpr DISPID kDoActionId = 1;

// The variable a by-reference VARIANT stands for.
VARIANT* Referenced(VARIANT* argument) {
  while (V_VT(argument) == (VT_BYREF | VT_VARIANT)) argument = V_VARIANTREF(argument);
  return argument;
}

// An argument of Invoke that stands for a dictionary: the object, or null
// for Nothing and for a variable never set (Empty). False for any other value.
bool ObjectArgument(VARIANT& argument, IDispatch** object) {
  const VARIANT* value = Referenced(&argument);
  switch (V_VT(value)) {
    case VT_EMPTY:
      *object = nullptr;
      return true;
    case VT_DISPATCH:
      *object = V_DISPATCH(value);
      return true;
    case VT_BYREF | VT_DISPATCH:
      *object = *V_DISPATCHREF(value);
      return true;
    default:
      return false;
  }
}

// Puts the dictionary DoAction made into the caller's variable that
// `argument` refers to; a value passed as it stands has no variable to take it.
void HandOver(VARIANT& argument, ComPtr<IDispatch> made) {
  VARIANT* variable = Referenced(&argument);
  if (V_VT(variable) == (VT_BYREF | VT_DISPATCH)) {
    IDispatch*& target = *V_DISPATCHREF(variable);
    if (target) target->Release();
    target = made.Detach();
  } else if (variable != &argument) {
    ::VariantClear(variable);
    V_VT(variable) = VT_DISPATCH;
    V_DISPATCH(variable) = made.Detach();
  }
}

// The dictionary a DoAction argument stands for: the component's own, a
// copy of another library's, or null for Nothing; error 13 for a vector.
DictionaryRef DictionaryOf(IDispatch* object, ForeignCopies& copies) {
  if (!object) return nullptr;
  return ObjectAs<Dictionary>(Variant(ObjectFromCom(object, &copies)));
}

class ActionObject final : public DispatchObject<_clsActionIC> {
 public:
  HRESULT STDMETHODCALLTYPE DoAction(BSTR sFunction, BSTR sParaments, _Dictionary* dctPara,
                                     _Dictionary** dctReturn, long* result) override {
    if (!result) return E_POINTER;
    ComPtr<IDispatch> made;
    *result = Run(sFunction, sParaments, dctPara, dctReturn ? *dctReturn : nullptr, made);
    if (made && dctReturn) {
      if (*dctReturn) (*dctReturn)->Release();
      // The caller's type is its own library's dictionary interface or
      // ours; either is an IDispatch, which is what the made object gives.
      *dctReturn = reinterpret_cast<_Dictionary*>(made.Detach());
    }
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* badArgument) override {
    if (member != kDoActionId || !(flags & DISPATCH_METHOD))
      return DispatchObject::Invoke(member, iid, locale, flags, params, result, exception,
                                    badArgument);
    if (!params) return E_INVALIDARG;
    if (params->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
    if (params->cArgs != 4) return DISP_E_BADPARAMCOUNT;
    VARIANT* arguments = params->rgvarg;  // the last argument first
    OwnedVariant texts[2];
    for (UINT i = 0; i < 2; ++i) {
      const UINT position = 3 - i;
      if (FAILED(::VariantChangeType(texts[i].Receive(), &arguments[position], 0, VT_BSTR))) {
        if (badArgument) *badArgument = position;
        return DISP_E_TYPEMISMATCH;
      }
    }
    long answer = 0;
    IDispatch* para = nullptr;
    IDispatch* returned = nullptr;
    if (ObjectArgument(arguments[1], &para) && ObjectArgument(arguments[0], &returned)) {
      ComPtr<IDispatch> made;
      answer = Run(V_BSTR(&*texts[0]), V_BSTR(&*texts[1]), para, returned, made);
      if (made) HandOver(arguments[0], std::move(made));
    }
    if (result) {
      ::VariantInit(result);
      V_VT(result) = VT_I4;
      V_I4(result) = answer;
    }
    return S_OK;
  }

 private:
  // DoAction on the caller's dictionaries; `made` receives the dictionary
  // the action made for dctReturn, if it made one.
  long Run(BSTR sFunction, BSTR sParaments, IDispatch* dctPara, IDispatch* dctReturn,
           ComPtr<IDispatch>& made) noexcept {
    // As on every host: no error leaves DoAction. Arguments that are not
    // dictionaries fail the call the way a failing action does, with 0.
    try {
      ForeignCopies copies;
      const DictionaryRef para = DictionaryOf(dctPara, copies);
      DictionaryRef returned = DictionaryOf(dctReturn, copies);
      const DictionaryRef given = returned;
      const long result =
          component_.DoAction(Utf8FromBstr(sFunction), Utf8FromBstr(sParaments), para, returned);
      // Handed over first: a failing write-back must not lose it.
      if (returned != given) made = DispatchOf(returned, &copies);
      copies.WriteBack();
      return result;
    } catch (...) {
      return 0;
    }
  }

  clsActionIC component_;
};

}  // namespace

ComPtr<IDispatch> NewActionObject() {
  return NewComObject<ActionObject, IDispatch>();
}

}  // namespace lumo::com
