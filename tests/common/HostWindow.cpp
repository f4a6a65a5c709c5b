#include "HostWindow.h"

namespace {
const char* const kHostClassName = "KestrovanelViewTestHost";

const char* hostClass()
{
    static const bool registered = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = kHostClassName;
        return RegisterClassA(&windowClass) != 0;
    }();
    return registered ? kHostClassName : nullptr;
}

BOOL CALLBACK countChild(HWND /*child*/, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}
} // namespace

HWND desktopWindow()
{
    static const HWND desktop = CreateWindowExA(0, hostClass(), "desktop", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                                                0, 0, 1200, 1000, nullptr, nullptr, GetModuleHandleA(nullptr),
                                                nullptr);
    return desktop;
}

HostWindow::HostWindow(int width, int height, HWND parent, int x, int y)
{
    window = CreateWindowExA(0, hostClass(), "host", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, x, y, width, height,
                             parent != nullptr ? parent : desktopWindow(), nullptr, GetModuleHandleA(nullptr),
                             nullptr);
    pumpMessages();
}

HostWindow::~HostWindow()
{
    destroy();
}

void HostWindow::destroy()
{
    if (window != nullptr)
        DestroyWindow(window);
    window = nullptr;
    pumpMessages();
}

HWND frameWindowOf(const VSTGUI::CFrame& frame)
{
    return static_cast<HWND>(frame.getPlatformWindow());
}

void pumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void pumpUntilSignalled(HANDLE object)
{
    constexpr DWORD kPumpSliceMs = 10;
    while (WaitForSingleObject(object, 0) != WAIT_OBJECT_0) {
        MsgWaitForMultipleObjects(1, &object, FALSE, kPumpSliceMs, QS_ALLINPUT);
        pumpMessages();
    }
    pumpMessages();
}

SIZE windowSize(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

VSTGUI::CColor pixelOf(HWND window, int x, int y)
{
    return pixelsOf(window, x, y, x + 1, y + 1).front();
}

std::vector<VSTGUI::CColor> pixelsOf(HWND window, int left, int top, int right, int bottom)
{
    std::vector<VSTGUI::CColor> result;
    const HDC dc = GetDC(window);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            result.push_back(VSTGUI::colorFromPlatform(GetPixel(dc, x, y)));
    ReleaseDC(window, dc);
    return result;
}

bool classIsRegistered(const char* className)
{
    WNDCLASSA windowClass = {};
    return GetClassInfoA(GetModuleHandleA(nullptr), className, &windowClass) != 0;
}

int childWindowCount(HWND window)
{
    int count = 0;
    EnumChildWindows(window, countChild, reinterpret_cast<LPARAM>(&count));
    return count;
}
