#pragma once
// Which window is in front, and bringing one there.
#include "core/String.h"

class QWidget;

namespace fw {

// The window a new window opens over and a modal one blocks: the active
// window, else the newest visible one (without a window manager no window is
// active).
QWidget* FrontmostOtherThan(const QWidget* self);
// Shown, no longer minimized, raised.
void BringForward(QWidget& window);
// Gives the window the keyboard focus; a launcher's start-up token, when
// there is one, lets it past a desktop's focus-stealing prevention.
void Activate(QWidget& window, const String& token);
// The modal window belongs to its owner: kept above it, out of the taskbar.
// Called while the modal window is hidden.
void MakeTransientFor(QWidget& modal, QWidget* owner);

}  // namespace fw
