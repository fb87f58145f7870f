// VB's MsgBox as the component calls it: the box is shown by the host's
// presenter "LumoUI.Presenter", like every window of the component.
#pragma once

#include <cstdint>
#include <string>

namespace lumo {

// Shows prompt in a modal message box titled title; style is a button set,
// an icon and a default button of hostapi's msgbox. Returns the answer of
// the button pressed (msgbox::kOk ...). Errors of the presenter (429 when
// none is registered) go to the caller.
int32_t MsgBox(const std::string& prompt, int32_t style, const std::string& title);

}  // namespace lumo
