#include "CurvePlot.h"

#include "BitmapFont.h"
#include "PngFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
constexpr int kWidth = 720;
constexpr int kHeight = 600;
constexpr int kPlotLeft = 100;
constexpr int kPlotRight = 690;
constexpr int kPlotTop = 110;
constexpr int kPlotBottom = 490;
constexpr int kTextScale = 2;
constexpr int kTitleScale = 3;
constexpr int kTextHeight = kGlyphHeight * kTextScale;

struct Axis {
    float lowest;
    float highest;
    float labelStep;
    const char* labelFormat;
};

constexpr Axis kInputAxis{-1.5f, 1.5f, 0.5f, "%.1f"};
constexpr Axis kOutputAxis{-1.25f, 0.75f, 0.25f, "%.2f"};
constexpr float kMinorSteps = 2.0f;

constexpr Rgb kBackground{255, 255, 255};
constexpr Rgb kMinorGrid{240, 240, 240};
constexpr Rgb kGrid{215, 215, 215};
constexpr Rgb kZeroLine{120, 120, 120};
constexpr Rgb kFrame{60, 60, 60};
constexpr Rgb kText{25, 25, 25};
constexpr Rgb kCurve{200, 40, 30};
constexpr Rgb kClamp{40, 90, 200};

void fill(RgbImage& image, int left, int top, int right, int bottom, Rgb colour)
{
    for (int y = std::max(top, 0); y <= std::min(bottom, image.height - 1); ++y)
        for (int x = std::max(left, 0); x <= std::min(right, image.width - 1); ++x) {
            std::uint8_t* p = &image.pixels[(static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) + static_cast<std::size_t>(x)) * 3];
            p[0] = colour.red;
            p[1] = colour.green;
            p[2] = colour.blue;
        }
}

int column(float input)
{
    const float unit = (input - kInputAxis.lowest) / (kInputAxis.highest - kInputAxis.lowest);
    return kPlotLeft + static_cast<int>(std::lround(unit * (kPlotRight - kPlotLeft)));
}

// Levels past the axis stay on the plot's edge.
int row(float output)
{
    const float unit = (std::clamp(output, kOutputAxis.lowest, kOutputAxis.highest) - kOutputAxis.lowest)
                       / (kOutputAxis.highest - kOutputAxis.lowest);
    return kPlotBottom - static_cast<int>(std::lround(unit * (kPlotBottom - kPlotTop)));
}

// Each step's value, computed from its index so no rounding error piles up.
template <class Visit>
void forEachStep(const Axis& axis, float step, Visit visit)
{
    const int steps = static_cast<int>(std::lround((axis.highest - axis.lowest) / step));
    for (int i = 0; i <= steps; ++i)
        visit(axis.lowest + static_cast<float>(i) * step);
}

std::string label(const Axis& axis, float value)
{
    char text[16];
    std::snprintf(text, sizeof(text), axis.labelFormat, static_cast<double>(value));
    // "-0.0" would read as a different point from "0.0".
    return std::string(text).find_first_not_of("-0.") == std::string::npos ? std::string(text).substr(text[0] == '-') : text;
}

void drawGrid(RgbImage& image)
{
    forEachStep(kInputAxis, kInputAxis.labelStep / kMinorSteps,
                [&](float x) { fill(image, column(x), kPlotTop, column(x), kPlotBottom, kMinorGrid); });
    forEachStep(kOutputAxis, kOutputAxis.labelStep / kMinorSteps,
                [&](float y) { fill(image, kPlotLeft, row(y), kPlotRight, row(y), kMinorGrid); });
    forEachStep(kInputAxis, kInputAxis.labelStep, [&](float x) {
        fill(image, column(x), kPlotTop, column(x), kPlotBottom, x == 0.0f ? kZeroLine : kGrid);
        const std::string text = label(kInputAxis, x);
        fill(image, column(x), kPlotBottom, column(x), kPlotBottom + 5, kFrame);
        drawText(image, text, column(x) - textWidth(text, kTextScale) / 2, kPlotBottom + 10, kTextScale, kText);
    });
    forEachStep(kOutputAxis, kOutputAxis.labelStep, [&](float y) {
        fill(image, kPlotLeft, row(y), kPlotRight, row(y), y == 0.0f ? kZeroLine : kGrid);
        const std::string text = label(kOutputAxis, y);
        fill(image, kPlotLeft - 5, row(y), kPlotLeft, row(y), kFrame);
        drawText(image, text, kPlotLeft - 10 - textWidth(text, kTextScale), row(y) - kTextHeight / 2, kTextScale, kText);
    });
    fill(image, kPlotLeft, kPlotTop, kPlotRight, kPlotTop, kFrame);
    fill(image, kPlotLeft, kPlotBottom, kPlotRight, kPlotBottom, kFrame);
    fill(image, kPlotLeft, kPlotTop, kPlotLeft, kPlotBottom, kFrame);
    fill(image, kPlotRight, kPlotTop, kPlotRight, kPlotBottom, kFrame);
}

void drawDashes(RgbImage& image, int left, int right, int y, Rgb colour)
{
    for (int x = left; x <= right; x += 12)
        fill(image, x, y - 1, std::min(x + 6, right), y, colour);
}

void drawCurve(RgbImage& image, const CurvePlot& plot)
{
    int previousRow = -1;
    for (std::size_t i = 0; i < plot.inputs.size() && i < plot.outputs.size(); ++i) {
        const int x = column(plot.inputs[i]);
        const int y = row(plot.outputs[i]);
        // Joins each point to the last one so steep parts of the curve stay unbroken.
        const int from = previousRow < 0 ? y : previousRow;
        fill(image, x - 1, std::min(from, y) - 1, x + 1, std::max(from, y) + 1, kCurve);
        previousRow = y;
    }
}

void drawLabels(RgbImage& image, const CurvePlot& plot)
{
    drawText(image, plot.title, kPlotLeft, 16, kTitleScale, kText);
    drawText(image, plot.subtitle, kPlotLeft, 52, kTextScale, kText);
    drawText(image, "output level", kPlotLeft - 80, kPlotTop - 12 - kTextHeight, kTextScale, kText);
    const std::string inputTitle = "input level";
    drawText(image, inputTitle, (kPlotLeft + kPlotRight - textWidth(inputTitle, kTextScale)) / 2, kPlotBottom + 36,
             kTextScale, kText);
    const int legendTop = kPlotBottom + 70;
    fill(image, kPlotLeft, legendTop + kTextHeight / 2 - 1, kPlotLeft + 30, legendTop + kTextHeight / 2 + 1, kCurve);
    drawText(image, "transfer curve", kPlotLeft + 40, legendTop, kTextScale, kText);
    const int clampLegend = kPlotLeft + 230;
    drawDashes(image, clampLegend, clampLegend + 30, legendTop + kTextHeight / 2 + 1, kClamp);
    char text[64];
    std::snprintf(text, sizeof(text), "clamp bounds %.2f / %.2f", static_cast<double>(plot.clampLow),
                  static_cast<double>(plot.clampHigh));
    drawText(image, text, clampLegend + 40, legendTop, kTextScale, kText);
}
} // namespace

void writeCurvePlot(const std::string& path, const CurvePlot& plot)
{
    RgbImage image{kWidth, kHeight, std::vector<std::uint8_t>(static_cast<std::size_t>(kWidth * kHeight * 3))};
    fill(image, 0, 0, kWidth - 1, kHeight - 1, kBackground);
    drawGrid(image);
    drawDashes(image, kPlotLeft, kPlotRight, row(plot.clampLow), kClamp);
    drawDashes(image, kPlotLeft, kPlotRight, row(plot.clampHigh), kClamp);
    drawCurve(image, plot);
    drawLabels(image, plot);
    writePng(path, image);
}
