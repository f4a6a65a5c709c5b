#include "GdiSurface.h"

#include <cstring>
#include <initializer_list>

namespace VSTGUI::platform {

namespace {
static_assert(sizeof(CPoint) == sizeof(POINT) && alignof(CPoint) == alignof(POINT),
              "points go to the platform as they are");

// Logical-font fields the framework fixes.
constexpr LONG kBoldWeight = 700;
constexpr LONG kNormalWeight = 400;
constexpr BYTE kSansSerifVariablePitch = 0x22;
constexpr BYTE kDecorativeDefaultPitch = 0x50;
constexpr BYTE kStringPrecision = 1;
constexpr BYTE kStrokeClipPrecision = 2;

const POINT* platformPoints(const CPoint* points)
{
    return reinterpret_cast<const POINT*>(points);
}

int platformRop2(RasterOperation operation)
{
    switch (operation) {
    case RasterOperation::merge:
        return R2_MERGEPEN;
    case RasterOperation::notXor:
        return R2_NOTXORPEN;
    case RasterOperation::copy:
        break;
    }
    return R2_COPYPEN;
}

UINT textFormat(TextAlignment alignment)
{
    const UINT base = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    switch (alignment) {
    case TextAlignment::center:
        return base | DT_CENTER;
    case TextAlignment::right:
        return base | DT_RIGHT;
    case TextAlignment::left:
        break;
    }
    return base | DT_LEFT;
}

// Shapes that only fill are drawn with the null pen, which is put back afterwards.
class NullPenScope {
public:
    explicit NullPenScope(HDC dc_) : dc(dc_), previous(SelectObject(dc_, GetStockObject(NULL_PEN))) {}
    ~NullPenScope()
    {
        if (previous != nullptr)
            SelectObject(dc, previous);
    }
    NullPenScope(const NullPenScope&) = delete;
    NullPenScope& operator=(const NullPenScope&) = delete;

private:
    HDC dc;
    HGDIOBJ previous;
};
} // namespace

// [SECTION] Creation and destruction

GdiSurface::GdiSurface(HDC dc_) : dc(dc_)
{
    recordSelectedObjects();
}

std::unique_ptr<GdiSurface> GdiSurface::onContext(HDC dc)
{
    return std::unique_ptr<GdiSurface>(new GdiSurface(dc));
}

std::unique_ptr<GdiSurface> GdiSurface::onWindow(HWND window)
{
    std::unique_ptr<GdiSurface> surface(new GdiSurface(GetDC(window)));
    if (surface->dc != nullptr)
        surface->releaseToWindow = window;
    return surface;
}

std::unique_ptr<GdiSurface> GdiSurface::inMemory(HDC compatible, HBITMAP image, bool ownsImage)
{
    std::unique_ptr<GdiSurface> surface(new GdiSurface(CreateCompatibleDC(compatible)));
    surface->ownsDc = surface->dc != nullptr;
    surface->image = image;
    surface->ownsImage = ownsImage;
    if (surface->dc != nullptr && image != nullptr)
        surface->previousImage = SelectObject(surface->dc, image);
    return surface;
}

void GdiSurface::recordSelectedObjects()
{
    if (dc == nullptr)
        return;
    previousBrush = GetCurrentObject(dc, OBJ_BRUSH);
    previousPen = GetCurrentObject(dc, OBJ_PEN);
    previousFont = GetCurrentObject(dc, OBJ_FONT);
    SetBkMode(dc, TRANSPARENT);
}

GdiSurface::~GdiSurface()
{
    if (dc != nullptr) {
        for (HGDIOBJ previous : {previousBrush, previousPen, previousFont, previousImage}) {
            if (previous != nullptr)
                SelectObject(dc, previous);
        }
    }
    for (HGDIOBJ own : {static_cast<HGDIOBJ>(brush), static_cast<HGDIOBJ>(pen), static_cast<HGDIOBJ>(font)}) {
        if (own != nullptr)
            DeleteObject(own);
    }
    if (ownsDc)
        DeleteDC(dc);
    if (ownsImage && image != nullptr)
        DeleteObject(image);
    if (releaseToWindow != nullptr)
        ReleaseDC(releaseToWindow, dc);
}

// [SECTION] State

template <typename Handle>
void GdiSurface::replaceOwn(Handle& own, Handle replacement)
{
    SelectObject(dc, replacement);
    if (own != nullptr)
        DeleteObject(own);
    own = replacement;
}

void GdiSurface::setPen(const PenDescription& description)
{
    LOGPEN logicalPen = {};
    logicalPen.lopnStyle = description.style == PenStyle::dotted ? PS_DOT : PS_SOLID;
    logicalPen.lopnWidth.x = description.width;
    logicalPen.lopnColor = description.color;
    HPEN replacement = CreatePenIndirect(&logicalPen);
    if (replacement != nullptr)
        replaceOwn(pen, replacement);
}

void GdiSurface::setBrush(std::uint32_t color)
{
    LOGBRUSH logicalBrush = {};
    logicalBrush.lbStyle = BS_SOLID;
    logicalBrush.lbColor = color;
    HBRUSH replacement = CreateBrushIndirect(&logicalBrush);
    if (replacement != nullptr)
        replaceOwn(brush, replacement);
}

void GdiSurface::setTextBackgroundColor(std::uint32_t color)
{
    SetBkColor(dc, color);
}

void GdiSurface::setTextColor(std::uint32_t color)
{
    SetTextColor(dc, color);
}

void GdiSurface::setRasterOperation(RasterOperation operation)
{
    SetROP2(dc, platformRop2(operation));
}

void GdiSurface::setFont(const FontDescription& description)
{
    LOGFONTA logicalFont = {};
    logicalFont.lfHeight = -description.pixelHeight;
    logicalFont.lfWeight = description.bold ? kBoldWeight : kNormalWeight;
    logicalFont.lfItalic = description.italic ? TRUE : FALSE;
    logicalFont.lfUnderline = description.underline ? TRUE : FALSE;
    logicalFont.lfCharSet = ANSI_CHARSET;
    logicalFont.lfOutPrecision = kStringPrecision;
    logicalFont.lfClipPrecision = kStrokeClipPrecision;
    logicalFont.lfQuality = DEFAULT_QUALITY;
    logicalFont.lfPitchAndFamily = description.decorative ? kDecorativeDefaultPitch : kSansSerifVariablePitch;
    std::strncpy(logicalFont.lfFaceName, description.faceName, LF_FACESIZE - 1);
    HFONT replacement = CreateFontIndirectA(&logicalFont);
    if (replacement != nullptr)
        replaceOwn(font, replacement);
}

void GdiSurface::setClipRect(const CRect& rect)
{
    HRGN region = CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom);
    SelectClipRgn(dc, region);
    if (region != nullptr)
        DeleteObject(region);
}

// [SECTION] Lines and shapes

void GdiSurface::moveTo(const CPoint& point)
{
    MoveToEx(dc, point.x, point.y, nullptr);
}

void GdiSurface::lineTo(const CPoint& point)
{
    LineTo(dc, point.x, point.y);
}

void GdiSurface::polyline(const CPoint* points, std::int32_t count)
{
    Polyline(dc, platformPoints(points), count);
}

void GdiSurface::fillPolygon(const CPoint* points, std::int32_t count)
{
    NullPenScope nullPen(dc);
    Polygon(dc, platformPoints(points), count);
}

void GdiSurface::fillRect(const CRect& rect)
{
    const RECT area = {rect.left, rect.top, rect.right, rect.bottom};
    FillRect(dc, &area, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
}

void GdiSurface::arc(const CRect& box, const CPoint& start, const CPoint& end)
{
    Arc(dc, box.left, box.top, box.right, box.bottom, start.x, start.y, end.x, end.y);
}

void GdiSurface::fillPie(const CRect& box, const CPoint& start, const CPoint& end)
{
    NullPenScope nullPen(dc);
    Pie(dc, box.left, box.top, box.right, box.bottom, start.x, start.y, end.x, end.y);
}

void GdiSurface::fillEllipse(const CRect& box)
{
    NullPenScope nullPen(dc);
    Ellipse(dc, box.left, box.top, box.right, box.bottom);
}

// [SECTION] Pixels and text

void GdiSurface::setPixel(const CPoint& point, std::uint32_t color)
{
    SetPixel(dc, point.x, point.y, color);
}

std::uint32_t GdiSurface::getPixel(const CPoint& point)
{
    return GetPixel(dc, point.x, point.y);
}

void GdiSurface::floodFill(const CPoint& point)
{
    ExtFloodFill(dc, point.x, point.y, GetPixel(dc, point.x, point.y), FLOODFILLSURFACE);
}

void GdiSurface::drawText(const char* text, const CRect& rect, TextAlignment alignment, bool opaque)
{
    RECT area = {rect.left, rect.top, rect.right, rect.bottom};
    if (opaque)
        SetBkMode(dc, OPAQUE);
    DrawTextA(dc, text, -1, &area, textFormat(alignment));
    SetBkMode(dc, TRANSPARENT);
}

std::int32_t GdiSurface::getTextWidth(const char* text)
{
    SIZE size = {};
    if (text != nullptr)
        GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    return size.cx;
}

// Every surface of this backend is a GdiSurface.
void GdiSurface::copyArea(DrawingSurface& destination, const CRect& destRect, const CPoint& sourceOrigin)
{
    BitBlt(static_cast<GdiSurface&>(destination).dc, destRect.left, destRect.top, destRect.width(),
           destRect.height(), dc, sourceOrigin.x, sourceOrigin.y, SRCCOPY);
}

} // namespace VSTGUI::platform
