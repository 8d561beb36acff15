#include "gui/DisplayGuard.h"

#include <QApplication>
#include <QRegularExpression>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/X11Connection.h"

namespace fw::detail {
namespace {

struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

struct GuardState {
  String program;
  QtMessageHandler previous = nullptr;
  // While the application is created: Qt's lines, kept until it is known
  // whether they only explain a failure.
  std::vector<HeldMessage> held;
  std::function<void()> beforeExit;
};

// Never destroyed: the handler may run while the process exits.
GuardState& State() {
  static auto* state = new GuardState;
  return *state;
}

QString DisplayCause() {
  QByteArray display = qgetenv("DISPLAY");
  return display.isEmpty() ? QStringLiteral("DISPLAY is not set")
                           : QStringLiteral("DISPLAY=%1 does not answer").arg(display);
}

// From Qt's lines: which platforms failed, and how.
QString FailedPlatforms() {
  static const QRegularExpression plugin(
      QStringLiteral("Could not (find|load) the Qt platform plugin \"([^\"]*)\""));
  QStringList parts;
  bool noXServer = false;
  for (const HeldMessage& message : State().held) {
    if (message.category == "qt.qpa.xcb" && message.text.startsWith("could not connect")) {
      noXServer = true;
      continue;
    }
    QRegularExpressionMatch match = plugin.match(message.text);
    if (!match.hasMatch()) {
      continue;
    }
    QString name = match.captured(2);
    if (match.captured(1) == "find") {
      parts << QStringLiteral("there is no Qt platform \"%1\"").arg(name);
    } else if (name == "xcb" && noXServer) {
      parts << QStringLiteral("the Qt platform \"xcb\" found no X server (%1)").arg(DisplayCause());
    } else {
      parts << QStringLiteral("the Qt platform \"%1\" did not start").arg(name);
    }
  }
  return parts.join("; ");
}

void WhileCreating(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    State().held.push_back({type, context.category, text});
    return;
  }
  QString why = FailedPlatforms();
  if (why.isEmpty()) {
    why = text.section('\n', 0, 0);
  }
  std::fprintf(stderr, "%s: cannot open a display: %s\n", State().program.c_str(),
               why.toLocal8Bit().constData());
  std::_Exit(1);
}

// Qt's xcb plugin notices the loss at its next turn, says so and calls
// exit() from inside the loop; until then, what fails on the way (a shared
// memory segment, say) may already be said. Either way the connection has
// broken by now.
bool DisplayLost(const QString& text) {
  if (text.startsWith("The X11 connection broke")) {
    return true;
  }
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 && platform::ConnectionBroken(x11->connection());
}

void WhileRunning(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (DisplayLost(text)) {
    if (State().beforeExit) {
      State().beforeExit();
    }
    std::fprintf(stderr, "%s: the connection to the display broke (DISPLAY=%s)\n",
                 State().program.c_str(), qgetenv("DISPLAY").constData());
    std::_Exit(1);
  }
  State().previous(type, context, text);
}

}  // namespace

std::unique_ptr<QApplication> CreateApplication(int& argc, char** argv, const String& program) {
  State().program = program;
  State().held.clear();
  QtMessageHandler before = qInstallMessageHandler(WhileCreating);
  if (before != WhileRunning) {
    State().previous = before;
  }
  auto app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(WhileRunning);
  // Lines that explained no failure are said after all.
  for (const HeldMessage& message : State().held) {
    QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    WhileRunning(message.type, context, message.text);
  }
  State().held.clear();
  return app;
}

void OnDisplayLoss(std::function<void()> beforeExit) {
  State().beforeExit = std::move(beforeExit);
}

}  // namespace fw::detail
