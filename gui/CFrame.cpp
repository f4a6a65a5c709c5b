#include "CFrame.h"

#include "platform/Platform.h"

namespace VSTGUI {

CFrame::CFrame(const CRect& size, void* window_)
    : viewSize(size), window(window_), imageLibrary(platform::loadImageLibrary())
{
}

CFrame::~CFrame()
{
    platform::unloadImageLibrary(imageLibrary);
}

} // namespace VSTGUI
