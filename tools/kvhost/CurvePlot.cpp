#include "CurvePlot.h"

#include "PngFile.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kSizePixels = 400;
constexpr int kMarginPixels = 20;
constexpr float kGridStep = 0.5f;

struct Colour {
    std::uint8_t red, green, blue;
};

constexpr Colour kBackground{255, 255, 255};
constexpr Colour kGrid{225, 225, 225};
constexpr Colour kAxis{120, 120, 120};
constexpr Colour kCurve{200, 40, 30};

// Maps levels from -range to +range onto the plot area; y grows upwards.
class Canvas {
public:
    explicit Canvas(float range) : level(range), image{kSizePixels, kSizePixels, {}}
    {
        image.pixels.resize(static_cast<std::size_t>(kSizePixels * kSizePixels * 3));
        fill(0, 0, kSizePixels - 1, kSizePixels - 1, kBackground);
    }

    int column(float x) const { return pixel(x); }
    int row(float y) const { return kSizePixels - 1 - pixel(y); }

    void fill(int left, int top, int right, int bottom, Colour colour)
    {
        for (int y = std::max(top, 0); y <= std::min(bottom, kSizePixels - 1); ++y)
            for (int x = std::max(left, 0); x <= std::min(right, kSizePixels - 1); ++x) {
                std::uint8_t* p = &image.pixels[static_cast<std::size_t>((y * kSizePixels + x) * 3)];
                p[0] = colour.red;
                p[1] = colour.green;
                p[2] = colour.blue;
            }
    }

    const RgbImage& picture() const { return image; }

private:
    int pixel(float value) const
    {
        const float unit = (value + level) / (2.0f * level);
        return kMarginPixels + static_cast<int>(std::lround(unit * (kSizePixels - 1 - 2 * kMarginPixels)));
    }

    float level;
    RgbImage image;
};

void drawGrid(Canvas& canvas, float range)
{
    const int steps = static_cast<int>(range / kGridStep);
    for (int i = -steps; i <= steps; ++i) {
        const float value = static_cast<float>(i) * kGridStep;
        const Colour colour = i == 0 ? kAxis : kGrid;
        canvas.fill(canvas.column(value), canvas.row(range), canvas.column(value), canvas.row(-range), colour);
        canvas.fill(canvas.column(-range), canvas.row(value), canvas.column(range), canvas.row(value), colour);
    }
}
} // namespace

void writeCurvePlot(const std::string& path, const std::vector<float>& inputs, const std::vector<float>& outputs, float range)
{
    Canvas canvas(range);
    drawGrid(canvas, range);
    int previousRow = -1;
    for (std::size_t i = 0; i < inputs.size() && i < outputs.size(); ++i) {
        const int x = canvas.column(inputs[i]);
        const int y = canvas.row(std::clamp(outputs[i], -range, range));
        // Joins each point to the last one so steep parts of the curve stay unbroken.
        const int from = previousRow < 0 ? y : previousRow;
        canvas.fill(x - 1, std::min(from, y) - 1, x + 1, std::max(from, y) + 1, kCurve);
        previousRow = y;
    }
    writePng(path, canvas.picture());
}
