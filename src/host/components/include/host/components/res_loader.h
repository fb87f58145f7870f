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

// Fonts belong to the presenters, which pick one that shows the language's
// script; the call is accepted so forms load the same way everywhere.
class FrmResLoader final : public IFrmResLoader {
 public:
  void SetFrmFont(const ObjectRef& /*form*/, const std::string& /*language*/) override {}
};

}  // namespace lumo::components
