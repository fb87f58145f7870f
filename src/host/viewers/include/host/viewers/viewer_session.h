// What a viewer knows of the session it shows for: the property string the
// host published for this process (the shared property "PropsString"),
// which names the database and the user's language, and through the host's
// resource loaders the texts and the font for that language.
#pragma once

#include <string>
#include <utility>

namespace lumo::viewers {

class ViewerSession {
 public:
  // The session of this process; errors of "PropsMgr.ShareProps" go to the
  // caller.
  static ViewerSession Current();
  ViewerSession(std::string props, std::string language)
      : props_(std::move(props)), language_(std::move(language)) {}

  const std::string& Props() const { return props_; }
  // The text to show for a simplified-Chinese text; the text itself when
  // "LumoResLoader.Loader" cannot give one.
  std::string Text(const std::string& chinese) const;
  // The font family "FrmRes.FrmResLoader" gives a form in the language;
  // empty (the presenter's own) when it gives none.
  std::string FontName() const;

 private:
  std::string props_;
  std::string language_;
};

}  // namespace lumo::viewers
