// The texts of an X11 launch: the user's time in a startup id, and the
// message that ends the launch.
#include <gtest/gtest.h>

#include "platform/LaunchTime.h"
#include "platform/StartupNotification.h"

TEST(StartupNotification, TheTimeIsTheNumberAfterTheLastTimeMark) {
  struct Case {
    const char* id;
    uint32_t time;
  };
  const Case cases[] = {
      {"launcher-1234-host-prog-0_TIME56789", 56789},
      {"a_TIME1_TIME2", 2},
      {"x_TIME4294967295", 4294967295u},
      {"no mark", 0},
      {"", 0},
      {"x_TIME", 0},
      {"x_TIME12a", 0},
      {"x_TIME-5", 0},
      {"x_TIME4294967296", 0},  // beyond an X time
      {"x_TIME123456789012345678901", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fw::platform::StartupIdTime(c.id), c.time) << c.id;
  }
}

// The id that a second start makes for itself is read back by the running
// copy, whatever the program is called.
TEST(StartupNotification, AnIdMadeForASecondStartCarriesItsTime) {
  for (const char* program : {"Zazudedid Idarero", "odd_TIME9"}) {
    for (uint32_t time : {1u, 4294967295u}) {
      EXPECT_EQ(fw::platform::StartupIdTime(fw::platform::LauncherStyleStartupId(program, time)),
                time)
          << program;
    }
  }
}

TEST(StartupNotification, TheRemoveMessageQuotesAnIdThatNeedsIt) {
  struct Case {
    const char* id;
    const char* message;
  };
  const Case cases[] = {
      {"launcher-1234_TIME5", "remove: ID=launcher-1234_TIME5"},
      {"with space", "remove: ID=\"with space\""},
      {"q\"b\\s", "remove: ID=\"q\\\"b\\\\s\""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fw::platform::StartupRemoveMessage(c.id), c.message) << c.id;
  }
}
