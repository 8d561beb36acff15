#pragma once
// The list of open windows: a window joins it as its construction starts and
// leaves it when it closes.
#include "core/Ref.h"

namespace fw {

class Window;

void ListOpenWindow(const Ref<Window>& window);
void UnlistWindow(const Window& window);
// The framework's share of finalisation: its lists of windows.
void RuntimeReleaseWindowLists();

}  // namespace fw
