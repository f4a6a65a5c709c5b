// A container that shows one of its tabs at a time, with a row or column of tab buttons
// along one edge to switch between them. Only the current tab's view is a child; the others
// wait in the tab list.
#pragma once

#include "../CViewContainer.h"
#include "../CColor.h"
#include "../CFont.h"
#include "../controls/CControlListener.h"

#include <cstdint>

namespace VSTGUI {

class CTabButton;
class CTabChildView;

enum CTabPosition : std::int32_t {
    kTabPositionLeft = 0,
    kTabPositionRight = 1,
    kTabPositionTop = 2,
    kTabPositionBottom = 3
};

enum CTabAlignment : std::int32_t { kTabAlignCenter = 0, kTabAlignStart = 1, kTabAlignEnd = 2 };

class CTabView : public CViewContainer, public CControlListener {
public:
    CTabView(const CRect& size, CFrame* frame, const CRect& tabSize, CBitmap* background = nullptr,
             std::int32_t tabPosition = kTabPositionTop, std::int32_t style = 0);
    // The tab size is the tab bitmap's; the bitmap holds the unselected picture above the
    // selected one.
    CTabView(const CRect& size, CFrame* frame, CBitmap* tabBitmap, CBitmap* background = nullptr,
             std::int32_t tabPosition = kTabPositionTop, std::int32_t style = 0);
    ~CTabView() override;

    bool isTypeOf(const char* type) const override;

    // The tab takes over the caller's reference to view; a null bitmap means the tab bitmap.
    virtual bool addTab(CView* view, const char* name = nullptr, CBitmap* bitmap = nullptr);
    virtual bool removeTab(CView* view);
    virtual bool removeAllTabs();
    virtual bool selectTab(std::int32_t index);
    virtual void getTabViewSize(CRect& rect) const;
    virtual void setTabFontStyle(const CFont& font, std::int32_t fontSize = 12, CColor selectedColor = kBlackCColor,
                                 CColor unselectedColor = CColor{90, 90, 90, 255});
    virtual void alignTabs(std::int32_t alignment = kTabAlignCenter);
    void valueChanged(CDrawContext* context, CControl* control) override;

    void setCurrentChild(CTabChildView* child);
    std::int32_t getNbTabs() const { return numberOfChilds; }
    // The 0-based position of the current tab, -1 without one.
    std::int32_t getCurrentTabIndex() const;
    CView* getTabView(std::int32_t index) const;
    CTabButton* getTabButton(std::int32_t index) const;

protected:
    std::int32_t numberOfChilds = 0;
    std::int32_t tabPosition;
    std::int32_t style;
    CRect tabSize;
    CBitmap* tabBitmap = nullptr;
    CTabChildView* firstChild = nullptr;
    CTabChildView* lastChild = nullptr;
    CTabChildView* currentChild = nullptr;

private:
    std::int32_t buttonWidth() const { return tabSize.width(); }
    std::int32_t buttonHeight() const { return tabSize.height() / 2; }
    bool alongX() const { return tabPosition == kTabPositionTop || tabPosition == kTabPositionBottom; }
    // The button rectangle that starts at offset along the tab edge.
    CRect buttonRectAt(std::int32_t offset) const;
    CTabChildView* childAt(std::int32_t index) const;
    CTabChildView* childOf(const CView* view) const;
    CTabChildView* childWithButton(const CControl* button) const;
    // The buttons after a removed tab close the gap it leaves.
    void closeGapAfter(CTabChildView* child);
};

} // namespace VSTGUI
