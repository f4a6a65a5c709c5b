#include "EditorHost.h"

#include <windows.h>

namespace {
constexpr const char* kClassName = "KvhostValidateEditorHost";
constexpr int kWindowSize = 800;

BOOL CALLBACK countChild(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

class Win32EditorHost : public EditorHost {
public:
    explicit Win32EditorHost(HWND hostWindow) : window(hostWindow) {}
    ~Win32EditorHost() override { DestroyWindow(window); }
    void* parentHandle() override { return window; }
    void pumpMessages() override
    {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }

    std::string editorWindowFault(int width, int height) override
    {
        const int children = childWindowCount();
        if (children != 1)
            return std::to_string(children) + " child windows in the host's window, not one";
        HWND editor = GetWindow(window, GW_CHILD);
        if (!IsWindowVisible(editor))
            return "the editor's window is not visible";
        RECT client{};
        GetClientRect(editor, &client);
        if (client.right - client.left != width || client.bottom - client.top != height)
            return "the editor's window is " + std::to_string(client.right - client.left) + "x"
                   + std::to_string(client.bottom - client.top) + ", effEditGetRect says " + std::to_string(width)
                   + "x" + std::to_string(height);
        return {};
    }

    std::string embeddingFault() override { return {}; }

    int childWindowCount() override
    {
        int count = 0;
        EnumChildWindows(window, countChild, reinterpret_cast<LPARAM>(&count));
        return count;
    }

private:
    HWND window;
};

void registerClass()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
}
} // namespace

std::unique_ptr<EditorHost> makeEditorHost(std::string& whyNot)
{
    registerClass();
    HWND window = CreateWindowExA(0, kClassName, "kvhost validate", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, kWindowSize,
                                  kWindowSize, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr) {
        whyNot = "cannot create a host window (Windows error " + std::to_string(GetLastError()) + ")";
        return nullptr;
    }
    return std::make_unique<Win32EditorHost>(window);
}

bool runWithoutWindowSystem(const std::function<void()>& /*body*/, std::string& whyNot)
{
    whyNot = "a Windows process always reaches its window system";
    return false;
}
