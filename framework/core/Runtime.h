#pragma once
// The runtime's part that needs no display: the registered application
// object, and the one guarded way by which the event loop calls the system.
#include <exception>
#include <functional>
#include <utility>

#include "core/Ref.h"

namespace fw {

class Application;

void RuntimeInit();
void RuntimeRegisterAppObject(Ref<Application> app);
Ref<Application> GetAppObject();

// Every call from the event loop into the system's code goes through here.
// The first exception that escapes is kept and the loop is asked to end;
// while one is kept, no further call runs, so the loop is never resumed.
void Dispatch(const std::function<void()>& call);

// Dispatches a call that answers: its answer, or the fallback when it
// raised or did not run.
template <class R, class F>
R DispatchOr(R fallback, F&& call) {
  R result = fallback;
  Dispatch([&] { result = std::forward<F>(call)(); });
  return result;
}

namespace runtime {
// Set by the Qt layer: ends every running event loop with the status.
void SetLoopExitHook(std::function<void(int)> hook);
// The loop's depth, counted here: asking Qt to exit while no loop runs would
// make the next loop return at once.
void EnterLoop();
void LeaveLoop();
int LoopDepth();
// Quitting before the loop has started makes the loop return at once.
void RequestQuit();
bool QuitRequested();
bool HasPendingException();
std::exception_ptr TakePendingException();
// What the last-resort handler reports: the exception's class and message.
std::pair<String, String> Describe(const std::exception_ptr& error);
void NoteUnhandledException();
int UnhandledExceptionCount();
// Back to the state before RuntimeInit, for a fresh run in the same process.
void Reset();
}  // namespace runtime

}  // namespace fw
