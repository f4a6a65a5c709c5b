// A frame closed while a splash screen shows its overlay: the overlay and the bitmap it holds
// are released with the frame.
#include "GdiObjectCount.h"
#include "TestImageIds.h"

#include "CBitmap.h"
#include "CFrame.h"
#include "controls/CSplashScreen.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace VSTGUI;

TEST(SplashLifetime, ClosingTheFrameWithTheOverlayShownLeavesNothingBehind)
{
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 40, 400, 200, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    const auto cycle = [&] {
        auto* frame = new CFrame(CRect(0, 0, 200, 100), window);
        auto* image = new CBitmap(ID_RGBA8);
        CRect display(0, 0, 200, 100);
        CPoint offset(0, 0);
        auto* splash = new CSplashScreen(CRect(10, 10, 30, 30), nullptr, 1, image, display, offset);
        image->forget();
        frame->addView(splash);
        CPoint where(20, 20);
        frame->mouse(nullptr, where, kMouseLeft);
        const bool shown = frame->getModalView() != nullptr;
        frame->forget();
        return shown;
    };
    ASSERT_TRUE(cycle());
    const int before = countGdiObjects();
    int shown = 0;
    for (int i = 0; i < 1000; ++i)
        shown += cycle() ? 1 : 0;
    EXPECT_EQ(shown, 1000);
    EXPECT_EQ(countGdiObjects(), before);
    EXPECT_EQ(FindWindowExA(window, nullptr, nullptr, nullptr), nullptr);
    DestroyWindow(window);
}
