#include "platform/SelectionReader.h"

#include <xcb/xcb.h>

#include <QSocketNotifier>
#include <QTimer>
#include <cstdlib>
#include <cstring>

namespace fw::platform {
namespace {

uint32_t Intern(xcb_connection_t* connection, xcb_intern_atom_cookie_t cookie) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  uint32_t atom = reply ? reply->atom : uint32_t{XCB_ATOM_NONE};
  std::free(reply);
  return atom;
}

xcb_intern_atom_cookie_t AskAtom(xcb_connection_t* connection, const char* name) {
  return xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
}

}  // namespace

String Latin1ToUtf8(std::string_view latin1) {
  String out;
  out.reserve(latin1.size());
  for (char c : latin1) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xc0 | (byte >> 6));
      out += static_cast<char>(0x80 | (byte & 0x3f));
    }
  }
  return out;
}

std::unique_ptr<SelectionReader> SelectionReader::Connect(const char* display) {
  int screenNumber = 0;
  xcb_connection_t* connection = xcb_connect(display, &screenNumber);
  if (xcb_connection_has_error(connection)) {
    xcb_disconnect(connection);
    return nullptr;
  }
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
  for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
    xcb_screen_next(&screens);
  }
  if (screens.rem == 0) {
    xcb_disconnect(connection);
    return nullptr;
  }
  // An unmapped window only to receive the owner's answer.
  uint32_t window = xcb_generate_id(connection);
  xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screens.data->root, 0, 0, 1, 1, 0,
                    XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
  auto clipboard = AskAtom(connection, "CLIPBOARD");
  auto utf8 = AskAtom(connection, "UTF8_STRING");
  auto incr = AskAtom(connection, "INCR");
  auto property = AskAtom(connection, "ZI_SELECTION");
  Atoms atoms;
  atoms.clipboard = Intern(connection, clipboard);
  atoms.utf8 = Intern(connection, utf8);
  atoms.incr = Intern(connection, incr);
  atoms.property = Intern(connection, property);
  if (xcb_connection_has_error(connection) || !atoms.clipboard || !atoms.utf8 || !atoms.incr ||
      !atoms.property) {
    xcb_disconnect(connection);
    return nullptr;
  }
  return std::unique_ptr<SelectionReader>(new SelectionReader(connection, window, atoms));
}

SelectionReader::SelectionReader(xcb_connection_t* connection, uint32_t window, const Atoms& atoms)
    : connection_(connection),
      window_(window),
      atoms_(atoms),
      notifier_(std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection),
                                                  QSocketNotifier::Read)),
      timer_(std::make_unique<QTimer>()) {
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Pump(); });
  timer_->setSingleShot(true);
  timer_->setInterval(kTimeoutMs);
  // An answer that comes after this would be taken for the next read's:
  // the connection is given up instead.
  QObject::connect(timer_.get(), &QTimer::timeout, [this] {
    broken_ = true;
    Finish(std::nullopt);
  });
}

SelectionReader::~SelectionReader() {
  notifier_.reset();
  timer_.reset();
  xcb_disconnect(connection_);
}

bool SelectionReader::Usable() const {
  return !broken_ && !xcb_connection_has_error(connection_);
}

void SelectionReader::Read(Done done) {
  waiting_.push_back(std::move(done));
  if (waiting_.size() > 1) {
    return;
  }
  if (!Usable()) {
    Finish(std::nullopt);
    return;
  }
  timer_->start();
  Ask(atoms_.utf8);
}

void SelectionReader::Ask(uint32_t target) {
  target_ = target;
  xcb_convert_selection(connection_, window_, atoms_.clipboard, target, atoms_.property,
                        XCB_CURRENT_TIME);
  xcb_flush(connection_);
}

void SelectionReader::Pump() {
  while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
    bool notify = (event->response_type & 0x7f) == XCB_SELECTION_NOTIFY;
    uint32_t property = XCB_ATOM_NONE;
    if (notify) {
      auto* answer = reinterpret_cast<xcb_selection_notify_event_t*>(event);
      notify = answer->requestor == window_ && answer->selection == atoms_.clipboard;
      property = answer->property;
    }
    std::free(event);
    if (notify && !waiting_.empty()) {
      OnNotify(property);
    }
  }
  if (xcb_connection_has_error(connection_)) {
    broken_ = true;
    notifier_->setEnabled(false);
    if (!waiting_.empty()) {
      Finish(std::nullopt);
    }
  }
}

void SelectionReader::OnNotify(uint32_t property) {
  if (property == XCB_ATOM_NONE) {
    // Refused: older owners offer only STRING.
    if (target_ == atoms_.utf8) {
      Ask(XCB_ATOM_STRING);
    } else {
      Finish(String());
    }
    return;
  }
  std::optional<String> text = TakeProperty();
  if (text && target_ == XCB_ATOM_STRING) {
    text = Latin1ToUtf8(*text);
  }
  Finish(std::move(text));
}

std::optional<String> SelectionReader::TakeProperty() {
  String text;
  uint32_t offset = 0;
  for (;;) {
    xcb_get_property_cookie_t cookie = xcb_get_property(
        connection_, 0, window_, atoms_.property, XCB_GET_PROPERTY_TYPE_ANY, offset, kChunkWords);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection_, cookie, nullptr);
    if (!reply) {
      return std::nullopt;
    }
    // A transfer in parts (INCR) is not followed: too large for a number.
    bool usable = reply->type != atoms_.incr && reply->format == 8;
    int length = xcb_get_property_value_length(reply);
    uint32_t after = reply->bytes_after;
    if (usable && length > 0) {
      text.append(static_cast<const char*>(xcb_get_property_value(reply)),
                  static_cast<std::size_t>(length));
    }
    std::free(reply);
    if (!usable || text.size() > kMaxBytes) {
      xcb_delete_property(connection_, window_, atoms_.property);
      xcb_flush(connection_);
      return std::nullopt;
    }
    if (after == 0 || length == 0) {
      break;
    }
    offset += static_cast<uint32_t>(length) / 4;
  }
  xcb_delete_property(connection_, window_, atoms_.property);
  xcb_flush(connection_);
  return text;
}

void SelectionReader::Finish(std::optional<String> text) {
  timer_->stop();
  // Called from the event loop, so that a waiter may start the next read
  // or drop this reader.
  QTimer::singleShot(0, [waiting = std::move(waiting_), text = std::move(text)] {
    for (const Done& done : waiting) {
      done(text);
    }
  });
  waiting_.clear();
}

}  // namespace fw::platform
