// A view that holds other views: it keeps them in order, draws its background and then each
// child (later ones on top), routes mouse, wheel, key and drag events to the topmost child
// under the point, and tracks which children need a redraw. Children's rectangles are
// relative to the container's top-left corner.
#pragma once

#include "CColor.h"
#include "CView.h"

#include <cstdint>

namespace VSTGUI {

// The type name isTypeOf answers for every container.
inline constexpr const char* kContainerClassName = "CViewContainer";

class COffscreenContext;

class CViewContainer : public CView {
public:
    CViewContainer(const CRect& size, CFrame* parent, CBitmap* background = nullptr);
    ~CViewContainer() override;

    // [SECTION] Overrides of CView
    void draw(CDrawContext* context) override;
    void drawRect(CDrawContext* context, const CRect& updateRect) override;
    void mouse(CDrawContext* context, CPoint& where, std::int32_t buttons = -1) override;
    std::int32_t onKeyDown(VstKeyCode& keyCode) override;
    std::int32_t onKeyUp(VstKeyCode& keyCode) override;
    bool onWheel(CDrawContext* context, const CPoint& where, float distance) override;
    bool onWheel(CDrawContext* context, const CPoint& where, CMouseWheelAxis axis, float distance) override;
    bool onDrop(CDrawContext* context, CDragContainer* drag, const CPoint& where) override;
    void onDragEnter(CDrawContext* context, CDragContainer* drag, const CPoint& where) override;
    void onDragLeave(CDrawContext* context, CDragContainer* drag, const CPoint& where) override;
    void onDragMove(CDrawContext* context, CDragContainer* drag, const CPoint& where) override;
    void looseFocus(CDrawContext* context) override;
    void takeFocus(CDrawContext* context) override;
    bool isDirty() const override;
    void setViewSize(CRect& rect) override;
    bool removed(CView* parent) override;
    bool attached(CView* parent) override;
    CPoint& frameToLocal(CPoint& point) const override;
    CPoint& localToFrame(CPoint& point) const override;
    std::int32_t notify(CView* sender, const char* message) override;
    void redrawRect(CDrawContext* context, const CRect& rect) override;
    bool isTypeOf(const char* type) const override;
    void update(CDrawContext* context) override;

    // [SECTION] Children
    virtual void addView(CView* view);
    virtual void addView(CView* view, CRect& mouseableArea, bool mouseEnabled = true);
    virtual void removeView(CView* view, const bool& withForget = true);
    virtual void removeAll(const bool& withForget = true);
    virtual bool isChild(CView* view) const;
    virtual std::int32_t getNbViews() const;
    virtual CView* getView(std::int32_t index) const;

    // [SECTION] Appearance
    virtual void setBackgroundColor(CColor color);
    virtual CColor getBackgroundColor() const { return backgroundColor; }
    virtual void setBackgroundOffset(const CPoint& offset) { backgroundOffset = offset; }
    virtual const CPoint& getBackgroundOffset() const { return backgroundOffset; }
    virtual void drawBackgroundRect(CDrawContext* context, CRect& rect);
    // 0: redraw everything when anything is dirty; 1: redraw only the dirty children.
    virtual void setMode(std::int32_t value) { mode = value; }
    virtual std::int32_t getMode() const { return mode; }
    virtual void useOffscreen(bool enabled);

    // [SECTION] Finding views and focus
    virtual CView* getCurrentView() const;
    virtual CView* getViewAt(const CPoint& where, bool deep = false) const;
    virtual bool advanceNextFocusView(CView* oldFocus, bool reverse = false);

    // Saves screen offset x, y and device offset x, y, then shifts both by this view's corner.
    void modifyDrawContext(std::int32_t save[4], CDrawContext* context);
    void restoreDrawContext(CDrawContext* context, std::int32_t save[4]);
    bool hitTestSubViews(const CPoint& where, std::int32_t buttons = -1);

protected:
    friend class ChildViewSnapshot;

    using KeyHandler = std::int32_t (CView::*)(VstKeyCode&);

    // The local area (0, 0, width, height).
    CRect localArea() const;
    // The topmost child whose mouseable area holds the local point, edges included.
    CView* childAt(const CPoint& localPoint) const;

    CCView* firstView = nullptr;
    CCView* lastView = nullptr;
    std::int32_t mode = 1;
    COffscreenContext* offscreenContext = nullptr;
    CColor backgroundColor;
    CPoint backgroundOffset;
    bool drawInOffscreen = false;
    CView* currentDragView = nullptr;

private:
    // Offers the key to each child from the last to the first until one takes it.
    std::int32_t routeKey(VstKeyCode& keyCode, KeyHandler handler);
    // Calls route(local point, child under the point) with the context shifted to local.
    template <typename Route>
    void routeDrag(CDrawContext* context, const CPoint& where, Route route);
    // The target chosen for drawing and how to give it back; see draw() and drawRect().
    CDrawContext* beginDrawing(CDrawContext* context, std::int32_t save[4]);
    void endDrawing(CDrawContext* context, std::int32_t save[4], const CRect& localSource,
                    const CRect& parentDestination);
    // The clip of context in view coordinates, moved to the origin for an own offscreen.
    CRect oldClipFor(CDrawContext* context) const;
    void createOffscreen();
    void releaseOffscreen();
    void releaseAllNodes(bool withForget);
    void releaseNode(CCView* node, bool withForget);
    // The frame forgets its focus and modal view when they lie in view or below it.
    void dropFocusWithin(CView* view);
    // Changes on every removal, so walks over a snapshot notice views that left.
    std::uint32_t removalCount = 0;
};

} // namespace VSTGUI
