// "LumoResLoader.Loader" and "FrmRes.FrmResLoader": texts and form fonts in
// the session's language.
//
// Texts come from the embedded translation catalogue, which serves every
// resource file base name; the base name is kept only because callers set
// and read it. An unknown text or language gives the source text back.
#pragma once

#include <string>

#include "hostapi/res_loader.h"

namespace lumo::components {

class ResLoader final : public IResLoader {
 public:
  std::string ResFileBaseName() override { return baseName_; }
  void SetResFileBaseName(const std::string& name) override { baseName_ = name; }
  std::string LanguageID() override { return language_; }
  void SetLanguageID(const std::string& language) override { language_ = language; }
  std::string LoadString(const std::string& source) override;

 private:
  std::string baseName_;
  std::string language_;
};

// Gives a form the font family that shows its language's script: a CJK
// font for Chinese (CHS, CHT); other languages keep the presenter's own
// font. A form without a font (not an IForm) is left as it is.
class FrmResLoader final : public IFrmResLoader {
 public:
  void SetFrmFont(const ObjectRef& form, const std::string& language) override;
};

}  // namespace lumo::components
