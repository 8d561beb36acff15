#pragma once
// The blob of the main window, and the name and blob of each of its 13 controls.
#include <string_view>

#include "core/LayoutEntries.h"

namespace MainWindowLayout {

extern const std::string_view Window;
extern const fw::layout::ControlLayout StaticText1;
extern const fw::layout::ControlLayout edPercent;
extern const fw::layout::ControlLayout edValue;
extern const fw::layout::ControlLayout stPlus;
extern const fw::layout::ControlLayout stMinus;
extern const fw::layout::ControlLayout btnCalc;
extern const fw::layout::ControlLayout btnClear;
extern const fw::layout::ControlLayout stAmount;
extern const fw::layout::ControlLayout StaticText2;
extern const fw::layout::ControlLayout stClick;
extern const fw::layout::ControlLayout btnCalc1;
extern const fw::layout::ControlLayout stInfo2;
extern const fw::layout::ControlLayout Canvas1;

}  // namespace MainWindowLayout
