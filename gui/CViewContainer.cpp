// Index: [SECTION] Life cycle, Children, Appearance, Drawing, Update, Events, Drag routing,
// Focus, Finding views, Coordinates.
#include "CViewContainer.h"

#include "CBitmap.h"
#include "CFrame.h"
#include "COffscreenContext.h"
#include "LinkedNodes.h"
#include "ViewLifetime.h"

#include <cstring>

namespace VSTGUI {

namespace {
// A scroll container repaints its children itself; partly drawn children stay clean there.
constexpr const char* kScrollContainerClassName = "CScrollContainer";

bool hasArea(const CRect& rect)
{
    return rect.width() > 0 && rect.height() > 0;
}

CViewContainer* asContainer(CView* view)
{
    return view != nullptr && view->isTypeOf(kContainerClassName) ? static_cast<CViewContainer*>(view) : nullptr;
}

// The background fills the whole rectangle: CDrawContext::fillRect would leave its top row and
// left column unpainted, showing whatever was there before.
void fillBackground(CDrawContext& context, const CRect& rect, CColor color)
{
    context.setFillColor(color);
    context.drawRect(rect, kDrawStyleFilled);
}
} // namespace

// [SECTION] Life cycle

CViewContainer::CViewContainer(const CRect& size, CFrame* parent, CBitmap* bitmap)
    : CView(size), backgroundColor(kBlackCColor)
{
    parentFrame = parent;
    background = bitmap;
    if (background != nullptr)
        background->remember();
    setDirty(true);
}

// The frame may be half destroyed here, so it is not told about the views that go.
CViewContainer::~CViewContainer()
{
    releaseAllNodes(true);
    releaseOffscreen();
}

bool CViewContainer::attached(CView* /*parent*/)
{
    if (drawInOffscreen && offscreenContext == nullptr)
        createOffscreen();
    return true;
}

bool CViewContainer::removed(CView* /*parent*/)
{
    releaseOffscreen();
    return true;
}

void CViewContainer::createOffscreen()
{
    offscreenContext = new COffscreenContext(parentFrame, viewSize.width(), viewSize.height(), kBlackCColor);
}

void CViewContainer::releaseOffscreen()
{
    if (offscreenContext == nullptr)
        return;
    offscreenContext->forget();
    offscreenContext = nullptr;
}

// [SECTION] Children

void CViewContainer::addView(CView* view)
{
    if (view == nullptr)
        return;
    auto* node = new CCView(view);
    view->parentFrame = parentFrame;
    view->parentView = this;
    appendNode(firstView, lastView, node);
    view->attached(this);
    view->setDirty(true);
}

void CViewContainer::addView(CView* view, CRect& area, bool enabled)
{
    if (view == nullptr)
        return;
    view->setMouseEnabled(enabled);
    view->setMouseableArea(area);
    addView(view);
}

void CViewContainer::removeView(CView* view, const bool& withForget)
{
    dropFocusWithin(view);
    CCView* node = firstView;
    while (node != nullptr && node->view != view)
        node = node->next;
    if (node == nullptr)
        return;
    unlinkNode(firstView, lastView, node);
    releaseNode(node, withForget);
}

void CViewContainer::removeAll(const bool& withForget)
{
    for (CCView* node = firstView; node != nullptr; node = node->next)
        dropFocusWithin(node->view);
    releaseAllNodes(withForget);
}

// The list is emptied first, so views that react to their removal see a consistent container.
void CViewContainer::releaseAllNodes(bool withForget)
{
    CCView* node = firstView;
    firstView = nullptr;
    lastView = nullptr;
    while (node != nullptr) {
        CCView* next = node->next;
        releaseNode(node, withForget);
        node = next;
    }
}

// node is already out of the list; deleting it drops the list's own reference.
void CViewContainer::releaseNode(CCView* node, bool withForget)
{
    ++removalCount;
    CView* view = node->view;
    if (view == currentDragView)
        currentDragView = nullptr;
    view->removed(this);
    if (withForget)
        view->forget();
    delete node;
}

void CViewContainer::dropFocusWithin(CView* view)
{
    if (parentFrame != nullptr)
        parentFrame->onViewRemoved(view);
}

bool CViewContainer::isChild(CView* view) const
{
    for (const CCView* node = firstView; node != nullptr; node = node->next) {
        if (node->view == view)
            return true;
    }
    return false;
}

std::int32_t CViewContainer::getNbViews() const
{
    std::int32_t count = 0;
    for (const CCView* node = firstView; node != nullptr; node = node->next)
        ++count;
    return count;
}

CView* CViewContainer::getView(std::int32_t index) const
{
    if (index < 0)
        return nullptr;
    const CCView* node = firstView;
    for (; node != nullptr && index > 0; --index)
        node = node->next;
    return node != nullptr ? node->view : nullptr;
}

// [SECTION] Appearance

void CViewContainer::setBackgroundColor(CColor color)
{
    backgroundColor = color;
    setDirty(true);
}

void CViewContainer::useOffscreen(bool enabled)
{
    drawInOffscreen = enabled;
    if (!enabled)
        releaseOffscreen();
}

void CViewContainer::setViewSize(CRect& rect)
{
    CView::setViewSize(rect);
    if (offscreenContext != nullptr && drawInOffscreen) {
        releaseOffscreen();
        createOffscreen();
    }
}

void CViewContainer::drawBackgroundRect(CDrawContext* context, CRect& rect)
{
    if (context == nullptr)
        return;
    if (background != nullptr) {
        const CRect oldClip = context->clipInViewCoordinates();
        context->setClipRect(CRect(rect).bound(oldClip));
        CRect bitmapArea(0, 0, background->getWidth(), background->getHeight());
        drawBackgroundBitmap(context, *background, bitmapArea, backgroundOffset);
        context->setClipRect(oldClip);
    } else if (!transparencyEnabled) {
        fillBackground(*context, rect, backgroundColor);
    }
}

// [SECTION] Drawing

// Prepares the own offscreen (composing it over what lies beneath when transparent) and
// answers the context to draw into: the offscreen, or context shifted to local coordinates.
CDrawContext* CViewContainer::beginDrawing(CDrawContext* context, std::int32_t save[4])
{
    if (drawInOffscreen && offscreenContext == nullptr)
        createOffscreen();
    if (offscreenContext != nullptr && transparencyEnabled) {
        CRect beneath(viewSize.left, viewSize.top, viewSize.right, viewSize.bottom);
        offscreenContext->copyTo(context, beneath, CPoint(0, 0));
    }
    if (drawInOffscreen)
        return offscreenContext;
    modifyDrawContext(save, context);
    return context;
}

// Copies the offscreen's localSource to parentDestination on context, or undoes the shift;
// the container is clean afterwards.
void CViewContainer::endDrawing(CDrawContext* context, std::int32_t save[4], const CRect& localSource,
                                const CRect& parentDestination)
{
    if (drawInOffscreen)
        offscreenContext->copyFrom(context, parentDestination, CPoint(localSource.left, localSource.top));
    else
        restoreDrawContext(context, save);
    setDirty(false);
}

CRect CViewContainer::oldClipFor(CDrawContext* context) const
{
    CRect clip = context->clipInViewCoordinates();
    if (drawInOffscreen && parentFrame != this)
        clip = CRect(0, 0, clip.width(), clip.height());
    return clip;
}

void CViewContainer::draw(CDrawContext* context)
{
    if (context == nullptr)
        return;
    std::int32_t save[4] = {};
    CDrawContext* target = beginDrawing(context, save);
    const CRect unmovedClip = context->clipInViewCoordinates();
    const CRect oldClip = oldClipFor(context);
    const CRect area = localArea();
    target->setClipRect(CRect(area).bound(oldClip));

    if (background != nullptr) {
        CRect bitmapArea = area;
        drawBackgroundBitmap(target, *background, bitmapArea, backgroundOffset);
    } else if (!transparencyEnabled) {
        fillBackground(*target, area, backgroundColor);
    }

    ChildViewSnapshot children(*this);
    children.visit(false, [&](CView* child) {
        target->setClipRect(CRect(child->viewSize).bound(oldClip));
        child->draw(target);
        return false;
    });

    target->setClipRect(unmovedClip);
    endDrawing(context, save, area, viewSize);
}

void CViewContainer::drawRect(CDrawContext* context, const CRect& updateRect)
{
    if (context == nullptr)
        return;
    std::int32_t save[4] = {};
    CDrawContext* target = beginDrawing(context, save);
    const CRect clippedUpdate = CRect(updateRect).bound(viewSize);
    CRect localUpdate = CRect(clippedUpdate).offset(-viewSize.left, -viewSize.top);
    const CRect unmovedClip = context->clipInViewCoordinates();
    const CRect newClip = CRect(localUpdate).bound(oldClipFor(context));
    target->setClipRect(newClip);

    drawBackgroundRect(target, localUpdate);

    const bool childrenRepaintedElsewhere = isTypeOf(kScrollContainerClassName);
    ChildViewSnapshot children(*this);
    children.visit(false, [&](CView* child) {
        if (!child->checkUpdate(localUpdate))
            return false;
        const CRect childClip = CRect(child->viewSize).bound(newClip);
        if (!hasArea(childClip))
            return false;
        target->setClipRect(childClip);
        const bool wasDirty = child->isDirty();
        child->drawRect(target, localUpdate);
        if (wasDirty && childClip != child->viewSize && !childrenRepaintedElsewhere)
            child->setDirty(true);
        return false;
    });

    target->setClipRect(unmovedClip);
    endDrawing(context, save, localUpdate, clippedUpdate);
}

void CViewContainer::redrawRect(CDrawContext* context, const CRect& rect)
{
    const CRect inParent = CRect(rect).offset(viewSize.left, viewSize.top);
    if (transparencyEnabled) {
        if (parentView != nullptr)
            parentView->redrawRect(context, inParent);
        else if (parentFrame != nullptr)
            parentFrame->drawRect(context, inParent);
        return;
    }
    if (parentView == nullptr || context == nullptr) {
        drawRect(context, inParent);
        return;
    }
    CPoint origin(0, 0);
    parentView->localToFrame(origin);
    const CPoint savedScreenOffset = context->offsetScreen;
    const CPoint savedOffset = context->offset;
    context->offsetScreen.offset(origin.x, origin.y);
    context->offset.offset(origin.x, origin.y);
    drawRect(context, inParent);
    context->offsetScreen = savedScreenOffset;
    context->offset = savedOffset;
}

// [SECTION] Update

bool CViewContainer::isDirty() const
{
    if (dirty)
        return true;
    const CRect area = localArea();
    for (const CCView* node = firstView; node != nullptr; node = node->next) {
        if (node->view->isDirty() && hasArea(CRect(node->view->viewSize).bound(area)))
            return true;
    }
    return false;
}

void CViewContainer::update(CDrawContext* context)
{
    const CRect area = localArea();
    if (mode == 0) {
        if (isDirty()) {
            redrawRect(context, area);
            setDirty(false);
        }
        return;
    }
    if (mode != 1)
        return;
    if (dirty) {
        redrawRect(context, area);
    } else {
        ChildViewSnapshot children(*this);
        children.visit(false, [&](CView* child) {
            CRect checked = area;
            if (!child->isDirty() || !child->checkUpdate(checked))
                return false;
            if (child->notify(this, kMsgCheckIfViewContainer) != 0)
                child->update(context);
            else
                child->redrawRect(context, CRect(child->viewSize).bound(area));
            return false;
        });
    }
    setDirty(false);
}

// [SECTION] Events

void CViewContainer::mouse(CDrawContext* context, CPoint& where, std::int32_t buttons)
{
    CPoint local = CPoint(where).offset(-viewSize.left, -viewSize.top);
    if (buttons == -1 && context != nullptr)
        buttons = context->getMouseButtons();
    ChildViewSnapshot children(*this);
    children.visit(true, [&](CView* child) {
        if (!child->getMouseEnabled() || !child->hitTest(local, buttons))
            return false;
        child->mouse(context, local, buttons);
        return true;
    });
}

std::int32_t CViewContainer::routeKey(VstKeyCode& keyCode, KeyHandler handler)
{
    std::int32_t result = -1;
    ChildViewSnapshot children(*this);
    children.visit(true, [&](CView* child) {
        result = (child->*handler)(keyCode);
        return result != -1;
    });
    return result;
}

std::int32_t CViewContainer::onKeyDown(VstKeyCode& keyCode)
{
    return routeKey(keyCode, &CView::onKeyDown);
}

std::int32_t CViewContainer::onKeyUp(VstKeyCode& keyCode)
{
    return routeKey(keyCode, &CView::onKeyUp);
}

bool CViewContainer::onWheel(CDrawContext* context, const CPoint& where, float distance)
{
    return onWheel(context, where, kWheelAxisY, distance);
}

bool CViewContainer::onWheel(CDrawContext* context, const CPoint& where, CMouseWheelAxis axis, float distance)
{
    CView* target = getViewAt(where, false);
    if (target == nullptr)
        return false;
    ViewHold hold(target);
    const CPoint local = CPoint(where).offset(-viewSize.left, -viewSize.top);
    std::int32_t save[4] = {};
    modifyDrawContext(save, context);
    const bool result = target->onWheel(context, local, axis, distance);
    restoreDrawContext(context, save);
    return result;
}

// [SECTION] Drag routing

// Children see the point and the context in local coordinates; without a frame nothing happens.
template <typename Route>
void CViewContainer::routeDrag(CDrawContext* context, const CPoint& where, Route route)
{
    if (parentFrame == nullptr)
        return;
    std::int32_t save[4] = {};
    modifyDrawContext(save, context);
    route(CPoint(where).offset(-viewSize.left, -viewSize.top), getViewAt(where, false));
    restoreDrawContext(context, save);
}

void CViewContainer::onDragEnter(CDrawContext* context, CDragContainer* drag, const CPoint& where)
{
    routeDrag(context, where, [&](const CPoint& local, CView* target) {
        if (currentDragView != nullptr)
            currentDragView->onDragLeave(context, drag, local);
        currentDragView = target;
        if (currentDragView != nullptr)
            currentDragView->onDragEnter(context, drag, local);
    });
}

void CViewContainer::onDragMove(CDrawContext* context, CDragContainer* drag, const CPoint& where)
{
    routeDrag(context, where, [&](const CPoint& local, CView* target) {
        if (target == currentDragView) {
            if (target != nullptr)
                target->onDragMove(context, drag, local);
            return;
        }
        if (currentDragView != nullptr)
            currentDragView->onDragLeave(context, drag, local);
        if (target != nullptr)
            target->onDragEnter(context, drag, local);
        currentDragView = target;
    });
}

void CViewContainer::onDragLeave(CDrawContext* context, CDragContainer* drag, const CPoint& where)
{
    routeDrag(context, where, [&](const CPoint& local, CView* /*target*/) {
        if (currentDragView != nullptr)
            currentDragView->onDragLeave(context, drag, local);
        currentDragView = nullptr;
    });
}

bool CViewContainer::onDrop(CDrawContext* context, CDragContainer* drag, const CPoint& where)
{
    bool result = false;
    routeDrag(context, where, [&](const CPoint& local, CView* target) {
        if (target != currentDragView) {
            if (currentDragView != nullptr)
                currentDragView->onDragLeave(context, drag, local);
            currentDragView = target;
        }
        if (target != nullptr) {
            ViewHold hold(target);
            result = target->onDrop(context, drag, local);
            target->onDragLeave(context, drag, local);
        }
        currentDragView = nullptr;
    });
    return result;
}

// [SECTION] Focus

void CViewContainer::takeFocus(CDrawContext* context)
{
    ChildViewSnapshot children(*this);
    children.visit(false, [&](CView* child) {
        child->takeFocus(context);
        return false;
    });
}

void CViewContainer::looseFocus(CDrawContext* context)
{
    ChildViewSnapshot children(*this);
    children.visit(false, [&](CView* child) {
        child->looseFocus(context);
        return false;
    });
}

// Without a frame there is nothing to give the focus to, so nothing is reported as moved.
bool CViewContainer::advanceNextFocusView(CView* oldFocus, bool reverse)
{
    if (firstView == nullptr || parentFrame == nullptr)
        return false;
    bool passedOldFocus = oldFocus == nullptr;
    CView* found = nullptr;
    ChildViewSnapshot children(*this);
    const bool moved = children.visit(reverse, [&](CView* child) {
        if (!passedOldFocus) {
            passedOldFocus = child == oldFocus;
            return false;
        }
        if (child->wantsFocus()) {
            found = child;
            return true;
        }
        CViewContainer* container = asContainer(child);
        return container != nullptr && container->advanceNextFocusView(nullptr, reverse);
    });
    if (found != nullptr)
        parentFrame->setFocusView(found);
    return moved;
}

// [SECTION] Finding views

CView* CViewContainer::childAt(const CPoint& localPoint) const
{
    for (const CCView* node = lastView; node != nullptr; node = node->previous) {
        if (node->view->mouseableArea.insideWithEdges(localPoint))
            return node->view;
    }
    return nullptr;
}

CView* CViewContainer::getViewAt(const CPoint& where, bool deep) const
{
    if (parentFrame == nullptr)
        return nullptr;
    const CPoint local = CPoint(where).offset(-viewSize.left, -viewSize.top);
    CView* child = childAt(local);
    if (!deep)
        return child;
    const CViewContainer* container = asContainer(child);
    return container != nullptr ? container->getViewAt(local, true) : child;
}

CView* CViewContainer::getCurrentView() const
{
    if (parentFrame == nullptr)
        return nullptr;
    CPoint where;
    parentFrame->getCurrentLocation(where);
    frameToLocal(where);
    return childAt(where);
}

bool CViewContainer::hitTestSubViews(const CPoint& where, std::int32_t buttons)
{
    const CPoint local = CPoint(where).offset(-viewSize.left, -viewSize.top);
    for (const CCView* node = lastView; node != nullptr; node = node->previous) {
        if (node->view->getMouseEnabled() && node->view->hitTest(local, buttons))
            return true;
    }
    return false;
}

// [SECTION] Coordinates

CRect CViewContainer::localArea() const
{
    return CRect(0, 0, viewSize.width(), viewSize.height());
}

CPoint& CViewContainer::frameToLocal(CPoint& point) const
{
    point.offset(-viewSize.left, -viewSize.top);
    if (parentView != nullptr && parentView->isTypeOf(kContainerClassName))
        return parentView->frameToLocal(point);
    return point;
}

CPoint& CViewContainer::localToFrame(CPoint& point) const
{
    point.offset(viewSize.left, viewSize.top);
    if (parentView != nullptr && parentView->isTypeOf(kContainerClassName))
        return parentView->localToFrame(point);
    return point;
}

void CViewContainer::modifyDrawContext(std::int32_t save[4], CDrawContext* context)
{
    if (context == nullptr)
        return;
    save[0] = context->offsetScreen.x;
    save[1] = context->offsetScreen.y;
    save[2] = context->offset.x;
    save[3] = context->offset.y;
    context->offsetScreen.offset(viewSize.left, viewSize.top);
    context->offset.offset(viewSize.left, viewSize.top);
}

void CViewContainer::restoreDrawContext(CDrawContext* context, std::int32_t save[4])
{
    if (context == nullptr)
        return;
    context->offsetScreen = CPoint(save[0], save[1]);
    context->offset = CPoint(save[2], save[3]);
}

// [SECTION] Identity

std::int32_t CViewContainer::notify(CView* /*sender*/, const char* message)
{
    return message == kMsgCheckIfViewContainer ? 1 : 0;
}

bool CViewContainer::isTypeOf(const char* type) const
{
    return std::strcmp(type, kContainerClassName) == 0 || CView::isTypeOf(type);
}

} // namespace VSTGUI
