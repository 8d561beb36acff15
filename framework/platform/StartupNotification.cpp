#include "platform/StartupNotification.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace fw::platform {
namespace {

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name);
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t RootOf(xcb_connection_t* c, xcb_window_t window) {
  std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> reply(
      xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr), &std::free);
  return reply ? reply->root : xcb_window_t{XCB_WINDOW_NONE};
}

// Startup-notification messages travel in pieces of 20 bytes, the first
// marked as the beginning; the message ends with its NUL.
void Broadcast(xcb_connection_t* c, xcb_window_t root, xcb_window_t sender,
               const std::string& message) {
  const xcb_atom_t begin = Atom(c, "_NET_STARTUP_INFO_BEGIN");
  const xcb_atom_t more = Atom(c, "_NET_STARTUP_INFO");
  const size_t length = message.size() + 1;
  for (size_t sent = 0; sent < length; sent += 20) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 8;
    event.window = sender;
    event.type = sent == 0 ? begin : more;
    // The event is zeroed: the bytes after the text are the NUL and padding.
    size_t piece = sent < message.size() ? std::min<size_t>(20, message.size() - sent) : 0;
    std::memcpy(event.data.data8, message.data() + sent, piece);
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE, reinterpret_cast<char*>(&event));
  }
}

void RequestActivation(xcb_connection_t* c, xcb_window_t root, xcb_window_t window, uint32_t time,
                       xcb_window_t focused) {
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = window;
  event.type = Atom(c, "_NET_ACTIVE_WINDOW");
  event.data.data32[0] = 1;  // from an application
  event.data.data32[1] = time;
  event.data.data32[2] = focused;
  xcb_send_event(c, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<char*>(&event));
}

}  // namespace

uint32_t StartupIdTime(std::string_view id) {
  size_t at = id.rfind("_TIME");
  if (at == std::string_view::npos) {
    return 0;
  }
  std::string_view digits = id.substr(at + 5);
  uint32_t time = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), time);
  return error == std::errc() && end == digits.data() + digits.size() ? time : 0;
}

std::string StartupRemoveMessage(std::string_view id) {
  if (id.find_first_of(" \"\\") == std::string_view::npos) {
    return "remove: ID=" + std::string(id);
  }
  std::string quoted = "remove: ID=\"";
  for (char c : id) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
    }
    quoted += c;
  }
  return quoted + '"';
}

void PresentStartupId(xcb_connection_t* c, uint32_t window, uint32_t focused, std::string_view id) {
  if (!c || window == XCB_WINDOW_NONE || id.empty()) {
    return;
  }
  xcb_window_t root = RootOf(c, window);
  if (root == XCB_WINDOW_NONE) {
    return;
  }
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, Atom(c, "_NET_STARTUP_ID"),
                      Atom(c, "UTF8_STRING"), 8, static_cast<uint32_t>(id.size()), id.data());
  if (uint32_t time = StartupIdTime(id)) {
    RequestActivation(c, root, window, time, focused);
  }
  Broadcast(c, root, window, StartupRemoveMessage(id));
  xcb_flush(c);
}

}  // namespace fw::platform
