#include "GalleryWindow.h"

#include <algorithm>

namespace {
constexpr int kWindowX = 60;
constexpr int kWindowY = 50;
constexpr DWORD kPumpSliceMs = 10;
constexpr DWORD kIdleSpacingMs = 20;
} // namespace

GalleryWindow::GalleryWindow() : window(gallery::kEditorWidth, gallery::kEditorHeight, nullptr, kWindowX, kWindowY)
{
    testHost.open();
}

GalleryWindow::~GalleryWindow()
{
    if (testHost.effect() != nullptr)
        testHost.close();
    pumpMessages();
}

bool GalleryWindow::openEditor()
{
    if (testHost.dispatch(effEditOpen, 0, 0, window.handle()) == 0)
        return false;
    UpdateWindow(window.handle());
    idle();
    // The window is active and has the pointer before any gesture starts.
    SetForegroundWindow(window.handle());
    moveCursorTo(toScreen({gallery::kEditorWidth - 2, gallery::kEditorHeight - 2}));
    idle();
    return true;
}

void GalleryWindow::closeEditor()
{
    testHost.dispatch(effEditClose);
    pumpMessages();
}

void GalleryWindow::idle(int passes)
{
    for (int pass = 0; pass < passes; ++pass) {
        pumpMessages();
        testHost.dispatch(effEditIdle);
        Sleep(kIdleSpacingMs);
    }
    pumpMessages();
}

void GalleryWindow::showPage(gallery::Page page)
{
    testHost.setParameter(gallery::kPage, gallery::pageValue(page));
    idle();
}

POINT GalleryWindow::toScreen(POINT editorPoint) const
{
    ClientToScreen(window.handle(), &editorPoint);
    return editorPoint;
}

VSTGUI::CColor GalleryWindow::pixel(int x, int y) const
{
    return pixelOf(window.handle(), x, y);
}

void GalleryWindow::pumpUntil(const InputThread& thread)
{
    const HANDLE handle = thread.handle();
    while (!thread.finished()) {
        MsgWaitForMultipleObjects(1, &handle, FALSE, kPumpSliceMs, QS_ALLINPUT);
        pumpMessages();
        testHost.dispatch(effEditIdle);
    }
    pumpMessages();
}

std::vector<HostRequest> GalleryWindow::takeRequests(std::vector<int32> opcodes)
{
    std::vector<HostRequest> taken;
    const auto& all = testHost.requests();
    for (; requestsSeen < all.size(); ++requestsSeen)
        if (std::find(opcodes.begin(), opcodes.end(), all[requestsSeen].opcode) != opcodes.end())
            taken.push_back(all[requestsSeen]);
    return taken;
}
