#include "X11WindowPaint.h"

#include "CairoSurface.h"

#include <cairo-xlib.h>

namespace VSTGUI::platform {

void paintWindow(Display* display, Window window, Visual* visual, std::int32_t width, std::int32_t height,
                 const std::function<void(cairo_surface_t* image)>& draw)
{
    if (width <= 0 || height <= 0)
        return;
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    draw(image);
    {
        CairoSurface shown(cairo_xlib_surface_create(display, window, visual, width, height), false,
                           std::make_unique<X11ErrorScope>(display));
        shown.paintFrom(image, false, CRect(0, 0, width, height), CPoint(0, 0), CAIRO_OPERATOR_SOURCE);
    }
    cairo_surface_destroy(image);
}

} // namespace VSTGUI::platform
