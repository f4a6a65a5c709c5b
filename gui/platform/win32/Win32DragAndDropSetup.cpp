// Drag and drop on Windows goes through OLE, which each thread that registers a drop target
// initialises first; initialisations are counted per thread and each success is undone once.
// The registration keeps a reference of its own to the target, so that it can cut the target
// off from the frame before OLE lets go of it.
#include "../FrameWindow.h"

#include "CDropTarget.h"

#include <windows.h>

#include <ole2.h>

namespace VSTGUI::platform {

namespace {
class OleDropRegistration : public DropRegistration {
public:
    OleDropRegistration(HWND window_, CDropTarget* target_) : window(window_), target(target_) {}
    ~OleDropRegistration() override
    {
        target->detach();
        RevokeDragDrop(window);
        target->Release();
    }
    OleDropRegistration(const OleDropRegistration&) = delete;
    OleDropRegistration& operator=(const OleDropRegistration&) = delete;

private:
    HWND window;
    CDropTarget* target;
};
} // namespace

bool initializeDragAndDrop()
{
    return SUCCEEDED(OleInitialize(nullptr));
}

void uninitializeDragAndDrop()
{
    OleUninitialize();
}

std::unique_ptr<DropRegistration> registerDropTarget(void* window, CFrame& frame)
{
    if (window == nullptr)
        return nullptr;
    auto* target = new CDropTarget(&frame);
    target->AddRef();
    if (FAILED(RegisterDragDrop(static_cast<HWND>(window), target))) {
        target->Release();
        return nullptr;
    }
    return std::make_unique<OleDropRegistration>(static_cast<HWND>(window), target);
}

} // namespace VSTGUI::platform
