#pragma once
// Where Qt would end the program on its own, because no platform starts or
// the X server has gone, the program ends with one line on standard error
// and status 1 instead: no abort, and no destructor run by exit().
#include <functional>
#include <memory>

#include "core/String.h"

class QApplication;

namespace fw::detail {

// The application; when no platform can start, the line names the ones
// that failed, and DISPLAY where it is the cause. From then on, the loss of
// the X server ends the program.
std::unique_ptr<QApplication> CreateApplication(int& argc, char** argv, const String& program);
// What to do before the program ends for a lost X server.
void OnDisplayLoss(std::function<void()> beforeExit);

}  // namespace fw::detail
