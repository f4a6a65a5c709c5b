// Bitmaps loaded from the panel's resources, embedded in native builds from the same files
// and resource script as the Windows builds, and how a loaded bitmap is drawn.
#include "CBitmap.h"
#include "CDrawContext.h"
#include "FakePlatform.h"

#include <gtest/gtest.h>

#include <string>

using namespace VSTGUI;

namespace {
struct ResourceSize {
    std::int32_t id;
    std::int32_t width;
    std::int32_t height;
};

class BitmapResources : public ::testing::TestWithParam<ResourceSize> {
protected:
    void SetUp() override { fake::reset(); }
};
} // namespace

TEST_P(BitmapResources, PanelImagesLoadWithTheirSizes)
{
    CBitmap* bitmap = new CBitmap(GetParam().id);
    EXPECT_TRUE(bitmap->isLoaded());
    EXPECT_EQ(bitmap->getWidth(), GetParam().width);
    EXPECT_EQ(bitmap->getHeight(), GetParam().height);
    EXPECT_FALSE(bitmap->getNoAlpha());
    EXPECT_EQ(bitmap->getTransparentColor(), kTransparentCColor);
    bitmap->forget();
}

INSTANTIATE_TEST_SUITE_P(Panel, BitmapResources,
                         ::testing::Values(ResourceSize{100, 351, 256}, ResourceSize{101, 50, 50},
                                           ResourceSize{102, 5, 5}));

TEST(BitmapLoading, MissingResourceLeavesAnEmptyBitmap)
{
    CBitmap bitmap;
    EXPECT_FALSE(bitmap.loadFromResource(999));
    EXPECT_FALSE(bitmap.isLoaded());
    EXPECT_EQ(bitmap.getWidth(), 0);
    EXPECT_EQ(bitmap.getHeight(), 0);
}

TEST(BitmapLoading, DisposeClearsTheImageAndTheNoAlphaFlag)
{
    CBitmap bitmap(101);
    bitmap.dispose();
    EXPECT_FALSE(bitmap.isLoaded());
    EXPECT_FALSE(bitmap.getNoAlpha());
    EXPECT_EQ(bitmap.getWidth(), 0);
    EXPECT_FALSE(bitmap.loadFromPath("knob.png"));
}

TEST(BitmapDrawing, PngBitmapsAlwaysBlendWithTheirAlpha)
{
    fake::reset();
    CBitmap bitmap(102);
    CDrawContext* context = new CDrawContext(nullptr, nullptr, nullptr);
    context->offset = CPoint(10, 20);
    fake::calls.clear();
    CRect destination(0, 0, 5, 5);
    bitmap.draw(context, destination, CPoint(1, 2));
    bitmap.drawTransparent(context, destination);
    bitmap.drawAlphaBlend(context, destination, CPoint(0, 0), 77);
    EXPECT_EQ(fake::calls, (std::vector<std::string>{"imageBlend 10,20,15,25 from 1,2 alpha 255 perPixel",
                                                     "imageBlend 10,20,15,25 from 0,0 alpha 255 perPixel",
                                                     "imageBlend 10,20,15,25 from 0,0 alpha 77 perPixel"}));
    context->forget();
}
