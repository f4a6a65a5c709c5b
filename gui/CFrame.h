// The root of the view tree and the owner of the editor's native window: a child window inside
// the host's parent whose paint, button and wheel events become view operations. It keeps the
// keyboard focus and an optional modal view, redraws dirty views on the editor's idle through
// a back buffer, resizes itself and the host's windows, and forwards edits to the editor.
#pragma once

#include "CViewContainer.h"
#include "FrameWindowMessages.h"

#include <cstdint>
#include <memory>

namespace VSTGUI {

namespace platform {
class DropRegistration;
class FrameWindow;
}

class COffscreenContext;

class CFrame : public CViewContainer {
public:
    // editor is the AEffGUIEditor that owns the frame, or null.
    CFrame(const CRect& size, void* systemWindow, void* editor = nullptr);
    // Keeps no title or style and opens no window.
    CFrame(const CRect& size, const char* title, void* editor, std::int32_t style);
    ~CFrame() override;

    // [SECTION] Open state and editor
    virtual bool open(CPoint* point = nullptr);
    virtual bool close();
    virtual bool isOpen() const { return openFlag; }
    virtual void idle();
    virtual void doIdleStuff();
    virtual std::uint32_t getTicks() const;
    virtual std::int32_t getKnobMode() const;

    // [SECTION] Position and size
    virtual bool setPosition(std::int32_t x, std::int32_t y);
    virtual bool getPosition(std::int32_t& x, std::int32_t& y) const;
    virtual bool setSize(std::int32_t width, std::int32_t height);
    virtual bool getSize(CRect* size) const;
    virtual bool getSize(CRect& size) const;

    // [SECTION] Modal view, edits, cursor, focus
    virtual bool setModalView(CView* view);
    virtual CView* getModalView() const { return modalView; }
    // The editor's answer; false without an editor.
    virtual bool beginEdit(std::int32_t index);
    virtual bool endEdit(std::int32_t index);
    // The cursor position in frame coordinates.
    virtual bool getCurrentLocation(CPoint& where);
    virtual void setCursor(CCursorType type);
    virtual void setFocusView(CView* view);
    virtual CView* getFocusView() const { return focusView; }

    // [SECTION] Drop target, open flag, updates
    virtual bool setDropActive(bool active);
    virtual bool isDropActive() const { return dropActive; }
    virtual void setOpenFlag(bool value) { openFlag = value; }
    virtual bool getOpenFlag() const { return openFlag; }
    // Marks dirty the direct children that overlap rect, edges included.
    virtual void invalidate(const CRect& rect);
    virtual bool updatesDisabled() const { return updatesDisabledFlag; }
    // Answers the previous state.
    virtual bool updatesDisabled(bool state);
    // Draws one direct child at once on the window, or the whole frame for any other view.
    virtual void draw(CView* view);

    // [SECTION] Overrides
    void draw(CDrawContext* context) override;
    void drawRect(CDrawContext* context, const CRect& updateRect) override;
    void mouse(CDrawContext* context, CPoint& where, std::int32_t buttons = -1) override;
    std::int32_t onKeyDown(VstKeyCode& keyCode) override;
    std::int32_t onKeyUp(VstKeyCode& keyCode) override;
    bool onWheel(CDrawContext* context, const CPoint& where, float distance) override;
    bool onWheel(CDrawContext* context, const CPoint& where, CMouseWheelAxis axis, float distance) override;
    void setViewSize(CRect& rect) override;
    void* getEditor() const override { return editor; }
    bool isTypeOf(const char* type) const override;
    void update(CDrawContext* context) override;
    CView* getCurrentView() const override;
    bool advanceNextFocusView(CView* oldFocus, bool reverse = false) override;

    bool initFrame(void* parentWindow);
    // The outermost window around the frame's that has no caption and about its size.
    void* getOuterWindow() const;
    COffscreenContext* getBackBuffer();
    // The caller forget()s it: the back buffer while an idle update runs, else a new context
    // on the window.
    CDrawContext* createDrawContext();

    // The frame's own window; null before initFrame and after it was destroyed.
    void* getPlatformWindow() const;
    void* getSystemWindow() const { return systemWindow; }

    // Called by containers before a view leaves the tree: a focus or modal view in it is
    // forgotten so that no dangling pointer remains.
    void onViewRemoved(CView* view);

private:
    friend class FrameWindowMessages;

    std::int32_t offerKey(VstKeyCode& keyCode, KeyHandler handler);
    void loadPlatformSupport();
    void dropBackBuffer();
    bool hostResizesWindow(std::int32_t width, std::int32_t height);
    bool isWithin(const CView* view, const CView* ancestor) const;

    void* editor;
    void* systemWindow;
    CView* modalView = nullptr;
    CView* focusView = nullptr;
    bool firstDraw = true;
    bool openFlag = true;
    bool dropActive = false;
    bool updatesDisabledFlag = false;
    void* imageLibrary = nullptr;
    COffscreenContext* backBuffer = nullptr;
    CDrawContext* frameContext = nullptr;
    bool addedWindow = false;
    void* defaultCursor = nullptr;
    bool dragAndDropInitialized = false;
    FrameWindowMessages windowMessages;
    std::unique_ptr<platform::FrameWindow> window;
    std::unique_ptr<platform::DropRegistration> dropTarget;
};

} // namespace VSTGUI
