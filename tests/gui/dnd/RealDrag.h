// A real OLE drag as another application starts it: DoDragDrop from a window of the test
// program while a second thread moves the real pointer along a path and releases the button
// at its end. Each step waits until the drag loop has seen the pointer there.
#pragma once

#include <windows.h>

#include <ole2.h>

#include <vector>

struct DragOutcome {
    HRESULT result;
    // The effect DoDragDrop reports.
    DWORD effect;
    // Points of the path the drag loop never saw the pointer at.
    int stepsNotReached;
};

// Starts with the button pressed at start (screen coordinates) and drags along the path.
DragOutcome dragAlong(IDataObject& offered, POINT start, const std::vector<POINT>& path);
