// A program built on the framework whose start-up throws, so that the
// end-to-end tests can see the last-resort handler at work: it shows its
// message box, and the program ends as the built program would.
#include "Framework.h"

namespace {

void ThrowingStartup() {
  throw fw::NilObjectException("the start-up fails on purpose");
}

}  // namespace

int main() {
  fw::RuntimeInit();
  try {
    fw::RunFrameworkInitialization(&ThrowingStartup);
    fw::RuntimeRun();
  } catch (...) {
    fw::UnhandledException(std::current_exception());
  }
  fw::RuntimeReleaseWindowLists();
  return fw::RuntimeExit();
}
