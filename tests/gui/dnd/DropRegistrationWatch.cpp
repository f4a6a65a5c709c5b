#include "DropRegistrationWatch.h"

namespace {
WNDPROC originalProcedure = nullptr;
bool targetAtDestruction = true;

LRESULT CALLBACK watchDestruction(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallWindowProcA(originalProcedure, window, message, wParam, lParam);
    if (message == WM_DESTROY)
        targetAtDestruction = GetPropW(window, L"OleDropTargetInterface") != nullptr;
    return result;
}
} // namespace

// OLE keeps the target of a window of this process under this window property.
IDropTarget* registeredTarget(HWND window)
{
    auto* target = static_cast<IDropTarget*>(GetPropW(window, L"OleDropTargetInterface"));
    if (target != nullptr)
        target->AddRef();
    return target;
}

bool isRegistered(HWND window)
{
    IDropTarget* target = registeredTarget(window);
    if (target != nullptr)
        target->Release();
    return target != nullptr;
}

void watchDestructionOf(HWND window)
{
    targetAtDestruction = true;
    originalProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&watchDestruction)));
}

bool hadTargetAtDestruction()
{
    return targetAtDestruction;
}
