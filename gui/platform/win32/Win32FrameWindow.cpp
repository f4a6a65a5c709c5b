// The frame's child window on Windows: creation inside the host's parent, the window procedure
// that turns paint, button and wheel messages into frame events, and destruction.
#include "../FrameWindow.h"
#include "FrameWindowClass.h"
#include "ModuleInstance.h"
#include "Win32PopupMenu.h"
#include "Win32TextField.h"

#include <windows.h>
#include <windowsx.h>

namespace VSTGUI::platform {

namespace {
constexpr DWORD kFrameWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr float kWheelNotch = 120.0f;

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

class Win32FrameWindow final : public FrameWindow {
public:
    Win32FrameWindow(FrameWindowEvents& events_, HWND window_) : events(events_), window(window_)
    {
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }

    // The user data is cleared first, so the WM_DESTROY this causes reaches no frame.
    ~Win32FrameWindow() override
    {
        if (window != nullptr) {
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            endPopupMenu(window);
            DestroyWindow(window);
        }
        releaseFrameWindowClass();
    }

    Win32FrameWindow(const Win32FrameWindow&) = delete;
    Win32FrameWindow& operator=(const Win32FrameWindow&) = delete;

    void* getHandle() const override { return window; }

    // The handle is forgotten at once: Windows may give it to another window later.
    void destroyed()
    {
        window = nullptr;
        events.windowDestroyed();
    }

    void paint()
    {
        if (!GetUpdateRect(window, nullptr, FALSE))
            return;
        const HWND paintedWindow = window;
        PAINTSTRUCT paintRecord;
        const HDC dc = BeginPaint(paintedWindow, &paintRecord);
        const RECT& area = paintRecord.rcPaint;
        events.windowNeedsPaint(dc, CRect(area.left, area.top, area.right, area.bottom));
        EndPaint(paintedWindow, &paintRecord);
    }

    // Positions arrive as unsigned 16-bit client coordinates.
    void buttonPressed(LPARAM lParam)
    {
        events.mouseButtonPressed(CPoint(LOWORD(lParam), HIWORD(lParam)));
    }

    // Both wheels' positions are in screen coordinates.
    void wheelTurned(CMouseWheelAxis axis, WPARAM wParam, LPARAM lParam)
    {
        POINT where = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(window, &where);
        const float distance = static_cast<float>(GET_WHEEL_DELTA_WPARAM(wParam)) / kWheelNotch;
        events.wheelTurned(CPoint(where.x, where.y), axis, distance);
    }

private:
    FrameWindowEvents& events;
    HWND window;
};

// Each handler may destroy the window and its object; nothing of them is touched afterwards.
LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* frameWindow = reinterpret_cast<Win32FrameWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (frameWindow == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_DESTROY:
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        endPopupMenu(window);
        frameWindow->destroyed();
        break;
    case WM_PAINT:
        frameWindow->paint();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        frameWindow->buttonPressed(lParam);
        return 0;
    case WM_MOUSEWHEEL:
        frameWindow->wheelTurned(kWheelAxisY, wParam, lParam);
        break;
    case WM_MOUSEHWHEEL:
        frameWindow->wheelTurned(kWheelAxisX, wParam, lParam);
        break;
    case WM_CTLCOLOREDIT:
        if (const HBRUSH brush = colorTextField(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_MEASUREITEM:
        if (measurePopupMenuItem(window, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    case WM_DRAWITEM:
        if (drawPopupMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
} // namespace

std::unique_ptr<FrameWindow> createFrameWindow(void* parent, std::int32_t width, std::int32_t height,
                                               FrameWindowEvents& events)
{
    if (parent == nullptr)
        return nullptr;
    const char* className = acquireFrameWindowClass(windowProcedure);
    const HWND window = CreateWindowExA(0, className, "Window", kFrameWindowStyle, 0, 0, width, height,
                                        static_cast<HWND>(parent), nullptr, hInstance, nullptr);
    if (window == nullptr) {
        releaseFrameWindowClass();
        return nullptr;
    }
    return std::make_unique<Win32FrameWindow>(events, window);
}

// The frame's window leaves keys to the host, which forwards them; none is delivered twice.
bool takeKeyDeliveredByWindow(void* /*window*/, const VstKeyCode& /*keyCode*/, bool /*pressed*/, bool& /*handled*/)
{
    return false;
}

} // namespace VSTGUI::platform
