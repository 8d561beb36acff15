#include "gui/Lifecycle.h"

#include <QApplication>
#include <QMessageBox>
#include <QSocketNotifier>
#include <cstdio>
#include <memory>

#include "gui/Activation.h"
#include "gui/Application.h"
#include "gui/DisplayGuard.h"
#include "gui/FolderItem.h"
#include "gui/Window.h"
#include "platform/OneCopy.h"
#include "platform/ReopenSocket.h"
#include "platform/Signals.h"

namespace fw {
namespace {

struct GuiState {
  String program;
  char* argv[2] = {nullptr, nullptr};
  int argc = 1;
  std::unique_ptr<QApplication> app;
  std::unique_ptr<platform::ReopenServer> reopen;
  std::unique_ptr<QSocketNotifier> signalNotifier;
  // Another copy runs (or was meant to): this start has no loop of its own.
  bool noLoop = false;
  int32_t status = 0;
};

// Never destroyed: when Qt calls exit() from inside the loop, no static
// destructor may tear the application down under it.
GuiState& Gui() {
  static auto* state = new GuiState;
  return *state;
}

// Found once: Qt keeps a pointer to it as its argv[0].
String& Program() {
  if (Gui().program.empty()) {
    Ref<FolderItem> executable = ExecutableFile();
    Gui().program = executable.IsNil() ? String("program") : executable->Path().filename().string();
  }
  return Gui().program;
}

void Say(const String& line) {
  std::fprintf(stderr, "%s: %s\n", Program().c_str(), line.c_str());
}

void EnsureApplication() {
  runtime::SetLoopExitHook([](int status) { QCoreApplication::exit(status); });
  if (QCoreApplication::instance()) {
    return;
  }
  // The program reads no command line; Qt gets the program's name alone.
  Gui().argv[0] = Program().data();
  Gui().app = detail::CreateApplication(Gui().argc, Gui().argv, Program());
  QApplication::setQuitOnLastWindowClosed(false);
  detail::OnDisplayLoss([] {
    if (Gui().reopen) {
      Gui().reopen->Close();
    }
  });
}

// SIGTERM, SIGINT and SIGHUP end the loop as Quit does, so shut-down runs
// in order.
void WatchShutdownSignals(int fd) {
  if (fd < 0) {
    return;
  }
  Gui().signalNotifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
  QObject::connect(Gui().signalNotifier.get(), &QSocketNotifier::activated, [] {
    platform::TakeShutdownSignal();
    runtime::RequestQuit();
  });
}

void RaiseReopen(const String& token) {
  SetActivationToken(token);
  Dispatch([] {
    Ref<Application> app = GetAppObject();
    if (!app.IsNil()) {
      AppleEvent event;
      app->Event_HandleAppleEvent(event, "aevt", "rapp");
    }
  });
  // The token was this request's; a later Show must not present it.
  TakeActivationToken();
}

// False when this start ends here: another copy took the request, or
// holds the lock without answering.
bool RunsHere(const platform::OneCopyClaim& claim) {
  switch (claim.outcome) {
    case platform::OneCopyClaim::Outcome::Run:
      return true;
    case platform::OneCopyClaim::Outcome::RunAlone:
      Say("cannot keep to one running copy: " + claim.problem);
      return true;
    case platform::OneCopyClaim::Outcome::HandedOver:
      return false;
    case platform::OneCopyClaim::Outcome::NoAnswer:
      Say("the running copy does not answer");
      Gui().status = 1;
      return false;
  }
  return true;
}

void ListenForReopen(platform::InstanceLock lock, const String& socket) {
  Gui().reopen = std::make_unique<platform::ReopenServer>(std::move(lock), socket, RaiseReopen);
  if (!Gui().reopen->Listening()) {
    Say("cannot keep to one running copy: " + Gui().reopen->Problem());
    Gui().reopen.reset();
  }
}

}  // namespace

void RunFrameworkInitialization(void (*startup)()) {
  Gui().noLoop = false;
  Gui().status = 0;
  platform::OneCopyPlace place = platform::OneCopyPlaceFor(Program());
  // The lock comes before the display: only a second start asks the time.
  platform::OneCopyClaim claim =
      platform::ClaimOneCopy(place, [] { return platform::HandOverToken(Program()); });
  if (!RunsHere(claim)) {
    Gui().noLoop = true;
    return;
  }
  // Before the display is reached: a peer that hangs up must not end it.
  int signalFd = platform::ShutdownSignalFd();
  EnsureApplication();
  if (claim.lock) {
    ListenForReopen(std::move(*claim.lock), place.socket);
  }
  WatchShutdownSignals(signalFd);
  startup();
}

void RuntimeRun() {
  if (!Gui().noLoop && !runtime::QuitRequested() && !runtime::HasPendingException()) {
    runtime::EnterLoop();
    QApplication::exec();
    runtime::LeaveLoop();
  }
  if (auto error = runtime::TakePendingException()) {
    std::rethrow_exception(error);
  }
}

void UnhandledException(const std::exception_ptr& error) {
  runtime::NoteUnhandledException();
  // A copy on its way out takes no more requests: a new start runs afresh.
  Gui().reopen.reset();
  auto [className, message] = runtime::Describe(error);
  Say("unhandled " + className + ": " + message);
  QString platform = QGuiApplication::platformName();
  if (QCoreApplication::instance() && platform != "offscreen" && platform != "minimal" &&
      !runtime::QuitRequested()) {
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(Program()),
                    QString::fromStdString(className + ": " + message));
    // Counted as a loop, so that a shutdown signal ends it as it ends the
    // main loop.
    runtime::EnterLoop();
    box.exec();
    runtime::LeaveLoop();
  }
}

// No menu bar outlives the windows here, so nothing would be left to quit
// from.
void WindowClosed() {
  if (OpenWindows().empty()) {
    runtime::RequestQuit();
  }
}

void RuntimeInitExternalClasses() {}
void InitPluginEntrypoints() {}

int32_t RuntimeExit() {
  Gui().reopen.reset();
  Gui().signalNotifier.reset();
  if (QCoreApplication::instance()) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  Gui().app.reset();
  return runtime::UnhandledExceptionCount() > 0 ? 1 : Gui().status;
}

}  // namespace fw
