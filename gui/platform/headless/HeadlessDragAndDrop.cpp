// Where no windowing backend reads drags: no window accepts drops and no drag data exists.
#include "../DragData.h"
#include "../FrameWindow.h"

namespace VSTGUI::platform {

std::unique_ptr<DropRegistration> registerDropTarget(void* /*window*/, CFrame& /*frame*/)
{
    return nullptr;
}

std::unique_ptr<DragData> openDragData(void* /*platformDrag*/)
{
    return nullptr;
}

} // namespace VSTGUI::platform
