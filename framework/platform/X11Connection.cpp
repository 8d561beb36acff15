#include "platform/X11Connection.h"

#include <xcb/xcb.h>

namespace fw::platform {

bool ConnectionBroken(xcb_connection_t* connection) {
  return connection && xcb_connection_has_error(connection) != 0;
}

}  // namespace fw::platform
