// Painting a window of the editor's own (a text field, a pop-up menu level) through an image:
// text drawn straight onto a window's surface leaves Cairo's font caches holding the
// connection after it has closed.
#pragma once

#include <X11/Xlib.h>
#include <cairo.h>

#include <cstdint>
#include <functional>

namespace VSTGUI::platform {

// draw fills an image of the window's size, which is then copied to the window.
void paintWindow(Display* display, Window window, Visual* visual, std::int32_t width, std::int32_t height,
                 const std::function<void(cairo_surface_t* image)>& draw);

} // namespace VSTGUI::platform
