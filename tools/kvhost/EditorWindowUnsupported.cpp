// The editor command where kvhost has no window system to show an editor in.
#include "EditorWindow.h"

#include "KvhostError.h"

void showEditor(const EditorSession& /*session*/, const EditorOptions& /*options*/)
{
    throw KvhostError("the editor command needs Windows (or Wine)");
}
