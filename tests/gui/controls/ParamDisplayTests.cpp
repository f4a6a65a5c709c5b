// Parameter displays and text labels, observed through the calls their drawing makes: where the
// text comes from, what marks them dirty, and the background, border and text steps.
#include "ControlFixture.h"

#include "controls/CParamDisplay.h"
#include "controls/CTextLabel.h"

#include <algorithm>
#include <string>

using namespace VSTGUI;

namespace {
class Displays : public ControlFixture {
protected:
    std::vector<std::string> drawCalls(CControl& control)
    {
        fake::calls.clear();
        control.draw(context);
        return fake::calls;
    }

    static bool has(const std::vector<std::string>& calls, const std::string& call)
    {
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    }

    static int countStarting(const std::vector<std::string>& calls, const std::string& prefix)
    {
        return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                              [&prefix](const std::string& call) { return call.rfind(prefix, 0) == 0; }));
    }

    CParamDisplay* display = add(new CParamDisplay(CRect(10, 20, 60, 40)));
};

void asPercent(float value, char* text)
{
    std::snprintf(text, 256, "%d%%", static_cast<int>(value * 100.0f));
}

void withUnit(float value, char* text, void* unit)
{
    std::snprintf(text, 256, "%.1f%s", static_cast<double>(value), static_cast<const char*>(unit));
}
} // namespace

TEST_F(Displays, WithoutACallbackTheValueIsFormattedWithTwoDecimals)
{
    display->setValue(0.5f);
    EXPECT_TRUE(has(drawCalls(*display), "text \"0.50\" 10,20,60,40 center"));
    display->setValue(100.0f);
    EXPECT_TRUE(has(drawCalls(*display), "text \"100.00\" 10,20,60,40 center"));
}

TEST_F(Displays, TheCallbackWithUserDataComesFirst)
{
    char unit[] = "dB";
    display->setValue(0.25f);
    display->setStringConvert(asPercent);
    EXPECT_TRUE(has(drawCalls(*display), "text \"25%\" 10,20,60,40 center"));
    display->setStringConvert(withUnit, unit);
    EXPECT_TRUE(has(drawCalls(*display), "text \"0.2dB\" 10,20,60,40 center"));
}

TEST_F(Displays, ByDefaultAFramedBlackRectangleWithWhiteText)
{
    display->setValue(0.5f);
    const auto calls = drawCalls(*display);
    EXPECT_TRUE(has(calls, "fillRect 11,21,60,40")) << "the draw context leaves the top and left edge to the frame";
    EXPECT_TRUE(has(calls, "textColor ffffff"));
    EXPECT_EQ(countStarting(calls, "text \""), 1);
    EXPECT_FALSE(display->isDirty());
}

TEST_F(Displays, AnEqualColourLeavesTheDisplayCleanAndAnyDifferenceMarksIt)
{
    display->setDirty(false);
    display->setFontColor(kWhiteCColor);
    EXPECT_FALSE(display->isDirty());
    CColor almostWhite = kWhiteCColor;
    almostWhite.alpha = 254;
    display->setFontColor(almostWhite);
    EXPECT_TRUE(display->isDirty());
}

TEST_F(Displays, NoDrawMarksDirtyOnceAndThenDrawsNothing)
{
    display->setDirty(false);
    display->setStyle(kStyleNoDraw);
    EXPECT_TRUE(display->isDirty());
    EXPECT_TRUE(drawCalls(*display).empty());
    EXPECT_FALSE(display->isDirty());
    display->setStyle(kStyleNoDraw);
    EXPECT_FALSE(display->isDirty());
    const CParamDisplay hidden(CRect(0, 0, 5, 5), nullptr, kStyleNoDraw);
    EXPECT_FALSE(hidden.isDirty());
}

TEST_F(Displays, BothBorderStylesDrawSunkenAndNoFlatFrame)
{
    display->setStyle(kStyle3DIn | kStyle3DOut);
    display->setBackColor(kRedCColor);
    display->setFrameColor(kGreenCColor);
    const auto calls = drawCalls(*display);
    // Left and top in the back colour, right and bottom in the frame colour.
    const auto left = std::find(calls.begin(), calls.end(), "moveTo 10,39");
    ASSERT_NE(left, calls.end());
    EXPECT_TRUE(has(calls, "pen solid 1 0000ff"));
    EXPECT_TRUE(has(calls, "pen solid 1 00ff00"));
    EXPECT_EQ(countStarting(calls, "moveTo"), 2);
    EXPECT_EQ(countStarting(calls, "polyline"), 0);
}

TEST_F(Displays, ATransparentDisplayWithoutBitmapPaintsOnlyBordersAndText)
{
    display->setTransparency(true);
    const auto calls = drawCalls(*display);
    EXPECT_EQ(countStarting(calls, "fillRect"), 0);
    EXPECT_EQ(countStarting(calls, "text \""), 1);
}

TEST_F(Displays, ShadowTextIsDrawnFirstOnePixelRightAndDown)
{
    display->setStyle(kStyleShadowText);
    display->setValue(1.0f);
    const auto calls = drawCalls(*display);
    const auto shadow = std::find(calls.begin(), calls.end(), "text \"1.00\" 11,21,61,41 center");
    const auto text = std::find(calls.begin(), calls.end(), "text \"1.00\" 10,20,60,40 center");
    ASSERT_NE(shadow, calls.end());
    ASSERT_NE(text, calls.end());
    EXPECT_LT(shadow, text);
}

TEST_F(Displays, ALabelShowsItsOwnTextAndNotItsValue)
{
    CTextLabel* label = add(new CTextLabel(CRect(0, 0, 50, 20), "30.00dB"));
    label->setValue(0.75f);
    EXPECT_TRUE(has(drawCalls(*label), "text \"30.00dB\" 0,0,50,20 center"));
    EXPECT_TRUE(label->isTypeOf("CTextLabel"));
    EXPECT_TRUE(label->isTypeOf("CParamDisplay"));
}

TEST_F(Displays, ALabelWithoutTextDrawsOnlyItsBackground)
{
    CTextLabel* label = add(new CTextLabel(CRect(0, 0, 50, 20), nullptr));
    EXPECT_EQ(label->getText(), nullptr);
    const auto calls = drawCalls(*label);
    EXPECT_EQ(countStarting(calls, "text \""), 0);
    EXPECT_EQ(countStarting(calls, "fillRect"), 1);
}

TEST_F(Displays, NewTextAloneDoesNotRedrawAShownLabel)
{
    CTextLabel* label = add(new CTextLabel(CRect(0, 0, 50, 20), "49%"));
    label->setDirty(false);
    label->setText("0%");
    EXPECT_FALSE(label->isDirty());
    EXPECT_STREQ(label->getText(), "0%");
}

TEST_F(Displays, ALabelKeepsItsTextWhenGivenItBack)
{
    CTextLabel* label = add(new CTextLabel(CRect(0, 0, 50, 20), "30.00dB"));
    label->setText(label->getText());
    EXPECT_STREQ(label->getText(), "30.00dB");
    EXPECT_TRUE(has(drawCalls(*label), "text \"30.00dB\" 0,0,50,20 center"));
}
