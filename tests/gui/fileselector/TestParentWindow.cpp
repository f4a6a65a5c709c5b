#include "TestParentWindow.h"

#include <X11/Xlib.h>

#include <cstdint>

TestParentWindow::TestParentWindow(int width, int height) : display(XOpenDisplay(nullptr))
{
    if (display == nullptr)
        return;
    window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, static_cast<unsigned>(width),
                                 static_cast<unsigned>(height), 0, 0, 0);
    XMapWindow(display, window);
    XSync(display, False);
}

TestParentWindow::~TestParentWindow()
{
    if (display == nullptr)
        return;
    XDestroyWindow(display, window);
    XCloseDisplay(display);
}

void* TestParentWindow::handle() const
{
    return display != nullptr ? reinterpret_cast<void*>(static_cast<std::uintptr_t>(window)) : nullptr;
}
