#include "platform/error.h"

#include <new>
#include <stdexcept>

#include "support/vb_testing.h"

namespace lumo {
namespace {

const ErrorInfo kPending{.number = 5,
                         .source = "Lookup",
                         .description = "bad key",
                         .helpFile = "a.chm",
                         .helpContext = 42};

ErrorInfo Caught(void (*thrower)()) {
  try {
    thrower();
  } catch (...) {
    return CurrentException();
  }
  return {};
}

TEST(Errors, RaiseFillsInVbTextAndMessageNamesNumberAndSource) {
  ErrorInfo raised = Caught([] { Raise(13, "CLng"); });
  EXPECT_EQ(raised.description, "Type mismatch");
  EXPECT_STREQ(VbError(raised).what(), "Type mismatch (13) in CLng");
}

TEST(Errors, RaiseWithSourcePrefixKeepsEverythingButSource) {
  ErrorInfo expected = kPending;
  expected.source = "TevSer_GetTaxRate:Lookup";
  EXPECT_EQ(Caught([] { RaiseWithSourcePrefix(kPending, "TevSer_GetTaxRate:"); }), expected);
}

TEST(Errors, ForeignExceptionsBecomeVbErrors) {
  EXPECT_EQ(Caught([] { throw std::bad_alloc(); }).number, 7);
  EXPECT_EQ(Caught([] { throw 3; }).number, 440);
  ErrorInfo foreign = Caught([] { throw std::runtime_error("disk full"); });
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
