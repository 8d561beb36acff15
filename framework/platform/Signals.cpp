#include "platform/Signals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace fw::platform {
namespace {

int signalPipe[2] = {-1, -1};

void OnShutdownSignal(int) {
  char byte = 1;
  (void)!write(signalPipe[1], &byte, 1);
}

// A handler rather than SIG_IGN: programs started from here get the
// default back when they exec.
void OnBrokenPipe(int) {}

void Handle(int signal, void (*handler)(int)) {
  struct sigaction action = {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(signal, &action, nullptr);
}

}  // namespace

int ShutdownSignalFd() {
  if (signalPipe[0] >= 0) {
    return signalPipe[0];
  }
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
    return -1;
  }
  // A burst of signals must not block the handler on a full socket.
  fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
  Handle(SIGTERM, OnShutdownSignal);
  Handle(SIGINT, OnShutdownSignal);
  Handle(SIGHUP, OnShutdownSignal);
  Handle(SIGPIPE, OnBrokenPipe);
  return signalPipe[0];
}

void TakeShutdownSignal() {
  char byte;
  (void)!read(signalPipe[0], &byte, 1);
}

}  // namespace fw::platform
