#include "platform/ReopenSocket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/Descriptor.h"

namespace fw::platform {
namespace {

// One line: the request, then optionally a blank and the start-up token.
constexpr std::string_view kRequest = "aevt rapp";
constexpr std::string_view kAnswer = "ok\n";
constexpr std::size_t kMaxLineBytes = 256;
// While descriptors or buffers run out, accepting waits this long.
constexpr int kAcceptPauseMs = 100;

bool IsTokenChar(char c) {
  return c > ' ' && c < 0x7f;
}

bool IsToken(std::string_view token) {
  return !token.empty() && token.size() <= kMaxLineBytes - kRequest.size() - 2 &&
         std::all_of(token.begin(), token.end(), IsTokenChar);
}

// The token of a well-formed request line (without its newline), "" when
// it carries none; nullopt for anything else.
std::optional<String> ParseRequest(std::string_view line) {
  if (line == kRequest) {
    return String();
  }
  if (line.size() > kRequest.size() + 1 && line.starts_with(kRequest) &&
      line[kRequest.size()] == ' ' && IsToken(line.substr(kRequest.size() + 1))) {
    return String(line.substr(kRequest.size() + 1));
  }
  return std::nullopt;
}

std::optional<sockaddr_un> Address(const String& path) {
  sockaddr_un address = {};
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof(address.sun_path)) {
    return std::nullopt;
  }
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return address;
}

int MillisecondsLeft(Deadline deadline) {
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
      deadline - std::chrono::steady_clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Waits for EVENTS on FD; false once the deadline has passed.
bool WaitFor(int fd, short events, Deadline deadline) {
  for (;;) {
    pollfd entry = {fd, events, 0};
    int ready = poll(&entry, 1, MillisecondsLeft(deadline));
    if (ready > 0) {
      return true;
    }
    if (ready == 0 || errno != EINTR) {
      return false;
    }
  }
}

}  // namespace

struct ReopenServer::Client {
  explicit Client(Descriptor socket) : fd(std::move(socket)) {}

  // First, so that it is closed after its notifier has gone.
  Descriptor fd;
  std::unique_ptr<QSocketNotifier> notifier;
  std::unique_ptr<QTimer> timeout;
  String received;
};

ReopenServer::ReopenServer(InstanceLock lock, const String& path, ReopenHandler onRequest)
    : lock_(std::move(lock)), path_(path), onRequest_(std::move(onRequest)) {
  auto address = Address(path_);
  if (!address) {
    problem_ = path_ + ": the name is too long for a socket";
    Close();
    return;
  }
  unlink(path_.c_str());
  Descriptor fd(socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  // The owner's alone, like the folder it is in.
  if (!fd.valid() ||
      bind(fd.get(), reinterpret_cast<sockaddr*>(&*address), sizeof(*address)) != 0 ||
      chmod(path_.c_str(), 0600) != 0 || listen(fd.get(), SOMAXCONN) != 0) {
    problem_ = path_ + ": " + std::strerror(errno);
    if (fd.valid()) {
      fd.reset();
      unlink(path_.c_str());
    }
    Close();
    return;
  }
  listener_ = std::move(fd);
  notifier_ = std::make_unique<QSocketNotifier>(listener_.get(), QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { AcceptClients(); });
}

ReopenServer::~ReopenServer() {
  Close();
}

void ReopenServer::Close() {
  clients_.clear();
  notifier_.reset();
  if (listener_.valid()) {
    unlink(path_.c_str());
    listener_.reset();
  }
  lock_.reset();
}

void ReopenServer::AcceptClients() {
  for (;;) {
    Descriptor fd(accept4(listener_.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
    if (!fd.valid()) {
      if (errno == EINTR || errno == ECONNABORTED) {
        continue;
      }
      if (errno != EAGAIN && errno != EWOULDBLOCK) {
        // Out of descriptors or memory: the listener stays, and the clients
        // wait in its queue until there is room again.
        PauseAccepting();
      }
      return;
    }
    if (clients_.size() >= kMaxClients) {
      continue;  // closed as fd goes
    }
    auto& client = *clients_.emplace_back(std::make_unique<Client>(std::move(fd)));
    client.notifier = std::make_unique<QSocketNotifier>(client.fd.get(), QSocketNotifier::Read);
    client.timeout = std::make_unique<QTimer>();
    client.timeout->setSingleShot(true);
    QObject::connect(client.notifier.get(), &QSocketNotifier::activated,
                     [this, &client] { ReadFrom(client); });
    QObject::connect(client.timeout.get(), &QTimer::timeout, [this, &client] { Drop(client); });
    client.timeout->start(kClientTimeoutMs);
  }
}

void ReopenServer::PauseAccepting() {
  notifier_->setEnabled(false);
  QTimer::singleShot(kAcceptPauseMs, notifier_.get(), [this] { notifier_->setEnabled(true); });
}

void ReopenServer::ReadFrom(Client& client) {
  char buffer[kMaxLineBytes];
  ssize_t got = recv(client.fd.get(), buffer, kMaxLineBytes - client.received.size(), MSG_DONTWAIT);
  if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
    return;
  }
  if (got <= 0) {
    Drop(client);  // gone before it asked
    return;
  }
  client.received.append(buffer, static_cast<std::size_t>(got));
  auto end = client.received.find('\n');
  if (end == String::npos) {
    if (client.received.size() >= kMaxLineBytes) {
      Drop(client);
    }
    return;
  }
  std::optional<String> token = ParseRequest(std::string_view(client.received).substr(0, end));
  if (token) {
    // A client that has hung up is only dropped: no SIGPIPE.
    (void)!send(client.fd.get(), kAnswer.data(), kAnswer.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
  }
  Drop(client);
  if (token) {
    onRequest_(*token);  // last: the handler may end this server
  }
}

void ReopenServer::Drop(Client& client) {
  // Called from the client's own notifier or timer: they go once the event
  // loop is back, not under their own signal.
  client.notifier->setEnabled(false);
  client.notifier.release()->deleteLater();
  client.timeout->stop();
  client.timeout.release()->deleteLater();
  clients_.remove_if([&client](const auto& entry) { return entry.get() == &client; });
}

HandOverResult HandOverReopenRequest(const String& path, const String& token, Deadline deadline) {
  auto address = Address(path);
  if (!address) {
    return HandOverResult::NoListener;
  }
  Descriptor socketFd(socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  int fd = socketFd.get();
  if (fd < 0) {
    return HandOverResult::NoListener;
  }
  if (connect(fd, reinterpret_cast<sockaddr*>(&*address), sizeof(*address)) != 0) {
    // A full queue: the running copy is busy, and may yet take it.
    return errno == EAGAIN ? HandOverResult::Dropped : HandOverResult::NoListener;
  }
  String request(kRequest);
  if (IsToken(token)) {
    request += " " + token;
  }
  request += "\n";
  std::size_t sent = 0;
  while (sent < request.size()) {
    ssize_t n = send(fd, request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
    if (n > 0) {
      sent += static_cast<std::size_t>(n);
    } else if (errno == EAGAIN || errno == EINTR) {
      if (!WaitFor(fd, POLLOUT, deadline)) {
        return HandOverResult::NoAnswer;
      }
    } else {
      return HandOverResult::Dropped;
    }
  }
  String answer;
  while (answer.size() < kAnswer.size()) {
    char buffer[8];
    ssize_t n = recv(fd, buffer, sizeof(buffer), 0);
    if (n > 0) {
      answer.append(buffer, static_cast<std::size_t>(n));
    } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
      if (!WaitFor(fd, POLLIN, deadline)) {
        return HandOverResult::NoAnswer;
      }
    } else {
      break;
    }
  }
  return answer.starts_with(kAnswer) ? HandOverResult::Taken : HandOverResult::Dropped;
}

}  // namespace fw::platform
