#include "platform/object.h"

#include "support/vb_testing.h"

namespace lumo {
namespace {

struct Greeter : Object {
  explicit Greeter(std::string text) : greeting(std::move(text)) {}
  std::string greeting;
};

Factory MakeGreeter(std::string text) {
  return [text] { return std::make_shared<Greeter>(text); };
}

constexpr std::string_view kProgId = "LumoTest.Greeter";

// Registrations ignore case and put back what was there; an unknown ProgID
// or a factory that makes nothing is error 429 naming the ProgID.
TEST(Objects, ScopedRegistrationIgnoresCaseAndPutsBackWhatWasThere) {
  {
    ScopedRegistration outer(kProgId, MakeGreeter("outer"));
    {
      ScopedRegistration inner("LUMOTEST.GREETER", MakeGreeter("inner"));
      EXPECT_EQ(CreateObjectAs<Greeter>("lumotest.greeter")->greeting, "inner");
    }
    EXPECT_EQ(CreateObjectAs<Greeter>(kProgId)->greeting, "outer");
  }
  EXPECT_VB_ERROR_INFO(CreateObject(kProgId), 429, "LumoTest.Greeter",
                       "ActiveX component can't create object: \"LumoTest.Greeter\"");
  ScopedRegistration nothing(kProgId, [] { return ObjectRef(); });
  EXPECT_VB_ERROR(CreateObject(kProgId), 429);
}

TEST(Objects, QueryInterfaceNeedsAnObjectOfThatKind) {
  EXPECT_VB_ERROR(QueryInterface<Greeter>(nullptr), 91);
  EXPECT_VB_ERROR(QueryInterface<Greeter>(std::make_shared<Object>()), 438);
}

}  // namespace
}  // namespace lumo
