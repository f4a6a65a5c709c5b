// kvhost's editor window: a top-level window the size of the effect's editor rectangle with
// the editor opened inside it, idled from a timer about every 20 ms.
#pragma once

#include "EditorSession.h"

#include <string>
#include <vector>

struct EditorOptions {
    // When set: save the editor's pixels after the first paint and idle, then close.
    std::string screenshotPath;
    // Real-input drags from (x, y) in editor pixels by (dx, dy), made in order before the
    // screenshot; one that moves nowhere is a click.
    struct Drag {
        int x = 0;
        int y = 0;
        int dx = 0;
        int dy = 0;
    };
    std::vector<Drag> drags;
};

// Returns when the window was closed or the screenshot was taken; the editor is closed then.
// Throws KvhostError.
void showEditor(const EditorSession& session, const EditorOptions& options);
