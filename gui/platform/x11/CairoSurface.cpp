// Index: [SECTION] Creation, State, Lines and shapes, Pixels, Text, Copies.
#include "CairoSurface.h"

#include "FontFaces.h"

#include <cairo-xlib.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace VSTGUI::platform {

namespace {
constexpr double kFullTurn = 2.0 * M_PI;
constexpr double kChannel = 255.0;
constexpr std::uint32_t kInvalidColor = 0xFFFFFFFFu;
constexpr std::uint32_t kOpaqueAlpha = 0xFF000000u;

double red(std::uint32_t color)
{
    return static_cast<double>(color & 0xFFu) / kChannel;
}

double green(std::uint32_t color)
{
    return static_cast<double>((color >> 8) & 0xFFu) / kChannel;
}

double blue(std::uint32_t color)
{
    return static_cast<double>((color >> 16) & 0xFFu) / kChannel;
}

// A stored B, G, R, A pixel and a 0x00BBGGRR colour are the same bytes in opposite order.
std::uint32_t fromPixel(std::uint32_t pixel)
{
    return ((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
}

std::uint32_t toPixel(std::uint32_t color)
{
    return kOpaqueAlpha | fromPixel(color);
}

void surfaceSize(cairo_surface_t* surface, std::int32_t& width, std::int32_t& height)
{
    if (cairo_surface_get_type(surface) == CAIRO_SURFACE_TYPE_XLIB) {
        width = cairo_xlib_surface_get_width(surface);
        height = cairo_xlib_surface_get_height(surface);
    } else {
        width = cairo_image_surface_get_width(surface);
        height = cairo_image_surface_get_height(surface);
    }
}

// Host texts are bytes of the Windows Latin code page; Cairo takes UTF-8. The code page's
// 0x80 to 0x9F row is taken as Latin-1, which keeps every byte drawable.
std::string toUtf8(const char* text)
{
    std::string converted;
    for (const char* step = text; *step != '\0'; ++step) {
        const auto byte = static_cast<unsigned char>(*step);
        if (byte < 0x80u) {
            converted.push_back(static_cast<char>(byte));
        } else {
            converted.push_back(static_cast<char>(0xC0u | (byte >> 6)));
            converted.push_back(static_cast<char>(0x80u | (byte & 0x3Fu)));
        }
    }
    return converted;
}

// The angle of a point on the ellipse's radial, as Cairo measures it.
double angleOf(const CPoint& point, double centreX, double centreY, double radiusX, double radiusY)
{
    return std::atan2((point.y - centreY) / radiusY, (point.x - centreX) / radiusX);
}
} // namespace

// [SECTION] Creation

CairoSurface::CairoSurface(cairo_surface_t* target_, bool bottomUp_, std::unique_ptr<X11ErrorScope> scope)
    : errorScope(std::move(scope)), target(target_), context(cairo_create(target_)), bottomUp(bottomUp_)
{
    surfaceSize(target, width, height);
    clip = CRect(0, 0, width, height);
    if (bottomUp) {
        cairo_translate(context, 0, height);
        cairo_scale(context, 1, -1);
    }
    cairo_set_antialias(context, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_cap(context, CAIRO_LINE_CAP_SQUARE);
}

CairoSurface::~CairoSurface()
{
    cairo_destroy(context);
    cairo_surface_flush(target);
    cairo_surface_destroy(target);
}

std::unique_ptr<CairoSurface> CairoSurface::detached()
{
    return std::make_unique<CairoSurface>(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1), false);
}

// [SECTION] State

void CairoSurface::useColor(std::uint32_t color)
{
    cairo_set_source_rgb(context, red(color), green(color), blue(color));
}

void CairoSurface::setPen(const PenDescription& description)
{
    pen = description;
}

void CairoSurface::setBrush(std::uint32_t color)
{
    brushColor = color;
}

void CairoSurface::setTextBackgroundColor(std::uint32_t color)
{
    textBackgroundColor = color;
}

void CairoSurface::setTextColor(std::uint32_t color)
{
    textColor = color;
}

// Cairo has no bitwise pen modes: merging lightens and the not-xor mode takes the difference.
void CairoSurface::setRasterOperation(RasterOperation raster)
{
    switch (raster) {
    case RasterOperation::merge:
        operation = CAIRO_OPERATOR_LIGHTEN;
        break;
    case RasterOperation::notXor:
        operation = CAIRO_OPERATOR_DIFFERENCE;
        break;
    case RasterOperation::copy:
        operation = CAIRO_OPERATOR_OVER;
        break;
    }
}

void CairoSurface::setFont(const FontDescription& description)
{
    font = description;
}

void CairoSurface::setClipRect(const CRect& rect)
{
    clip = rect;
    cairo_reset_clip(context);
    cairo_rectangle(context, rect.left, rect.top, rect.width(), rect.height());
    cairo_clip(context);
}

// [SECTION] Lines and shapes

// Pixel centres lie on half coordinates; a path through them with square caps of one pixel
// covers the same pixels as the system's pens.
void CairoSurface::strokeCurrentPath()
{
    cairo_set_operator(context, operation);
    useColor(pen.color);
    cairo_set_line_width(context, pen.width > 1 ? pen.width : 1);
    if (pen.style == PenStyle::dotted) {
        const double dots[] = {1.0, 1.0};
        cairo_set_dash(context, dots, 2, 0.0);
    } else {
        cairo_set_dash(context, nullptr, 0, 0.0);
    }
    cairo_stroke(context);
}

void CairoSurface::moveTo(const CPoint& point)
{
    current = point;
}

// The end point stays undrawn, as the system's lines leave it: the stroke runs between the
// pixel centres moved back by half a pixel, so butt ends cover whole pixels.
void CairoSurface::lineTo(const CPoint& point)
{
    const double dx = point.x - current.x;
    const double dy = point.y - current.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length > 0.0) {
        const double backX = 0.5 - 0.5 * dx / length;
        const double backY = 0.5 - 0.5 * dy / length;
        cairo_new_path(context);
        cairo_move_to(context, current.x + backX, current.y + backY);
        cairo_line_to(context, point.x + backX, point.y + backY);
        cairo_set_line_cap(context, CAIRO_LINE_CAP_BUTT);
        strokeCurrentPath();
        cairo_set_line_cap(context, CAIRO_LINE_CAP_SQUARE);
    }
    current = point;
}

void CairoSurface::polyline(const CPoint* points, std::int32_t count)
{
    if (points == nullptr || count < 2)
        return;
    moveTo(points[0]);
    for (std::int32_t i = 1; i < count; ++i)
        lineTo(points[i]);
}

void CairoSurface::fillPolygon(const CPoint* points, std::int32_t count)
{
    if (points == nullptr || count < 3)
        return;
    cairo_new_path(context);
    for (std::int32_t i = 0; i < count; ++i)
        cairo_line_to(context, points[i].x, points[i].y);
    cairo_close_path(context);
    cairo_set_fill_rule(context, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_set_operator(context, operation);
    useColor(brushColor);
    cairo_fill(context);
}

void CairoSurface::fillRect(const CRect& rect)
{
    cairo_rectangle(context, rect.left, rect.top, rect.width(), rect.height());
    cairo_set_operator(context, CAIRO_OPERATOR_SOURCE);
    useColor(brushColor);
    cairo_fill(context);
}

// Arcs run counter-clockwise on the screen, which is Cairo's negative direction; equal start
// and end radials mean the whole ellipse.
void CairoSurface::ellipsePath(const CRect& box, double inset, const CPoint* start, const CPoint* end,
                               bool fromCentre)
{
    const double radiusX = box.width() / 2.0 - inset;
    const double radiusY = box.height() / 2.0 - inset;
    if (radiusX <= 0.0 || radiusY <= 0.0)
        return;
    const double centreX = box.left + box.width() / 2.0;
    const double centreY = box.top + box.height() / 2.0;
    double from = 0.0;
    double to = -kFullTurn;
    if (start != nullptr && end != nullptr) {
        from = angleOf(*start, centreX, centreY, radiusX, radiusY);
        to = angleOf(*end, centreX, centreY, radiusX, radiusY);
        if (to >= from)
            to -= kFullTurn;
    }
    cairo_new_path(context);
    cairo_save(context);
    cairo_translate(context, centreX, centreY);
    cairo_scale(context, radiusX, radiusY);
    if (fromCentre)
        cairo_move_to(context, 0, 0);
    cairo_arc_negative(context, 0, 0, 1, from, to);
    if (fromCentre)
        cairo_close_path(context);
    cairo_restore(context);
}

void CairoSurface::arc(const CRect& box, const CPoint& start, const CPoint& end)
{
    // The pen's centre runs half a pixel inside the box.
    ellipsePath(box, 0.5, &start, &end, false);
    strokeCurrentPath();
}

void CairoSurface::fillPie(const CRect& box, const CPoint& start, const CPoint& end)
{
    ellipsePath(box, 0.0, &start, &end, true);
    cairo_set_operator(context, operation);
    useColor(brushColor);
    cairo_fill(context);
}

void CairoSurface::fillEllipse(const CRect& box)
{
    ellipsePath(box, 0.0, nullptr, nullptr, false);
    cairo_set_operator(context, operation);
    useColor(brushColor);
    cairo_fill(context);
}

// [SECTION] Pixels

template <typename Visit>
void CairoSurface::visitPixels(const CRect& area, bool write, Visit visit)
{
    const CRect inside(std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, width),
                       std::min(area.bottom, height));
    if (inside.width() <= 0 || inside.height() <= 0)
        return;
    cairo_surface_flush(target);
    // Rows of a bottom-up image are stored from the bottom.
    const cairo_rectangle_int_t stored = {inside.left, bottomUp ? height - inside.bottom : inside.top,
                                          inside.width(), inside.height()};
    cairo_surface_t* image = cairo_surface_map_to_image(target, &stored);
    if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
        unsigned char* data = cairo_image_surface_get_data(image);
        const int stride = cairo_image_surface_get_stride(image);
        for (std::int32_t y = inside.top; y < inside.bottom; ++y) {
            const std::int32_t row = bottomUp ? inside.bottom - 1 - y : y - inside.top;
            auto* pixels = reinterpret_cast<std::uint32_t*>(data + row * stride);
            for (std::int32_t x = inside.left; x < inside.right; ++x)
                visit(pixels[x - inside.left], x, y);
        }
        if (write)
            cairo_surface_mark_dirty(image);
    }
    cairo_surface_unmap_image(target, image);
    if (write)
        cairo_surface_mark_dirty(target);
}

void CairoSurface::setPixel(const CPoint& point, std::uint32_t color)
{
    if (!clip.pointInside(point))
        return;
    visitPixels(CRect(point.x, point.y, point.x + 1, point.y + 1), true,
                [color](std::uint32_t& pixel, std::int32_t, std::int32_t) { pixel = toPixel(color); });
}

std::uint32_t CairoSurface::getPixel(const CPoint& point)
{
    std::uint32_t color = kInvalidColor;
    visitPixels(CRect(point.x, point.y, point.x + 1, point.y + 1), false,
                [&color](std::uint32_t& pixel, std::int32_t, std::int32_t) { color = fromPixel(pixel); });
    return color;
}

std::vector<std::uint32_t> CairoSurface::readArea(const CPoint& origin, std::int32_t areaWidth,
                                                  std::int32_t areaHeight)
{
    std::vector<std::uint32_t> colors(static_cast<std::size_t>(std::max(areaWidth, 0))
                                      * static_cast<std::size_t>(std::max(areaHeight, 0)));
    visitPixels(CRect(origin.x, origin.y, origin.x + areaWidth, origin.y + areaHeight), false,
                [&](std::uint32_t& pixel, std::int32_t x, std::int32_t y) {
                    colors[static_cast<std::size_t>(y - origin.y) * areaWidth + (x - origin.x)] = fromPixel(pixel);
                });
    return colors;
}

// Fills the region of the start pixel's colour connected to it, inside the clip, with the brush.
// The fill runs on the mapped image once its last pixel has been visited.
void CairoSurface::floodFill(const CPoint& point)
{
    if (!clip.pointInside(point))
        return;
    const CRect area = clip;
    const std::int32_t areaWidth = area.width();
    const std::size_t startCell = static_cast<std::size_t>(point.y - area.top) * areaWidth + (point.x - area.left);
    std::vector<std::uint32_t*> cells(static_cast<std::size_t>(areaWidth) * area.height(), nullptr);
    const std::uint32_t fill = toPixel(brushColor);
    visitPixels(area, true, [&](std::uint32_t& pixel, std::int32_t x, std::int32_t y) {
        cells[static_cast<std::size_t>(y - area.top) * areaWidth + (x - area.left)] = &pixel;
        if (x != std::min(area.right, width) - 1 || y != std::min(area.bottom, height) - 1 || cells[startCell] == nullptr)
            return;
        const std::uint32_t replaced = *cells[startCell] & ~kOpaqueAlpha;
        if ((fill & ~kOpaqueAlpha) == replaced)
            return;
        std::vector<std::size_t> pending{startCell};
        while (!pending.empty()) {
            const std::size_t cell = pending.back();
            pending.pop_back();
            std::uint32_t* stored = cells[cell];
            if (stored == nullptr || (*stored & ~kOpaqueAlpha) != replaced)
                continue;
            *stored = fill;
            const std::size_t column = cell % areaWidth;
            if (column > 0)
                pending.push_back(cell - 1);
            if (column + 1 < static_cast<std::size_t>(areaWidth))
                pending.push_back(cell + 1);
            if (cell >= static_cast<std::size_t>(areaWidth))
                pending.push_back(cell - areaWidth);
            if (cell + areaWidth < cells.size())
                pending.push_back(cell + areaWidth);
        }
    });
}

// [SECTION] Text

void CairoSurface::applyFont()
{
    cairo_set_font_face(context, fontFaceFor(font));
    cairo_set_font_size(context, font.pixelHeight > 0 ? font.pixelHeight : kDefaultFontPixels);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_set_font_options(context, options);
    cairo_font_options_destroy(options);
}

// The line's cell (ascent and descent) is centred in the rectangle, as the system does.
void CairoSurface::drawText(const char* text, const CRect& rect, TextAlignment alignment, bool opaque)
{
    if (text == nullptr)
        return;
    const std::string utf8 = toUtf8(text);
    applyFont();
    cairo_font_extents_t fontExtents;
    cairo_font_extents(context, &fontExtents);
    cairo_text_extents_t textExtents;
    cairo_text_extents(context, utf8.c_str(), &textExtents);
    const double cellHeight = std::ceil(fontExtents.ascent) + std::ceil(fontExtents.descent);
    const double advance = std::round(textExtents.x_advance);
    double left = rect.left;
    if (alignment == TextAlignment::center)
        left = rect.left + std::floor((rect.width() - advance) / 2.0);
    else if (alignment == TextAlignment::right)
        left = rect.right - advance;
    const double top = rect.top + std::floor((rect.height() - cellHeight) / 2.0);

    cairo_save(context);
    cairo_rectangle(context, rect.left, rect.top, rect.width(), rect.height());
    cairo_clip(context);
    if (opaque) {
        cairo_rectangle(context, left, top, advance, cellHeight);
        cairo_set_operator(context, CAIRO_OPERATOR_SOURCE);
        useColor(textBackgroundColor);
        cairo_fill(context);
    }
    cairo_set_operator(context, CAIRO_OPERATOR_OVER);
    useColor(textColor);
    cairo_move_to(context, left, top + std::ceil(fontExtents.ascent));
    cairo_show_text(context, utf8.c_str());
    if (font.underline) {
        const double underlineY = top + std::ceil(fontExtents.ascent) + 1.5;
        cairo_move_to(context, left, underlineY);
        cairo_line_to(context, left + advance, underlineY);
        cairo_set_line_width(context, 1.0);
        cairo_stroke(context);
    }
    cairo_restore(context);
}

std::int32_t CairoSurface::getTextWidth(const char* text)
{
    if (text == nullptr)
        return 0;
    applyFont();
    cairo_text_extents_t extents;
    cairo_text_extents(context, toUtf8(text).c_str(), &extents);
    return static_cast<std::int32_t>(std::lround(extents.x_advance));
}

// [SECTION] Copies

void CairoSurface::paintFrom(cairo_surface_t* source, bool sourceBottomUp, const CRect& destRect,
                             const CPoint& sourceOrigin, cairo_operator_t paintOperation, double alpha)
{
    cairo_surface_flush(source);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(source);
    std::int32_t sourceWidth = 0;
    std::int32_t sourceHeight = 0;
    surfaceSize(source, sourceWidth, sourceHeight);
    // From this surface's device pixels to the source's stored pixels.
    cairo_matrix_t matrix;
    if (sourceBottomUp)
        cairo_matrix_init(&matrix, 1, 0, 0, -1, sourceOrigin.x - destRect.left,
                          sourceHeight - sourceOrigin.y + destRect.top);
    else
        cairo_matrix_init(&matrix, 1, 0, 0, 1, sourceOrigin.x - destRect.left, sourceOrigin.y - destRect.top);
    cairo_pattern_set_matrix(pattern, &matrix);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
    cairo_save(context);
    cairo_rectangle(context, destRect.left, destRect.top, destRect.width(), destRect.height());
    cairo_clip(context);
    cairo_set_operator(context, paintOperation);
    cairo_set_source(context, pattern);
    cairo_paint_with_alpha(context, alpha);
    cairo_restore(context);
    cairo_pattern_destroy(pattern);
}

// Every surface of this backend is a CairoSurface.
void CairoSurface::copyArea(DrawingSurface& destination, const CRect& destRect, const CPoint& sourceOrigin)
{
    static_cast<CairoSurface&>(destination)
        .paintFrom(target, bottomUp, destRect, sourceOrigin, CAIRO_OPERATOR_SOURCE);
}

} // namespace VSTGUI::platform
