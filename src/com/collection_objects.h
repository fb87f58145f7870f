// The host collections as COM objects ("LumoCollections.Dictionary",
// "LumoCollections.Vector"), each a view of one component collection: the
// same Dictionary whatever side writes to it.
#pragma once

#include "collections/dictionary.h"
#include "collections/vector.h"
#include "com_ptr.h"
#include "windows_com.h"

namespace lumo::com {

ComPtr<IDispatch> NewDictionaryObject(DictionaryRef dictionary);
ComPtr<IDispatch> NewVectorObject(VectorRef vector);

}  // namespace lumo::com
