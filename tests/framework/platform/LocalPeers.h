#pragma once
// For the socket tests: the server runs on this thread's event loop, so each
// peer runs beside it while the loop is kept going.
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <cstring>
#include <future>
#include <string>

namespace peers {

// Runs CALL on a thread of its own and serves events until it returns.
template <class F>
auto WhileServing(F call) {
  auto result = std::async(std::launch::async, std::move(call));
  while (result.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready) {
    QCoreApplication::processEvents();
  }
  return result.get();
}

// Serves events for MS milliseconds.
inline void Serve(int ms) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < end) {
    QCoreApplication::processEvents();
  }
}

// A connected client socket, or -1.
inline int Connect(const std::string& path) {
  int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address = {};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
  if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

struct Reply {
  std::string bytes;
  bool closed = false;  // the server closed the connection in time
};

// Reads what comes back on FD until the server closes it or MS have passed.
inline Reply ReadUntilClosed(int fd, int ms) {
  Reply reply;
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        end - std::chrono::steady_clock::now());
    pollfd entry = {fd, POLLIN, 0};
    if (left.count() <= 0 || poll(&entry, 1, static_cast<int>(left.count())) <= 0) {
      return reply;
    }
    char buffer[64];
    ssize_t n = recv(fd, buffer, sizeof(buffer), 0);
    if (n <= 0) {
      reply.closed = true;
      return reply;
    }
    reply.bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

// Connects, sends PAYLOAD and reads the reply.
inline Reply Exchange(const std::string& path, const std::string& payload, int ms = 3000) {
  int fd = Connect(path);
  if (fd < 0) {
    return {};
  }
  (void)!send(fd, payload.data(), payload.size(), MSG_NOSIGNAL);
  Reply reply = ReadUntilClosed(fd, ms);
  close(fd);
  return reply;
}

}  // namespace peers
