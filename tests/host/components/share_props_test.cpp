#include "host/components/share_props.h"

#include <gtest/gtest.h>

#include "host/components/register.h"
#include "platform/hostapi/share_props.h"

namespace lumo::components {
namespace {

Variant Get(int32_t processId, std::string name) {
  return CreateObjectAs<IShareProps>(kSharePropsProgId)->GetProperty(processId, name);
}

TEST(ShareProps, EveryObjectSeesThePropertiesOfItsProcessOnly) {
  const auto store = RegisterHostComponents({});
  store->Set(100, "PropsString", "DBFile=/tmp/a.db;UserID=16");
  std::dynamic_pointer_cast<ShareProps>(CreateObject(kSharePropsProgId))
      ->SetProperty(200, "PropsString", "DBFile=/tmp/b.db");

  EXPECT_EQ(Get(100, "PropsString"), Variant("DBFile=/tmp/a.db;UserID=16"));
  EXPECT_EQ(Get(200, "PropsString"), Variant("DBFile=/tmp/b.db"));
  EXPECT_TRUE(Get(300, "PropsString").IsEmpty());
  EXPECT_TRUE(Get(100, "propsstring").IsEmpty());  // names compare exactly
}

TEST(ShareProps, ANewRegistrationStartsWithAnEmptyStore) {
  RegisterHostComponents({})->Set(1, "PropsString", "x");
  RegisterHostComponents({});
  EXPECT_TRUE(Get(1, "PropsString").IsEmpty());
}

}  // namespace
}  // namespace lumo::components
