#include "gui/Lifecycle.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QSocketNotifier>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "gui/Application.h"
#include "gui/FolderItem.h"
#include "gui/Window.h"
#include "platform/ReopenSocket.h"
#include "platform/Signals.h"

namespace fw {
namespace {

struct GuiState {
  std::unique_ptr<QApplication> app;
  std::unique_ptr<platform::ReopenServer> reopen;
  std::unique_ptr<QSocketNotifier> signalNotifier;
  bool handedOver = false;
};

GuiState& Gui() {
  static GuiState state;
  return state;
}

String ProgramName() {
  Ref<FolderItem> executable = ExecutableFile();
  return executable.IsNil() ? String("program") : executable->Path().filename().string();
}

// Qt ends the process with an abort when it reaches no display; say so in
// one line and end with a status instead.
void NoDisplayGuard(QtMsgType type, const QMessageLogContext&, const QString&) {
  if (type != QtFatalMsg) {
    return;  // Qt's own lines about the display would only repeat it
  }
  QByteArray display = qgetenv("DISPLAY");
  std::fprintf(stderr, "%s: cannot open a display (%s)\n", ProgramName().c_str(),
               display.isEmpty() ? "DISPLAY is not set"
                                 : ("DISPLAY=" + display + " does not answer").constData());
  std::_Exit(1);
}

void EnsureApplication() {
  runtime::SetLoopExitHook([](int status) { QCoreApplication::exit(status); });
  if (QCoreApplication::instance()) {
    return;
  }
  // The program reads no command line; Qt gets the program's name alone.
  static String name = ProgramName();
  static char* argv[] = {name.data(), nullptr};
  static int argc = 1;
  QtMessageHandler previous = qInstallMessageHandler(NoDisplayGuard);
  Gui().app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  QApplication::setQuitOnLastWindowClosed(false);
}

// SIGTERM and SIGINT end the loop as Quit does, so shut-down runs in order.
void WatchShutdownSignals() {
  int fd = platform::ShutdownSignalFd();
  if (fd < 0) {
    return;
  }
  Gui().signalNotifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
  QObject::connect(Gui().signalNotifier.get(), &QSocketNotifier::activated, [] {
    platform::TakeShutdownSignal();
    runtime::RequestQuit();
  });
}

void RaiseReopen() {
  Dispatch([] {
    Ref<Application> app = GetAppObject();
    if (!app.IsNil()) {
      AppleEvent event;
      app->Event_HandleAppleEvent(event, "aevt", "rapp");
    }
  });
}

}  // namespace

void RunFrameworkInitialization(void (*startup)()) {
  EnsureApplication();
  Gui().handedOver = false;
  String socket = platform::ReopenSocketName();
  if (platform::HandOverReopenRequest(socket)) {
    Gui().handedOver = true;
    return;
  }
  Gui().reopen = std::make_unique<platform::ReopenServer>(socket, RaiseReopen);
  WatchShutdownSignals();
  startup();
}

void RuntimeRun() {
  if (!Gui().handedOver && !runtime::QuitRequested() && !runtime::HasPendingException()) {
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
  auto [className, message] = runtime::Describe(error);
  std::fprintf(stderr, "%s: unhandled %s: %s\n", ProgramName().c_str(), className.c_str(),
               message.c_str());
  QString platform = QGuiApplication::platformName();
  if (QCoreApplication::instance() && platform != "offscreen" && platform != "minimal") {
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(ProgramName()),
                    QString::fromStdString(className + ": " + message));
    box.exec();
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
  return runtime::UnhandledExceptionCount() > 0 ? 1 : 0;
}

}  // namespace fw
