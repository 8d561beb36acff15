#pragma once
// The state of an X11 connection, such as the one Qt's xcb plugin holds.

struct xcb_connection_t;

namespace fw::platform {

// Whether the connection has broken: the X server has gone or refused it.
bool ConnectionBroken(xcb_connection_t* connection);

}  // namespace fw::platform
