#pragma once
// The blob of the About window, and the name and blob of each of its six controls.
#include <string_view>

#include "core/LayoutEntries.h"

namespace AboutWindowLayout {

extern const std::string_view Window;
extern const fw::layout::ControlLayout stProgramName;
extern const fw::layout::ControlLayout stVersion;
extern const fw::layout::ControlLayout stCopyright;
extern const fw::layout::ControlLayout stEmail;
extern const fw::layout::ControlLayout stURL;
extern const fw::layout::ControlLayout Canvas1;

}  // namespace AboutWindowLayout
