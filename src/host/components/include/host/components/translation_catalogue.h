// The translation catalogue: for each simplified-Chinese source text, its
// text in every language of the catalogue.
//
// Text form (data/translations.tsv, compiled into the program): a header
// line naming the language columns (CHS<TAB>CHT<TAB>EN), then one line per
// text whose first column is the source text exactly as the component
// writes it. Cells are taken as they stand (a trailing blank belongs to the
// text); a carriage return before the line feed is ignored.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lumo::components {

class TranslationCatalogue {
 public:
  explicit TranslationCatalogue(std::string_view tsv);

  // The embedded catalogue, parsed on first use; it never changes afterwards,
  // so every thread reads the same one.
  static const TranslationCatalogue& Embedded();

  // The text in the language (code compared without regard to case);
  // nullopt when the text or the language is unknown or the cell is empty.
  std::optional<std::string> Find(std::string_view source, std::string_view language) const;

  const std::vector<std::string>& Languages() const { return languages_; }
  size_t size() const { return texts_.size(); }

 private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  std::vector<std::string> languages_;  // upper case, in column order
  std::unordered_map<std::string, std::vector<std::string>, Hash, std::equal_to<>> texts_;
};

}  // namespace lumo::components
