#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocalServer>
#include <QTemporaryDir>
#include <chrono>
#include <future>

#include "platform/ReopenSocket.h"

namespace {

// The client blocks, so it runs beside the loop that serves it.
bool HandOverWhileServing(const fw::String& name) {
  auto handed = std::async(std::launch::async, fw::platform::HandOverReopenRequest, name);
  while (handed.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready) {
    QCoreApplication::processEvents();
  }
  return handed.get();
}

}  // namespace

TEST(ReopenSocket, ARunningCopyTakesTheRequest) {
  QTemporaryDir dir;
  fw::String name = (dir.path() + "/reopen.socket").toStdString();
  int requests = 0;
  fw::platform::ReopenServer server(name, [&] { ++requests; });
  ASSERT_TRUE(server.Listening());
  EXPECT_TRUE(HandOverWhileServing(name));
  EXPECT_EQ(requests, 1);
}

TEST(ReopenSocket, AnOwnerThatDoesNotAnswerIsTakenOver) {
  QTemporaryDir dir;
  QString path = dir.path() + "/reopen.socket";
  fw::String name = path.toStdString();
  QLocalServer stuck;  // accepts connections, never reads them
  ASSERT_TRUE(stuck.listen(path));
  EXPECT_FALSE(fw::platform::HandOverReopenRequest(name));

  int requests = 0;
  fw::platform::ReopenServer server(name, [&] { ++requests; });
  ASSERT_TRUE(server.Listening()) << "the new start takes the socket over";
  EXPECT_TRUE(HandOverWhileServing(name));
  EXPECT_EQ(requests, 1);
}

TEST(ReopenSocket, NoSocketMeansNoRunningCopy) {
  QTemporaryDir dir;
  EXPECT_FALSE(fw::platform::HandOverReopenRequest((dir.path() + "/none.socket").toStdString()));
}
