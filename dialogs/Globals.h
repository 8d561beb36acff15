#pragma once
#include "Framework.h"

namespace Globals {
// Shows one message in the modal message window, with the alert picture.
void ErrorMsg(const fw::String& message);
}  // namespace Globals
