#include "EditorHost.h"

#include <windows.h>

namespace {
constexpr const char* kClassName = "KvhostValidateEditorHost";
constexpr int kWindowSize = 800;

class Win32EditorHost : public EditorHost {
public:
    explicit Win32EditorHost(HWND window) : window(window) {}
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
