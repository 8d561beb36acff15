#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QTemporaryDir>
#include <vector>

#include "framework/platform/LocalPeers.h"
#include "platform/ReopenSocket.h"

using fw::platform::HandOverReopenRequest;
using fw::platform::HandOverResult;
using fw::platform::InstanceLock;
using fw::platform::ReopenServer;

namespace {

class ReopenSocket : public ::testing::Test {
 protected:
  std::unique_ptr<ReopenServer> Listen() {
    InstanceLock lock(lockPath);
    EXPECT_EQ(lock.GetState(), InstanceLock::State::Taken);
    auto server = std::make_unique<ReopenServer>(
        std::move(lock), socketPath, [this](const fw::String& token) { tokens.push_back(token); });
    EXPECT_TRUE(server->Listening()) << server->Problem();
    return server;
  }
  HandOverResult HandOver(const fw::String& token = "") {
    return peers::WhileServing([&] {
      return HandOverReopenRequest(socketPath, token,
                                   std::chrono::steady_clock::now() + std::chrono::seconds(3));
    });
  }

  QTemporaryDir dir;
  std::string lockPath = (dir.path() + "/copy.lock").toStdString();
  std::string socketPath = (dir.path() + "/copy.socket").toStdString();
  std::vector<fw::String> tokens;
};

TEST_F(ReopenSocket, TheRequestArrivesWithTheStartsToken) {
  auto server = Listen();
  struct stat info = {};
  ASSERT_EQ(stat(socketPath.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u) << "the owner's alone";

  const std::pair<fw::String, fw::String> cases[] = {
      {"", ""},
      {"launcher/App/1234-0-host_TIME5678", "launcher/App/1234-0-host_TIME5678"},
      // A token that the line cannot carry is left out, not sent broken.
      {"two words", ""},
      {fw::String(300, 't'), ""},
  };
  for (const auto& [sent, received] : cases) {
    SCOPED_TRACE(sent);
    tokens.clear();
    EXPECT_EQ(HandOver(sent), HandOverResult::Taken);
    EXPECT_EQ(tokens, std::vector<fw::String>{received});
  }
}

TEST_F(ReopenSocket, WhatIsNotARequestIsDroppedUnanswered) {
  auto server = Listen();
  const std::string payloads[] = {
      "hello\n",
      "aevt rapp\r\n",
      "aevt rapp \n",
      "aevt rapp a b\n",
      "aevt rappx\n",
      "aevt oapp\n",
      std::string("aevt rapp \x01\n"),
      "aevt rapp " + std::string(300, 't') + "\n",
      std::string(300, 'x'),  // no end of line, too long to wait for
      "aevt rapp",            // hangs up before the end of the line
  };
  for (const std::string& payload : payloads) {
    SCOPED_TRACE(payload.substr(0, 20));
    peers::Reply reply = peers::WhileServing([&] {
      int fd = peers::Connect(socketPath);
      (void)!send(fd, payload.data(), payload.size(), MSG_NOSIGNAL);
      if (payload.back() != '\n' && payload.size() < 100) {
        shutdown(fd, SHUT_WR);
      }
      peers::Reply got = peers::ReadUntilClosed(fd, 1000);
      close(fd);
      return got;
    });
    EXPECT_TRUE(reply.closed) << "dropped before the client timeout";
    EXPECT_EQ(reply.bytes, "");
  }
  EXPECT_TRUE(tokens.empty());
  EXPECT_EQ(HandOver(), HandOverResult::Taken) << "still serving";
}

TEST_F(ReopenSocket, ClientsBeyondTheBoundAreDroppedAtOnce) {
  auto server = Listen();
  std::vector<int> idle;
  for (std::size_t i = 0; i < ReopenServer::kMaxClients; ++i) {
    idle.push_back(peers::Connect(socketPath));
  }
  peers::Serve(50);
  EXPECT_EQ(server->Clients(), ReopenServer::kMaxClients);

  peers::Reply extra = peers::WhileServing([&] { return peers::Exchange(socketPath, "", 1000); });
  EXPECT_TRUE(extra.closed) << "an extra client is not left waiting";
  EXPECT_EQ(HandOver(), HandOverResult::Dropped) << "a real request waits its turn";

  for (int fd : idle) {
    close(fd);
  }
  peers::Serve(50);
  EXPECT_EQ(server->Clients(), 0u);
  EXPECT_EQ(HandOver(), HandOverResult::Taken);
}

TEST_F(ReopenSocket, ASilentClientIsDroppedAfterItsTime) {
  auto server = Listen();
  auto started = std::chrono::steady_clock::now();
  peers::Reply reply = peers::WhileServing([&] { return peers::Exchange(socketPath, "", 5000); });
  auto waited = std::chrono::steady_clock::now() - started;
  EXPECT_TRUE(reply.closed);
  EXPECT_GE(waited, std::chrono::milliseconds(ReopenServer::kClientTimeoutMs - 100));
}

TEST_F(ReopenSocket, AClientThatHangsUpBeforeTheAnswerIsOnlyDropped) {
  auto server = Listen();
  // Were the answer sent with SIGPIPE raised, this test binary would die.
  peers::WhileServing([&] {
    int fd = peers::Connect(socketPath);
    (void)!send(fd, "aevt rapp\n", 10, MSG_NOSIGNAL);
    close(fd);
    return 0;
  });
  peers::Serve(50);
  EXPECT_TRUE(server->Listening());
  EXPECT_EQ(HandOver(), HandOverResult::Taken);
}

TEST_F(ReopenSocket, RunningOutOfDescriptorsKeepsTheListener) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "the sanitizers' own checks need descriptors";
#endif
  auto server = Listen();
  rlimit saved = {};
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
  rlimit low = saved;
  low.rlim_cur = 256;
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &low), 0);
  int waiting = peers::Connect(socketPath);  // queued until it can be accepted
  std::vector<int> filler;
  for (int fd; (fd = dup(0)) >= 0;) {
    filler.push_back(fd);
  }
  peers::Serve(300);
  EXPECT_TRUE(server->Listening());
  EXPECT_EQ(server->Clients(), 0u);

  for (int fd : filler) {
    close(fd);
  }
  setrlimit(RLIMIT_NOFILE, &saved);
  EXPECT_EQ(HandOver(), HandOverResult::Taken) << "served again once there is room";
  close(waiting);
}

TEST_F(ReopenSocket, AStaleSocketIsReplacedAndCloseRemovesIt) {
  {
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    close(fd);  // the file stays, with no one behind it
  }
  EXPECT_EQ(HandOver(), HandOverResult::NoListener);
  auto server = Listen();
  EXPECT_EQ(HandOver(), HandOverResult::Taken);

  server->Close();
  EXPECT_NE(access(socketPath.c_str(), F_OK), 0) << "the socket is gone";
  EXPECT_EQ(InstanceLock(lockPath).GetState(), InstanceLock::State::Taken) << "the lock is free";
}

TEST_F(ReopenSocket, AnOwnerThatDoesNotAnswerRunsOutTheDeadline) {
  auto server = Listen();
  // Accepted into the queue, never served: as with a stopped copy.
  HandOverResult result = HandOverReopenRequest(
      socketPath, "", std::chrono::steady_clock::now() + std::chrono::milliseconds(200));
  EXPECT_EQ(result, HandOverResult::NoAnswer);
}

}  // namespace
