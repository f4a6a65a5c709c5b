// The built plug-in's panel in a real X window: its pixels against the panel's artwork and
// layout, and real pointer input from the X test extension turning the knobs.
#include "PngPixels.h"
#include "X11PanelFixture.h"

namespace {
constexpr unsigned int kWheelUp = 4;
constexpr unsigned int kWheelLeft = 6;
constexpr unsigned int kWheelRight = 7;
constexpr unsigned char kVirtualKeyUp = 12;
constexpr unsigned char kVirtualKeyDown = 14;
constexpr float kModifierShift = 1.0f;
constexpr PanelPixel kLabelFill = {120, 145, 236};
constexpr PanelPixel kBlack = {0, 0, 0};

// The framework premultiplies with alpha over 256, which takes one off bright opaque channels.
int premultiplied(int channel)
{
    return channel * 255 / 256;
}

// The panel's background artwork, as the plug-in shows it.
std::vector<PanelPixel> backgroundArtwork()
{
    std::vector<PanelPixel> pixels = readPngPixels(KV_BACKGROUND_PNG).pixels;
    for (PanelPixel& pixel : pixels)
        pixel = {premultiplied(pixel.red), premultiplied(pixel.green), premultiplied(pixel.blue)};
    return pixels;
}

// The handle dot's centre is light, so it reads on the dark knob body at every angle.
bool isHandleCentre(const PanelPixel& pixel)
{
    return pixel.red + pixel.green + pixel.blue > 500;
}

} // namespace

TEST_F(X11Panel, ReportsItsEditorAndOpensOneChildWindowOfThePanelSize)
{
    EXPECT_EQ(panel->effect()->flags & 0x11, 0x11);
    ERect* rect = nullptr;
    ASSERT_EQ(panel->dispatch(effEditGetRect, 0, 0, &rect), 1);
    EXPECT_EQ(rect->right, PanelLayout::kWidth);
    EXPECT_EQ(rect->bottom, PanelLayout::kHeight);
    EXPECT_EQ(panel->childWindowCount(), 1);
    panel->closeEditor();
    EXPECT_EQ(panel->childWindowCount(), 0);
}

TEST_F(X11Panel, ShowsTheArtworkAroundTheKnobsAndLabels)
{
    const std::vector<PanelPixel> artwork = backgroundArtwork();
    ASSERT_EQ(artwork.size(), static_cast<std::size_t>(PanelLayout::kWidth * PanelLayout::kHeight));
    // Everything above the knobs is the background alone.
    const std::vector<PanelPixel> shown = panel->pixels(0, 0, PanelLayout::kWidth, PanelLayout::kKnobTop);
    const std::vector<PanelPixel> expected(artwork.begin(), artwork.begin() + shown.size());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < shown.size(); ++i)
        differing += shown[i] != expected[i];
    EXPECT_EQ(differing, 0u);
    if (differing != 0) {
        std::size_t first = 0;
        while (shown[first] == expected[first])
            ++first;
        ADD_FAILURE() << "first at " << first % PanelLayout::kWidth << "," << first / PanelLayout::kWidth << ": "
                      << shown[first].red << " " << shown[first].green << " " << shown[first].blue << " instead of "
                      << expected[first].red << " " << expected[first].green << " " << expected[first].blue;
    }
}

TEST_F(X11Panel, LabelsAreFramedFilledAndCentredAsOnWindows)
{
    for (int tag = 0; tag < 3; ++tag) {
        const int left = PanelLayout::kKnobLeft[tag];
        EXPECT_EQ(panel->pixel(left, 200), kBlack);
        EXPECT_EQ(panel->pixel(left + 49, 219), kBlack);
        EXPECT_EQ(panel->pixel(left + 2, 202), kLabelFill);
        EXPECT_EQ(panel->pixel(left + 47, 217), kLabelFill);
        // The text's ink: white, inside the frame, centred across and down to a pixel or two.
        const std::vector<PanelPixel> cell = label(tag);
        int inkLeft = PanelLayout::kLabelWidth, inkRight = -1, inkTop = 20, inkBottom = -1, white = 0;
        for (int y = 1; y < 19; ++y) {
            for (int x = 1; x < 49; ++x) {
                const PanelPixel& p = cell[static_cast<std::size_t>(y * PanelLayout::kLabelWidth + x)];
                if (p == kLabelFill)
                    continue;
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
                inkTop = std::min(inkTop, y);
                inkBottom = std::max(inkBottom, y);
                white += p.red > 240 && p.green > 240 && p.blue > 240;
            }
        }
        ASSERT_GE(inkRight, inkLeft) << "label " << tag << " shows text";
        EXPECT_GT(white, 5) << "label " << tag << " is written in white";
        EXPECT_NEAR((inkLeft + inkRight) / 2.0, 24.5, 2.0) << "label " << tag;
        EXPECT_NEAR((inkTop + inkBottom) / 2.0, 9.5, 2.5) << "label " << tag;
    }
}

TEST_F(X11Panel, KnobHandlesSitOnTheCircleAtTheirValues)
{
    const auto knobPixel = [this](int tag, int x, int y) {
        return panel->pixel(PanelLayout::kKnobLeft[tag] + x, PanelLayout::kKnobTop + y);
    };
    EXPECT_EQ(knobPixel(0, 25, 5), knobPixel(1, 25, 5));
    EXPECT_NE(knobPixel(0, 25, 5), knobPixel(2, 25, 5));
    EXPECT_TRUE(isHandleCentre(knobPixel(2, 39, 39)));
    EXPECT_NE(knobPixel(0, 39, 39), knobPixel(2, 39, 39));
}

TEST_F(X11Panel, ARealDragTurnsTheKnobWithOneEditAndTheLabelFollowsOnTheNextIdle)
{
    const std::vector<PanelPixel> before = label(0);
    // From 180 degrees over the top to 45 degrees: from 1/6 to 2/3 of the range.
    drag(60, 155, 94, 141);
    EXPECT_NEAR(panel->parameter(0), 2.0f / 3.0f, 0.02f);
    EXPECT_EQ(panel->editRequests(), oneEditOf(0));
    panel->idle();
    EXPECT_NE(label(0), before);
    EXPECT_FLOAT_EQ(panel->parameter(1), 0.5f) << "the other knobs stay";
}

TEST_F(X11Panel, TheWheelStepsTheKnobUnderThePointer)
{
    FakeInput input;
    input.moveTo(PanelLayout::knobCentreX(1), PanelLayout::knobCentreY());
    input.click(kWheelUp);
    panel->idle();
    EXPECT_NEAR(panel->parameter(1), 0.6f, 1e-4f);
    EXPECT_EQ(panel->editRequests(), oneEditOf(1));

    // A knob takes either wheel; the horizontal one turns it up towards the right.
    panel->clearRequests();
    input.click(kWheelRight);
    panel->idle();
    EXPECT_NEAR(panel->parameter(1), 0.7f, 1e-4f);
    EXPECT_EQ(panel->editRequests(), oneEditOf(1));
    input.click(kWheelLeft);
    panel->idle();
    EXPECT_NEAR(panel->parameter(1), 0.6f, 1e-4f);
}

TEST_F(X11Panel, ControlClickSetsTheDefaultAndArrowKeysFromTheHostStepThatKnob)
{
    controlClick(2);
    EXPECT_FLOAT_EQ(panel->parameter(2), 0.5f);
    EXPECT_EQ(panel->editRequests(), oneEditOf(2));
    panel->clearRequests();

    EXPECT_EQ(panel->dispatch(effEditKeyDown, 0, kVirtualKeyUp, nullptr, 0.0f), 1);
    EXPECT_NEAR(panel->parameter(2), 0.6f, 1e-4f);
    EXPECT_EQ(panel->dispatch(effEditKeyDown, 0, kVirtualKeyDown, nullptr, kModifierShift), 1);
    EXPECT_NEAR(panel->parameter(2), 0.59f, 1e-4f);
    EXPECT_EQ(panel->dispatch(effEditKeyDown, 'a', 0, nullptr, 0.0f), 0) << "other keys go back to the host";
}
