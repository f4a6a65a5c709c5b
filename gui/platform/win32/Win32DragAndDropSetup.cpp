// Drag and drop on Windows goes through OLE, which each thread that registers a drop target
// initialises first; initialisations are counted per thread and each success is undone once.
#include "../FrameWindow.h"

#include <ole2.h>

namespace VSTGUI::platform {

bool initializeDragAndDrop()
{
    return SUCCEEDED(OleInitialize(nullptr));
}

void uninitializeDragAndDrop()
{
    OleUninitialize();
}

} // namespace VSTGUI::platform
