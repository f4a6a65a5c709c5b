// What the draw contexts need from a platform drawing surface (a window's or a memory one).
// The surface owns the pen, brush and font it creates and puts back what it found selected;
// coordinates arrive in device pixels, colours as 0x00BBGGRR.
#pragma once

#include "../CPoint.h"
#include "../CRect.h"

#include <cstdint>

namespace VSTGUI::platform {

enum class PenStyle { solid, dotted };
enum class RasterOperation { copy, merge, notXor };
enum class TextAlignment { left, center, right };

struct PenDescription {
    PenStyle style = PenStyle::solid;
    std::int32_t width = 0;
    std::uint32_t color = 0;

    bool operator==(const PenDescription& other) const
    {
        return style == other.style && width == other.width && color == other.color;
    }
};

struct FontDescription {
    std::int32_t pixelHeight = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool decorative = false; // the symbol font's family; all others are variable-pitch sans-serif
    const char* faceName = "";
};

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // The platform's device context this surface draws through (null when it has none).
    virtual void* getDeviceContext() const = 0;

    // State: each call replaces the one object it concerns.
    virtual void setPen(const PenDescription& pen) = 0;
    // When no brush can be made the previous one stays selected.
    virtual void setBrush(std::uint32_t color) = 0;
    virtual void setTextBackgroundColor(std::uint32_t color) = 0;
    virtual void setTextColor(std::uint32_t color) = 0;
    virtual void setRasterOperation(RasterOperation operation) = 0;
    virtual void setFont(const FontDescription& font) = 0;
    virtual void setClipRect(const CRect& rect) = 0;

    // Lines and shapes. Boxes exclude their right and bottom edge; arcs run counter-clockwise.
    virtual void moveTo(const CPoint& point) = 0;
    virtual void lineTo(const CPoint& point) = 0;
    virtual void polyline(const CPoint* points, std::int32_t count) = 0;
    virtual void fillPolygon(const CPoint* points, std::int32_t count) = 0;
    virtual void fillRect(const CRect& rect) = 0;
    virtual void arc(const CRect& box, const CPoint& start, const CPoint& end) = 0;
    virtual void fillPie(const CRect& box, const CPoint& start, const CPoint& end) = 0;
    virtual void fillEllipse(const CRect& box) = 0;

    // Pixels.
    virtual void setPixel(const CPoint& point, std::uint32_t color) = 0;
    virtual std::uint32_t getPixel(const CPoint& point) = 0;
    virtual void floodFill(const CPoint& point) = 0;

    // Text on one line, vertically centred and clipped to the rectangle, ampersands literal.
    virtual void drawText(const char* text, const CRect& rect, TextAlignment alignment, bool opaque) = 0;
    virtual std::int32_t getTextWidth(const char* text) = 0;

    // Plain copy of this surface's area at sourceOrigin to destRect on another surface.
    virtual void copyArea(DrawingSurface& destination, const CRect& destRect, const CPoint& sourceOrigin) = 0;
};

} // namespace VSTGUI::platform
