#include "core/lang.h"

#include <memory>
#include <string_view>

#include "core/props.h"
#include "hostapi/res_loader.h"
#include "platform/error.h"
#include "platform/vb.h"

namespace lumo {

namespace {

constexpr std::string_view kResFileBaseName = "LumoDesign";

// Fetched on first need and kept; asked again only while still empty.
thread_local std::string language;
thread_local std::shared_ptr<IResLoader> textLoader;
thread_local std::shared_ptr<IFrmResLoader> formLoader;

void FetchLanguage() {
  if (language.empty()) language = GetPropValue("Language");
}

}  // namespace

std::string GetLangText(const std::string& source) {
  ErrStateGuard callersError;
  try {
    FetchLanguage();
    if (!textLoader) textLoader = CreateObjectAs<IResLoader>(kResLoaderProgId);
    if (textLoader->ResFileBaseName() != kResFileBaseName) {
      textLoader->SetResFileBaseName(std::string(kResFileBaseName));
    }
    if (textLoader->LanguageID() != language) textLoader->SetLanguageID(language);

    // The resources hold the texts without the blanks around them.
    const std::string core = vb::Trim(source);
    const size_t leadLength = source.find(core);
    return source.substr(0, leadLength) + textLoader->LoadString(core) +
           source.substr(leadLength + core.size());
  } catch (const VbError&) {
    return source;
  }
}

void SetFormFont(const ObjectRef& form) {
  ErrStateGuard callersError;
  ResumeNext(FetchLanguage);
  ResumeNext([] {
    if (!formLoader) formLoader = CreateObjectAs<IFrmResLoader>(kFrmResLoaderProgId);
  });
  ResumeNext([&] {
    if (formLoader) formLoader->SetFrmFont(form, language);
  });
}

}  // namespace lumo
