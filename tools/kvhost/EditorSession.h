// The effect behind kvhost's editor command, created with a host callback that answers the
// editor's requests (idle, the begin and end of an edit, automation) by printing each on stdout.
#pragma once

#include "PluginModule.h"

#include <string>

struct EditorSize {
    int width;
    int height;
};

class EditorSession {
public:
    // Loads the library and creates the effect (effOpen included). Throws KvhostError.
    explicit EditorSession(const std::string& pluginPath);
    // Sends effClose.
    ~EditorSession();

    EditorSession(const EditorSession&) = delete;
    EditorSession& operator=(const EditorSession&) = delete;

    AEffect& effect() const { return *record; }
    intptr dispatch(int32 opcode, int32 index = 0, intptr value = 0, void* ptr = nullptr, float opt = 0.0f) const;
    // The editor rectangle's size from effEditGetRect. Throws KvhostError when there is none.
    EditorSize editorSize() const;

private:
    PluginModule module;
    AEffect* record;
};
