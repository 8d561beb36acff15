#include "Framework.h"
#include "shell/Startup.h"

int main() {
  fw::RuntimeInit();
  RunMain();
  Finalise();
  return fw::RuntimeExit();
}
