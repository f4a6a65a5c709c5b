// The Linux panel against the Windows one, region by region: the committed screenshot that
// kvhost.exe took of the Windows build at the default values, and the live panel here. The
// background and the knobs match pixel for pixel; the label cells match in frame and fill, and
// their text is white and centred alike, differing only at the anti-aliased edges of glyphs.
#include "PngPixels.h"
#include "X11PanelFixture.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace {
// GDI and Cairo round the premultiplied artwork alike, but not always to the same last bit.
constexpr int kChannelTolerance = 2;
constexpr int kLabelHeight = PanelLayout::kLabelBottom - PanelLayout::kLabelTop;

struct Box {
    int left, top, right, bottom;  // right and bottom exclusive
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

Box knobBox(int tag)
{
    return {PanelLayout::kKnobLeft[tag], PanelLayout::kKnobTop, PanelLayout::kKnobLeft[tag] + PanelLayout::kKnobSize,
            PanelLayout::kKnobTop + PanelLayout::kKnobSize};
}

Box labelBox(int tag)
{
    return {PanelLayout::kKnobLeft[tag], PanelLayout::kLabelTop, PanelLayout::kKnobLeft[tag] + PanelLayout::kLabelWidth,
            PanelLayout::kLabelBottom};
}

bool near(const PanelPixel& a, const PanelPixel& b)
{
    return std::abs(a.red - b.red) <= kChannelTolerance && std::abs(a.green - b.green) <= kChannelTolerance
           && std::abs(a.blue - b.blue) <= kChannelTolerance;
}

// The pixels of a region that differ, and the first of them for the message.
struct Difference {
    int count = 0;
    std::string first;
};

template <typename Inside>
Difference compare(const PngPixels& shown, const PngPixels& windows, Inside inside)
{
    Difference difference;
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) {
            if (!inside(x, y) || near(shown.at(x, y), windows.at(x, y)))
                continue;
            if (difference.count++ == 0) {
                std::ostringstream text;
                const PanelPixel& l = shown.at(x, y);
                const PanelPixel& w = windows.at(x, y);
                text << "at " << x << "," << y << ": " << l.red << " " << l.green << " " << l.blue << " here, " << w.red
                     << " " << w.green << " " << w.blue << " on Windows";
                difference.first = text.str();
            }
        }
    }
    return difference;
}

// A label cell's text: where its ink lies and how much of it is white.
struct Ink {
    Box bounds{PanelLayout::kLabelWidth, kLabelHeight, -1, -1};
    int white = 0;
    std::vector<bool> inked;
};

Ink inkOf(const PngPixels& panel, int tag, const PanelPixel& fill)
{
    const Box cell = labelBox(tag);
    Ink ink;
    ink.inked.assign(static_cast<std::size_t>(PanelLayout::kLabelWidth * kLabelHeight), false);
    // Inside the one-pixel frame.
    for (int y = 1; y < kLabelHeight - 1; ++y) {
        for (int x = 1; x < PanelLayout::kLabelWidth - 1; ++x) {
            const PanelPixel& pixel = panel.at(cell.left + x, cell.top + y);
            if (near(pixel, fill))
                continue;
            ink.inked[static_cast<std::size_t>(y * PanelLayout::kLabelWidth + x)] = true;
            ink.bounds = {std::min(ink.bounds.left, x), std::min(ink.bounds.top, y), std::max(ink.bounds.right, x + 1),
                          std::max(ink.bounds.bottom, y + 1)};
            ink.white += pixel.red > 240 && pixel.green > 240 && pixel.blue > 240;
        }
    }
    return ink;
}

// An inked pixel of one picture is a glyph edge when the other has ink within a pixel of it.
int inkAwayFromGlyphEdges(const Ink& ink, const Ink& other)
{
    const auto inkedNear = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx;
                const int ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < PanelLayout::kLabelWidth && ny < kLabelHeight
                    && other.inked[static_cast<std::size_t>(ny * PanelLayout::kLabelWidth + nx)])
                    return true;
            }
        }
        return false;
    };
    int count = 0;
    for (int y = 0; y < kLabelHeight; ++y) {
        for (int x = 0; x < PanelLayout::kLabelWidth; ++x)
            count += ink.inked[static_cast<std::size_t>(y * PanelLayout::kLabelWidth + x)] && !inkedNear(x, y);
    }
    return count;
}

class X11WindowsLikeness : public X11Panel {
protected:
    void SetUp() override
    {
        X11Panel::SetUp();
        if (IsSkipped())
            return;
        windows = readPngPixels(KV_WINDOWS_PANEL_PNG);
        ASSERT_EQ(windows.width, PanelLayout::kWidth) << KV_WINDOWS_PANEL_PNG;
        ASSERT_EQ(windows.height, PanelLayout::kHeight);
        shown.width = PanelLayout::kWidth;
        shown.height = PanelLayout::kHeight;
        shown.pixels = panel->pixels(0, 0, PanelLayout::kWidth, PanelLayout::kHeight);
        ASSERT_EQ(shown.pixels.size(), windows.pixels.size());
    }

    PngPixels windows;
    PngPixels shown;
};
} // namespace

TEST_F(X11WindowsLikeness, BackgroundAndKnobsMatchPixelForPixel)
{
    const auto inAnyCell = [](int x, int y) {
        for (int tag = 0; tag < 3; ++tag) {
            if (knobBox(tag).contains(x, y) || labelBox(tag).contains(x, y))
                return true;
        }
        return false;
    };
    const Difference background = compare(shown, windows, [&](int x, int y) { return !inAnyCell(x, y); });
    EXPECT_EQ(background.count, 0) << "background " << background.first;
    for (int tag = 0; tag < 3; ++tag) {
        const Difference knob = compare(shown, windows, [&](int x, int y) { return knobBox(tag).contains(x, y); });
        EXPECT_EQ(knob.count, 0) << "knob " << tag << " " << knob.first;
    }
}

TEST_F(X11WindowsLikeness, LabelCellsMatchAndTheirTextIsWhiteAndCentredAlike)
{
    for (int tag = 0; tag < 3; ++tag) {
        const Box cell = labelBox(tag);
        const PanelPixel fill = windows.at(cell.left + 2, cell.top + 2);
        const Difference frame = compare(shown, windows, [&](int x, int y) {
            return cell.contains(x, y)
                   && (x == cell.left || y == cell.top || x == cell.right - 1 || y == cell.bottom - 1);
        });
        EXPECT_EQ(frame.count, 0) << "label " << tag << " frame " << frame.first;

        const Ink here = inkOf(shown, tag, fill);
        const Ink there = inkOf(windows, tag, fill);
        ASSERT_GE(there.bounds.right, there.bounds.left) << "the Windows label " << tag << " has text";
        ASSERT_GE(here.bounds.right, here.bounds.left) << "label " << tag << " has text";
        // Cairo smooths glyph edges where GDI does not, so fewer pixels are fully white here.
        EXPECT_GT(here.white, 5) << "label " << tag << " is written in white as on Windows";
        EXPECT_NEAR(here.bounds.left + here.bounds.right, there.bounds.left + there.bounds.right, 2)
            << "label " << tag << " is centred across as on Windows";
        EXPECT_NEAR(here.bounds.top + here.bounds.bottom, there.bounds.top + there.bounds.bottom, 2)
            << "label " << tag << " is centred down as on Windows";
        EXPECT_EQ(inkAwayFromGlyphEdges(here, there), 0) << "label " << tag << ": ink where Windows has none";
        EXPECT_EQ(inkAwayFromGlyphEdges(there, here), 0) << "label " << tag << ": no ink where Windows has some";
    }
}
