#pragma once
// The start-up token that a second start hands over with its re-open
// request (DESKTOP_STARTUP_ID on X11, XDG_ACTIVATION_TOKEN on Wayland, as
// the launcher gave it), kept for the window that the request shows: the
// desktop lets a window come forward when it presents the launcher's token.
#include "core/String.h"

namespace fw {

// Set before the re-open request is raised; an empty token means the
// request came without one.
void SetActivationToken(const String& token);
// The kept token, once; empty when there is none.
String TakeActivationToken();

}  // namespace fw
