#include "host/ui/ui_words.h"

#include <array>

#include "host/components/translation_catalogue.h"
#include "hostapi/presenter.h"

namespace lumo::ui {

std::string UiWords::operator()(std::string_view chinese) const {
  return components::TranslationCatalogue::Embedded()
      .Find(chinese, language_)
      .value_or(std::string(chinese));
}

std::string UiWords::operator()(std::string_view chinese,
                                std::initializer_list<std::string_view> arguments) const {
  const std::string pattern = (*this)(chinese);
  std::string text;
  // One pass over the pattern, so a mark inside an argument stays as it is.
  for (size_t i = 0; i < pattern.size(); ++i) {
    const bool mark = i + 2 < pattern.size() && pattern[i] == '{' && pattern[i + 2] == '}' &&
                      pattern[i + 1] >= '0' && pattern[i + 1] <= '9';
    const auto index = mark ? static_cast<size_t>(pattern[i + 1] - '0') : arguments.size();
    if (index < arguments.size()) {
      text += arguments.begin()[index];
      i += 2;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

std::string UiWords::ButtonCaption(int32_t answer) const {
  // Indexed by the answer: msgbox::kOk (1) to msgbox::kNo (7).
  static constexpr std::array<std::string_view, 8> kCaptions = {"",     "确定", "取消", "终止",
                                                                "重试", "忽略", "是",   "否"};
  if (answer < msgbox::kOk || answer > msgbox::kNo) return {};
  return (*this)(kCaptions[static_cast<size_t>(answer)]);
}

}  // namespace lumo::ui
