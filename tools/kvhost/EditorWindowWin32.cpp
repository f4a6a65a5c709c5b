// Index: [SECTION] Window, Keys, Message pumping, Showing the editor.
#include "EditorWindow.h"

#include "KvhostError.h"
#include "RealInput.h"
#include "WindowCapture.h"

#include <windows.h>

namespace {
constexpr UINT_PTR kIdleTimer = 1;
constexpr UINT kIdleIntervalMs = 20;
constexpr const char* kWindowClass = "KvhostEditorWindow";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// After each drag, a few idle passes let what it changed be drawn.
constexpr int kIdlePassesAfterInput = 3;

// [SECTION] Window

struct WindowState {
    const EditorSession* session = nullptr;
    bool editorOpen = false;
};

WindowState* stateOf(HWND window)
{
    return reinterpret_cast<WindowState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// [SECTION] Keys
// The arrow keys, as the host's virtual key codes, reach the editor through effEditKeyDown.
unsigned char vstVirtualKey(WPARAM key)
{
    switch (key) {
    case VK_LEFT:
        return 11;
    case VK_UP:
        return 12;
    case VK_RIGHT:
        return 13;
    case VK_DOWN:
        return 14;
    default:
        return 0;
    }
}

LRESULT CALLBACK editorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowState* state = stateOf(window);
    switch (message) {
    case WM_TIMER:
        if (state != nullptr && state->editorOpen)
            state->session->dispatch(effEditIdle);
        return 0;
    case WM_KEYDOWN:
        if (state != nullptr && state->editorOpen && vstVirtualKey(wParam) != 0) {
            const intptr modifier = (GetKeyState(VK_SHIFT) & 0x8000) != 0 ? 1 : 0;
            state->session->dispatch(effEditKeyDown, 0, vstVirtualKey(wParam), nullptr, static_cast<float>(modifier));
            return 0;
        }
        break;
    case WM_CLOSE:
        if (state != nullptr && state->editorOpen) {
            state->session->dispatch(effEditClose);
            state->editorOpen = false;
        }
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND createEditorWindow(int width, int height, WindowState& state)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = editorWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
    RECT frame = {0, 0, width, height};
    AdjustWindowRect(&frame, kWindowStyle, FALSE);
    HWND window = CreateWindowA(kWindowClass, "Kestrovanel", kWindowStyle, 0, 0, frame.right - frame.left,
                                frame.bottom - frame.top, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (window == nullptr)
        throw KvhostError("the editor window could not be created");
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
    return window;
}

// [SECTION] Message pumping

// Handles what is waiting; false once the window is gone.
bool pumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
        if (message.message == WM_QUIT)
            return false;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

void runUntilClosed()
{
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void idleAndPump(const EditorSession& session, int passes)
{
    for (int pass = 0; pass < passes; ++pass) {
        pumpMessages();
        session.dispatch(effEditIdle);
        Sleep(kIdleIntervalMs);
    }
    pumpMessages();
}

// The window keeps handling messages while another thread makes the gesture, so the button
// press reaches the editor and its tracking loop runs here.
void dragWhilePumping(HWND window, const EditorOptions::Drag& editorDrag)
{
    POINT start = {editorDrag.x, editorDrag.y};
    ClientToScreen(window, &start);
    MouseDrag drag;
    drag.start = start;
    drag.dx = editorDrag.dx;
    drag.dy = editorDrag.dy;
    const InputThread gesture([drag] { performDrag(drag); });
    const HANDLE gestureThread = gesture.handle();
    while (!gesture.finished()) {
        MsgWaitForMultipleObjects(1, &gestureThread, FALSE, kIdleIntervalMs, QS_ALLINPUT);
        pumpMessages();
    }
}

// [SECTION] Showing the editor

void takeScreenshot(HWND window, const EditorSession& session, const EditorOptions& options)
{
    idleAndPump(session, kIdlePassesAfterInput);
    for (const EditorOptions::Drag& drag : options.drags) {
        dragWhilePumping(window, drag);
        idleAndPump(session, kIdlePassesAfterInput);
    }
    writePng(options.screenshotPath, captureClientArea(window));
}
} // namespace

void showEditor(const EditorSession& session, const EditorOptions& options)
{
    const EditorSize size = session.editorSize();
    WindowState state;
    state.session = &session;
    HWND window = createEditorWindow(size.width, size.height, state);
    state.editorOpen = session.dispatch(effEditOpen, 0, 0, window) != 0;
    if (!state.editorOpen) {
        DestroyWindow(window);
        throw KvhostError("the plug-in did not open its editor");
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    SetTimer(window, kIdleTimer, kIdleIntervalMs, nullptr);
    if (options.screenshotPath.empty()) {
        runUntilClosed();
        return;
    }
    try {
        takeScreenshot(window, session, options);
    } catch (...) {
        SendMessageA(window, WM_CLOSE, 0, 0);
        pumpMessages();
        throw;
    }
    SendMessageA(window, WM_CLOSE, 0, 0);
    pumpMessages();
}
