#include "core/msg_box.h"

#include "hostapi/presenter.h"
#include "platform/object.h"

namespace lumo {

int32_t MsgBox(const std::string& prompt, int32_t style, const std::string& title) {
  return CreateObjectAs<IPresenter>(kPresenterProgId)->ShowMessageBox(prompt, style, title);
}

}  // namespace lumo
