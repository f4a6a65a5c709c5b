// The gallery's indicators through the built plug-in: the digit display shows the Digits
// parameter (read digit by digit from the strip's probe bands), the level meter splits at the
// audio input's peak and falls over the following idles.
#include "PageCoordinates.h"
#include "pages/TextAndIndicatorsPage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

using namespace gallery;

namespace {
constexpr float kDigitMax = 9999999.0f;
constexpr VSTGUI::CColor kMeterOn = {60, 210, 90, 255};
constexpr int kDigitProbeRow = 2;

// The probe colour of digit k in the strip, as the artwork draws it.
VSTGUI::CColor digitProbe(int k)
{
    return {static_cast<std::uint8_t>(30 + 7 * k), 90, static_cast<std::uint8_t>(160 + (k % 2) * 40), 255};
}

// The images pass through premultiplied alpha on their way to the screen: a unit off is the same.
bool sameColour(const VSTGUI::CColor& a, const VSTGUI::CColor& b)
{
    return std::abs(a.red - b.red) <= 1 && std::abs(a.green - b.green) <= 1 && std::abs(a.blue - b.blue) <= 1;
}

class GalleryIndicators : public ::testing::Test {
protected:
    void SetUp() override
    {
        showPage(page, kTextIndicatorsPage);
        ASSERT_TRUE(page.openEditor());
    }

    // The digits shown, '?' for a digit image the probe does not name.
    std::string digitsShown() const
    {
        std::string shown;
        for (int i = 0; i < kDigitCount; ++i) {
            const VSTGUI::CColor probe =
                pagePixel(page, kDigitArea.left + i * kDigitWidth + kDigitWidth / 2, kDigitArea.top + kDigitProbeRow);
            char digit = '?';
            for (int k = 0; k < 10; ++k)
                if (sameColour(probe, digitProbe(k)))
                    digit = static_cast<char>('0' + k);
            shown += digit;
        }
        return shown;
    }
    std::string showNumber(float parameter)
    {
        page.host().setParameter(kSpecialDigit, parameter);
        page.idle();
        return digitsShown();
    }
    // Pixels of the meter's middle row in the "on" colour.
    int meterSplit() const
    {
        const int row = (kMeterArea.top + kMeterArea.bottom) / 2;
        int on = 0;
        for (const VSTGUI::CColor& color : pagePixels(page, kMeterArea.left, row, kMeterArea.right, row + 1))
            on += sameColour(color, kMeterOn) ? 1 : 0;
        return on;
    }
    // One block at the level, then one idle, which draws the meter once.
    int meterAfter(float level)
    {
        page.playLevel(level);
        page.idle(1);
        return meterSplit();
    }

    PanelHost page{kGalleryEditorSize};
};

// Halfway between whole numbers, so float rounding of the parameter cannot change the digit.
float numberParameter(float number)
{
    return (number + 0.5f) / kDigitMax;
}
} // namespace

TEST_F(GalleryIndicators, TheDigitsShowTheParameterAndClampWhatLiesOutside)
{
    EXPECT_EQ(digitsShown(), "0000000");
    EXPECT_EQ(showNumber(numberParameter(7.0f)), "0000007");
    EXPECT_EQ(showNumber(numberParameter(1234567.0f)), "1234567");
    EXPECT_EQ(showNumber(0.0f), "0000000");
    EXPECT_EQ(showNumber(1.0f), "9999999");
    EXPECT_EQ(showNumber(numberParameter(42.0f)), "0000042");
    EXPECT_EQ(showNumber(7.5f), "9999999") << "above the range";
    EXPECT_EQ(showNumber(-3.0f), "0000000") << "below the range";
    EXPECT_EQ(showNumber(numberParameter(42.0f)), "0000042");
    EXPECT_EQ(showNumber(std::numeric_limits<float>::quiet_NaN()), "0000000");
}

TEST_F(GalleryIndicators, TheMeterSplitsAtTheInputPeakAndFallsOverTheIdles)
{
    const int length = kMeterArea.width();
    EXPECT_EQ(meterSplit(), 0) << "silence";
    EXPECT_EQ(meterAfter(0.5f), length / 2);
    EXPECT_EQ(meterAfter(1.0f), length) << "rises at once";
    EXPECT_EQ(meterAfter(std::numeric_limits<float>::infinity()), length) << "a broken signal shows as full";

    // Silence now: the meter falls by a tenth of its length per draw until it is empty.
    int shown = length;
    int steps = 0;
    while (shown > 0 && steps < 20) {
        const int next = meterAfter(0.0f);
        EXPECT_LT(next, shown);
        EXPECT_EQ((shown - next) % (length / 10), 0) << "whole tenths";
        shown = next;
        ++steps;
    }
    EXPECT_EQ(shown, 0);
    EXPECT_GE(steps, 5) << "a fall, not a drop";
    EXPECT_EQ(meterAfter(0.5f), length / 2) << "and up again at once";
}
