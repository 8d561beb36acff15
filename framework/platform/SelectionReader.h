#pragma once
// Reads the text of the X11 CLIPBOARD selection without waiting: the request
// goes out on a connection of its own, and the answer is read when the
// owner's notice arrives, from the Qt event loop. An owner that does not
// answer in time only costs the paste.
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/String.h"

class QSocketNotifier;
class QTimer;
struct xcb_connection_t;

namespace fw::platform {

class SelectionReader {
 public:
  // The text, "" when no owner offers any, nullopt when the read was
  // abandoned (no answer in time, a transfer in parts, a lost connection).
  using Done = std::function<void(std::optional<String>)>;

  static constexpr int kTimeoutMs = 1000;
  // One GetProperty reply stays small; a larger text is read in parts.
  static constexpr uint32_t kChunkWords = 16 * 1024;
  // Longer texts are abandoned rather than held.
  static constexpr std::size_t kMaxBytes = 1 << 20;

  // DISPLAY when display is null; nullptr when no X server answers.
  static std::unique_ptr<SelectionReader> Connect(const char* display);
  ~SelectionReader();
  SelectionReader(const SelectionReader&) = delete;
  SelectionReader& operator=(const SelectionReader&) = delete;

  // Asks the owner; a read already under way gets DONE called with the same
  // answer. DONE is always called later, never from within Read.
  void Read(Done done);
  // False once the connection is unusable; a new reader is needed.
  bool Usable() const;

 private:
  struct Atoms {
    uint32_t clipboard = 0, utf8 = 0, incr = 0, property = 0;
  };
  SelectionReader(xcb_connection_t* connection, uint32_t window, const Atoms& atoms);
  void Ask(uint32_t target);
  void Pump();
  void OnNotify(uint32_t property);
  std::optional<String> TakeProperty();
  void Finish(std::optional<String> text);

  xcb_connection_t* connection_;
  uint32_t window_;
  Atoms atoms_;
  uint32_t target_ = 0;
  bool broken_ = false;
  std::vector<Done> waiting_;
  std::unique_ptr<QSocketNotifier> notifier_;
  std::unique_ptr<QTimer> timer_;
};

// ISO 8859-1, which STRING targets carry, as UTF-8.
String Latin1ToUtf8(std::string_view latin1);

}  // namespace fw::platform
