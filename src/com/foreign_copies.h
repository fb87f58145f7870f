// The caller's collections that another library made, as the component
// reads them during one DoAction call.
//
// The component works on its own Dictionary and Vector. Before the action
// runs, each collection of the caller's that this DLL did not make is read
// into a new one of the component's (through ForeignCollection, by its
// members' names), objects inside it too: each object once, so an object
// met twice is one copy and a cycle ends. After the action, WriteBack
// writes what the action changed into the caller's objects:
//   - a dictionary gets each key the action added and each whose value it
//     changed (compared with the value as read: same kind and value,
//     objects by identity); its other keys are not touched, so whatever
//     the caller keeps there stays as it was, in its own kinds;
//   - a vector gets the items the action appended.
// A copy goes back as the caller's own object, so the caller's objects
// keep their identity; a collection the action made goes as one of this
// DLL's. The component's own collections are never copied.
#pragma once

#include <deque>
#include <map>

#include "collections/dictionary.h"
#include "foreign_collection.h"
#include "variant_conversion.h"

namespace lumo::com {

class ForeignCopies final : public ForeignObjects {
 public:
  ObjectRef FromCom(IDispatch* object) override;
  ComPtr<IDispatch> OriginalOf(const ObjectRef& object) const override;

  // Writes the action's changes into the caller's objects, every copy made.
  void WriteBack();

 private:
  struct Copy {
    ComPtr<IUnknown> identity;  // keeps the key of byIdentity_ alive
    ForeignCollection original;
    ObjectRef copy;
    DictionaryRef asRead;   // a dictionary's entries as read
    int32_t itemsRead = 0;  // a vector's count of items as read
  };

  void Read(Copy& copy);
  void WriteBack(Copy& copy);

  std::deque<Copy> copies_;  // a deque: reading one adds more, which must not move it
  std::map<IUnknown*, size_t> byIdentity_;
  std::map<const Object*, size_t> byCopy_;
};

}  // namespace lumo::com
