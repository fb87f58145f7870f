#include "host/components/res_loader.h"

#include "host/components/translation_catalogue.h"
#include "hostapi/form.h"
#include "platform/vb.h"

namespace lumo::components {

std::string ResLoader::LoadString(const std::string& source) {
  return TranslationCatalogue::Embedded().Find(source, language_).value_or(source);
}

void FrmResLoader::SetFrmFont(const ObjectRef& form, const std::string& language) {
  // Debian's fonts-wqy-microhei: small, and it has both scripts.
  static constexpr const char* kChineseFont = "WenQuanYi Micro Hei";
  auto* fonts = dynamic_cast<IForm*>(form.get());
  const std::string code = vb::UCase(language);
  if (fonts && (code == "CHS" || code == "CHT")) fonts->SetFontName(kChineseFont);
}

}  // namespace lumo::components
