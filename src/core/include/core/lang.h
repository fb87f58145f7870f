// Localized text. Texts are written in simplified Chinese and shown in the
// session's language through the host's resource loaders; without them the
// Chinese text is shown and forms keep their design font. The language and
// both loaders are kept per thread once found.
#pragma once

#include <string>

#include "platform/object.h"

namespace lumo {

// The text to show for source, with its leading and trailing blanks kept
// around the loaded text; source unchanged when loading fails. Never raises
// a VB error and leaves the caller's Err as it was.
std::string GetLangText(const std::string& source);

// Gives form the session language's font; VB errors are ignored. Leaves the
// caller's Err as it was.
void SetFormFont(const ObjectRef& form);

}  // namespace lumo
