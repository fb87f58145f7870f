#include "host/components/translation_catalogue.h"

#include "platform/vb.h"

namespace lumo::embedded {
extern const std::string_view kTranslationsTsv;
}

namespace lumo::components {
namespace {

std::vector<std::string> SplitCells(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::vector<std::string> cells;
  for (;;) {
    const size_t tab = line.find('\t');
    cells.emplace_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return cells;
    line.remove_prefix(tab + 1);
  }
}

}  // namespace

TranslationCatalogue::TranslationCatalogue(std::string_view tsv) {
  bool header = true;
  while (!tsv.empty()) {
    const size_t end = tsv.find('\n');
    std::vector<std::string> cells = SplitCells(tsv.substr(0, end));
    tsv.remove_prefix(end == std::string_view::npos ? tsv.size() : end + 1);
    if (header) {
      for (const std::string& code : cells) languages_.push_back(vb::UCase(code));
      header = false;
    } else if (!cells.front().empty()) {
      std::string source = cells.front();
      texts_.try_emplace(std::move(source), std::move(cells));
    }
  }
}

const TranslationCatalogue& TranslationCatalogue::Embedded() {
  static const TranslationCatalogue catalogue(embedded::kTranslationsTsv);
  return catalogue;
}

std::optional<std::string> TranslationCatalogue::Find(std::string_view source,
                                                      std::string_view language) const {
  const auto row = texts_.find(source);
  if (row == texts_.end()) return std::nullopt;
  const std::string code = vb::UCase(language);
  for (size_t column = 0; column < languages_.size() && column < row->second.size(); ++column) {
    if (languages_[column] == code) {
      const std::string& text = row->second[column];
      return text.empty() ? std::nullopt : std::optional<std::string>(text);
    }
  }
  return std::nullopt;
}

}  // namespace lumo::components
