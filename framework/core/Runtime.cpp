#include "core/Runtime.h"

#include <typeinfo>

// The application object is held, never used, here: its class is the Qt
// layer's.

namespace fw {
namespace {

struct RuntimeState {
  Ref<Application> app;
  std::function<void(int)> loopExit;
  int loopDepth = 0;
  bool quitRequested = false;
  std::exception_ptr pending;
  int unhandled = 0;
};

RuntimeState& State() {
  static RuntimeState state;
  return state;
}

void EndLoop(int status) {
  if (State().loopDepth > 0 && State().loopExit) {
    State().loopExit(status);
  }
}

void (*beforeNewObject)() = nullptr;

}  // namespace

namespace detail {

void BeforeNewObject() {
  if (beforeNewObject) {
    beforeNewObject();
  }
}

void SetBeforeNewObject(void (*hook)()) {
  beforeNewObject = hook;
}

}  // namespace detail

void RuntimeInit() {
  runtime::Reset();
}

void RuntimeRegisterAppObject(Ref<Application> app) {
  State().app = std::move(app);
}

Ref<Application> GetAppObject() {
  return State().app;
}

void Dispatch(const std::function<void()>& call) {
  if (State().pending) {
    return;
  }
  try {
    call();
  } catch (...) {
    State().pending = std::current_exception();
    EndLoop(1);
  }
}

namespace runtime {

void SetLoopExitHook(std::function<void(int)> hook) {
  State().loopExit = std::move(hook);
}
void EnterLoop() {
  ++State().loopDepth;
}
void LeaveLoop() {
  --State().loopDepth;
}
int LoopDepth() {
  return State().loopDepth;
}

void RequestQuit() {
  State().quitRequested = true;
  EndLoop(0);
}

bool QuitRequested() {
  return State().quitRequested;
}
bool HasPendingException() {
  return static_cast<bool>(State().pending);
}

std::exception_ptr TakePendingException() {
  return std::exchange(State().pending, nullptr);
}

std::pair<String, String> Describe(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const RuntimeException& e) {
    return {e.ClassName(), e.what()};
  } catch (const std::exception& e) {
    return {typeid(e).name(), e.what()};
  } catch (...) {
    return {"unknown exception", ""};
  }
}

void NoteUnhandledException() {
  ++State().unhandled;
}
int UnhandledExceptionCount() {
  return State().unhandled;
}

void Reset() {
  auto hook = std::move(State().loopExit);
  State() = RuntimeState{};
  State().loopExit = std::move(hook);
}

}  // namespace runtime
}  // namespace fw
