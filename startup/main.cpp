#include "Framework.h"
#include "startup/Startup.h"

int main() {
  fw::RuntimeInit();
  RunMain();
  Finalise();
  return fw::RuntimeExit();
}
