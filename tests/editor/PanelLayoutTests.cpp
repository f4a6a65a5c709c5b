// The panel a fresh effect opens: its size, the knobs at their values and the labels under them.
#include "PanelExpectations.h"
#include "PanelHost.h"
#include "ReferenceLabel.h"

#include <gtest/gtest.h>

#include <string>

namespace {
constexpr VSTGUI::CColor kLabelFill = {120, 145, 236, 255};
constexpr VSTGUI::CColor kBlack = {0, 0, 0, 255};

std::vector<VSTGUI::CColor> labelPixels(const PanelHost& panel, int tag)
{
    const int left = PanelLayout::kKnobLeft[tag];
    return panel.pixels(left, PanelLayout::kLabelTop, left + 50, PanelLayout::kLabelBottom);
}
} // namespace

TEST(PanelLayout, TheEffectReportsItsEditorAndPanelSizeBeforeOpening)
{
    PanelHost panel;
    EXPECT_EQ(panel.host().effect()->flags & 0x11, 0x11);
    ERect* rect = nullptr;
    EXPECT_EQ(panel.host().dispatch(effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->top, 0);
    EXPECT_EQ(rect->left, 0);
    EXPECT_EQ(rect->bottom, 256);
    EXPECT_EQ(rect->right, 351);
}

TEST(PanelLayout, AFreshPanelShowsEachParameterWithItsUnitUnderItsKnob)
{
    PanelHost panel;
    ASSERT_TRUE(panel.openEditor());
    const char* const expected[] = {"30.00dB", "49%", "0.000dB"};
    for (int tag = 0; tag < 3; ++tag)
        EXPECT_EQ(labelPixels(panel, tag), referenceLabelPixels(expected[tag])) << "label " << tag;
}

TEST(PanelLayout, LabelsAreFramedInBlackAndFilledWithThePanelBlue)
{
    PanelHost panel;
    ASSERT_TRUE(panel.openEditor());
    for (int tag = 0; tag < 3; ++tag) {
        const int left = PanelLayout::kKnobLeft[tag];
        EXPECT_EQ(panel.pixel(left, 200), kBlack);
        EXPECT_EQ(panel.pixel(left + 49, 219), kBlack);
        EXPECT_EQ(panel.pixel(left + 2, 202), kLabelFill);
        EXPECT_EQ(panel.pixel(left + 47, 217), kLabelFill);
        EXPECT_NE(panel.pixel(left + 50, 210), kLabelFill) << "the label ends at its right edge";
    }
}

TEST(PanelLayout, KnobHandlesSitOnTheCircleAtTheirValues)
{
    PanelHost panel;
    ASSERT_TRUE(panel.openEditor());
    // Gain and Amount (0.5) point straight up, at (25, 5) of the knob; Output (1.0) points to
    // the lower right (-45 degrees), at (39, 39). The knob bodies are the same image.
    const auto knobPixel = [&panel](int tag, int x, int y) {
        return panel.pixel(PanelLayout::kKnobLeft[tag] + x, PanelLayout::kKnobTop + y);
    };
    EXPECT_EQ(knobPixel(0, 25, 5), knobPixel(1, 25, 5));
    EXPECT_NE(knobPixel(0, 25, 5), knobPixel(2, 25, 5));
    EXPECT_EQ(knobPixel(0, 39, 39), knobPixel(1, 39, 39));
    EXPECT_NE(knobPixel(0, 39, 39), knobPixel(2, 39, 39));
    EXPECT_TRUE(isHandleCentre(knobPixel(2, 39, 39)));
}

TEST(PanelLayout, AHostSideParameterChangeShowsOnlyWhenThePanelOpensAgain)
{
    PanelHost panel;
    ASSERT_TRUE(panel.openEditor());
    const auto before = labelPixels(panel, 1);
    panel.host().setParameter(1, 0.0f);
    panel.idle();
    EXPECT_EQ(labelPixels(panel, 1), before);
    panel.closeEditor();
    ASSERT_TRUE(panel.openEditor());
    EXPECT_EQ(labelPixels(panel, 1), referenceLabelPixels("0%"));
}
