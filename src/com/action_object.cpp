#include "action_object.h"

#include "LumoClassActionIC.h"
#include "bstr.h"
#include "collection_objects.h"
#include "core/cls_action_ic.h"
#include "dispatch_object.h"
#include "foreign_copies.h"
#include "variant_conversion.h"

namespace lumo::com {
namespace {

// The variable a by-reference argument stands for.
VARIANT* Referenced(VARIANT* argument) {
  while (argument && V_VT(argument) == (VT_BYREF | VT_VARIANT)) argument = V_VARIANTREF(argument);
  return argument;
}

// dctPara or dctReturn as the component takes it: a Dictionary (this DLL's
// own, or a copy of another library's), or null for Nothing and for a
// variable never set (Empty).
DictionaryRef DictionaryArgument(const VARIANT* argument, ForeignCopies& copies) {
  if (!argument) return nullptr;
  const Variant value = VariantFromCom(*argument, &copies);
  if (value.IsEmpty() || value.IsNothing()) return nullptr;
  return ObjectAs<Dictionary>(value);
}

class ActionObject final : public DispatchObject<_clsActionIC> {
 public:
  HRESULT STDMETHODCALLTYPE DoAction(BSTR sFunction, BSTR sParaments, VARIANT dctPara,
                                     VARIANT* dctReturn, long* result) override {
    if (!result) return E_POINTER;
    *result = 0;
    // As on every host: no error leaves DoAction. Arguments that are not
    // dictionaries fail the call the way a failing action does, with 0.
    try {
      VARIANT* returnVariable = Referenced(dctReturn);
      ForeignCopies copies;
      const DictionaryRef para = DictionaryArgument(&dctPara, copies);
      DictionaryRef returned = DictionaryArgument(returnVariable, copies);
      const DictionaryRef given = returned;
      *result =
          component_.DoAction(Utf8FromBstr(sFunction), Utf8FromBstr(sParaments), para, returned);
      // An action that made a new dctReturn hands it to the caller's
      // variable, before a failing write-back could lose it.
      if (returnVariable && returned != given) {
        VARIANT made;
        ComFromVariant(Variant(returned), &made, &copies);
        ::VariantClear(returnVariable);
        *returnVariable = made;
      }
      copies.WriteBack();
    } catch (...) {
      *result = 0;
    }
    return S_OK;
  }

 private:
  clsActionIC component_;
};

}  // namespace

ComPtr<IDispatch> NewActionObject() {
  return NewComObject<ActionObject, IDispatch>();
}

}  // namespace lumo::com
