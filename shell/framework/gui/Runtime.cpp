#include "gui/Runtime.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/Application.h"
#include "core/FolderItem.h"
#include "gui/SingleInstance.h"
#include "gui/Window.h"

namespace fw {
namespace {

struct GuiState {
  std::unique_ptr<QApplication> app;
  std::unique_ptr<detail::ReopenServer> reopen;
  std::unique_ptr<QSocketNotifier> signalNotifier;
  bool handedOver = false;
};

GuiState& Gui() {
  static GuiState state;
  return state;
}

int signalPipe[2] = {-1, -1};

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

void OnSignal(int) {
  char byte = 1;
  (void)!write(signalPipe[1], &byte, 1);
}

// SIGTERM and SIGINT end the loop as Quit does, so shut-down runs in order.
void InstallSignalHandlers() {
  if (signalPipe[0] < 0 && socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
    return;
  }
  Gui().signalNotifier = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
  QObject::connect(Gui().signalNotifier.get(), &QSocketNotifier::activated, [] {
    char byte;
    (void)!read(signalPipe[0], &byte, 1);
    runtime::RequestQuit();
  });
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
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
  String socket = detail::ReopenSocketName();
  if (detail::HandOverReopenRequest(socket)) {
    Gui().handedOver = true;
    return;
  }
  Gui().reopen = std::make_unique<detail::ReopenServer>(socket, RaiseReopen);
  InstallSignalHandlers();
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
