// Index: [SECTION] Drag events, Drawing.
#include "DropReadout.h"

#include "CDragContainer.h"
#include "CDrawContext.h"

#include <cstdio>
#include <cstring>

using namespace VSTGUI;

namespace {
constexpr std::int32_t kLineHeight = 14;
constexpr std::int32_t kMargin = 3;

std::vector<DropReadout::Item> readItems(CDragContainer& drag)
{
    std::vector<DropReadout::Item> found;
    std::int32_t size = 0;
    std::int32_t type = kDragItemNone;
    for (void* bytes = drag.first(size, type); bytes != nullptr; bytes = drag.next(size, type)) {
        // Text counts its terminator, a path does not.
        const std::size_t length = static_cast<std::size_t>(type == kDragItemText && size > 0 ? size - 1 : size);
        found.push_back({type, std::string(static_cast<const char*>(bytes), length)});
    }
    return found;
}

const char* typeName(std::int32_t type)
{
    return type == kDragItemText ? "text" : "file";
}
} // namespace

DropReadout::DropReadout(const CRect& size) : CView(size) {}

bool DropReadout::isTypeOf(const char* type) const
{
    return std::strcmp(type, "DropReadout") == 0 || CView::isTypeOf(type);
}

// [SECTION] Drag events

void DropReadout::noteEvent(int& counter, const CPoint& where)
{
    ++counter;
    lastPoint = where;
    setDirty(true);
}

bool DropReadout::onDrop(CDrawContext* /*context*/, CDragContainer* drag, const CPoint& where)
{
    noteEvent(drops, where);
    if (!accepting || drag == nullptr)
        return false;
    std::vector<Item> dropped = readItems(*drag);
    if (dropped.empty())
        return false;
    items = std::move(dropped);
    return true;
}

void DropReadout::onDragEnter(CDrawContext* /*context*/, CDragContainer* /*drag*/, const CPoint& where)
{
    noteEvent(enters, where);
}

void DropReadout::onDragLeave(CDrawContext* /*context*/, CDragContainer* /*drag*/, const CPoint& where)
{
    noteEvent(leaves, where);
}

void DropReadout::onDragMove(CDrawContext* /*context*/, CDragContainer* /*drag*/, const CPoint& where)
{
    noteEvent(moves, where);
}

// [SECTION] Drawing

void DropReadout::draw(CDrawContext* context)
{
    context->setFillColor(accepting ? kWhiteCColor : kGreyCColor);
    context->fillRect(viewSize);
    context->setFrameColor(kBlackCColor);
    context->drawRect(viewSize);
    context->setFont(kFontSmall);
    context->setFontColor(kBlackCColor);
    CRect line(viewSize.left + kMargin, viewSize.top + kMargin, viewSize.right - kMargin,
               viewSize.top + kMargin + kLineHeight);
    char counts[96] = {};
    std::snprintf(counts, sizeof(counts), "enter %d  move %d  leave %d  drop %d", enters, moves, leaves, drops);
    context->drawString(counts, line, 0, kAlignLeft);
    for (const Item& item : items) {
        line.offset(0, kLineHeight);
        if (line.bottom > viewSize.bottom)
            break;
        const std::string text = std::string(typeName(item.type)) + ": " + item.bytes;
        context->drawString(text.c_str(), line, 0, kAlignLeft);
    }
    setDirty(false);
}
