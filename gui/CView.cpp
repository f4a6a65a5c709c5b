#include "CView.h"

#include "CBitmap.h"
#include "CDrawContext.h"
#include "CFrame.h"
#include "platform/Platform.h"

#include <cstdlib>
#include <cstring>

namespace VSTGUI {

const char* kMsgCheckIfViewContainer = "kMsgCheckIfViewContainer";
const std::uint32_t kCViewAttributeReferencePointer = 0x63767270; // 'cvrp'

namespace {
} // namespace

// [SECTION] Life cycle

CView::CView(const CRect& size) : viewSize(size), mouseableArea(size) {}

CView::~CView()
{
    if (background != nullptr)
        background->forget();
    while (attributeList != nullptr) {
        CViewAttributeEntry* next = attributeList->next;
        std::free(attributeList->data);
        delete attributeList;
        attributeList = next;
    }
}

CCView::CCView(CView* view_) : view(view_)
{
    if (view != nullptr)
        view->remember();
}

CCView::~CCView()
{
    if (view != nullptr)
        view->forget();
}

// [SECTION] Drawing

void CView::draw(CDrawContext* context)
{
    if (background != nullptr)
        drawBackgroundBitmap(context, *background, viewSize, CPoint(0, 0));
    setDirty(false);
}

void CView::drawBackgroundBitmap(CDrawContext* context, CBitmap& bitmap, CRect& area, const CPoint& offset)
{
    if (transparencyEnabled)
        bitmap.drawTransparent(context, area, offset);
    else
        bitmap.draw(context, area, offset);
}

void CView::drawRect(CDrawContext* context, const CRect& /*updateRect*/)
{
    draw(context);
}

bool CView::checkUpdate(CRect& updateRect) const
{
    return updateRect.right >= viewSize.left && updateRect.left <= viewSize.right
           && updateRect.bottom >= viewSize.top && updateRect.top <= viewSize.bottom;
}

void CView::setBackground(CBitmap* bitmap)
{
    if (background != nullptr)
        background->forget();
    background = bitmap;
    if (background != nullptr)
        background->remember();
    setDirty(true);
}

void CView::redrawRect(CDrawContext* context, const CRect& rect)
{
    if (parentView != nullptr)
        parentView->redrawRect(context, rect);
    else if (parentFrame != nullptr)
        parentFrame->drawRect(context, rect);
}

void CView::redraw()
{
    if (parentFrame != nullptr)
        parentFrame->draw(this);
}

void CView::update(CDrawContext* context)
{
    if (!isDirty())
        return;
    if (context != nullptr)
        redrawRect(context, viewSize);
    else
        redraw();
    setDirty(false);
}

// [SECTION] Events

void CView::mouse(CDrawContext* /*context*/, CPoint& /*where*/, std::int32_t /*buttons*/) {}

std::int32_t CView::onKeyDown(VstKeyCode& /*keyCode*/)
{
    return -1;
}

std::int32_t CView::onKeyUp(VstKeyCode& /*keyCode*/)
{
    return -1;
}

bool CView::onWheel(CDrawContext* /*context*/, const CPoint& /*where*/, float /*distance*/)
{
    return false;
}

bool CView::onWheel(CDrawContext* context, const CPoint& where, CMouseWheelAxis /*axis*/, float distance)
{
    return onWheel(context, where, distance);
}

bool CView::onDrop(CDrawContext* /*context*/, CDragContainer* /*drag*/, const CPoint& /*where*/)
{
    return false;
}

void CView::onDragEnter(CDrawContext* /*context*/, CDragContainer* /*drag*/, const CPoint& /*where*/) {}

void CView::onDragLeave(CDrawContext* /*context*/, CDragContainer* /*drag*/, const CPoint& /*where*/) {}

void CView::onDragMove(CDrawContext* /*context*/, CDragContainer* /*drag*/, const CPoint& /*where*/) {}

void CView::looseFocus(CDrawContext* /*context*/) {}

void CView::takeFocus(CDrawContext* /*context*/) {}

std::int32_t CView::notify(CView* /*sender*/, const char* /*message*/)
{
    return 0;
}

// [SECTION] Geometry

CRect& CView::getMouseableArea(CRect& rect) const
{
    rect = mouseableArea;
    return rect;
}

bool CView::hitTest(const CPoint& where, std::int32_t /*buttons*/) const
{
    return mouseableArea.insideWithEdges(where);
}

void CView::setViewSize(CRect& rect)
{
    viewSize = rect;
    setDirty(true);
}

CRect& CView::getViewSize(CRect& rect) const
{
    rect = viewSize;
    return rect;
}

bool CView::removed(CView* /*parent*/)
{
    return true;
}

bool CView::attached(CView* /*parent*/)
{
    return true;
}

// Containers on the way up shift the context's offsets by their own position, so the frame's
// screen offset ends up relative to this view's parent.
void CView::getMouseLocation(CDrawContext* context, CPoint& point)
{
    if (context == nullptr)
        return;
    if (parentView != nullptr && parentView->notify(this, kMsgCheckIfViewContainer) == 1) {
        const CPoint savedScreenOffset = context->offsetScreen;
        const CPoint savedOffset = context->offset;
        const CRect parentSize = parentView->viewSize;
        context->offsetScreen.offset(parentSize.left, parentSize.top);
        context->offset.offset(parentSize.left, parentSize.top);
        parentView->getMouseLocation(context, point);
        context->offsetScreen = savedScreenOffset;
        context->offset = savedOffset;
        return;
    }
    const CPoint cursor = platform::getCursorPosition();
    point = CPoint(cursor.x - context->offsetScreen.x, cursor.y - context->offsetScreen.y);
}

CPoint& CView::frameToLocal(CPoint& point) const
{
    if (parentView != nullptr && parentView->isTypeOf(kContainerClassName))
        return parentView->frameToLocal(point);
    return point;
}

CPoint& CView::localToFrame(CPoint& point) const
{
    if (parentView != nullptr && parentView->isTypeOf(kContainerClassName))
        return parentView->localToFrame(point);
    return point;
}

// [SECTION] Identity

void* CView::getEditor() const
{
    return parentFrame != nullptr ? parentFrame->getEditor() : nullptr;
}

bool CView::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CView") == 0;
}

// [SECTION] Attributes

CViewAttributeEntry* CView::findAttribute(std::uint32_t id) const
{
    for (CViewAttributeEntry* entry = attributeList; entry != nullptr; entry = entry->next) {
        if (entry->id == id)
            return entry;
    }
    return nullptr;
}

bool CView::setAttribute(std::uint32_t id, std::int32_t size, const void* data)
{
    if (size < 0 || (data == nullptr && size > 0))
        return false;
    if (CViewAttributeEntry* entry = findAttribute(id)) {
        if (size > entry->size)
            return false;
        std::memcpy(entry->data, data, static_cast<std::size_t>(size));
        return true;
    }
    auto* entry = new CViewAttributeEntry;
    entry->data = std::malloc(static_cast<std::size_t>(size));
    entry->size = size;
    entry->id = id;
    std::memcpy(entry->data, data, static_cast<std::size_t>(size));
    CViewAttributeEntry** tail = &attributeList;
    while (*tail != nullptr)
        tail = &(*tail)->next;
    *tail = entry;
    return true;
}

bool CView::getAttributeSize(std::uint32_t id, std::int32_t& size) const
{
    const CViewAttributeEntry* entry = findAttribute(id);
    if (entry == nullptr)
        return false;
    size = entry->size;
    return true;
}

bool CView::getAttribute(std::uint32_t id, std::int32_t bufferSize, void* buffer, std::int32_t& size) const
{
    const CViewAttributeEntry* entry = findAttribute(id);
    if (entry == nullptr || bufferSize < entry->size)
        return false;
    size = entry->size;
    std::memcpy(buffer, entry->data, static_cast<std::size_t>(entry->size));
    return true;
}

} // namespace VSTGUI
