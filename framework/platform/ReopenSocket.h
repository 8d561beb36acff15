#pragma once
// The re-open request between two starts of the program: a second start
// hands it to the running copy over a local socket, with the start-up token
// that its launcher gave it, and ends.
#include <chrono>
#include <functional>
#include <list>
#include <memory>
#include <optional>

#include "core/String.h"
#include "platform/Descriptor.h"
#include "platform/InstanceLock.h"

class QSocketNotifier;

namespace fw::platform {

using Deadline = std::chrono::steady_clock::time_point;
// Called with the token that came with the request; empty when none did.
using ReopenHandler = std::function<void(const String& token)>;

// The running copy's end of the socket, served from the Qt event loop.
class ReopenServer {
 public:
  // Clients served at once; more are dropped as they come.
  static constexpr std::size_t kMaxClients = 8;
  // How long a client may take to send its request.
  static constexpr int kClientTimeoutMs = 2000;

  // Only the lock's holder creates the socket: what is found at PATH was
  // left by a copy that has ended, and is replaced.
  ReopenServer(InstanceLock lock, const String& path, ReopenHandler onRequest);
  ~ReopenServer();
  ReopenServer(const ReopenServer&) = delete;
  ReopenServer& operator=(const ReopenServer&) = delete;

  bool Listening() const { return listener_.valid(); }
  // Why it does not listen, for the user.
  const String& Problem() const { return problem_; }
  std::size_t Clients() const { return clients_.size(); }
  // Removes the socket, then lets the lock go, so that a later start runs
  // a copy of its own.
  void Close();

 private:
  struct Client;
  void AcceptClients();
  void PauseAccepting();
  void ReadFrom(Client& client);
  void Drop(Client& client);

  std::optional<InstanceLock> lock_;
  String path_;
  ReopenHandler onRequest_;
  String problem_;
  Descriptor listener_;
  std::unique_ptr<QSocketNotifier> notifier_;
  std::list<std::unique_ptr<Client>> clients_;
};

enum class HandOverResult {
  Taken,       // the running copy answered
  NoListener,  // nothing listens at the path (yet)
  Dropped,     // the connection was refused or closed without an answer
  NoAnswer,    // no answer before the deadline
};

// One attempt; blocks until the answer or the deadline.
HandOverResult HandOverReopenRequest(const String& path, const String& token, Deadline deadline);

}  // namespace fw::platform
