#include <QTimer>
#include <future>

#include "gui/Activation.h"
#include "gui/Application.h"
#include "gui/FolderItem.h"
#include "gui/Lifecycle.h"
#include "platform/OneCopy.h"
#include "platform/ReopenSocket.h"
#include "support/WidgetFixture.h"

namespace {

// Sees what the window that a re-open request shows would see; the second
// request it leaves unshown, so its token is never taken.
class TokenWitness : public fw::Application {
 public:
  bool Event_HandleAppleEvent(fw::AppleEvent&, const fw::String& eventClass,
                              const fw::String& eventID) override {
    if (++requests == 2) {
      return false;
    }
    seen.push_back(eventClass + " " + eventID + " [" + fw::TakeActivationToken() + "]");
    return true;
  }
  int requests = 0;
  std::vector<fw::String> seen;
};

std::shared_ptr<TokenWitness> witness;

class Lifecycle : public WidgetTest {};

// A token is for its own request only: an untaken one does not reach the
// next window shown.
TEST_F(Lifecycle, AReopenRequestBringsItsTokenForTheWindowAndNoLonger) {
  witness = std::make_shared<TokenWitness>();
  std::string socket =
      fw::platform::OneCopyPlaceFor(fw::ExecutableFile()->Path().filename().string()).socket;
  std::future<void> starts;
  QTimer::singleShot(0, [&] {
    starts = std::async(std::launch::async, [&] {
      auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
      fw::platform::HandOverReopenRequest(socket, "launcher-token_TIME42", deadline);
      fw::platform::HandOverReopenRequest(socket, "left-untaken", deadline);
      fw::platform::HandOverReopenRequest(socket, "", deadline);
    });
  });
  QTimer until;
  QObject::connect(&until, &QTimer::timeout, [&] {
    if (starts.valid() && starts.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
      fw::runtime::RequestQuit();
    }
  });
  until.start(10);

  fw::RunFrameworkInitialization([] { fw::RuntimeRegisterAppObject(witness); });
  fw::RuntimeRun();
  EXPECT_EQ(fw::RuntimeExit(), 0);
  EXPECT_EQ(witness->seen,
            (std::vector<fw::String>{"aevt rapp [launcher-token_TIME42]", "aevt rapp []"}));
  EXPECT_EQ(witness->requests, 3);
  witness.reset();
}

}  // namespace
