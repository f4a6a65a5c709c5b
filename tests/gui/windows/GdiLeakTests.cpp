// Creating, drawing and releasing contexts and bitmaps a thousand times must not leave GDI
// objects behind.
#include "CBitmap.h"
#include "COffscreenContext.h"
#include "GdiObjectCount.h"
#include "TestImageIds.h"
#include "TestWindow.h"

using namespace VSTGUI;

namespace {
using GdiLeaks = TestWindow;
constexpr int kCycles = 1000;
} // namespace

TEST(GdiObjectCount, SeesAnObjectComeAndGo)
{
    const int before = countGdiObjects();
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(countGdiObjects(), before + 1);
    DeleteObject(brush);
    EXPECT_EQ(countGdiObjects(), before);
}

TEST_F(GdiLeaks, ContextsAndBitmapsReleaseEverythingTheyCreate)
{
    const auto cycle = [this] {
        Held<CDrawContext> onWindow(new CDrawContext(frame.get(), nullptr, window));
        onWindow->setFont(kFontLarge, 0, kTextItalic);
        onWindow->setFrameColor(kRedCColor);
        onWindow->setFillColor(kGreenCColor);
        onWindow->setClipRect(CRect(0, 0, 50, 50));
        onWindow->drawString("level", CRect(0, 0, 50, 20), 1);
        onWindow->fillEllipse(CRect(0, 0, 10, 10));

        Held<COffscreenContext> offscreen(new COffscreenContext(frame.get(), 20, 20, kBlueCColor));
        Held<CBitmap> png(new CBitmap(ID_RGBA8));
        CRect destination(0, 0, 3, 2);
        png->draw(offscreen.get(), destination);

        Held<CBitmap> plain(new CBitmap(*frame, 10, 10));
        COffscreenContext painter(onWindow.get(), plain.get(), true);
        plain->drawTransparent(offscreen.get(), destination);
        plain->setTransparencyMask(&painter);
        plain->drawTransparent(offscreen.get(), destination);
        offscreen->copyFrom(onWindow.get(), CRect(0, 0, 20, 20));
    };
    cycle(); // caches that the system fills once
    const int before = countGdiObjects();
    ASSERT_GT(before, 0) << "the object count must see the stock objects";
    for (int i = 0; i < kCycles; ++i)
        cycle();
    EXPECT_LE(countGdiObjects(), before);
}
