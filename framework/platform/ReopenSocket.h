#pragma once
// One running copy per user and display: a second start hands the running
// one a re-open request over a local socket and ends.
#include <functional>
#include <memory>

#include "core/String.h"

class QLocalServer;

namespace fw::platform {

// The socket's path, in the user's runtime directory.
String ReopenSocketName();
// True when a running copy took the request; a stale or stuck socket gives
// False, and the caller takes it over.
bool HandOverReopenRequest(const String& name);

class ReopenServer {
 public:
  ReopenServer(const String& name, std::function<void()> onRequest);
  ~ReopenServer();
  bool Listening() const;

 private:
  std::unique_ptr<QLocalServer> server_;
  std::function<void()> onRequest_;
};

}  // namespace fw::platform
