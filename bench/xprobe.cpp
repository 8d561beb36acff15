// Starts a program on the current X display and reports, in key=value lines:
//   map_ns      exec until its window (by title) is mapped
//   painted_ns  exec until the program has drawn over every pixel of it
//   rss_kib     VmRSS half a second after that
//   return_ns   (with --returns N, one line each) a Return key pressed through
//               XTest until the program has drawn over each --result rectangle
// "Drawn" is what the X server reports through the DAMAGE extension as the
// program's pixels reach the window: no polling, no screenshots.
//
//   xprobe --title T [--content-height H] [--returns N --percent X,Y --value X,Y
//          --result X,Y,W,H ...] -- program [args]
// Positions are in the window's content, below a menu bar of any height.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

pid_t child = 0;  // ended on failure, so no program outlives the probe

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  bool Intersects(const XRectangle& r) const {
    return r.x < x + w && x < r.x + r.width && r.y < y + h && y < r.y + r.height;
  }
};

struct Options {
  std::string title;
  int contentHeight = -1;
  int returns = 0;
  int percentX = 0, percentY = 0, valueX = 0, valueY = 0;
  std::vector<Rect> results;
  char** program = nullptr;
};

[[noreturn]] void Fail(const char* message) {
  std::fprintf(stderr, "xprobe: %s\n", message);
  if (child > 0) {
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
  }
  std::exit(1);
}

int64_t Ns(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(to - from).count();
}

Options Parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--") {
      o.program = argv + i + 1;
      break;
    }
    if (i + 1 >= argc) {
      Fail("an option without its value");
    }
    const char* value = argv[++i];
    if (arg == "--title") {
      o.title = value;
    } else if (arg == "--content-height") {
      o.contentHeight = std::atoi(value);
    } else if (arg == "--returns") {
      o.returns = std::atoi(value);
    } else if (arg == "--percent") {
      std::sscanf(value, "%d,%d", &o.percentX, &o.percentY);
    } else if (arg == "--value") {
      std::sscanf(value, "%d,%d", &o.valueX, &o.valueY);
    } else if (arg == "--result") {
      Rect r;
      std::sscanf(value, "%d,%d,%d,%d", &r.x, &r.y, &r.w, &r.h);
      o.results.push_back(r);
    } else {
      Fail("unknown option");
    }
  }
  if (o.program == nullptr || o.program[0] == nullptr || o.title.empty()) {
    Fail("usage: xprobe --title T [options] -- program [args]");
  }
  if (o.returns > 0 && (o.results.empty() || o.contentHeight < 0)) {
    Fail("--returns needs --content-height and at least one --result");
  }
  return o;
}

class Probe {
 public:
  explicit Probe(const Options& options) : o_(options) {
    display_ = XOpenDisplay(nullptr);
    if (display_ == nullptr) {
      Fail("cannot open the display");
    }
    int error = 0;
    int major = 0, minor = 0, event = 0;
    if (!XDamageQueryExtension(display_, &damageEvent_, &error)) {
      Fail("the X server has no DAMAGE extension");
    }
    if (!XTestQueryExtension(display_, &event, &error, &major, &minor)) {
      Fail("the X server has no XTEST extension");
    }
    root_ = DefaultRootWindow(display_);
    XSelectInput(display_, root_, SubstructureNotifyMask);
    XSync(display_, False);
  }

  ~Probe() { XCloseDisplay(display_); }

  void Run() {
    Start();
    WaitPainted();
    Idle(std::chrono::milliseconds(500));
    std::printf("rss_kib=%ld\n", ReadRssKib());
    if (o_.returns > 0) {
      MeasureReturns();
    }
    Stop();
  }

 private:
  void Start() {
    std::fflush(stdout);
    start_ = Clock::now();
    pid_ = fork();
    if (pid_ < 0) {
      Fail("fork");
    }
    child = pid_;
    if (pid_ == 0) {
      close(ConnectionNumber(display_));
      execvp(o_.program[0], o_.program);
      std::perror("xprobe: exec");
      _exit(127);
    }
  }

  // Every top-level window gets a damage watch when it is created, before
  // the program can draw into it; the one with the title is the window.
  void WaitPainted() {
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    std::vector<char> covered;
    int64_t left = 0;
    while (left > 0 || window_ == 0) {
      XEvent event;
      if (!NextEvent(event, deadline)) {
        Fail(window_ == 0 ? "no window with the title was mapped" : "the window was not painted");
      }
      if (event.type == CreateNotify && event.xcreatewindow.parent == root_) {
        XDamageCreate(display_, event.xcreatewindow.window, XDamageReportRawRectangles);
      } else if (event.type == MapNotify && window_ == 0 && HasTitle(event.xmap.window)) {
        const auto mapped = Clock::now();
        window_ = event.xmap.window;
        std::printf("map_ns=%lld\n", static_cast<long long>(Ns(start_, mapped)));
        XWindowAttributes attributes;
        XGetWindowAttributes(display_, window_, &attributes);
        width_ = attributes.width;
        height_ = attributes.height;
        covered.assign(static_cast<size_t>(width_) * height_, 0);
        left = static_cast<int64_t>(width_) * height_;
      } else if (event.type == damageEvent_ + XDamageNotify) {
        const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
        if (damage.drawable != window_ || window_ == 0) {
          continue;
        }
        const XRectangle& r = damage.area;
        for (int y = std::max<int>(r.y, 0); y < std::min<int>(r.y + r.height, height_); ++y) {
          for (int x = std::max<int>(r.x, 0); x < std::min<int>(r.x + r.width, width_); ++x) {
            char& cell = covered[static_cast<size_t>(y) * width_ + x];
            left -= cell == 0;
            cell = 1;
          }
        }
      }
    }
    std::printf("painted_ns=%lld\n", static_cast<long long>(Ns(start_, Clock::now())));
    std::fflush(stdout);
  }

  // Sets the percentage once, then for each Return a new value, so that
  // every press changes all results.
  void MeasureReturns() {
    top_ = height_ - o_.contentHeight;
    XSelectInput(display_, window_, FocusChangeMask);
    XSetInputFocus(display_, window_, RevertToParent, CurrentTime);
    Click(o_.percentX, o_.percentY);
    Type("10");
    Idle(std::chrono::milliseconds(300));
    for (int i = 0; i < o_.returns; ++i) {
      Click(o_.valueX, o_.valueY);
      Key(XK_Control_L, true);
      Key(XK_a);
      Key(XK_Control_L, false);
      Type(std::to_string(250 + 37 * i));
      // Caret blinks land in the fields only; they do not count below.
      Idle(std::chrono::milliseconds(100));
      std::set<size_t> pending;
      for (size_t r = 0; r < o_.results.size(); ++r) {
        pending.insert(r);
      }
      const std::vector<std::string> before = Pixels();
      const auto pressed = Clock::now();
      Key(XK_Return);
      const auto deadline = pressed + std::chrono::seconds(5);
      while (!pending.empty()) {
        XEvent event;
        if (!NextEvent(event, deadline)) {
          Fail("the results were not painted after Return");
        }
        if (event.type != damageEvent_ + XDamageNotify) {
          continue;
        }
        const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
        if (damage.drawable != window_) {
          continue;
        }
        XRectangle area = damage.area;
        area.y = static_cast<short>(area.y - top_);
        for (auto it = pending.begin(); it != pending.end();) {
          it = o_.results[*it].Intersects(area) ? pending.erase(it) : std::next(it);
        }
      }
      const auto painted = Clock::now();
      // Drawn over is not yet changed: each result must show something new.
      const std::vector<std::string> after = Pixels();
      for (size_t r = 0; r < after.size(); ++r) {
        if (after[r] == before[r]) {
          Fail("a result was drawn over with what it showed before");
        }
      }
      std::printf("return_ns=%lld\n", static_cast<long long>(Ns(pressed, painted)));
    }
  }

  // The pixels of each result rectangle, to compare.
  std::vector<std::string> Pixels() {
    std::vector<std::string> all;
    for (const Rect& r : o_.results) {
      XImage* image = XGetImage(display_, window_, r.x, r.y + top_, static_cast<unsigned>(r.w),
                                static_cast<unsigned>(r.h), AllPlanes, ZPixmap);
      if (image == nullptr) {
        Fail("cannot read the window's pixels");
      }
      all.emplace_back(image->data, static_cast<size_t>(image->bytes_per_line) * image->height);
      XDestroyImage(image);
    }
    return all;
  }

  void Stop() {
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    child = 0;
    std::printf("exit=%d\n", WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
  }

  bool HasTitle(Window window) {
    char* name = nullptr;
    const bool match = XFetchName(display_, window, &name) && name && o_.title == name;
    XFree(name);
    return match;
  }

  bool NextEvent(XEvent& event, Clock::time_point deadline) {
    while (!XPending(display_)) {
      const auto now = Clock::now();
      if (now >= deadline) {
        return false;
      }
      pollfd fd{ConnectionNumber(display_), POLLIN, 0};
      const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now);
      poll(&fd, 1, static_cast<int>(ms.count()) + 1);
    }
    XNextEvent(display_, &event);
    return true;
  }

  void Idle(Clock::duration time) {
    const auto until = Clock::now() + time;
    XEvent event;
    while (NextEvent(event, until)) {
    }
  }

  void Click(int x, int y) {
    int rootX = 0, rootY = 0;
    Window under = 0;
    XTranslateCoordinates(display_, window_, root_, x, y + top_, &rootX, &rootY, &under);
    XTestFakeMotionEvent(display_, -1, rootX, rootY, CurrentTime);
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XFlush(display_);
  }

  void Key(KeySym symbol, bool press) {
    XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, symbol), press, CurrentTime);
    XFlush(display_);
  }

  void Key(KeySym symbol) {
    Key(symbol, true);
    Key(symbol, false);
  }

  void Type(const std::string& digits) {
    for (const char c : digits) {
      Key(XK_0 + (c - '0'));
    }
  }

  long ReadRssKib() const {
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    std::string line;
    while (std::getline(status, line)) {
      if (line.rfind("VmRSS:", 0) == 0) {
        return std::strtol(line.c_str() + 6, nullptr, 10);
      }
    }
    Fail("no VmRSS for the program");
  }

  const Options& o_;
  Display* display_ = nullptr;
  Window root_ = 0;
  Window window_ = 0;
  int damageEvent_ = 0;
  int width_ = 0, height_ = 0, top_ = 0;
  pid_t pid_ = 0;
  Clock::time_point start_;
};

}  // namespace

int main(int argc, char** argv) {
  const Options options = Parse(argc, argv);
  Probe probe(options);
  probe.Run();
  return 0;
}
