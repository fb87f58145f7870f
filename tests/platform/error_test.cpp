#include "platform/error.h"

#include <new>
#include <stdexcept>

#include "support/vb_testing.h"

namespace lumo {
namespace {

const ErrorInfo kPending{5, "Lookup", "bad key", "a.chm", 42};

ErrorInfo Caught(void (*thrower)()) {
  try {
    thrower();
  } catch (...) {
    return CurrentException();
  }
  return {};
}

TEST(Errors, RaiseFillsInVbTextAndMessageNamesNumberAndSource) {
  EXPECT_STREQ(VbError(Caught([] { Raise(13, "CLng"); })).what(), "Type mismatch (13) in CLng");
  ErrorInfo prefixed = kPending;
  prefixed.source = "TevSer_GetTaxRate:Lookup";
  EXPECT_EQ(Caught([] { RaiseWithSourcePrefix(kPending, "TevSer_GetTaxRate:"); }), prefixed);
}

TEST(Errors, ForeignExceptionsBecomeVbErrors) {
  EXPECT_EQ(Caught([] { throw std::bad_alloc(); }).number, 7);
  EXPECT_EQ(Caught([] { throw 3; }).number, 440);
  const ErrorInfo foreign = Caught([] { throw std::runtime_error("disk full"); });
  EXPECT_EQ(foreign.number, 440);
  EXPECT_EQ(foreign.description, "disk full");
}

TEST(Errors, ErrStateGuardRestoresTheCallersErrorAfterResumeNext) {
  Err() = kPending;
  {
    ErrStateGuard guard;
    EXPECT_FALSE(ResumeNext([] { Raise(91); }));
    EXPECT_EQ(Err().number, 91);
    EXPECT_TRUE(ResumeNext([] {}));
  }
  EXPECT_EQ(Err(), kPending);
  Err().Clear();
}

}  // namespace
}  // namespace lumo
