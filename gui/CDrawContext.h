// The drawing surface every view draws into: the current drawing state, the device offset
// that containers shift for their children, and line, shape, text, pixel, clip and mouse
// operations in view coordinates. Setters reach the platform only when the value changes.
#pragma once

#include "CColor.h"
#include "CFont.h"
#include "CPoint.h"
#include "CRect.h"
#include "CReferenceCounter.h"
#include "GuiEnums.h"
#include "platform/DrawingSurface.h"

#include <cstdint>
#include <memory>

namespace VSTGUI {

class CFrame;

class CDrawContext : public CReferenceCounter {
public:
    // The surface is systemContext, or else the window's own one; both may be null.
    CDrawContext(CFrame* frame, void* systemContext, void* window);
    // A context on a surface made by the platform layer (memory surfaces, other backends).
    CDrawContext(CFrame* frame, std::unique_ptr<platform::DrawingSurface> surface);
    ~CDrawContext() override;

    // [SECTION] State
    void setFrameColor(CColor color);
    CColor getFrameColor() const { return frameColor; }
    void setLineWidth(std::int32_t width);
    std::int32_t getLineWidth() const { return lineWidth; }
    void setLineStyle(CLineStyle style);
    CLineStyle getLineStyle() const { return lineStyle; }
    void setFillColor(CColor color);
    CColor getFillColor() const { return fillColor; }
    void setFontColor(CColor color);
    CColor getFontColor() const { return fontColor; }
    void setDrawMode(CDrawMode mode);
    CDrawMode getDrawMode() const { return drawMode; }
    void setFont(CFont fontId, std::int32_t size = 0, std::int32_t style = 0);
    CFont getFont() const { return fontId; }
    std::int32_t getFontSize() const { return fontSize; }
    std::int32_t getFontStyle() const { return fontStyle; }

    // The clip is kept in device coordinates (offset applied) by both operations.
    void setClipRect(const CRect& rect);
    CRect& getClipRect(CRect& rect) const
    {
        rect = clipRect;
        return rect;
    }
    void resetClipRect();
    // The clip in the coordinates of the view now drawing (offset taken off).
    CRect clipInViewCoordinates() const;

    CFrame* getFrame() const { return frame; }
    void* getWindow() const { return window; }
    // The device context in use: the one handed in, the window's or an offscreen one.
    void* getSystemContext() const { return surface->getDeviceContext(); }
    platform::DrawingSurface& getPlatformSurface() { return *surface; }

    // [SECTION] Lines and shapes
    void moveTo(const CPoint& point);
    void lineTo(const CPoint& point);
    void drawLines(const CPoint* points, const std::int32_t& numberOfLines);
    void polyLine(const CPoint* points, std::int32_t numberOfPoints);
    void drawPolygon(const CPoint* points, std::int32_t numberOfPoints, CDrawStyle style = kDrawStyleStroked);
    void fillPolygon(const CPoint* points, std::int32_t numberOfPoints);
    void drawRect(const CRect& rect, CDrawStyle style = kDrawStyleStroked);
    void fillRect(const CRect& rect);
    void drawEllipse(const CRect& rect, CDrawStyle style = kDrawStyleStroked);
    void fillEllipse(const CRect& rect);
    void drawArc(const CRect& rect, const CPoint& start, const CPoint& end);
    void fillArc(const CRect& rect, const CPoint& start, const CPoint& end);
    void drawArc(const CRect& rect, float startAngle, float endAngle, CDrawStyle style = kDrawStyleStroked);

    // [SECTION] Pixels and text
    void drawPoint(const CPoint& point, CColor color);
    CColor getPoint(const CPoint& point);
    void floodFill(const CPoint& start);
    void drawString(const char* string, const CRect& rect, std::int16_t opaque = 0,
                    CHoriTxtAlign align = kAlignCenter);
    std::int32_t getStringWidth(const char* string);

    // [SECTION] Mouse
    void getMouseLocation(CPoint& point);
    std::int32_t getMouseButtons();
    bool waitDoubleClick();
    bool waitDrag();

    // Containers shift both while they draw their children.
    CPoint offsetScreen;
    CPoint offset;

private:
    void applyInitialState();
    void replacePen();
    CPoint toDevice(const CPoint& point) const;
    CRect toDevice(const CRect& rect) const;
    // Box of the arc and ellipse operations: right and bottom one further, offset applied.
    CRect arcBox(const CRect& rect) const;
    CPoint localCursorPosition() const;
    void applyClip(const CRect& deviceRect);
    template <typename DrawOperation>
    void withDevicePoints(const CPoint* points, std::int32_t count, DrawOperation draw);

    void* window;
    CFrame* frame;
    std::int32_t fontSize = -1;
    std::int32_t fontStyle = 0;
    CFont fontId = kFontCount;
    CColor fontColor;
    std::int32_t lineWidth = 0;
    CColor frameColor;
    CColor fillColor;
    // Values no setter asks for, so the initial requests pass change detection.
    CLineStyle lineStyle = static_cast<CLineStyle>(1);
    CDrawMode drawMode = static_cast<CDrawMode>(3);
    CRect clipRect;
    platform::PenStyle penStyle = platform::PenStyle::solid;
    std::unique_ptr<platform::DrawingSurface> surface;
};

} // namespace VSTGUI
