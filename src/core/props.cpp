#include "core/props.h"

#include <algorithm>
#include <cstdint>

#include "hostapi/share_props.h"
#include "platform/error.h"
#include "platform/object.h"
#include "platform/os.h"
#include "platform/vb.h"

namespace lumo {

namespace {
// Kept: positions in the property string were 16-bit, so a key that begins
// past this position has always counted as absent.
constexpr size_t kLastKeyPosition = 32767;
}  // namespace

Variant GetShareProps(const std::string& name) {
  int32_t processId = os::CurrentProcessId();
  std::string propertyName = name;
  const auto shareProps = CreateObjectAs<IShareProps>(kSharePropsProgId);
  // One call: a Variant holds an object or a plain value alike, so the
  // original's first call (asking only whether the value is an object) is
  // not needed.
  return shareProps->GetProperty(processId, propertyName);
}

std::string GetPropsString() {
  return vb::CStr(GetShareProps("PropsString"));
}

std::string GetPropValue(const std::string& key) {
  try {
    return FindPropValue(GetPropsString(), key);
  } catch (const VbError&) {
    return {};  // an unreadable property string holds no keys
  }
}

// Mended: the original searched for "key=" anywhere in the text, so
// "UserID" found "DBUserID=sa;" first and a key could be found inside
// another pair's value. Matching only where a pair begins guards against
// reading the wrong pair.
std::string FindPropValue(std::string_view props, std::string_view key) {
  const std::string text = vb::UCase(props);
  const std::string wanted = vb::UCase(key) + "=";
  for (size_t pairStart = 0; pairStart < text.size();) {
    const size_t pairEnd = std::min(text.find(';', pairStart), text.size());
    const size_t keyStart = text.find_first_not_of(' ', pairStart);
    const size_t valueStart = keyStart + wanted.size();
    if (keyStart < pairEnd && valueStart <= pairEnd &&
        text.compare(keyStart, wanted.size(), wanted) == 0) {
      if (keyStart >= kLastKeyPosition) return {};
      return text.substr(valueStart, pairEnd - valueStart);
    }
    pairStart = pairEnd + 1;
  }
  return {};
}

}  // namespace lumo
