#include "core/para.h"

#include "platform/vb.h"

namespace lumo {

std::string TextOf(const Dictionary& dctPara, std::string_view key) {
  return vb::CStr(dctPara.GetValue(key, ""));
}

std::string TrimmedTextOf(const Dictionary& dctPara, std::string_view key) {
  return vb::Trim(TextOf(dctPara, key));
}

double LeadingNumberOr(const Dictionary& dctPara, std::string_view key, double absent) {
  return dctPara.Lookup(key) ? vb::Val(dctPara.Value(key)) : absent;
}

int32_t LeadingWholeNumberOr(const Dictionary& dctPara, std::string_view key, int32_t absent) {
  return dctPara.Lookup(key) ? vb::RoundToLong(vb::Val(dctPara.Value(key))) : absent;
}

int32_t WholeNumberOr(const Dictionary& dctPara, std::string_view key, int32_t absent) {
  return dctPara.Lookup(key) ? vb::CLng(dctPara.Value(key)) : absent;
}

int32_t SwitchOr(const Dictionary& dctPara, std::string_view key, int32_t absent) {
  if (!dctPara.Lookup(key)) return absent;
  const Variant value = dctPara.Value(key);
  return vb::CStr(value).empty() ? absent : vb::CLng(value);
}

}  // namespace lumo
