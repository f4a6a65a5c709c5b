// The text edit's field on X11: a child window of the frame's window, drawn with Cairo in the
// control's font, colours and alignment, with a caret and a selection. It takes the keyboard
// focus, types through the X input method (plain key lookup when there is none), pastes the
// clipboard, and reports Return, Escape and the loss of the focus. Its text is its window's
// name, as the system's own fields show theirs.
#pragma once

#include "../TextField.h"
#include "TextFieldEditing.h"
#include "X11FrameWindow.h"

#include <X11/Xlib.h>
#include <cairo.h>

namespace VSTGUI::platform {

class CairoSurface;

class X11TextField final : public TextField, public X11EventTarget {
public:
    X11TextField(X11FrameWindow& frame, const CRect& rect, const char* text, const TextFieldLook& look,
                 TextFieldEvents& events);
    ~X11TextField() override;

    X11TextField(const X11TextField&) = delete;
    X11TextField& operator=(const X11TextField&) = delete;

    // False when the window could not be made.
    bool create();

    std::string getText() const override { return editing.text(); }
    void pressKey(TextFieldKey key, char character) override;

    void handleEvent(XEvent& event) override;
    void frameWindowClosing() override;

private:
    void openInputMethod();
    void closeWindow();
    void typeKey(XKeyEvent& event);
    void focusChanged(XFocusChangeEvent& event);
    void requestPaste(Time time);
    void takePaste(const XSelectionEvent& event);
    // The text position nearest to a window x.
    std::size_t positionAt(int x);
    // Where the text starts in the window, with the caret kept in view.
    int textLeft(CairoSurface& surface);
    void changed();
    void draw();
    void drawOn(cairo_surface_t* image);

    X11FrameWindow* frame;
    Display* display;
    Window window = 0;
    XIM inputMethod = nullptr;
    XIC inputContext = nullptr;
    CRect rect;
    TextFieldLook look;
    TextFieldEvents* events;
    TextFieldEditing editing;
    bool focused = false;
    // Pixels the text is moved left by to keep the caret in view.
    int scroll = 0;
};

} // namespace VSTGUI::platform
