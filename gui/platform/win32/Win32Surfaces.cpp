// The surface operations of the platform interface on Windows device contexts.
#include "../Platform.h"
#include "GdiImage.h"
#include "GdiSurface.h"

namespace VSTGUI::platform {

namespace {
// A memory surface with a new image compatible with dc (the screen's when dc is null).
std::unique_ptr<DrawingSurface> memorySurfaceCompatibleWith(HDC dc, std::int32_t width, std::int32_t height)
{
    const HDC screen = dc == nullptr ? GetDC(nullptr) : nullptr;
    const HDC compatible = dc != nullptr ? dc : screen;
    HBITMAP image = CreateCompatibleBitmap(compatible, width, height);
    std::unique_ptr<DrawingSurface> surface = GdiSurface::inMemory(compatible, image, true);
    if (screen != nullptr)
        ReleaseDC(nullptr, screen);
    return surface;
}
} // namespace

std::unique_ptr<DrawingSurface> createWindowSurface(void* systemContext, void* window)
{
    if (systemContext == nullptr && window != nullptr)
        return GdiSurface::onWindow(static_cast<HWND>(window));
    return GdiSurface::onContext(static_cast<HDC>(systemContext));
}

CPoint getWindowScreenOrigin(void* window)
{
    RECT rect = {};
    GetWindowRect(static_cast<HWND>(window), &rect);
    return CPoint(rect.left, rect.top);
}

std::unique_ptr<DrawingSurface> createOffscreenSurface(void* window, std::int32_t width, std::int32_t height)
{
    const HWND hwnd = static_cast<HWND>(window);
    const HDC windowDc = GetDC(hwnd);
    std::unique_ptr<DrawingSurface> surface = memorySurfaceCompatibleWith(windowDc, width, height);
    ReleaseDC(hwnd, windowDc);
    return surface;
}

std::unique_ptr<DrawingSurface> createOffscreenSurface(DrawingSurface& compatible, std::int32_t width,
                                                       std::int32_t height)
{
    return memorySurfaceCompatibleWith(static_cast<GdiSurface&>(compatible).getDc(), width, height);
}

std::unique_ptr<DrawingSurface> createImageSurface(DrawingSurface& compatible, PlatformImage& image)
{
    return GdiSurface::inMemory(static_cast<GdiSurface&>(compatible).getDc(),
                                static_cast<GdiImage&>(image).getBitmap(), false);
}

} // namespace VSTGUI::platform
