#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTemporaryDir>
#include <QTimer>
#include <thread>

#include "framework/platform/LocalPeers.h"
#include "platform/OneCopy.h"
#include "platform/ReopenSocket.h"

using fw::platform::ClaimOneCopy;
using fw::platform::InstanceLock;
using fw::platform::OneCopyClaim;
using fw::platform::OneCopyPlace;
using fw::platform::ReopenServer;
using Outcome = fw::platform::OneCopyClaim::Outcome;
using namespace std::chrono_literals;

namespace {

class OneCopy : public ::testing::Test {
 protected:
  std::unique_ptr<ReopenServer> Serve(InstanceLock lock) {
    auto server = std::make_unique<ReopenServer>(std::move(lock), place.socket,
                                                 [this](const fw::String&) { ++requests; });
    EXPECT_TRUE(server->Listening());
    return server;
  }
  Outcome Claim(std::chrono::milliseconds bound = 3s) {
    return peers::WhileServing([&] { return ClaimOneCopy(place, "", bound).outcome; });
  }

  QTemporaryDir dir;
  OneCopyPlace place{
      (dir.path() + "/copy.lock").toStdString(), (dir.path() + "/copy.socket").toStdString(), {}};
  int requests = 0;
};

// Two starts at the same moment: one runs, the other hands over to it.
TEST_F(OneCopy, OfTwoStartsAtOnceExactlyOneRuns) {
  for (int round = 0; round < 20; ++round) {
    SCOPED_TRACE(round);
    requests = 0;
    auto start = [this] { return ClaimOneCopy(place, "", 3s); };
    std::future<OneCopyClaim> starts[] = {std::async(std::launch::async, start),
                                          std::async(std::launch::async, start)};
    std::unique_ptr<ReopenServer> server;
    std::vector<Outcome> outcomes;
    while (outcomes.size() < 2) {
      QCoreApplication::processEvents();
      for (auto& claim : starts) {
        if (claim.valid() && claim.wait_for(0ms) == std::future_status::ready) {
          OneCopyClaim got = claim.get();
          if (got.lock) {
            // The winner listens only now, as a copy that is still starting.
            server = Serve(std::move(*got.lock));
          }
          outcomes.push_back(got.outcome);
        }
      }
    }
    std::sort(outcomes.begin(), outcomes.end());
    EXPECT_EQ(outcomes, (std::vector<Outcome>{Outcome::Run, Outcome::HandedOver}));
    EXPECT_EQ(requests, 1);
  }
}

// The token may cost a trip to the display: a start that runs asks none,
// a second start asks once, however often it retries.
TEST_F(OneCopy, OnlyASecondStartAsksForItsTokenAndOnce) {
  int asked = 0;
  auto token = [&asked] {
    ++asked;
    return fw::String("made_TIME7");
  };
  OneCopyClaim first = ClaimOneCopy(place, token, 3s);
  ASSERT_EQ(first.outcome, Outcome::Run);
  EXPECT_EQ(asked, 0);

  std::unique_ptr<ReopenServer> server;
  fw::String received;
  // Listening only later makes the second start retry.
  QTimer::singleShot(200, [&] {
    server = std::make_unique<ReopenServer>(std::move(*first.lock), place.socket,
                                            [&](const fw::String& t) { received = t; });
  });
  EXPECT_EQ(peers::WhileServing([&] { return ClaimOneCopy(place, token, 3s).outcome; }),
            Outcome::HandedOver);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(received, "made_TIME7");
}

TEST_F(OneCopy, AStartWaitsForAnOwnerThatIsStillStarting) {
  std::unique_ptr<ReopenServer> server;
  InstanceLock lock(place.lock);
  ASSERT_EQ(lock.GetState(), InstanceLock::State::Taken);
  QTimer::singleShot(200, [&] { server = Serve(std::move(lock)); });
  EXPECT_EQ(Claim(), Outcome::HandedOver);
  EXPECT_EQ(requests, 1);
}

TEST_F(OneCopy, AStartRunsWhenTheOwnerEndsWhileItWaits) {
  std::optional<InstanceLock> lock(std::in_place, place.lock);
  QTimer::singleShot(200, [&] { lock.reset(); });
  EXPECT_EQ(Claim(), Outcome::Run);
}

TEST_F(OneCopy, AStaleSocketIsTakenOverAtOnce) {
  {
    // What a copy that died leaves: its socket file, and no lock held.
    InstanceLock died(place.lock);
    ReopenServer left(std::move(died), place.socket, [](const fw::String&) {});
    ASSERT_EQ(rename(place.socket.c_str(), (place.socket + ".kept").c_str()), 0);
  }
  ASSERT_EQ(rename((place.socket + ".kept").c_str(), place.socket.c_str()), 0);
  auto started = std::chrono::steady_clock::now();
  OneCopyClaim claim = ClaimOneCopy(place, "", 3s);
  EXPECT_EQ(claim.outcome, Outcome::Run);
  EXPECT_LT(std::chrono::steady_clock::now() - started, 1s) << "no waiting for a dead copy";
  auto server = Serve(std::move(*claim.lock));
  EXPECT_EQ(Claim(), Outcome::HandedOver);
}

// A stopped or frozen copy: it holds the lock and its socket takes
// connections, but nothing answers. The start gives up; it neither runs nor
// touches the owner's socket.
TEST_F(OneCopy, ALiveOwnersSocketIsNeverRemoved) {
  InstanceLock lock(place.lock);
  auto server = Serve(std::move(lock));
  struct stat before = {};
  ASSERT_EQ(stat(place.socket.c_str(), &before), 0);

  OneCopyClaim claim = ClaimOneCopy(place, "", 300ms);  // nothing serves the loop
  EXPECT_EQ(claim.outcome, Outcome::NoAnswer);
  EXPECT_FALSE(claim.lock);

  struct stat after = {};
  ASSERT_EQ(stat(place.socket.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino) << "the owner's socket was replaced";
  peers::Serve(50);
  EXPECT_EQ(requests, 1) << "the owner still takes what was queued";
  EXPECT_EQ(Claim(), Outcome::HandedOver);
}

TEST_F(OneCopy, AnOwnerWithoutASocketIsNotAnswering) {
  InstanceLock lock(place.lock);
  EXPECT_EQ(Claim(300ms), Outcome::NoAnswer);
  EXPECT_NE(access(place.socket.c_str(), F_OK), 0) << "only the lock's holder makes the socket";
}

TEST_F(OneCopy, NoPrivatePlaceMeansRunningAlone) {
  OneCopyClaim claim = ClaimOneCopy({{}, {}, "no folder"}, "", 300ms);
  EXPECT_EQ(claim.outcome, Outcome::RunAlone);
  EXPECT_EQ(claim.problem, "no folder");

  place.lock = (dir.path() + "/missing/copy.lock").toStdString();
  OneCopyClaim unlockable = ClaimOneCopy(place, "", 300ms);
  EXPECT_EQ(unlockable.outcome, Outcome::RunAlone);
  EXPECT_NE(unlockable.problem.find("missing/copy.lock"), std::string::npos) << unlockable.problem;
}

}  // namespace
