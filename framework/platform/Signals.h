#pragma once
// The shutdown signals (SIGTERM, SIGINT, SIGHUP), turned into readable bytes
// on a socket so that the event loop handles them outside the signal
// handler; and SIGPIPE, which must not end the program when a peer hangs up.

namespace fw::platform {

// Installs the handlers once; the socket to watch, or -1 when none can be had.
int ShutdownSignalFd();
// Reads the byte of one signal.
void TakeShutdownSignal();

}  // namespace fw::platform
