#pragma once
// Where the menu bar lives. Where it stays on screen with no window open,
// a program whose last window closes runs on and is quit or re-opened from
// there. Elsewhere (Linux under X11 or Wayland) such a program could only be
// ended from a terminal, so closing its last window ends it.

namespace fw::platform {

#if defined(__APPLE__)
constexpr bool kMenuBarOutlivesWindows = true;
#else
constexpr bool kMenuBarOutlivesWindows = false;
#endif

}  // namespace fw::platform
