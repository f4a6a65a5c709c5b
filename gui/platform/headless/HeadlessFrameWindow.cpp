// The frame's windowing operations where no windowing backend exists yet: a frame gets no
// window, so it stays a view tree that never paints. FIXME: a Linux backend replaces this.
#include "../FrameWindow.h"

namespace VSTGUI::platform {

std::unique_ptr<FrameWindow> createFrameWindow(void* /*parent*/, std::int32_t /*width*/, std::int32_t /*height*/,
                                               FrameWindowEvents& /*events*/)
{
    return nullptr;
}

void* getParentWindow(void* /*window*/)
{
    return nullptr;
}

std::string getWindowClassName(void* /*window*/)
{
    return std::string();
}

bool hasCaption(void* /*window*/)
{
    return false;
}

CRect getWindowScreenRect(void* /*window*/)
{
    return CRect();
}

CPoint screenToWindow(void* /*window*/, const CPoint& screenPoint)
{
    return screenPoint;
}

void resizeWindow(void* /*window*/, std::int32_t /*width*/, std::int32_t /*height*/) {}

void bringWindowToTop(void* /*window*/) {}

std::int32_t getDialogFrameThickness()
{
    return 0;
}

void* getCurrentCursor()
{
    return nullptr;
}

void* loadSystemCursor(CCursorType /*type*/)
{
    return nullptr;
}

void setCurrentCursor(void* /*cursor*/) {}

bool initializeDragAndDrop()
{
    return false;
}

void uninitializeDragAndDrop() {}

} // namespace VSTGUI::platform
