#include "GalleryPageHost.h"

#include "GalleryLayout.h"
#include "RealInput.h"

namespace {
constexpr int kIdleSpacingMs = 20;
constexpr int kBlockFrames = 256;
} // namespace

GalleryPageHost::GalleryPageHost(gallery::Page shown) : window(gallery::kEditorWidth, gallery::kEditorHeight, nullptr, 20, 20)
{
    testHost.open();
    testHost.setParameter(gallery::kPage, gallery::pageValue(shown));
}

GalleryPageHost::~GalleryPageHost()
{
    if (testHost.effect() != nullptr)
        testHost.close();
    pumpMessages();
}

bool GalleryPageHost::openEditor()
{
    if (testHost.dispatch(effEditOpen, 0, 0, window.handle()) == 0)
        return false;
    UpdateWindow(window.handle());
    idle();
    SetForegroundWindow(desktopWindow());
    idle();
    return true;
}

void GalleryPageHost::closeEditor()
{
    testHost.dispatch(effEditClose);
    pumpMessages();
}

void GalleryPageHost::idle(int passes)
{
    for (int pass = 0; pass < passes; ++pass) {
        pumpMessages();
        testHost.dispatch(effEditIdle);
        Sleep(kIdleSpacingMs);
    }
    pumpMessages();
}

void GalleryPageHost::click(POINT pagePoint)
{
    POINT screen = {pagePoint.x + gallery::kPageLeft, pagePoint.y + gallery::kPageTop};
    ClientToScreen(frameWindow(), &screen);
    InputThread thread([screen] { performClick(screen); });
    pumpUntilSignalled(thread.handle());
    idle();
}

void GalleryPageHost::playLevel(float level)
{
    std::vector<float> left(kBlockFrames, level);
    std::vector<float> right(kBlockFrames, -level);
    std::vector<float> outLeft(kBlockFrames);
    std::vector<float> outRight(kBlockFrames);
    float* inputs[] = {left.data(), right.data()};
    float* outputs[] = {outLeft.data(), outRight.data()};
    testHost.process(inputs, outputs, kBlockFrames);
}

HWND GalleryPageHost::field() const
{
    const HWND frame = frameWindow();
    return frame != nullptr ? FindWindowExA(frame, nullptr, "EDIT", nullptr) : nullptr;
}

std::string GalleryPageHost::fieldText() const
{
    char buffer[512] = {};
    GetWindowTextA(field(), buffer, sizeof buffer);
    return buffer;
}

VSTGUI::CColor GalleryPageHost::pixel(int x, int y) const
{
    return pixelOf(frameWindow(), x + gallery::kPageLeft, y + gallery::kPageTop);
}

std::vector<VSTGUI::CColor> GalleryPageHost::pixels(int left, int top, int right, int bottom) const
{
    return pixelsOf(frameWindow(), left + gallery::kPageLeft, top + gallery::kPageTop, right + gallery::kPageLeft,
                    bottom + gallery::kPageTop);
}
