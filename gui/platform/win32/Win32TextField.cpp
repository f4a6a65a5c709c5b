// The text edit's field: a native "EDIT" child of the frame's window, subclassed so that it
// wants every key, reports Return, Escape and the loss of the focus, and never reports anything
// while it is being destroyed.
#include "../TextField.h"

#include "ModuleInstance.h"
#include "Win32TextField.h"

#include <string>

namespace VSTGUI::platform {

namespace {
constexpr DWORD kFieldStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
constexpr char kFieldProperty[] = "KestrovanelTextField";

COLORREF toColorRef(const CColor& color)
{
    return RGB(color.red, color.green, color.blue);
}

WPARAM navigationKey(TextFieldKey key)
{
    switch (key) {
    case TextFieldKey::deleteForward:
        return VK_DELETE;
    case TextFieldKey::left:
        return VK_LEFT;
    case TextFieldKey::right:
        return VK_RIGHT;
    case TextFieldKey::home:
        return VK_HOME;
    default:
        return VK_END;
    }
}

DWORD alignmentStyle(CHoriTxtAlign align)
{
    if (align == kAlignCenter)
        return ES_CENTER;
    if (align == kAlignRight)
        return ES_RIGHT;
    return ES_LEFT;
}

LRESULT CALLBACK fieldProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

class Win32TextField final : public TextField {
public:
    Win32TextField(HWND window_, HFONT font_, const TextFieldLook& look, TextFieldEvents& events_)
        : window(window_), font(font_), brush(CreateSolidBrush(toColorRef(look.backColor))),
          textColor(toColorRef(look.fontColor)), backColor(toColorRef(look.backColor)), events(&events_)
    {
        SetPropA(window, kFieldProperty, this);
        previousProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(fieldProcedure)));
    }

    ~Win32TextField() override
    {
        // Destroying the focused field sends it the focus loss; nobody must hear of it.
        events = nullptr;
        if (IsWindow(window)) {
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProcedure));
            RemovePropA(window, kFieldProperty);
            DestroyWindow(window);
        }
        DeleteObject(font);
        DeleteObject(brush);
    }

    std::string getText() const override { return IsWindow(window) ? readText() : textAtDestruction; }

    void pressKey(TextFieldKey key, char character) override
    {
        switch (key) {
        case TextFieldKey::character:
            SendMessageA(window, WM_CHAR, static_cast<unsigned char>(character), 1);
            break;
        case TextFieldKey::backspace:
            SendMessageA(window, WM_CHAR, VK_BACK, 1);
            break;
        default:
            SendMessageA(window, WM_KEYDOWN, navigationKey(key), 1);
            break;
        }
    }

    HBRUSH color(HDC dc) const
    {
        SetTextColor(dc, textColor);
        SetBkColor(dc, backColor);
        return brush;
    }

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam)
    {
        const WNDPROC previous = previousProcedure;
        switch (message) {
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
            // The handler may destroy the field, so it must be the last thing done with it.
            if (wParam == VK_RETURN && events != nullptr) {
                events->textFieldReturnPressed();
                return 0;
            }
            if (wParam == VK_ESCAPE && events != nullptr) {
                events->textFieldEscapePressed();
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == '\r' || wParam == VK_ESCAPE)
                return 0;
            break;
        case WM_DESTROY:
            // Gone with the frame's window: its text is still the edit's result.
            textAtDestruction = readText();
            break;
        case WM_KILLFOCUS:
            if (events != nullptr) {
                const HWND self = window;
                CallWindowProcA(previous, self, message, wParam, lParam);
                events->textFieldFocusLost();
                return 0;
            }
            break;
        default:
            break;
        }
        return CallWindowProcA(previous, window, message, wParam, lParam);
    }

private:
    std::string readText() const
    {
        char buffer[kTextFieldMaxChars + 1] = {};
        GetWindowTextA(window, buffer, static_cast<int>(sizeof buffer));
        return buffer;
    }

    HWND window;
    HFONT font;
    HBRUSH brush;
    COLORREF textColor;
    COLORREF backColor;
    TextFieldEvents* events;
    WNDPROC previousProcedure = nullptr;
    std::string textAtDestruction;
};

LRESULT CALLBACK fieldProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* field = static_cast<Win32TextField*>(GetPropA(window, kFieldProperty));
    if (field == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    return field->handle(message, wParam, lParam);
}

HFONT createFieldFont(const TextFieldLook& look)
{
    LOGFONTA description = {};
    description.lfHeight = -look.fontHeight;
    description.lfWeight = FW_NORMAL;
    description.lfCharSet = ANSI_CHARSET;
    description.lfOutPrecision = OUT_STRING_PRECIS;
    description.lfClipPrecision = CLIP_STROKE_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    lstrcpynA(description.lfFaceName, look.fontName, LF_FACESIZE);
    return CreateFontIndirectA(&description);
}
} // namespace

HBRUSH colorTextField(HWND field, HDC dc)
{
    auto* textField = static_cast<Win32TextField*>(GetPropA(field, kFieldProperty));
    return textField != nullptr ? textField->color(dc) : nullptr;
}

std::unique_ptr<TextField> createTextField(void* parentWindow, const CRect& rect, const char* text,
                                           const TextFieldLook& look, TextFieldEvents& events)
{
    if (parentWindow == nullptr)
        return nullptr;
    const HWND window = CreateWindowExA(0, "EDIT", text != nullptr ? text : "", kFieldStyle | alignmentStyle(look.align),
                                        rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                        static_cast<HWND>(parentWindow), nullptr, hInstance, nullptr);
    if (window == nullptr)
        return nullptr;
    const HFONT font = createFieldFont(look);
    auto field = std::make_unique<Win32TextField>(window, font, look, events);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SendMessageA(window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    SendMessageA(window, EM_SETSEL, 0, -1);
    SendMessageA(window, EM_LIMITTEXT, kTextFieldMaxChars, 0);
    SetFocus(window);
    return field;
}

} // namespace VSTGUI::platform
