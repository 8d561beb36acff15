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
// that failed, and DISPLAY where it is the cause.
std::unique_ptr<QApplication> CreateApplication(int& argc, char** argv, const String& program);
// From here on, the loss of the X server runs BEFORE_EXIT, says so and ends.
void EndOnDisplayLoss(const String& program, std::function<void()> beforeExit);

}  // namespace fw::detail
