#include "EditorHost.h"

std::unique_ptr<EditorHost> makeEditorHost(std::string& whyNot)
{
    // FIXME: an X11 host window belongs here once kvhost has an X11 layer.
    whyNot = "kvhost has no editor host window on this platform yet";
    return nullptr;
}
