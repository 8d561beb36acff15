#pragma once
// Everything the system's code uses of the framework.
#include "core/Menu.h"
#include "core/PropertyBlob.h"
#include "core/Text.h"
#include "gui/Application.h"
#include "gui/Controls.h"
#include "gui/Desktop.h"
#include "gui/FolderItem.h"
#include "gui/Lifecycle.h"
#include "gui/Window.h"
#include "gui/WindowClass.h"
#include "gui/WindowList.h"
