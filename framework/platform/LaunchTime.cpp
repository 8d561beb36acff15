#include "platform/LaunchTime.h"

#include <poll.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <future>
#include <memory>
#include <string_view>
#include <thread>

namespace fw::platform {
namespace {

using Clock = std::chrono::steady_clock;

bool UsesX11() {
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display) {
    return false;
  }
  // A Wayland session's program would read the time as a Wayland token.
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  return !wayland || !*wayland || (platform && std::string_view(platform).starts_with("xcb"));
}

// The time of the PropertyNotify that a zero-length append to a window's
// property brings back: the server stamps it with its current time. 0 when
// nothing comes before the deadline.
uint32_t AskTime(Clock::time_point deadline) {
  std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> c(xcb_connect(nullptr, nullptr),
                                                                 &xcb_disconnect);
  if (xcb_connection_has_error(c.get())) {
    return 0;
  }
  const xcb_setup_t* setup = xcb_get_setup(c.get());
  xcb_screen_iterator_t screen = xcb_setup_roots_iterator(setup);
  if (!screen.rem) {
    return 0;
  }
  xcb_window_t window = xcb_generate_id(c.get());
  const uint32_t values[] = {1, XCB_EVENT_MASK_PROPERTY_CHANGE};
  xcb_create_window(c.get(), 0, window, screen.data->root, -1, -1, 1, 1, 0,
                    XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT,
                    XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
  xcb_change_property(c.get(), XCB_PROP_MODE_APPEND, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                      0, nullptr);
  xcb_flush(c.get());
  const int fd = xcb_get_file_descriptor(c.get());
  for (;;) {
    while (auto* event = xcb_poll_for_event(c.get())) {
      std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
      if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
        return reinterpret_cast<xcb_property_notify_event_t*>(event)->time;
      }
    }
    if (xcb_connection_has_error(c.get())) {
      return 0;
    }
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) {
      return 0;
    }
    pollfd ready{fd, POLLIN, 0};
    poll(&ready, 1, static_cast<int>(left.count()) + 1);
  }
}

}  // namespace

uint32_t XServerTime(std::chrono::milliseconds bound) {
  if (!UsesX11()) {
    return 0;
  }
  // The connection's set-up blocks while the server does not answer: it runs
  // on a thread of its own, which is left behind when it takes too long.
  const Clock::time_point deadline = Clock::now() + bound;
  auto answer = std::make_shared<std::promise<uint32_t>>();
  std::future<uint32_t> time = answer->get_future();
  std::thread([answer, deadline] { answer->set_value(AskTime(deadline)); }).detach();
  if (time.wait_until(deadline + std::chrono::milliseconds(50)) != std::future_status::ready) {
    return 0;
  }
  return time.get();
}

String LauncherStyleStartupId(const String& program, uint32_t time) {
  if (time == 0) {
    return {};
  }
  return program + "-" + std::to_string(getpid()) + "_TIME" + std::to_string(time);
}

}  // namespace fw::platform
