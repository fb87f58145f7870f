#include "host/components/res_loader.h"

#include "host/components/translation_catalogue.h"

namespace lumo::components {

std::string ResLoader::LoadString(const std::string& source) {
  return TranslationCatalogue::Embedded().Find(source, language_).value_or(source);
}

}  // namespace lumo::components
