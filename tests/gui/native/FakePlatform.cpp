#include "FakePlatform.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

namespace fake {
Input input;
std::vector<std::string> calls;

void reset()
{
    input = Input();
    calls.clear();
}
} // namespace fake

namespace VSTGUI::platform {

namespace {
std::string text(const CPoint& p)
{
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

std::string text(const CRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + ","
           + std::to_string(r.bottom);
}

std::string hex(std::uint32_t value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "%06x", static_cast<unsigned>(value));
    return buffer;
}

void record(const std::string& call)
{
    fake::calls.push_back(call);
}

class RecordingSurface final : public DrawingSurface {
public:
    void* getDeviceContext() const override { return nullptr; }
    void setPen(const PenDescription& pen) override
    {
        record("pen " + std::string(pen.style == PenStyle::dotted ? "dotted " : "solid ") + std::to_string(pen.width)
               + " " + hex(pen.color));
    }
    void setBrush(std::uint32_t color) override { record("brush " + hex(color)); }
    void setTextBackgroundColor(std::uint32_t color) override { record("textBackground " + hex(color)); }
    void setTextColor(std::uint32_t color) override { record("textColor " + hex(color)); }
    void setRasterOperation(RasterOperation operation) override
    {
        static const char* const names[] = {"copy", "merge", "notXor"};
        record(std::string("rop ") + names[static_cast<int>(operation)]);
    }
    void setFont(const FontDescription& font) override
    {
        record("font " + std::string(font.faceName) + " " + std::to_string(font.pixelHeight) + (font.bold ? " bold" : "")
               + (font.italic ? " italic" : "") + (font.underline ? " underline" : "")
               + (font.decorative ? " decorative" : ""));
    }
    void setClipRect(const CRect& rect) override { record("clip " + text(rect)); }
    void moveTo(const CPoint& point) override { record("moveTo " + text(point)); }
    void lineTo(const CPoint& point) override { record("lineTo " + text(point)); }
    void polyline(const CPoint* points, std::int32_t count) override { record("polyline " + list(points, count)); }
    void fillPolygon(const CPoint* points, std::int32_t count) override
    {
        record("fillPolygon " + list(points, count));
    }
    void fillRect(const CRect& rect) override { record("fillRect " + text(rect)); }
    void arc(const CRect& box, const CPoint& start, const CPoint& end) override
    {
        record("arc " + text(box) + " " + text(start) + " " + text(end));
    }
    void fillPie(const CRect& box, const CPoint& start, const CPoint& end) override
    {
        record("pie " + text(box) + " " + text(start) + " " + text(end));
    }
    void fillEllipse(const CRect& box) override { record("fillEllipse " + text(box)); }
    void setPixel(const CPoint& point, std::uint32_t color) override
    {
        record("setPixel " + text(point) + " " + hex(color));
    }
    std::uint32_t getPixel(const CPoint& point) override
    {
        record("getPixel " + text(point));
        return 0x00332211u;
    }
    void floodFill(const CPoint& point) override { record("floodFill " + text(point)); }
    void drawText(const char* string, const CRect& rect, TextAlignment alignment, bool opaque) override
    {
        static const char* const names[] = {"left", "center", "right"};
        record("text \"" + std::string(string) + "\" " + text(rect) + " " + names[static_cast<int>(alignment)]
               + (opaque ? " opaque" : ""));
    }
    std::int32_t getTextWidth(const char* string) override { return static_cast<std::int32_t>(std::string(string).size()) * 7; }
    void copyArea(DrawingSurface&, const CRect& destRect, const CPoint& sourceOrigin) override
    {
        record("copy " + text(destRect) + " from " + text(sourceOrigin));
    }

private:
    static std::string list(const CPoint* points, std::int32_t count)
    {
        std::string result;
        for (std::int32_t i = 0; i < count; ++i)
            result += (i != 0 ? " " : "") + text(points[i]);
        return result;
    }
};

class MemoryImage final : public PlatformImage {
public:
    MemoryImage(std::int32_t width_, std::int32_t height_)
        : width(width_), height(height_), pixels(static_cast<std::size_t>(width_) * height_ * 4)
    {
    }
    std::int32_t getWidth() const override { return width; }
    std::int32_t getHeight() const override { return height; }
    void* getHandle() const override { return const_cast<std::uint8_t*>(pixels.data()); }
    void copyTo(DrawingSurface&, const CRect& destRect, const CPoint&) override { record("imageCopy " + text(destRect)); }
    void alphaBlendTo(DrawingSurface&, const CRect& destRect, const CPoint& source, std::uint8_t alpha,
                      bool perPixel) override
    {
        record("imageBlend " + text(destRect) + " from " + text(source) + " alpha " + std::to_string(alpha)
               + (perPixel ? " perPixel" : ""));
    }
    bool colorKeyCopyTo(DrawingSurface&, const CRect&, const CPoint&, std::uint32_t) override { return false; }
    void maskedCopyTo(DrawingSurface&, const CRect&, const CPoint&, PlatformImage&) override {}
    void keyMaskedCopyTo(DrawingSurface&, const CRect&, const CPoint&, std::uint32_t) override {}

    std::int32_t width;
    std::int32_t height;
    std::vector<std::uint8_t> pixels;
};

std::uint32_t readClock()
{
    const std::uint32_t now = fake::input.tickCount;
    fake::input.tickCount += fake::input.tickStep;
    return now;
}
} // namespace

std::unique_ptr<DrawingSurface> createWindowSurface(void*, void*)
{
    return std::make_unique<RecordingSurface>();
}

CPoint getWindowScreenOrigin(void*)
{
    return fake::input.windowOrigin;
}

std::unique_ptr<DrawingSurface> createOffscreenSurface(void*, std::int32_t width, std::int32_t height)
{
    record("offscreen " + std::to_string(width) + "x" + std::to_string(height));
    return std::make_unique<RecordingSurface>();
}

std::unique_ptr<DrawingSurface> createOffscreenSurface(DrawingSurface&, std::int32_t width, std::int32_t height)
{
    return createOffscreenSurface(static_cast<void*>(nullptr), width, height);
}

std::unique_ptr<DrawingSurface> createImageSurface(DrawingSurface&, PlatformImage&)
{
    record("imageSurface");
    return std::make_unique<RecordingSurface>();
}

std::unique_ptr<PlatformImage> createPixelImage(std::int32_t width, std::int32_t height, std::uint8_t*& pixels)
{
    auto image = std::make_unique<MemoryImage>(width, height);
    pixels = image->pixels.data();
    return image;
}

std::unique_ptr<PlatformImage> createScreenCompatibleImage(std::int32_t width, std::int32_t height)
{
    return std::make_unique<MemoryImage>(width, height);
}

std::unique_ptr<PlatformImage> loadBitmapResource(std::int32_t)
{
    return nullptr;
}

std::unique_ptr<PlatformImage> createMaskFromSurface(DrawingSurface&, const CPoint&, std::int32_t width,
                                                     std::int32_t height, std::uint32_t)
{
    return std::make_unique<MemoryImage>(width, height);
}

void* loadImageLibrary()
{
    return nullptr;
}

void unloadImageLibrary(void*) {}

CPoint getCursorPosition()
{
    fake::Input& input = fake::input;
    if (input.cursorPath.empty())
        return input.cursor;
    const std::size_t index = std::min(input.cursorReads++, input.cursorPath.size() - 1);
    return input.cursorPath[index];
}

bool isKeyDown(InputKey key)
{
    return fake::input.keysDown[static_cast<int>(key)];
}

std::uint32_t getMessageTime()
{
    return fake::input.messageTime;
}

std::uint32_t getDoubleClickTime()
{
    return fake::input.doubleClickTime;
}

std::uint32_t getTickCount()
{
    return readClock();
}

bool takePrimaryButtonPress()
{
    return fake::input.pressArrivesAt != 0 && fake::input.tickCount >= fake::input.pressArrivesAt;
}

} // namespace VSTGUI::platform
