// A drawing surface on a Windows device context: the window's, one handed in, or a memory
// one with an image selected. It owns the pen, brush and font it creates and, when it goes,
// puts back the objects it found selected before deleting its own.
#pragma once

#include "../DrawingSurface.h"

#include <windows.h>

#include <memory>

namespace VSTGUI::platform {

class GdiSurface final : public DrawingSurface {
public:
    // dc stays the caller's; it may be null (then nothing is drawn).
    static std::unique_ptr<GdiSurface> onContext(HDC dc);
    // The window's own device context, released again at destruction.
    static std::unique_ptr<GdiSurface> onWindow(HWND window);
    // A memory device context compatible with compatible, with image selected; the image is
    // deleted at destruction when ownsImage is set.
    static std::unique_ptr<GdiSurface> inMemory(HDC compatible, HBITMAP image, bool ownsImage);
    ~GdiSurface() override;

    HDC getDc() const { return dc; }
    void* getDeviceContext() const override { return dc; }

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
    explicit GdiSurface(HDC dc);
    void recordSelectedObjects();
    // Selects the new object and deletes the one this surface made before.
    template <typename Handle>
    void replaceOwn(Handle& own, Handle replacement);

    HDC dc;
    HWND releaseToWindow = nullptr;
    bool ownsDc = false;
    HBITMAP image = nullptr;
    bool ownsImage = false;
    HGDIOBJ previousImage = nullptr;
    HGDIOBJ previousBrush = nullptr;
    HGDIOBJ previousPen = nullptr;
    HGDIOBJ previousFont = nullptr;
    HBRUSH brush = nullptr;
    HPEN pen = nullptr;
    HFONT font = nullptr;
};

} // namespace VSTGUI::platform
