#pragma once
// The X11 side of a launch that ends in a window already open: the
// launcher's startup id is tied to that window, so that window managers
// with focus-stealing prevention let it come forward, and the launch's busy
// feedback ends.
#include <cstdint>
#include <string>
#include <string_view>

struct xcb_connection_t;

namespace fw::platform {

// The X time of the user's action that a startup id carries ("..._TIME<n>"),
// or 0 when it carries none.
uint32_t StartupIdTime(std::string_view id);

// The startup-notification message that ends the launch with this id.
std::string StartupRemoveMessage(std::string_view id);

// Sets the window's _NET_STARTUP_ID, asks for its activation at the time the
// id carries (naming the window that has the focus now, or 0) and ends the
// launch, on the connection the window was made on. Does nothing without
// one.
void PresentStartupId(xcb_connection_t* connection, uint32_t window, uint32_t focused,
                      std::string_view id);

}  // namespace fw::platform
