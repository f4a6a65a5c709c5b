// The surface operations of the platform interface: the frame window's surface on its own
// connection, and offscreen surfaces as Cairo images (no server pixmaps to leak).
#include "../Platform.h"
#include "CairoImage.h"
#include "CairoSurface.h"
#include "X11FrameWindow.h"

#include <cairo-xlib.h>

namespace VSTGUI::platform {

namespace {
std::unique_ptr<DrawingSurface> offscreen(std::int32_t width, std::int32_t height)
{
    if (width <= 0 || height <= 0)
        return CairoSurface::detached();
    return std::make_unique<CairoSurface>(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height), false);
}
} // namespace

// The window may be destroyed by the host at any moment; its errors stay in the scope. A
// system context is a Cairo surface the platform draws on itself (a pop-up menu's).
std::unique_ptr<DrawingSurface> createWindowSurface(void* systemContext, void* window)
{
    if (systemContext != nullptr)
        return std::make_unique<CairoSurface>(cairo_surface_reference(static_cast<cairo_surface_t*>(systemContext)),
                                              false);
    const X11WindowHandle* handle = asWindowHandle(window);
    if (handle == nullptr)
        return CairoSurface::detached();
    auto scope = std::make_unique<X11ErrorScope>(handle->display);
    cairo_surface_t* surface =
        cairo_xlib_surface_create(handle->display, handle->window, handle->visual, handle->width, handle->height);
    return std::make_unique<CairoSurface>(surface, false, std::move(scope));
}

CPoint getWindowScreenOrigin(void* window)
{
    const X11WindowHandle* handle = asWindowHandle(window);
    if (handle == nullptr)
        return CPoint(0, 0);
    X11ErrorScope scope(handle->display);
    int x = 0;
    int y = 0;
    Window child = 0;
    if (XTranslateCoordinates(handle->display, handle->window, DefaultRootWindow(handle->display), 0, 0, &x, &y,
                              &child)
        == 0)
        return CPoint(0, 0);
    return CPoint(x, y);
}

std::unique_ptr<DrawingSurface> createOffscreenSurface(void* /*window*/, std::int32_t width, std::int32_t height)
{
    return offscreen(width, height);
}

std::unique_ptr<DrawingSurface> createOffscreenSurface(DrawingSurface& /*compatible*/, std::int32_t width,
                                                       std::int32_t height)
{
    return offscreen(width, height);
}

std::unique_ptr<DrawingSurface> createImageSurface(DrawingSurface& /*compatible*/, PlatformImage& image)
{
    auto& cairoImage = static_cast<CairoImage&>(image);
    return std::make_unique<CairoSurface>(cairo_surface_reference(cairoImage.getSurface()), cairoImage.isBottomUp());
}

} // namespace VSTGUI::platform
