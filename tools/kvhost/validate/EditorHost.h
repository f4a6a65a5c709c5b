// A host window for the editor checks: a top-level window the editor opens into, with its
// events pumped between idle calls, and what the host can see of the editor's window in it.
#pragma once

#include <functional>
#include <memory>
#include <string>

class EditorHost {
public:
    virtual ~EditorHost() = default;
    virtual void* parentHandle() = 0;
    // Dispatches the window events waiting now.
    virtual void pumpMessages() = 0;
    // Empty when the host's window holds exactly one child window, shown, of the given size;
    // otherwise what is wrong.
    virtual std::string editorWindowFault(int width, int height) = 0;
    // Empty when that window carries the marks for embedding the window system has (X11's
    // _XEMBED_INFO with the mapped flag), or the system has none; otherwise what is missing.
    virtual std::string embeddingFault() = 0;
    // How many child windows the host's window holds.
    virtual int childWindowCount() = 0;
};

// Null, with the reason, where no editor window can be made.
std::unique_ptr<EditorHost> makeEditorHost(std::string& whyNot);

// Runs body with the window system out of the process's reach (DISPLAY unset on X11) and
// restores it. False, with the reason, where a platform's window system cannot be hidden.
bool runWithoutWindowSystem(const std::function<void()>& body, std::string& whyNot);
