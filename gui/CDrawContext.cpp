#include "CDrawContext.h"

#include "CFrame.h"
#include "MathConstants.h"
#include "MouseButtons.h"
#include "platform/Platform.h"

#include <cmath>
#include <new>

namespace VSTGUI {

namespace {
// Polygons up to this many points are drawn without allocating.
constexpr std::int32_t kLocalPointCount = 30;
// The clip of a context without a frame.
const CRect kFramelessClip(0, 0, 1000, 1000);
// How far the cursor may wander before a double click or a drag start is decided.
constexpr std::int32_t kMouseTolerance = 2;

CRect frameRectOrDefault(const CFrame* frame)
{
    CRect rect = kFramelessClip;
    if (frame != nullptr)
        frame->getViewSize(rect);
    return rect;
}

bool insideTolerance(const CPoint& start, const CPoint& now)
{
    return start.x - kMouseTolerance <= now.x && now.x < start.x + kMouseTolerance
           && start.y - kMouseTolerance <= now.y && now.y < start.y + kMouseTolerance;
}

bool fills(CDrawStyle style)
{
    return style == kDrawStyleFilled || style == kDrawStyleFilledStroked;
}

bool strokes(CDrawStyle style)
{
    return style == kDrawStyleStroked || style == kDrawStyleFilledStroked;
}

// Clock values wrap; a signed difference keeps the comparison right across the wrap.
bool before(std::uint32_t now, std::uint32_t deadline)
{
    return static_cast<std::int32_t>(now - deadline) < 0;
}
} // namespace

// [SECTION] Construction

CDrawContext::CDrawContext(CFrame* frame_, void* systemContext_, void* window_)
    : CDrawContext(frame_, platform::createWindowSurface(systemContext_, window_))
{
    window = window_;
    if (window != nullptr)
        offsetScreen = platform::getWindowScreenOrigin(window);
}

CDrawContext::CDrawContext(CFrame* frame_, std::unique_ptr<platform::DrawingSurface> surface_)
    : window(nullptr), frame(frame_), clipRect(frameRectOrDefault(frame_)),
      surface(std::move(surface_))
{
    applyInitialState();
}

CDrawContext::~CDrawContext() = default;

void CDrawContext::applyInitialState()
{
    setFrameColor(kWhiteCColor);
    setLineStyle(kLineStyleSolid);
    setLineWidth(1);
    setFillColor(kBlackCColor);
    setFontColor(kWhiteCColor);
    setFont(kFontSystem, 0, 0);
    setDrawMode(kDrawModeCopy);
}

// [SECTION] State

void CDrawContext::replacePen()
{
    surface->setPen({penStyle, lineWidth, colorToPlatform(frameColor)});
}

void CDrawContext::setFrameColor(CColor color)
{
    if (color == frameColor)
        return;
    frameColor = color;
    replacePen();
}

void CDrawContext::setLineWidth(std::int32_t width)
{
    if (width == lineWidth)
        return;
    lineWidth = width;
    replacePen();
}

void CDrawContext::setLineStyle(CLineStyle style)
{
    if (style == lineStyle)
        return;
    lineStyle = style;
    penStyle = style == kLineStyleDotted ? platform::PenStyle::dotted : platform::PenStyle::solid;
    replacePen();
}

void CDrawContext::setFillColor(CColor color)
{
    if (color == fillColor)
        return;
    fillColor = color;
    surface->setTextBackgroundColor(colorToPlatform(color));
    surface->setBrush(colorToPlatform(color));
}

void CDrawContext::setFontColor(CColor color)
{
    fontColor = color;
    surface->setTextColor(colorToPlatform(color));
}

void CDrawContext::setDrawMode(CDrawMode mode)
{
    if (mode == drawMode)
        return;
    drawMode = mode;
    switch (mode) {
    case kDrawModeOr:
        surface->setRasterOperation(platform::RasterOperation::merge);
        break;
    case kDrawModeXor:
        surface->setRasterOperation(platform::RasterOperation::notXor);
        break;
    default:
        surface->setRasterOperation(platform::RasterOperation::copy);
        break;
    }
}

void CDrawContext::setFont(CFont requestedId, std::int32_t size, std::int32_t style)
{
    const CFont id = validFontId(requestedId);
    const std::int32_t effectiveSize = size != 0 ? size : gStandardFontSize[id];
    if (id == fontId && effectiveSize == fontSize && style == fontStyle)
        return;
    fontStyle = style;
    fontId = id;
    fontSize = effectiveSize;

    platform::FontDescription font;
    font.pixelHeight = effectiveSize;
    font.bold = id == kFontSystem || (style & kTextBold) != 0;
    font.italic = (style & kTextItalic) != 0;
    font.underline = (style & kTextUnderline) != 0;
    font.decorative = id == kFontSymbol;
    font.faceName = gStandardFontName[id];
    surface->setFont(font);
}

void CDrawContext::applyClip(const CRect& deviceRect)
{
    if (deviceRect == clipRect)
        return;
    clipRect = deviceRect;
    surface->setClipRect(deviceRect);
}

void CDrawContext::setClipRect(const CRect& rect)
{
    applyClip(toDevice(rect));
}

CRect CDrawContext::clipInViewCoordinates() const
{
    CRect clip = clipRect;
    return clip.offset(-offset.x, -offset.y);
}

void CDrawContext::resetClipRect()
{
    applyClip(toDevice(frameRectOrDefault(frame)));
}

// [SECTION] Coordinates

CPoint CDrawContext::toDevice(const CPoint& point) const
{
    return CPoint(point).offset(offset.x, offset.y);
}

CRect CDrawContext::toDevice(const CRect& rect) const
{
    return CRect(rect).offset(offset.x, offset.y);
}

CRect CDrawContext::arcBox(const CRect& rect) const
{
    return toDevice(CRect(rect.left, rect.top, rect.right + 1, rect.bottom + 1));
}

template <typename DrawOperation>
void CDrawContext::withDevicePoints(const CPoint* points, std::int32_t count, DrawOperation draw)
{
    if (points == nullptr || count < 1)
        return;
    CPoint localPoints[kLocalPointCount];
    CPoint* devicePoints = localPoints;
    if (count > kLocalPointCount) {
        devicePoints = new (std::nothrow) CPoint[static_cast<std::size_t>(count)];
        if (devicePoints == nullptr)
            return;
    }
    for (std::int32_t i = 0; i < count; ++i)
        devicePoints[i] = toDevice(points[i]);
    draw(devicePoints, count);
    if (devicePoints != localPoints)
        delete[] devicePoints;
}

// [SECTION] Lines and shapes

void CDrawContext::moveTo(const CPoint& point)
{
    surface->moveTo(toDevice(point));
}

void CDrawContext::lineTo(const CPoint& point)
{
    surface->lineTo(toDevice(point));
}

void CDrawContext::drawLines(const CPoint* points, const std::int32_t& numberOfLines)
{
    if (points == nullptr)
        return;
    for (std::int32_t i = 0; i < numberOfLines; ++i) {
        moveTo(points[2 * i]);
        lineTo(points[2 * i + 1]);
    }
}

void CDrawContext::polyLine(const CPoint* points, std::int32_t numberOfPoints)
{
    withDevicePoints(points, numberOfPoints,
                     [this](const CPoint* device, std::int32_t count) { surface->polyline(device, count); });
}

void CDrawContext::fillPolygon(const CPoint* points, std::int32_t numberOfPoints)
{
    withDevicePoints(points, numberOfPoints,
                     [this](const CPoint* device, std::int32_t count) { surface->fillPolygon(device, count); });
}

void CDrawContext::drawPolygon(const CPoint* points, std::int32_t numberOfPoints, CDrawStyle style)
{
    if (fills(style))
        fillPolygon(points, numberOfPoints);
    if (strokes(style))
        polyLine(points, numberOfPoints);
}

void CDrawContext::drawRect(const CRect& rect, CDrawStyle style)
{
    if (fills(style))
        surface->fillRect(toDevice(rect));
    if (strokes(style)) {
        moveTo(CPoint(rect.left, rect.top));
        lineTo(CPoint(rect.right - 1, rect.top));
        lineTo(CPoint(rect.right - 1, rect.bottom - 1));
        lineTo(CPoint(rect.left, rect.bottom - 1));
        lineTo(CPoint(rect.left, rect.top));
    }
}

void CDrawContext::fillRect(const CRect& rect)
{
    surface->fillRect(toDevice(CRect(rect.left + 1, rect.top + 1, rect.right, rect.bottom)));
}

// Every style draws the outline; fillEllipse is the way to fill.
void CDrawContext::drawEllipse(const CRect& rect, CDrawStyle /*style*/)
{
    const CPoint topCentre = toDevice(CPoint(rect.left + (rect.right - rect.left) / 2, rect.top));
    surface->arc(arcBox(rect), topCentre, topCentre);
}

void CDrawContext::fillEllipse(const CRect& rect)
{
    surface->fillEllipse(toDevice(CRect(rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1)));
}

void CDrawContext::drawArc(const CRect& rect, const CPoint& start, const CPoint& end)
{
    surface->arc(arcBox(rect), toDevice(start), toDevice(end));
}

void CDrawContext::fillArc(const CRect& rect, const CPoint& start, const CPoint& end)
{
    surface->fillPie(toDevice(CRect(rect.left + 1, rect.top + 1, rect.right, rect.bottom)), toDevice(start),
                     toDevice(end));
}

void CDrawContext::drawArc(const CRect& rect, float startAngle, float endAngle, CDrawStyle style)
{
    const float halfWidth = static_cast<float>((rect.right - rect.left) / 2);
    const float halfHeight = static_cast<float>((rect.bottom - rect.top) / 2);
    const auto pointAt = [&](float degrees) {
        const float radians = degrees * 2.0f * kPi / 360.0f;
        return toDevice(CPoint(rect.left + static_cast<std::int32_t>(halfWidth + halfWidth * std::cos(radians)),
                               rect.top + static_cast<std::int32_t>(halfHeight - halfHeight * std::sin(radians))));
    };
    const CPoint start = pointAt(startAngle);
    const CPoint end = pointAt(endAngle);
    if (fills(style))
        surface->fillPie(arcBox(rect), start, end);
    if (strokes(style))
        surface->arc(arcBox(rect), start, end);
}

// [SECTION] Pixels and text

void CDrawContext::drawPoint(const CPoint& point, CColor color)
{
    surface->setPixel(toDevice(point), colorToPlatform(color));
}

CColor CDrawContext::getPoint(const CPoint& point)
{
    return colorFromPlatform(surface->getPixel(toDevice(point)));
}

void CDrawContext::floodFill(const CPoint& start)
{
    surface->floodFill(toDevice(start));
}

void CDrawContext::drawString(const char* string, const CRect& rect, std::int16_t opaque, CHoriTxtAlign align)
{
    if (string == nullptr)
        return;
    CRect textRect = toDevice(rect);
    platform::TextAlignment alignment = platform::TextAlignment::left;
    if (align == kAlignCenter) {
        alignment = platform::TextAlignment::center;
    } else if (align == kAlignRight) {
        alignment = platform::TextAlignment::right;
    } else {
        textRect.left += 1;
    }
    surface->drawText(string, textRect, alignment, opaque != 0);
}

std::int32_t CDrawContext::getStringWidth(const char* string)
{
    return surface->getTextWidth(string);
}

// [SECTION] Mouse

CPoint CDrawContext::localCursorPosition() const
{
    return platform::getCursorPosition().offset(-offsetScreen.x, -offsetScreen.y);
}

void CDrawContext::getMouseLocation(CPoint& point)
{
    point = localCursorPosition();
}

std::int32_t CDrawContext::getMouseButtons()
{
    return readMouseButtons();
}

bool CDrawContext::waitDoubleClick()
{
    const CPoint start = localCursorPosition();
    const std::uint32_t deadline = platform::getMessageTime() + platform::getDoubleClickTime();
    if (!before(platform::getTickCount(), deadline))
        return false;
    do {
        if (!insideTolerance(start, localCursorPosition()))
            return false;
        if (platform::takePrimaryButtonPress())
            return true;
    } while (before(platform::getTickCount(), deadline));
    return false;
}

bool CDrawContext::waitDrag()
{
    if (frame == nullptr)
        return false;
    const CPoint start = localCursorPosition();
    while ((getMouseButtons() & kMouseLeft) != 0) {
        frame->doIdleStuff();
        if (!insideTolerance(start, localCursorPosition()))
            return true;
    }
    return false;
}

} // namespace VSTGUI
