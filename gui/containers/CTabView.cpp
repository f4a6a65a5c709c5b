#include "CTabView.h"

#include "CTabButton.h"
#include "CTabChildView.h"

#include "../CBitmap.h"

#include <cstring>

namespace VSTGUI {

namespace {
constexpr std::int32_t kFirstTabTag = 20000;
constexpr std::int32_t kTabButtonStyle = 0;
} // namespace

CTabView::CTabView(const CRect& size, CFrame* frame, const CRect& tabSize_, CBitmap* background_,
                   std::int32_t tabPosition_, std::int32_t style_)
    : CViewContainer(size, frame, background_), tabPosition(tabPosition_), style(style_), tabSize(tabSize_)
{
    mode = 1;
}

CTabView::CTabView(const CRect& size, CFrame* frame, CBitmap* tabBitmap_, CBitmap* background_,
                   std::int32_t tabPosition_, std::int32_t style_)
    : CViewContainer(size, frame, background_), tabPosition(tabPosition_), style(style_), tabBitmap(tabBitmap_)
{
    mode = 1;
    if (tabBitmap != nullptr) {
        tabBitmap->remember();
        tabSize = CRect(0, 0, tabBitmap->getWidth(), tabBitmap->getHeight());
    }
}

// The frame pointer goes first so that tearing the tabs down leaves the frame's focus alone.
CTabView::~CTabView()
{
    parentFrame = nullptr;
    removeAllTabs();
    if (tabBitmap != nullptr)
        tabBitmap->forget();
}

bool CTabView::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CTabView") == 0 || CViewContainer::isTypeOf(type);
}

// [SECTION] The tab list

CRect CTabView::buttonRectAt(std::int32_t offset) const
{
    const std::int32_t w = buttonWidth();
    const std::int32_t h = buttonHeight();
    const std::int32_t width = viewSize.width();
    const std::int32_t height = viewSize.height();
    switch (tabPosition) {
    case kTabPositionLeft:
        return CRect(0, offset, w, offset + h);
    case kTabPositionRight:
        return CRect(width - w, offset, width, offset + h);
    case kTabPositionTop:
        return CRect(offset, 0, offset + w, h);
    case kTabPositionBottom:
        return CRect(offset, height - h, offset + w, height);
    default:
        return CRect(0, 0, w, h);
    }
}

bool CTabView::addTab(CView* view, const char* name, CBitmap* bitmap)
{
    if (view == nullptr)
        return false;
    if (bitmap == nullptr)
        bitmap = tabBitmap;
    const std::int32_t step = alongX() ? buttonWidth() : buttonHeight();
    auto* button = new CTabButton(buttonRectAt(numberOfChilds * step), this, kFirstTabTag + numberOfChilds,
                                  bitmap, name);
    button->setTransparency(true);
    addView(button);

    auto* child = new CTabChildView(view, button);
    if (lastChild == nullptr) {
        firstChild = child;
    } else {
        lastChild->next = child;
        child->previous = lastChild;
    }
    lastChild = child;
    if (child == firstChild)
        setCurrentChild(child);
    ++numberOfChilds;
    return true;
}

bool CTabView::removeTab(CView* view)
{
    CTabChildView* child = childOf(view);
    if (child == nullptr)
        return false;
    if (child->previous != nullptr)
        child->previous->next = child->next;
    else
        firstChild = child->next;
    if (child->next != nullptr)
        child->next->previous = child->previous;
    else
        lastChild = child->previous;
    if (child == currentChild)
        setCurrentChild(child->previous != nullptr ? child->previous : child->next);
    closeGapAfter(child);
    removeView(child->button, true);
    child->forget();
    --numberOfChilds;
    setDirty(true);
    return true;
}

void CTabView::closeGapAfter(CTabChildView* child)
{
    const std::int32_t dx = alongX() ? buttonWidth() : 0;
    const std::int32_t dy = alongX() ? 0 : buttonHeight();
    for (CTabChildView* later = child->next; later != nullptr; later = later->next) {
        CRect rect;
        later->button->getViewSize(rect);
        rect.offset(-dx, -dy);
        later->button->setViewSize(rect);
        later->button->setMouseableArea(rect);
    }
}

bool CTabView::removeAllTabs()
{
    setCurrentChild(nullptr);
    while (lastChild != nullptr)
        removeTab(lastChild->view);
    firstChild = nullptr;
    numberOfChilds = 0;
    return true;
}

CTabChildView* CTabView::childAt(std::int32_t index) const
{
    if (index < 0)
        return nullptr;
    CTabChildView* child = firstChild;
    for (std::int32_t position = 0; child != nullptr && position < index; ++position)
        child = child->next;
    return child;
}

CTabChildView* CTabView::childOf(const CView* view) const
{
    if (view == nullptr)
        return nullptr;
    for (CTabChildView* child = firstChild; child != nullptr; child = child->next)
        if (child->view == view)
            return child;
    return nullptr;
}

CTabChildView* CTabView::childWithButton(const CControl* button) const
{
    for (CTabChildView* child = firstChild; child != nullptr; child = child->next)
        if (child->button == button)
            return child;
    return nullptr;
}

// [SECTION] Selection

bool CTabView::selectTab(std::int32_t index)
{
    CTabChildView* child = childAt(index);
    if (child == nullptr)
        return false;
    setCurrentChild(child);
    return true;
}

void CTabView::setCurrentChild(CTabChildView* child)
{
    if (child != nullptr && child == currentChild) {
        if (child->button != nullptr)
            child->button->setValue(1.0f);
        return;
    }
    if (currentChild != nullptr) {
        if (currentChild->button != nullptr)
            currentChild->button->setValue(0.0f);
        removeView(currentChild->view, false);
    }
    currentChild = child;
    if (currentChild != nullptr) {
        addView(currentChild->view);
        if (currentChild->button != nullptr)
            currentChild->button->setValue(1.0f);
    }
    setDirty(true);
}

std::int32_t CTabView::getCurrentTabIndex() const
{
    std::int32_t index = 0;
    for (CTabChildView* child = firstChild; child != nullptr; child = child->next, ++index)
        if (child == currentChild)
            return index;
    return -1;
}

CView* CTabView::getTabView(std::int32_t index) const
{
    CTabChildView* child = childAt(index);
    return child != nullptr ? child->view : nullptr;
}

CTabButton* CTabView::getTabButton(std::int32_t index) const
{
    CTabChildView* child = childAt(index);
    return child != nullptr ? child->button : nullptr;
}

// The button itself names its tab: tags stop matching positions once a tab is removed.
void CTabView::valueChanged(CDrawContext* /*context*/, CControl* control)
{
    if (control == nullptr || !control->isTypeOf("CTabButton"))
        return;
    if (CTabChildView* child = childWithButton(control))
        setCurrentChild(child);
}

// [SECTION] Layout

void CTabView::getTabViewSize(CRect& rect) const
{
    rect = CRect(0, 0, viewSize.width(), viewSize.height());
    switch (tabPosition) {
    case kTabPositionLeft:
        rect.left += buttonWidth();
        break;
    case kTabPositionRight:
        rect.right -= buttonWidth();
        break;
    case kTabPositionTop:
        rect.top += buttonHeight();
        break;
    case kTabPositionBottom:
        rect.bottom -= buttonHeight();
        break;
    default:
        break;
    }
}

void CTabView::setTabFontStyle(const CFont& font, std::int32_t fontSize, CColor selectedColor, CColor unselectedColor)
{
    for (CTabChildView* child = firstChild; child != nullptr; child = child->next) {
        child->button->setTextFont(font, fontSize);
        child->button->setColors(selectedColor, unselectedColor);
        child->button->setDirty(true);
    }
}

void CTabView::alignTabs(std::int32_t alignment)
{
    const std::int32_t edge = alongX() ? viewSize.width() : viewSize.height();
    const std::int32_t step = alongX() ? buttonWidth() : buttonHeight();
    const std::int32_t total = numberOfChilds * step;
    std::int32_t offset = 0;
    if (alignment == kTabAlignCenter)
        offset = (edge - total) / 2;
    else if (alignment == kTabAlignEnd)
        offset = edge - total;
    for (CTabChildView* child = firstChild; child != nullptr; child = child->next, offset += step) {
        CRect rect = buttonRectAt(offset);
        child->button->setViewSize(rect);
        child->button->setMouseableArea(rect);
    }
    setDirty(true);
}

} // namespace VSTGUI
