// What the host's form services reach of a form the component shows: its
// font, which "FrmRes.FrmResLoader" sets for the session's language.
#pragma once

#include <string>

namespace lumo {

class IForm {
 public:
  virtual ~IForm() = default;
  // The font family of the form's texts; empty: the presenter's own font.
  virtual std::string FontName() const = 0;
  virtual void SetFontName(const std::string& family) = 0;
};

}  // namespace lumo
