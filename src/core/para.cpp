#include "core/para.h"

#include "platform/vb.h"

namespace lumo {

double LeadingNumberOr(const Dictionary& dctPara, std::string_view key, double absent) {
  return dctPara.Lookup(key) ? vb::Val(dctPara.Value(key)) : absent;
}

int32_t LeadingWholeNumberOr(const Dictionary& dctPara, std::string_view key, int32_t absent) {
  return dctPara.Lookup(key) ? vb::RoundToLong(vb::Val(dctPara.Value(key))) : absent;
}

int32_t WholeNumberOr(const Dictionary& dctPara, std::string_view key, int32_t absent) {
  return dctPara.Lookup(key) ? vb::CLng(dctPara.Value(key)) : absent;
}

}  // namespace lumo
