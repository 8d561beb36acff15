#pragma once
// The Qt menu bar of a window, built from its menu model.
#include <memory>

#include "core/Menu.h"

class QMenuBar;
class QWidget;

namespace fw {

class Window;

// The menu refresh and menu commands of one window.
void RefreshMenus(Window& window);
QMenuBar* BuildMenuBar(QWidget* parent, const Ref<MenuBar>& model, std::weak_ptr<Window> owner);

}  // namespace fw
