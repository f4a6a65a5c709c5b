// The digit strip, the level meter and the splash screen, observed through the bitmap draws
// they make on the recording backend and through the frame's modal view.
#include "ControlFixture.h"

#include "CBitmap.h"
#include "controls/CSpecialDigit.h"
#include "controls/CSplashScreen.h"
#include "controls/CVuMeter.h"

#include <string>
#include <vector>

using namespace VSTGUI;

namespace {
constexpr std::int32_t kStripImage = 101;
constexpr std::int32_t kDigitWidth = 10;
constexpr std::int32_t kDigitHeight = 12;

std::string point(std::int32_t x, std::int32_t y)
{
    return std::to_string(x) + "," + std::to_string(y);
}

std::string rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom)
{
    return point(left, top) + "," + point(right, bottom);
}

std::vector<std::string> blends(const std::vector<std::string>& calls)
{
    std::vector<std::string> result;
    for (const auto& call : calls)
        if (call.rfind("imageBlend", 0) == 0)
            result.push_back(call);
    return result;
}

class Indicators : public ControlFixture {
protected:
    Indicators() : strip(new CBitmap(kStripImage)), off(new CBitmap(kStripImage)) {}
    ~Indicators() override
    {
        strip->forget();
        off->forget();
    }

    std::vector<std::string> drawn(CView& view)
    {
        fake::calls.clear();
        view.draw(context);
        return blends(fake::calls);
    }

    // The source rows of the digit images one draw of the strip picks, left to right.
    std::vector<std::int32_t> digitsShown(CSpecialDigit& digits)
    {
        std::vector<std::int32_t> result;
        for (const auto& call : drawn(digits)) {
            const auto from = call.find(" from 0,") + 8;
            result.push_back(std::stoi(call.substr(from)) / kDigitHeight);
        }
        return result;
    }

    CSpecialDigit* digitStrip(std::int32_t count, float value)
    {
        auto* digits = add(new CSpecialDigit(CRect(0, 0, 100, 20), &listener, 1, 0, count, nullptr, nullptr,
                                             kDigitWidth, kDigitHeight, strip));
        digits->setValue(value);
        return digits;
    }

    CBitmap* strip;
    CBitmap* off;
};
} // namespace

TEST_F(Indicators, DigitStripShowsEachDigitAndHoldsOutOfRangeValuesAtTheEnds)
{
    using Digits = std::vector<std::int32_t>;
    EXPECT_EQ(digitsShown(*digitStrip(3, 0.0f)), (Digits{0, 0, 0}));
    EXPECT_EQ(digitsShown(*digitStrip(1, 7.0f)), (Digits{7}));
    EXPECT_EQ(digitsShown(*digitStrip(7, 1234567.0f)), (Digits{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(digitsShown(*digitStrip(3, 42.9f)), (Digits{0, 4, 2}));
    EXPECT_EQ(digitsShown(*digitStrip(3, 1234.0f)), (Digits{9, 9, 9}));
    EXPECT_EQ(digitsShown(*digitStrip(3, -5.0f)), (Digits{0, 0, 0}));
    EXPECT_EQ(digitsShown(*digitStrip(2, std::numeric_limits<float>::quiet_NaN())), (Digits{0, 0}));
    EXPECT_EQ(digitsShown(*digitStrip(12, 1234567.0f)), (Digits{1, 2, 3, 4, 5, 6, 7}))
        << "positions exist for seven digits only";
}

TEST_F(Indicators, DigitStripPlacesDigitsAtTheirPositionsOrSideBySide)
{
    std::int32_t xs[] = {5, 40};
    std::int32_t ys[] = {3, 8};
    auto* placed = add(new CSpecialDigit(CRect(0, 0, 100, 20), nullptr, 0, 42, 2, xs, ys, kDigitWidth,
                                         kDigitHeight, strip));
    const auto calls = drawn(*placed);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].find("imageBlend " + rect(5, 3, 15, 15) + " from " + point(0, 4 * kDigitHeight)), 0u);
    EXPECT_EQ(calls[1].find("imageBlend " + rect(40, 8, 50, 20) + " from " + point(0, 2 * kDigitHeight)), 0u);
    EXPECT_FALSE(placed->isDirty());

    auto* sideBySide = digitStrip(2, 0.0f);
    const auto w = strip->getWidth();
    const auto calls2 = drawn(*sideBySide);
    ASSERT_EQ(calls2.size(), 2u);
    EXPECT_EQ(calls2[1].find("imageBlend " + rect(w, 0, w + kDigitWidth, kDigitHeight)), 0u);
    EXPECT_FLOAT_EQ(sideBySide->getMax(), 99.0f);
    sideBySide->setValue(198.0f);
    EXPECT_FLOAT_EQ(sideBySide->getNormValue(), 1.0f);
    sideBySide->setValue(49.5f);
    EXPECT_FLOAT_EQ(sideBySide->getNormValue(), 0.5f);
    EXPECT_TRUE(sideBySide->isTypeOf("CSpecialDigit") && sideBySide->isTypeOf("CControl"));

    auto* withoutStrip = add(new CSpecialDigit(CRect(0, 0, 10, 10), nullptr, 0, 3, 2, nullptr, nullptr, 5, 5, nullptr));
    EXPECT_TRUE(drawn(*withoutStrip).empty());
}

TEST_F(Indicators, HorizontalMeterSplitsAtTheLevelAndFallsOneStepPerDraw)
{
    const auto w = strip->getWidth();
    const auto h = strip->getHeight();
    auto* meter = add(new CVuMeter(CRect(10, 20, 10 + w, 20 + h), strip, off, 10, kVuMeterHorizontal));
    const auto splitAt = [&](float level) {
        meter->setValue(level);
        return drawn(*meter);
    };
    auto calls = splitAt(0.0f);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].find("imageBlend " + rect(10, 20, 10 + w, 20 + h) + " from 0,0"), 0u) << calls[0];
    calls = splitAt(1.0f);
    EXPECT_EQ(calls[1].find("imageBlend " + rect(10, 20, 10 + w, 20 + h) + " from 0,0"), 0u) << calls[1];
    EXPECT_FALSE(meter->isDirty());

    // Falling from 1 to 0.5 takes five draws of 0.1 each, dirty until it arrives.
    meter->setValue(0.5f);
    for (int step = 1; step <= 5; ++step) {
        ASSERT_TRUE(meter->isDirty()) << step;
        calls = drawn(*meter);
        const auto edge = 10 + (10 - step) * w / 10;
        EXPECT_EQ(calls[0].find("imageBlend " + rect(edge, 20, 10 + w, 20 + h)), 0u) << step << calls[0];
    }
    EXPECT_FALSE(meter->isDirty());
    EXPECT_EQ(drawn(*meter)[1].find("imageBlend " + rect(10, 20, 10 + w / 2, 20 + h)), 0u);
    calls = splitAt(0.9f);
    EXPECT_EQ(calls[1].find("imageBlend " + rect(10, 20, 10 + 9 * w / 10, 20 + h)), 0u) << "a rise shows at once";
}

TEST_F(Indicators, VerticalMeterPutsTheBoundaryFromTheTopAndNeedsAnOnBitmap)
{
    const auto h = strip->getHeight();
    auto* meter = add(new CVuMeter(CRect(0, 0, 20, h), strip, nullptr, 10));
    meter->setValue(0.44f);
    const auto calls = drawn(*meter);
    ASSERT_EQ(calls.size(), 1u) << "without an off bitmap only the on bitmap is drawn";
    EXPECT_EQ(calls[0].find("imageBlend " + rect(0, 6 * h / 10, 20, h) + " from " + point(0, 6 * h / 10)), 0u)
        << calls[0];

    auto* empty = add(new CVuMeter(CRect(0, 0, 20, 20), nullptr, nullptr, 0));
    empty->setValue(0.5f);
    EXPECT_TRUE(drawn(*empty).empty());
    EXPECT_TRUE(empty->isDirty()) << "nothing drawn leaves it dirty";
    auto* noLeds = add(new CVuMeter(CRect(0, 0, 20, h), strip, off, 0));
    noLeds->setValue(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(drawn(*noLeds).size(), 2u);
}

TEST_F(Indicators, MeterInAnOffscreenDrawsThereAndCopiesOnce)
{
    auto* meter = new CVuMeter(CRect(5, 5, 25, 25), strip, off, 4);
    meter->setUseOffscreen(true);
    fake::calls.clear();
    add(meter);
    EXPECT_EQ(std::count(fake::calls.begin(), fake::calls.end(), "offscreen 20x20"), 1);
    meter->setValue(1.0f);
    fake::calls.clear();
    meter->draw(context);
    EXPECT_EQ(std::count(fake::calls.begin(), fake::calls.end(), "copy 5,5,25,25 from 0,0"), 1);
    frame->removeView(meter);
}

TEST_F(Indicators, SplashShowsAModalOverlayUntilTheOverlayIsClicked)
{
    CRect display(30, 30, 90, 90);
    CPoint offset(4, 6);
    auto* splash = add(new CSplashScreen(CRect(0, 0, 20, 20), &listener, 7, strip, display, offset));
    CPoint where(5, 5);
    EXPECT_FALSE(splash->hitTest(where, kMouseRight));
    EXPECT_TRUE(splash->hitTest(CPoint(20, 20), kMouseLeft));

    splash->mouse(context, where, kMouseRight);
    EXPECT_EQ(frame->getModalView(), nullptr);
    splash->mouse(context, where, kMouseLeft);
    CView* overlay = frame->getModalView();
    ASSERT_NE(overlay, nullptr);
    EXPECT_EQ(listener.values, (std::vector<float>{1.0f}));
    CRect overlaySize;
    EXPECT_EQ(overlay->getViewSize(overlaySize), display);
    const auto calls = drawn(*overlay);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].find("imageBlend " + rect(30, 30, 90, 90) + " from 4,6"), 0u);
    EXPECT_EQ(drawn(*splash).size(), 1u);

    CPoint inside(40, 40);
    overlay->mouse(context, inside, kMouseRight);
    EXPECT_EQ(frame->getModalView(), overlay);
    overlay->mouse(context, inside, kMouseLeft);
    EXPECT_EQ(frame->getModalView(), nullptr);
    EXPECT_EQ(listener.values, (std::vector<float>{1.0f, 0.0f}));
    EXPECT_TRUE(drawn(*splash).empty());

    splash->setBitmapTransparency(128);
    EXPECT_TRUE(splash->getTransparency());
    splash->mouse(context, where, kMouseLeft);
    const auto blended = drawn(*frame->getModalView());
    ASSERT_EQ(blended.size(), 1u);
    EXPECT_NE(blended[0].find("alpha 128"), std::string::npos) << blended[0];
    splash->unSplash(context);
    EXPECT_EQ(listener.values.size(), 4u);
    splash->unSplash(context);
    EXPECT_EQ(listener.values.size(), 4u) << "already hidden";
    frame->getModalView()->mouse(context, inside, kMouseLeft);
}

// The overlay holds a reference on the splash bitmap, so the bitmap's count shows whether the
// overlay was released.
TEST_F(Indicators, ASplashLeavingWithItsOverlayShownReleasesTheOverlay)
{
    CRect display(30, 30, 90, 90);
    CPoint offset(0, 0);
    CPoint where(5, 5);
    const std::int32_t held = strip->getNbReference();
    auto* splash = add(new CSplashScreen(CRect(0, 0, 20, 20), &listener, 7, strip, display, offset));
    splash->mouse(context, where, kMouseLeft);
    ASSERT_NE(frame->getModalView(), nullptr);
    frame->removeView(splash);
    EXPECT_EQ(frame->getModalView(), nullptr) << "the overlay goes with its splash";
    EXPECT_EQ(strip->getNbReference(), held);

    auto* closing = new CFrame(CRect(0, 0, 100, 100), nullptr, nullptr);
    auto* shown = new CSplashScreen(CRect(0, 0, 20, 20), &listener, 7, strip, display, offset);
    closing->addView(shown);
    shown->mouse(context, where, kMouseLeft);
    ASSERT_NE(closing->getModalView(), nullptr);
    closing->forget();
    EXPECT_EQ(strip->getNbReference(), held) << "a frame closed with the splash shown";
}
