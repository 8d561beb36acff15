#include "platform/Signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace fw::platform {
namespace {

int signalPipe[2] = {-1, -1};

void OnSignal(int) {
  char byte = 1;
  (void)!write(signalPipe[1], &byte, 1);
}

}  // namespace

int ShutdownSignalFd() {
  if (signalPipe[0] >= 0) {
    return signalPipe[0];
  }
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
    return -1;
  }
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  return signalPipe[0];
}

void TakeShutdownSignal() {
  char byte;
  (void)!read(signalPipe[0], &byte, 1);
}

}  // namespace fw::platform
