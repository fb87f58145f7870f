// "LumoCollections.Vector": the component's Vector with the members the
// component relies on, for scripts.
#include "LumoClassActionIC.h"
#include "collection_objects.h"
#include "com_error.h"
#include "dispatch_object.h"
#include "variant_conversion.h"

namespace lumo::com {
namespace {

constexpr const char* kSource = "LumoCollections.Vector";

class VectorObject final : public DispatchObject<_Vector> {
 public:
  explicit VectorObject(VectorRef vector) : vector_(std::move(vector)) {}

  ObjectRef Inner() const override { return vector_; }

  HRESULT STDMETHODCALLTYPE get_Item(long index, VARIANT* item) override {
    return Guarded(__uuidof(_Vector), [&] {
      CheckResultPointer(item, kSource);
      ComFromVariant(vector_->Item(index), item);
    });
  }
  HRESULT STDMETHODCALLTYPE get_LowerBound(long* bound) override {
    return Guarded(__uuidof(_Vector), [&] {
      CheckResultPointer(bound, kSource);
      *bound = vector_->LowerBound();
    });
  }
  HRESULT STDMETHODCALLTYPE get_UpperBound(long* bound) override {
    return Guarded(__uuidof(_Vector), [&] {
      CheckResultPointer(bound, kSource);
      *bound = vector_->UpperBound();
    });
  }
  HRESULT STDMETHODCALLTYPE Add(VARIANT item, long* index) override {
    return Guarded(__uuidof(_Vector), [&] {
      const int32_t added = vector_->Add(VariantFromCom(item));
      if (index) *index = added;
    });
  }

 private:
  VectorRef vector_;
};

}  // namespace

ComPtr<IDispatch> NewVectorObject(VectorRef vector) {
  return NewComObject<VectorObject, IDispatch>(std::move(vector));
}

}  // namespace lumo::com
