// Whether a window has a drop target registered with OLE, and whether it still had one when
// it was destroyed: a target left on a destroyed window is a registration never revoked.
#pragma once

#include <windows.h>

#include <ole2.h>

// The target registered for the window, with a reference for the caller; null without one.
IDropTarget* registeredTarget(HWND window);
bool isRegistered(HWND window);

// Notes, when the window is destroyed, whether it still had a target. One window at a time.
void watchDestructionOf(HWND window);
bool hadTargetAtDestruction();
