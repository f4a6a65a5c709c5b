#include "TestWindow.h"

using namespace VSTGUI;

namespace {
const char* const kClassName = "KestrovanelGuiTestWindow";

// Mapping a window on the X display takes a while under Wine, so all tests share one.
HWND sharedWindow(int width, int height)
{
    static const HWND window = [width, height] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClassName;
        RegisterClassA(&windowClass);
        return CreateWindowExA(0, kClassName, "gui test", WS_POPUP | WS_VISIBLE, 40, 30, width, height, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    }();
    return window;
}
} // namespace

TestWindow::TestWindow()
    : window(sharedWindow(kWidth, kHeight)), frame(std::make_unique<CFrame>(CRect(0, 0, kWidth, kHeight), window))
{
}

TestWindow::~TestWindow() = default;

CDrawContext* TestWindow::newClearedContext()
{
    auto* context = new CDrawContext(frame.get(), nullptr, window);
    context->setFillColor(kBlackCColor);
    context->drawRect(CRect(0, 0, kWidth, kHeight), kDrawStyleFilled);
    return context;
}

int countPixels(CDrawContext& context, const CRect& area, const CColor& color)
{
    int count = 0;
    for (std::int32_t y = area.top; y < area.bottom; ++y) {
        for (std::int32_t x = area.left; x < area.right; ++x)
            count += context.getPoint(CPoint(x, y)) == color ? 1 : 0;
    }
    return count;
}
