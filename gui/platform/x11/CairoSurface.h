// A drawing surface on a Cairo surface: the frame window's (through its own connection), an
// offscreen image, or a bitmap's image. Images the PNG decoder fills are stored bottom-up, so a
// surface on one draws through a flipped transform and maps pixel reads the same way.
// Shapes and lines are drawn without anti-aliasing, so they land on the same pixels as on
// Windows; text is anti-aliased.
#pragma once

#include "../DrawingSurface.h"
#include "X11ErrorScope.h"

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace VSTGUI::platform {

class CairoSurface final : public DrawingSurface {
public:
    // Takes over the reference of target; scope (for a window's surface) lives as long.
    CairoSurface(cairo_surface_t* target, bool bottomUp, std::unique_ptr<X11ErrorScope> scope = nullptr);
    ~CairoSurface() override;

    CairoSurface(const CairoSurface&) = delete;
    CairoSurface& operator=(const CairoSurface&) = delete;

    // A surface that draws nothing, for a window that is gone.
    static std::unique_ptr<CairoSurface> detached();

    // Paints an area of an image surface (bottom-up or not) into destRect of this surface.
    void paintFrom(cairo_surface_t* source, bool sourceBottomUp, const CRect& destRect, const CPoint& sourceOrigin,
                   cairo_operator_t operation, double alpha = 1.0);
    // The pixels of an area as 0x00BBGGRR, row by row from the top; outside ones read as zero.
    std::vector<std::uint32_t> readArea(const CPoint& origin, std::int32_t width, std::int32_t height);

    // The Cairo context, for a view that draws with Cairo itself.
    void* getDeviceContext() const override { return context; }

    void setPen(const PenDescription& pen) override;
    void setBrush(std::uint32_t color) override;
    void setTextBackgroundColor(std::uint32_t color) override;
    void setTextColor(std::uint32_t color) override;
    void setRasterOperation(RasterOperation operation) override;
    void setFont(const FontDescription& font) override;
    void setClipRect(const CRect& rect) override;

    void moveTo(const CPoint& point) override;
    void lineTo(const CPoint& point) override;
    void polyline(const CPoint* points, std::int32_t count) override;
    void fillPolygon(const CPoint* points, std::int32_t count) override;
    void fillRect(const CRect& rect) override;
    void arc(const CRect& box, const CPoint& start, const CPoint& end) override;
    void fillPie(const CRect& box, const CPoint& start, const CPoint& end) override;
    void fillEllipse(const CRect& box) override;

    void setPixel(const CPoint& point, std::uint32_t color) override;
    std::uint32_t getPixel(const CPoint& point) override;
    void floodFill(const CPoint& point) override;

    void drawText(const char* text, const CRect& rect, TextAlignment alignment, bool opaque) override;
    std::int32_t getTextWidth(const char* text) override;

    void copyArea(DrawingSurface& destination, const CRect& destRect, const CPoint& sourceOrigin) override;

private:
    // Calls visit(pixel, x, y) for each pixel of the area inside the surface, in device
    // coordinates, on a mapped image; writes it back when write is set.
    template <typename Visit>
    void visitPixels(const CRect& area, bool write, Visit visit);
    void useColor(std::uint32_t color);
    void strokeCurrentPath();
    void ellipsePath(const CRect& box, double inset, const CPoint* start, const CPoint* end, bool fromCentre);
    void applyFont();

    std::unique_ptr<X11ErrorScope> errorScope;
    cairo_surface_t* target;
    cairo_t* context;
    bool bottomUp;
    std::int32_t width;
    std::int32_t height;
    PenDescription pen;
    std::uint32_t brushColor = 0xFFFFFFu;
    std::uint32_t textColor = 0;
    std::uint32_t textBackgroundColor = 0xFFFFFFu;
    cairo_operator_t operation = CAIRO_OPERATOR_OVER;
    FontDescription font;
    CRect clip;
    CPoint current;
};

} // namespace VSTGUI::platform
