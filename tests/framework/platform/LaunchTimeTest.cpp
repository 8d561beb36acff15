#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "platform/LaunchTime.h"
#include "support/ScopedEnv.h"

using fw::platform::XServerTime;
using namespace std::chrono_literals;

namespace {

// An X display that takes connections and never answers, as a stopped
// server does: libxcb reaches ":N" by the abstract socket first.
class SilentDisplay {
 public:
  SilentDisplay() {
    for (int number = 6000 + getpid() % 3000; number < 9999 && fd_ < 0; ++number) {
      int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
      sockaddr_un address = {};
      address.sun_family = AF_UNIX;
      std::string name = "/tmp/.X11-unix/X" + std::to_string(number);
      std::memcpy(address.sun_path + 1, name.data(), name.size());
      auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
      if (bind(fd, reinterpret_cast<sockaddr*>(&address), size) == 0 && listen(fd, 4) == 0) {
        fd_ = fd;
        display_ = ":" + std::to_string(number);
      } else {
        close(fd);
      }
    }
  }
  ~SilentDisplay() {
    if (fd_ >= 0) {
      close(fd_);
    }
  }
  const std::string& Display() const { return display_; }

 private:
  int fd_ = -1;
  std::string display_;
};

// Each case would hang on the silent display if it reached it.
TEST(LaunchTime, NoTimeAndNoWaitWithoutAnX11DisplayOfTheProgramsOwn) {
  SilentDisplay silent;
  ASSERT_FALSE(silent.Display().empty());
  const char* x11 = silent.Display().c_str();
  struct Case {
    const char* name;
    const char* display;
    const char* wayland;
    const char* platform;
  };
  const Case cases[] = {
      {"no display", nullptr, nullptr, nullptr},
      {"nothing at the display", ":9999", nullptr, "xcb"},
      {"a Wayland session", x11, "wayland-0", nullptr},
      {"a Wayland session, Wayland asked for", x11, "wayland-0", "wayland"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedEnv display("DISPLAY", c.display);
    ScopedEnv wayland("WAYLAND_DISPLAY", c.wayland);
    ScopedEnv platform("QT_QPA_PLATFORM", c.platform);
    auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(XServerTime(2s), 0u);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 1s);
  }
}

TEST(LaunchTime, ADisplayThatDoesNotAnswerCostsNoMoreThanTheBound) {
  SilentDisplay silent;
  ASSERT_FALSE(silent.Display().empty());
  ScopedEnv display("DISPLAY", silent.Display().c_str());
  ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
  auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(XServerTime(300ms), 0u);
  auto took = std::chrono::steady_clock::now() - started;
  EXPECT_GE(took, 300ms);
  EXPECT_LT(took, 1500ms);
}

}  // namespace
