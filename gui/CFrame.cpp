// Index: [SECTION] Life cycle, Editor, Drawing, Events, Focus and modal view, Position and
// size, Cursor and drop target.
#include "CFrame.h"

#include "AEffGUIEditor.h"
#include "COffscreenContext.h"
#include "ViewLifetime.h"
#include "platform/FrameWindow.h"
#include "platform/Platform.h"

#include <cstdlib>
#include <cstring>

namespace VSTGUI {

namespace {
// A window around the frame's that is larger by more than this is not a frame around it.
constexpr std::int32_t kOuterWindowSlack = 60;

AEffGUIEditor* asGuiEditor(void* editor)
{
    return static_cast<AEffGUIEditor*>(editor);
}

CRect sizeOf(const CView& view)
{
    CRect size;
    return view.getViewSize(size);
}
} // namespace

// [SECTION] Life cycle

CFrame::CFrame(const CRect& size, void* systemWindow_, void* editor_)
    : CViewContainer(size, this, nullptr), editor(editor_), systemWindow(systemWindow_), windowMessages(*this)
{
    loadPlatformSupport();
    initFrame(systemWindow);
}

CFrame::CFrame(const CRect& size, const char* /*title*/, void* editor_, std::int32_t /*style*/)
    : CViewContainer(size, this, nullptr), editor(editor_), systemWindow(nullptr), openFlag(false),
      addedWindow(true), windowMessages(*this)
{
    loadPlatformSupport();
}

void CFrame::loadPlatformSupport()
{
    dragAndDropInitialized = platform::initializeDragAndDrop();
    imageLibrary = platform::loadImageLibrary();
}

bool CFrame::initFrame(void* parentWindow)
{
    if (parentWindow == nullptr)
        return false;
    window = platform::createFrameWindow(parentWindow, viewSize.width(), viewSize.height(), windowMessages);
    if (window == nullptr)
        return false;
    setDropActive(true);
    return true;
}

// The views go last, while the frame is still whole: their removal may still ask it things.
CFrame::~CFrame()
{
    focusView = nullptr;
    if (modalView != nullptr)
        setModalView(nullptr);
    if (defaultCursor == nullptr)
        defaultCursor = platform::getCurrentCursor();
    platform::setCurrentCursor(defaultCursor);
    dropTarget.reset();
    dropActive = false;
    if (frameContext != nullptr) {
        frameContext->forget();
        frameContext = nullptr;
    }
    if (dragAndDropInitialized)
        platform::uninitializeDragAndDrop();
    if (backBuffer != nullptr) {
        backBuffer->forget();
        backBuffer = nullptr;
    }
    platform::unloadImageLibrary(imageLibrary);
    window.reset();
    if (addedWindow)
        close();
    removeAll(true);
}

bool CFrame::open(CPoint* /*point*/)
{
    if (!addedWindow)
        return false;
    if (getOpenFlag()) {
        platform::bringWindowToTop(platform::getParentWindow(platform::getParentWindow(getPlatformWindow())));
        return false;
    }
    if (systemWindow != nullptr) {
        initFrame(systemWindow);
        setOpenFlag(true);
    }
    return getOpenFlag();
}

bool CFrame::close()
{
    if (!addedWindow || !getOpenFlag() || systemWindow == nullptr)
        return false;
    systemWindow = nullptr;
    return true;
}

void* CFrame::getPlatformWindow() const
{
    return window != nullptr ? window->getHandle() : nullptr;
}

// [SECTION] Editor

bool CFrame::beginEdit(std::int32_t index)
{
    return editor != nullptr && asGuiEditor(editor)->beginEdit(index);
}

bool CFrame::endEdit(std::int32_t index)
{
    return editor != nullptr && asGuiEditor(editor)->endEdit(index);
}

void CFrame::doIdleStuff()
{
    if (editor != nullptr)
        asGuiEditor(editor)->doIdleStuff();
}

std::uint32_t CFrame::getTicks() const
{
    return editor != nullptr ? asGuiEditor(editor)->getTicks() : 0;
}

std::int32_t CFrame::getKnobMode() const
{
    return AEffGUIEditor::knobMode;
}

// [SECTION] Drawing

void CFrame::idle()
{
    if (!getOpenFlag() || firstDraw || !isDirty())
        return;
    CDrawContext* context = createDrawContext();
    update(context);
    context->forget();
}

// Views that ask for a context while this runs draw into the back buffer.
void CFrame::update(CDrawContext* context)
{
    if (!getOpenFlag() || updatesDisabledFlag)
        return;
    COffscreenContext* buffer = getBackBuffer();
    buffer->remember();
    CDrawContext* savedFrameContext = frameContext;
    frameContext = buffer;

    if (dirty) {
        draw(buffer);
        setDirty(false);
    } else {
        const CRect oldClip = buffer->clipInViewCoordinates();
        bool underModalRepainted = false;
        ChildViewSnapshot children(*this);
        children.visit(false, [&](CView* child) {
            if (child == modalView)
                return false;
            underModalRepainted = underModalRepainted || child->isDirty();
            buffer->setClipRect(sizeOf(*child).bound(oldClip));
            child->update(buffer);
            return false;
        });
        buffer->setClipRect(oldClip);
        // The modal view lies above everything: drawn last, what its siblings repainted (a
        // container repaints its whole area) cannot cover it.
        if (modalView != nullptr && (underModalRepainted || modalView->isDirty())) {
            ViewHold hold(modalView);
            drawRect(buffer, sizeOf(*modalView));
            modalView->setDirty(false);
        }
    }

    buffer->copyFrom(context, CRect(viewSize.left, viewSize.top, viewSize.left + viewSize.width(),
                                    viewSize.top + viewSize.height()));
    frameContext = savedFrameContext;
    buffer->forget();
}

void CFrame::draw(CDrawContext* context)
{
    firstDraw = false;
    CViewContainer::draw(context != nullptr ? context : frameContext);
}

void CFrame::drawRect(CDrawContext* context, const CRect& updateRect)
{
    firstDraw = false;
    const bool ownContext = context == nullptr;
    if (ownContext)
        context = createDrawContext();
    const CRect oldClip = context->clipInViewCoordinates();
    context->setClipRect(CRect(updateRect).bound(oldClip));
    if (updateRect.width() > 0 && updateRect.height() > 0)
        CViewContainer::drawRect(context, updateRect);
    context->setClipRect(oldClip);
    if (ownContext)
        context->forget();
}

void CFrame::draw(CView* view)
{
    CView* target = view != nullptr && isChild(view) ? view : this;
    ViewHold hold(target);
    CDrawContext* context = frameContext;
    if (context != nullptr)
        context->remember();
    else
        context = new CDrawContext(this, nullptr, getPlatformWindow());
    if (target == this)
        draw(context);
    else
        target->draw(context);
    context->forget();
}

void CFrame::invalidate(const CRect& rect)
{
    for (CCView* node = firstView; node != nullptr; node = node->next) {
        CRect area = rect;
        if (node->view->checkUpdate(area))
            node->view->setDirty(true);
    }
}

bool CFrame::updatesDisabled(bool state)
{
    const bool previous = updatesDisabledFlag;
    updatesDisabledFlag = state;
    return previous;
}

// A new back buffer starts black, so the whole frame is drawn into it before it is shown.
void CFrame::dropBackBuffer()
{
    if (backBuffer == nullptr)
        return;
    backBuffer->forget();
    backBuffer = nullptr;
    setDirty(true);
}

COffscreenContext* CFrame::getBackBuffer()
{
    if (backBuffer == nullptr)
        backBuffer = new COffscreenContext(this, viewSize.width(), viewSize.height(), kBlackCColor);
    return backBuffer;
}

CDrawContext* CFrame::createDrawContext()
{
    if (frameContext != nullptr) {
        frameContext->remember();
        return frameContext;
    }
    return new CDrawContext(this, nullptr, getPlatformWindow());
}

// [SECTION] Events

void CFrame::mouse(CDrawContext* context, CPoint& where, std::int32_t buttons)
{
    if (context == nullptr)
        context = frameContext;
    if (focusView != nullptr)
        setFocusView(nullptr);
    if (buttons == -1 && context != nullptr)
        buttons = context->getMouseButtons();
    if (modalView == nullptr) {
        CViewContainer::mouse(context, where, buttons);
        return;
    }
    ViewHold hold(modalView);
    if (modalView->hitTest(where, buttons))
        modalView->mouse(context, where, buttons);
}

bool CFrame::onWheel(CDrawContext* context, const CPoint& where, float distance)
{
    return onWheel(context, where, kWheelAxisY, distance);
}

bool CFrame::onWheel(CDrawContext* context, const CPoint& where, CMouseWheelAxis axis, float distance)
{
    CView* target = modalView != nullptr ? modalView : getViewAt(where, false);
    if (target == nullptr)
        return false;
    ViewHold hold(target);
    CDrawContext* wheelContext = context != nullptr ? context : createDrawContext();
    const bool result = target->onWheel(wheelContext, where, axis, distance);
    if (context == nullptr)
        wheelContext->forget();
    return result;
}

// The focus view, then the modal view, get the key; -1 when neither takes it. The modal view
// is read only after the focus view passed: its handler may have removed it.
std::int32_t CFrame::offerKey(VstKeyCode& keyCode, KeyHandler handler)
{
    const auto offerTo = [&](CView* receiver) {
        if (receiver == nullptr)
            return -1;
        ViewHold hold(receiver);
        return (receiver->*handler)(keyCode);
    };
    const std::int32_t result = offerTo(focusView);
    return result != -1 ? result : offerTo(modalView);
}

std::int32_t CFrame::onKeyDown(VstKeyCode& keyCode)
{
    const std::int32_t result = offerKey(keyCode, &CView::onKeyDown);
    if (result != -1)
        return result;
    if (keyCode.virt == VKEY_TAB && advanceNextFocusView(focusView, (keyCode.modifier & MODIFIER_SHIFT) != 0))
        return 1;
    return -1;
}

std::int32_t CFrame::onKeyUp(VstKeyCode& keyCode)
{
    return offerKey(keyCode, &CView::onKeyUp);
}

// [SECTION] Focus and modal view

void CFrame::setFocusView(CView* view)
{
    CView* oldFocus = focusView;
    focusView = view;
    if (view != nullptr && view->wantsFocus())
        view->setDirty(true);
    if (oldFocus != nullptr) {
        ViewHold hold(oldFocus);
        oldFocus->looseFocus(nullptr);
        if (oldFocus->wantsFocus())
            oldFocus->setDirty(true);
    }
}

bool CFrame::advanceNextFocusView(CView* oldFocus, bool reverse)
{
    if (modalView != nullptr)
        return false;
    if (oldFocus == nullptr) {
        oldFocus = focusView;
        if (oldFocus == nullptr)
            return CViewContainer::advanceNextFocusView(nullptr, reverse);
    }
    if (isChild(oldFocus)) {
        if (CViewContainer::advanceNextFocusView(oldFocus, reverse))
            return true;
        setFocusView(nullptr);
        return false;
    }
    CView* current = oldFocus;
    for (CView* parent = oldFocus->getParentView(); parent != nullptr && parent->isTypeOf(kContainerClassName);
         parent = parent->getParentView()) {
        if (static_cast<CViewContainer*>(parent)->advanceNextFocusView(current, reverse))
            return true;
        current = parent;
    }
    return CViewContainer::advanceNextFocusView(oldFocus, reverse);
}

bool CFrame::setModalView(CView* view)
{
    if (view == nullptr) {
        CView* oldModal = modalView;
        modalView = nullptr;
        if (oldModal != nullptr)
            removeView(oldModal, false);
        return true;
    }
    if (modalView != nullptr)
        return false;
    modalView = view;
    addView(view);
    return true;
}

bool CFrame::isWithin(const CView* view, const CView* ancestor) const
{
    for (const CView* step = view; step != nullptr; step = step->getParentView()) {
        if (step == ancestor)
            return true;
    }
    return false;
}

void CFrame::onViewRemoved(CView* view)
{
    if (focusView != nullptr && isWithin(focusView, view))
        setFocusView(nullptr);
    if (modalView != nullptr && isWithin(modalView, view))
        modalView = nullptr;
}

CView* CFrame::getCurrentView() const
{
    return modalView != nullptr ? modalView : CViewContainer::getCurrentView();
}

bool CFrame::getCurrentLocation(CPoint& where)
{
    where = platform::getCursorPosition();
    if (void* frameWindow = getPlatformWindow()) {
        const CRect windowRect = platform::getWindowScreenRect(frameWindow);
        where.offset(-windowRect.left, -windowRect.top);
    }
    return true;
}

// [SECTION] Position and size

void* CFrame::getOuterWindow() const
{
    void* current = getPlatformWindow();
    if (current == nullptr)
        return nullptr;
    const CRect frameRect = platform::getWindowScreenRect(current);
    while (!platform::hasCaption(current)) {
        void* parent = platform::getParentWindow(current);
        if (parent == nullptr)
            break;
        const CRect parentRect = platform::getWindowScreenRect(parent);
        if (std::abs(parentRect.width() - frameRect.width()) > kOuterWindowSlack
            || std::abs(parentRect.height() - frameRect.height()) > kOuterWindowSlack)
            break;
        current = parent;
    }
    return current;
}

// The window is never moved: the host places it.
bool CFrame::setPosition(std::int32_t /*x*/, std::int32_t /*y*/)
{
    return false;
}

bool CFrame::getPosition(std::int32_t& x, std::int32_t& y) const
{
    if (!getOpenFlag())
        return false;
    void* outer = getOuterWindow();
    const CRect outerRect = platform::getWindowScreenRect(outer);
    const CPoint topLeft =
        platform::screenToWindow(platform::getParentWindow(outer), CPoint(outerRect.left, outerRect.top));
    x = topLeft.x;
    y = topLeft.y;
    return true;
}

bool CFrame::getSize(CRect* size) const
{
    if (!getOpenFlag() || size == nullptr)
        return false;
    void* host = platform::getParentWindow(getPlatformWindow());
    const CRect hostRect = platform::getWindowScreenRect(host);
    void* reference = platform::getParentWindow(platform::getParentWindow(host));
    const CPoint topLeft = platform::screenToWindow(reference, CPoint(hostRect.left, hostRect.top));
    *size = CRect(topLeft.x, topLeft.y, topLeft.x + hostRect.width(), topLeft.y + hostRect.height());
    return true;
}

bool CFrame::getSize(CRect& size) const
{
    return getSize(&size);
}

void CFrame::setViewSize(CRect& rect)
{
    setSize(rect.width(), rect.height());
}

bool CFrame::setSize(std::int32_t width, std::int32_t height)
{
    if (!getOpenFlag() || (width == viewSize.width() && height == viewSize.height()))
        return false;
    dropBackBuffer();
    viewSize.right = viewSize.left + width;
    viewSize.bottom = viewSize.top + height;
    if (hostResizesWindow(width, height)) {
        platform::resizeWindow(getPlatformWindow(), width, height);
        return true;
    }
    if (!platform::resizeWithHostWindows(getPlatformWindow(), width, height))
        return true;
    CRect area(0, 0, width, height);
    CViewContainer::setViewSize(area);
    return true;
}

bool CFrame::hostResizesWindow(std::int32_t width, std::int32_t height)
{
    if (editor == nullptr)
        return false;
    AudioEffect* effect = asGuiEditor(editor)->getEffect();
    if (effect == nullptr)
        return false;
    auto* effectX = static_cast<AudioEffectX*>(effect);
    char sizeWindowCapability[] = "sizeWindow";
    return effectX->canHostDo(sizeWindowCapability) != 0 && effectX->sizeWindow(width, height);
}

// [SECTION] Cursor and drop target

void CFrame::setCursor(CCursorType type)
{
    if (defaultCursor == nullptr)
        defaultCursor = platform::getCurrentCursor();
    void* cursor = platform::loadSystemCursor(type);
    platform::setCurrentCursor(cursor != nullptr ? cursor : defaultCursor);
}

// The old registration goes first: a window takes one drop target at a time.
bool CFrame::setDropActive(bool active)
{
    if (!dropActive && !active)
        return true;
    if (getPlatformWindow() == nullptr)
        return false;
    dropTarget.reset();
    if (active)
        dropTarget = platform::registerDropTarget(getPlatformWindow(), *this);
    dropActive = dropTarget != nullptr;
    return dropActive == active;
}

bool CFrame::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CFrame") == 0 || CViewContainer::isTypeOf(type);
}

} // namespace VSTGUI
