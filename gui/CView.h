// The base of everything the editor shows: a rectangle in its parent's coordinates that draws
// itself, takes mouse, wheel, key and drag events, and can be marked dirty for the frame's idle
// redraw. Views are reference counted; containers hold their children through CCView nodes.
#pragma once

#include "CPoint.h"
#include "CRect.h"
#include "CReferenceCounter.h"
#include "GuiEnums.h"

#include "HostTypes.h"

#include <cstdint>

namespace VSTGUI {

class CBitmap;
class CDragContainer;
class CDrawContext;
class CFrame;

// Sent through notify(); receivers compare the pointer, not the text.
extern const char* kMsgCheckIfViewContainer;
// The attribute identifier 'cvrp', kept for users of the framework.
extern const std::uint32_t kCViewAttributeReferencePointer;

// One node of a view's attribute list; the buffer comes from the C allocator.
struct CViewAttributeEntry {
    CViewAttributeEntry* next = nullptr;
    void* data = nullptr;
    std::int32_t size = 0;
    std::uint32_t id = 0;
};

class CView : public CReferenceCounter {
public:
    explicit CView(const CRect& size);
    ~CView() override;

    virtual void draw(CDrawContext* context);
    virtual void drawRect(CDrawContext* context, const CRect& updateRect);
    virtual bool checkUpdate(CRect& updateRect) const;

    virtual void mouse(CDrawContext* context, CPoint& where, std::int32_t buttons = -1);

    virtual void setBackground(CBitmap* bitmap);
    virtual CBitmap* getBackground() const { return background; }

    // Handled keys return anything but -1.
    virtual std::int32_t onKeyDown(VstKeyCode& keyCode);
    virtual std::int32_t onKeyUp(VstKeyCode& keyCode);
    virtual bool onWheel(CDrawContext* context, const CPoint& where, float distance);
    virtual bool onWheel(CDrawContext* context, const CPoint& where, CMouseWheelAxis axis, float distance);

    virtual bool onDrop(CDrawContext* context, CDragContainer* drag, const CPoint& where);
    virtual void onDragEnter(CDrawContext* context, CDragContainer* drag, const CPoint& where);
    virtual void onDragLeave(CDrawContext* context, CDragContainer* drag, const CPoint& where);
    virtual void onDragMove(CDrawContext* context, CDragContainer* drag, const CPoint& where);

    virtual void looseFocus(CDrawContext* context);
    virtual void takeFocus(CDrawContext* context);

    virtual bool isDirty() const { return dirty; }
    virtual void setDirty(bool value = true) { dirty = value; }

    virtual void setMouseEnabled(bool enabled = true) { mouseEnabled = enabled; }
    virtual bool getMouseEnabled() const { return mouseEnabled; }
    virtual void setMouseableArea(const CRect& rect) { mouseableArea = rect; }
    virtual CRect& getMouseableArea(CRect& rect) const;
    // Unlike CRect::pointInside, the right and bottom edges count as inside.
    virtual bool hitTest(const CPoint& where, std::int32_t buttons = -1) const;

    virtual void setTransparency(bool enabled) { transparencyEnabled = enabled; }
    virtual bool getTransparency() const { return transparencyEnabled; }

    // The mouseable area stays where it was.
    virtual void setViewSize(CRect& rect);
    virtual CRect& getViewSize(CRect& rect) const;

    virtual bool removed(CView* parent);
    virtual bool attached(CView* parent);

    // The cursor position in the coordinates of this view's parent.
    virtual void getMouseLocation(CDrawContext* context, CPoint& point);
    virtual CPoint& frameToLocal(CPoint& point) const;
    virtual CPoint& localToFrame(CPoint& point) const;

    virtual void* getEditor() const;
    // 1 when the message was handled.
    virtual std::int32_t notify(CView* sender, const char* message);
    // rect is in the parent's coordinates.
    virtual void redrawRect(CDrawContext* context, const CRect& rect);

    virtual bool wantsFocus() const { return wantsFocusFlag; }
    virtual void setWantsFocus(bool state) { wantsFocusFlag = state; }

    virtual bool isTypeOf(const char* type) const;
    virtual void update(CDrawContext* context);

    // Draws this view at once through the frame, without the back buffer.
    void redraw();

    // An identifier keeps the size of its first store; larger data is refused.
    bool setAttribute(std::uint32_t id, std::int32_t size, const void* data);
    bool getAttributeSize(std::uint32_t id, std::int32_t& size) const;
    bool getAttribute(std::uint32_t id, std::int32_t bufferSize, void* buffer, std::int32_t& size) const;

    CFrame* getFrame() const { return parentFrame; }
    CView* getParentView() const { return parentView; }

protected:
    friend class CViewContainer;

    // Draws a background bitmap into area, by colour key when transparency is enabled.
    void drawBackgroundBitmap(CDrawContext* context, CBitmap& bitmap, CRect& area, const CPoint& offset);

    CRect viewSize;
    CRect mouseableArea;
    // Plain back pointers; set when the view is added to a container.
    CFrame* parentFrame = nullptr;
    CView* parentView = nullptr;
    bool dirty = false;
    bool mouseEnabled = true;
    bool transparencyEnabled = false;
    bool wantsFocusFlag = false;
    CBitmap* background = nullptr;

private:
    CViewAttributeEntry* findAttribute(std::uint32_t id) const;

    CViewAttributeEntry* attributeList = nullptr;
};

// A node of a container's child list; it holds one reference to its view.
struct CCView {
    explicit CCView(CView* view);
    ~CCView();

    CCView(const CCView&) = delete;
    CCView& operator=(const CCView&) = delete;

    CView* view;
    CCView* next = nullptr;
    CCView* previous = nullptr;
};

} // namespace VSTGUI
