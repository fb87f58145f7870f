#include "host/viewers/viewer_session.h"

#include <cstdint>
#include <memory>

#include "host/data/connection_target.h"
#include "hostapi/form.h"
#include "hostapi/res_loader.h"
#include "hostapi/share_props.h"
#include "platform/error.h"
#include "platform/os.h"
#include "platform/vb.h"

namespace lumo::viewers {

namespace {

// Takes the font the form loader gives a form.
class FontProbe final : public Object, public IForm {
 public:
  std::string FontName() const override { return family_; }
  void SetFontName(const std::string& family) override { family_ = family; }

 private:
  std::string family_;
};

}  // namespace

ViewerSession ViewerSession::Current() {
  int32_t processId = os::CurrentProcessId();
  std::string name = "PropsString";
  std::string props =
      vb::CStr(CreateObjectAs<IShareProps>(kSharePropsProgId)->GetProperty(processId, name));
  std::string language;
  try {
    language = data::FindProperty(data::ParsePropertyString(props), "Language").value_or("");
  } catch (const VbError&) {
    // An unreadable property string names no language; the database
    // query that follows reports it.
  }
  return {std::move(props), std::move(language)};
}

std::string ViewerSession::Text(const std::string& chinese) const {
  try {
    const auto loader = CreateObjectAs<IResLoader>(kResLoaderProgId);
    loader->SetLanguageID(language_);
    return loader->LoadString(chinese);
  } catch (const VbError&) {
    return chinese;
  }
}

std::string ViewerSession::FontName() const {
  try {
    const auto probe = std::make_shared<FontProbe>();
    CreateObjectAs<IFrmResLoader>(kFrmResLoaderProgId)->SetFrmFont(probe, language_);
    return probe->FontName();
  } catch (const VbError&) {
    return {};
  }
}

}  // namespace lumo::viewers
