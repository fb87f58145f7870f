// The presenters' own words: their prompts and the buttons of the windows
// they make themselves, in the session's language (CHS, CHT, EN) from the
// translation catalogue, as the component's dialog texts are. The source
// words are simplified Chinese; a language the catalogue lacks keeps them.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace lumo::ui {

class UiWords {
 public:
  explicit UiWords(std::string language = "") : language_(std::move(language)) {}

  // The words in the session's language.
  std::string operator()(std::string_view chinese) const;
  // The same with {0}, {1}, ... replaced by the arguments in turn.
  std::string operator()(std::string_view chinese,
                         std::initializer_list<std::string_view> arguments) const;
  // The caption of a message box's button (msgbox::kOk ...).
  std::string ButtonCaption(int32_t answer) const;

 private:
  std::string language_;
};

}  // namespace lumo::ui
