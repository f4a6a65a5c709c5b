// Index: [SECTION] Creation and destruction, Events, Drawing.
#include "X11TextField.h"

#include "CairoSurface.h"
#include "X11ErrorScope.h"
#include "X11WindowPaint.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace VSTGUI::platform {

namespace {
constexpr long kFieldEvents = ExposureMask | KeyPressMask | KeyReleaseMask | ButtonPressMask | Button1MotionMask
                              | FocusChangeMask;
constexpr int kMargin = 1;
// The system's selection colours.
constexpr std::uint32_t kSelectionBack = 0xD77800u;
constexpr std::uint32_t kSelectionText = 0xFFFFFFu;
constexpr char kPasteProperty[] = "KESTROVANEL_PASTE";

// The characters of UTF-8 text that the Latin code page holds; the others are dropped.
std::string latin1Of(const unsigned char* utf8, std::size_t length)
{
    std::string latin1;
    for (std::size_t i = 0; i < length;) {
        const unsigned char lead = utf8[i];
        if (lead < 0x80) {
            latin1.push_back(static_cast<char>(lead));
            ++i;
        } else if ((lead & 0xE0) == 0xC0 && i + 1 < length) {
            const unsigned int code = (lead & 0x1Fu) << 6 | (utf8[i + 1] & 0x3Fu);
            if (code <= 0xFF)
                latin1.push_back(static_cast<char>(code));
            i += 2;
        } else {
            ++i;
            while (i < length && (utf8[i] & 0xC0) == 0x80)
                ++i;
        }
    }
    return latin1;
}

bool countsAsFocusLoss(const XFocusChangeEvent& event)
{
    return (event.mode == NotifyNormal || event.mode == NotifyWhileGrabbed) && event.detail != NotifyInferior
           && event.detail != NotifyPointer;
}
} // namespace

// [SECTION] Creation and destruction

X11TextField::X11TextField(X11FrameWindow& frame_, const CRect& rect_, const char* text, const TextFieldLook& look_,
                           TextFieldEvents& events_)
    : frame(&frame_), display(frame_.handle().display), rect(rect_), look(look_), events(&events_), editing(text)
{
}

X11TextField::~X11TextField()
{
    events = nullptr;
    closeWindow();
}

bool X11TextField::create()
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return false;
    {
        X11ErrorScope scope(display);
        XSetWindowAttributes attributes = {};
        attributes.event_mask = kFieldEvents;
        attributes.background_pixmap = None;
        attributes.border_pixel = 0;
        window = XCreateWindow(display, frame->handle().window, rect.left, rect.top,
                               static_cast<unsigned int>(rect.width()), static_cast<unsigned int>(rect.height()), 0,
                               CopyFromParent, InputOutput, CopyFromParent, CWEventMask | CWBackPixmap | CWBorderPixel,
                               &attributes);
        if (scope.failed())
            window = 0;
    }
    if (window == 0)
        return false;
    frame->addEventTarget(window, *this);
    openInputMethod();
    X11ErrorScope scope(display);
    XStoreName(display, window, editing.text().c_str());
    XMapWindow(display, window);
    // Fails while the host's window is not shown; the field works with forwarded keys then.
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    return true;
}

// The filter events are those the input method needs to see before the field does.
void X11TextField::openInputMethod()
{
    inputMethod = XOpenIM(display, nullptr, nullptr, nullptr);
    if (inputMethod == nullptr)
        return;
    inputContext = XCreateIC(inputMethod, XNInputStyle, XIMPreeditNothing | XIMStatusNothing, XNClientWindow, window,
                             XNFocusWindow, window, nullptr);
    if (inputContext == nullptr) {
        XCloseIM(inputMethod);
        inputMethod = nullptr;
        return;
    }
    long filterEvents = 0;
    XGetICValues(inputContext, XNFilterEvents, &filterEvents, nullptr);
    XSelectInput(display, window, kFieldEvents | filterEvents);
}

void X11TextField::closeWindow()
{
    if (frame == nullptr || window == 0)
        return;
    frame->removeEventTarget(window);
    X11ErrorScope scope(display);
    if (inputContext != nullptr)
        XDestroyIC(inputContext);
    if (inputMethod != nullptr)
        XCloseIM(inputMethod);
    XDestroyWindow(display, window);
    inputContext = nullptr;
    inputMethod = nullptr;
    window = 0;
}

// The text stays the edit's result.
void X11TextField::frameWindowClosing()
{
    closeWindow();
    frame = nullptr;
    display = nullptr;
}

// [SECTION] Events

void X11TextField::pressKey(TextFieldKey key, char character)
{
    switch (key) {
    case TextFieldKey::character:
        editing.insert(std::string(1, character));
        break;
    case TextFieldKey::backspace:
        editing.erase(true);
        break;
    case TextFieldKey::deleteForward:
        editing.erase(false);
        break;
    case TextFieldKey::left:
        editing.moveLeft(false);
        break;
    case TextFieldKey::right:
        editing.moveRight(false);
        break;
    case TextFieldKey::home:
        editing.placeCaret(0, false);
        break;
    case TextFieldKey::end:
        editing.placeCaret(editing.text().size(), false);
        break;
    }
    changed();
}

void X11TextField::handleEvent(XEvent& event)
{
    if (inputContext != nullptr && XFilterEvent(&event, None) != False)
        return;
    switch (event.type) {
    case Expose:
        if (event.xexpose.count == 0)
            draw();
        break;
    case ButtonPress:
        if (event.xbutton.button == Button1) {
            editing.placeCaret(positionAt(event.xbutton.x), (event.xbutton.state & ShiftMask) != 0);
            if (!focused) {
                X11ErrorScope scope(display);
                XSetInputFocus(display, window, RevertToParent, event.xbutton.time);
            }
            draw();
        }
        break;
    case MotionNotify:
        editing.placeCaret(positionAt(event.xmotion.x), true);
        draw();
        break;
    case KeyPress:
        typeKey(event.xkey);
        break;
    case KeyRelease:
        frame->noteKeyHandled(event.xkey);
        break;
    case FocusIn:
    case FocusOut:
        focusChanged(event.xfocus);
        break;
    case SelectionNotify:
        takePaste(event.xselection);
        break;
    default:
        break;
    }
}

// Return and Escape end the edit, and the handler may destroy the field.
void X11TextField::typeKey(XKeyEvent& event)
{
    frame->noteKeyHandled(event);
    unsigned char buffer[64] = {};
    KeySym symbol = NoSymbol;
    std::string typed;
    if (inputContext != nullptr) {
        Status status = XLookupNone;
        const int length = Xutf8LookupString(inputContext, &event, reinterpret_cast<char*>(buffer),
                                             sizeof buffer - 1, &symbol, &status);
        if (status == XLookupChars || status == XLookupBoth)
            typed = latin1Of(buffer, static_cast<std::size_t>(std::max(length, 0)));
        if (status != XLookupKeySym && status != XLookupBoth)
            symbol = NoSymbol;
    } else {
        const int length = XLookupString(&event, reinterpret_cast<char*>(buffer), sizeof buffer - 1, &symbol, nullptr);
        typed.assign(reinterpret_cast<char*>(buffer), static_cast<std::size_t>(std::max(length, 0)));
    }
    const bool extend = (event.state & ShiftMask) != 0;
    switch (symbol) {
    case XK_Return:
    case XK_KP_Enter:
        events->textFieldReturnPressed();
        return;
    case XK_Escape:
        events->textFieldEscapePressed();
        return;
    case XK_BackSpace:
        editing.erase(true);
        break;
    case XK_Delete:
    case XK_KP_Delete:
        editing.erase(false);
        break;
    case XK_Left:
    case XK_KP_Left:
        editing.moveLeft(extend);
        break;
    case XK_Right:
    case XK_KP_Right:
        editing.moveRight(extend);
        break;
    case XK_Home:
    case XK_KP_Home:
        editing.placeCaret(0, extend);
        break;
    case XK_End:
    case XK_KP_End:
        editing.placeCaret(editing.text().size(), extend);
        break;
    default:
        if ((event.state & ControlMask) != 0) {
            if (symbol == XK_v || symbol == XK_V)
                requestPaste(event.time);
            else if (symbol == XK_a || symbol == XK_A)
                editing.selectAll();
            else
                return;
        } else if (typed.empty()) {
            return;
        } else {
            editing.insert(typed);
        }
        break;
    }
    changed();
}

// The focus leaving for a grab (a menu's, the desktop's) comes back with it, as on Windows.
void X11TextField::focusChanged(XFocusChangeEvent& event)
{
    if (event.type == FocusIn) {
        focused = true;
        if (inputContext != nullptr)
            XSetICFocus(inputContext);
        draw();
        return;
    }
    if (!focused || !countsAsFocusLoss(event))
        return;
    focused = false;
    if (inputContext != nullptr)
        XUnsetICFocus(inputContext);
    draw();
    if (events != nullptr)
        events->textFieldFocusLost();
}

void X11TextField::requestPaste(Time time)
{
    X11ErrorScope scope(display);
    XConvertSelection(display, XInternAtom(display, "CLIPBOARD", False), XInternAtom(display, "UTF8_STRING", False),
                      XInternAtom(display, kPasteProperty, False), window, time);
}

// Never more than the field can hold is read.
void X11TextField::takePaste(const XSelectionEvent& event)
{
    if (event.property == None)
        return;
    X11ErrorScope scope(display);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    constexpr long kLongsToRead = static_cast<long>(kTextFieldMaxChars);
    if (XGetWindowProperty(display, window, event.property, 0, kLongsToRead, True, AnyPropertyType, &type, &format,
                           &count, &remaining, &data)
        != Success)
        return;
    if (data != nullptr && format == 8)
        editing.insert(latin1Of(data, count));
    if (data != nullptr)
        XFree(data);
    changed();
}

// [SECTION] Drawing

std::size_t X11TextField::positionAt(int x)
{
    if (window == 0)
        return editing.caret();
    CairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1), false);
    surface.setFont({look.fontHeight, false, false, false, false, look.fontName});
    const std::string& text = editing.text();
    const int left = textLeft(surface);
    std::size_t nearest = 0;
    int distance = std::abs(x - left);
    for (std::size_t position = 1; position <= text.size(); ++position) {
        const int shown = left + surface.getTextWidth(text.substr(0, position).c_str());
        if (std::abs(x - shown) < distance) {
            distance = std::abs(x - shown);
            nearest = position;
        }
    }
    return nearest;
}

int X11TextField::textLeft(CairoSurface& surface)
{
    const std::string& text = editing.text();
    const int available = rect.width() - 2 * kMargin;
    const int width = surface.getTextWidth(text.c_str());
    if (width <= available) {
        scroll = 0;
        if (look.align == kAlignCenter)
            return kMargin + (available - width) / 2;
        return look.align == kAlignRight ? kMargin + available - width : kMargin;
    }
    const int caretX = surface.getTextWidth(text.substr(0, editing.caret()).c_str());
    scroll = std::clamp(scroll, caretX - available, caretX);
    scroll = std::clamp(scroll, 0, width - available);
    return kMargin - scroll;
}

void X11TextField::changed()
{
    if (window == 0)
        return;
    X11ErrorScope scope(display);
    XStoreName(display, window, editing.text().c_str());
    draw();
}

void X11TextField::draw()
{
    if (window == 0)
        return;
    paintWindow(display, window, frame->handle().visual, rect.width(), rect.height(),
                [this](cairo_surface_t* image) { drawOn(image); });
}

void X11TextField::drawOn(cairo_surface_t* image)
{
    const std::int32_t width = rect.width();
    const std::int32_t height = rect.height();
    CairoSurface surface(cairo_surface_reference(image), false);
    surface.setFont({look.fontHeight, false, false, false, false, look.fontName});
    surface.setBrush(colorToPlatform(look.backColor));
    surface.fillRect(CRect(0, 0, width, height));
    const std::string& text = editing.text();
    const int left = textLeft(surface);
    const auto shownAt = [&](std::size_t position) {
        return left + surface.getTextWidth(text.substr(0, position).c_str());
    };
    const CRect line(left, 0, shownAt(text.size()), height);
    surface.setTextColor(colorToPlatform(look.fontColor));
    surface.drawText(text.c_str(), line, TextAlignment::left, false);
    const std::size_t start = editing.selectionStart();
    const std::size_t end = editing.selectionEnd();
    if (start != end) {
        const CRect selected(shownAt(start), 0, shownAt(end), height);
        surface.setBrush(kSelectionBack);
        surface.fillRect(selected);
        surface.setTextColor(kSelectionText);
        surface.drawText(text.substr(start, end - start).c_str(), selected, TextAlignment::left, false);
    } else if (focused) {
        const int caretX = shownAt(editing.caret());
        const int halfHeight = look.fontHeight / 2 + 1;
        surface.setBrush(colorToPlatform(look.fontColor));
        surface.fillRect(CRect(caretX, height / 2 - halfHeight, caretX + 1, height / 2 + halfHeight));
    }
}

std::unique_ptr<TextField> createTextField(void* parentWindow, const CRect& rect, const char* text,
                                           const TextFieldLook& look, TextFieldEvents& events)
{
    X11FrameWindow* frame = frameWindowOf(parentWindow);
    if (frame == nullptr || frame->getHandle() == nullptr)
        return nullptr;
    auto field = std::make_unique<X11TextField>(*frame, rect, text, look, events);
    if (!field->create())
        return nullptr;
    return field;
}

} // namespace VSTGUI::platform
