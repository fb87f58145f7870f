// "LumoResLoader.Loader" (texts) and "FrmRes.FrmResLoader" (form fonts):
// the host's resource loaders.
#pragma once

#include <string>
#include <string_view>

#include "platform/object.h"

namespace lumo {

inline constexpr std::string_view kResLoaderProgId = "LumoResLoader.Loader";
inline constexpr std::string_view kFrmResLoaderProgId = "FrmRes.FrmResLoader";

class IResLoader : public Object {
 public:
  virtual std::string ResFileBaseName() = 0;
  virtual void SetResFileBaseName(const std::string& name) = 0;
  virtual std::string LanguageID() = 0;
  virtual void SetLanguageID(const std::string& language) = 0;
  // The text to show for a simplified-Chinese source text.
  virtual std::string LoadString(const std::string& source) = 0;
};

class IFrmResLoader : public Object {
 public:
  virtual void SetFrmFont(const ObjectRef& form, const std::string& language) = 0;
};

}  // namespace lumo
