// kvhost's editor window: a top-level window the size of the effect's editor rectangle with
// the editor opened inside it, idled from a timer about every 20 ms.
#pragma once

#include "EditorSession.h"

#include <string>

struct EditorOptions {
    // When set: save the editor's pixels after the first paint and idle, then close.
    std::string screenshotPath;
    // When set: a real-input drag from (dragX, dragY) in editor pixels by (dragDx, dragDy),
    // made before the screenshot.
    bool drag = false;
    int dragX = 0;
    int dragY = 0;
    int dragDx = 0;
    int dragDy = 0;
};

// Returns when the window was closed or the screenshot was taken; the editor is closed then.
// Throws KvhostError.
void showEditor(const EditorSession& session, const EditorOptions& options);
