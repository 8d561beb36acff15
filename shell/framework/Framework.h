#pragma once
// Everything the system's code uses of the framework.
#include "core/Application.h"
#include "core/FolderItem.h"
#include "core/Menu.h"
#include "core/PropertyBlob.h"
#include "core/Text.h"
#include "gui/Controls.h"
#include "gui/Runtime.h"
#include "gui/System.h"
#include "gui/Window.h"
