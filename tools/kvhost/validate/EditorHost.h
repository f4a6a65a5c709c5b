// A host window for the editor checks: a top-level window the editor opens into, with its
// messages pumped between idle calls. Only where kvhost has a window layer (Windows).
#pragma once

#include <memory>
#include <string>

class EditorHost {
public:
    virtual ~EditorHost() = default;
    virtual void* parentHandle() = 0;
    // Dispatches the window messages waiting now.
    virtual void pumpMessages() = 0;
};

// Null, with the reason, where no editor window can be made.
std::unique_ptr<EditorHost> makeEditorHost(std::string& whyNot);
