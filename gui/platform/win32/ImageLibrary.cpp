#include "ImageLibrary.h"

#include "../Platform.h"

namespace VSTGUI {

AlphaBlendProc pfnAlphaBlend = nullptr;
TransparentBltProc pfnTransparentBlt = nullptr;
OSVERSIONINFOA gSystemVersion = {};

namespace {
// The NT family; earlier platforms have no usable TransparentBlt.
constexpr DWORD kFirstNtPlatformId = 2;

template <typename Procedure>
Procedure lookUp(HMODULE library, const char* name)
{
    return reinterpret_cast<Procedure>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}
} // namespace

namespace platform {

void* loadImageLibrary()
{
    pfnAlphaBlend = nullptr;
    pfnTransparentBlt = nullptr;
    HMODULE library = LoadLibraryA("msimg32.dll");
    if (library == nullptr)
        return nullptr;
    pfnAlphaBlend = lookUp<AlphaBlendProc>(library, "AlphaBlend");
    // The size field must match the record passed, or the call writes past it.
    gSystemVersion.dwOSVersionInfoSize = sizeof(gSystemVersion);
    if (GetVersionExA(&gSystemVersion) && gSystemVersion.dwPlatformId >= kFirstNtPlatformId)
        pfnTransparentBlt = lookUp<TransparentBltProc>(library, "TransparentBlt");
    return library;
}

// Once the last reference is gone the entry points would dangle, so they are cleared.
void unloadImageLibrary(void* library)
{
    if (library == nullptr)
        return;
    FreeLibrary(static_cast<HMODULE>(library));
    if (GetModuleHandleA("msimg32.dll") == nullptr) {
        pfnAlphaBlend = nullptr;
        pfnTransparentBlt = nullptr;
    }
}

} // namespace platform
} // namespace VSTGUI
