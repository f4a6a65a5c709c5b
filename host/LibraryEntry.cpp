// What a host finds in the library: the entry points (under three names) and, on Windows, the
// load routine that remembers the module handle for the editor's resources and window class.
#include "AudioEffect.h"
#include "HostEntry.h"

#include <new>

#if defined(_WIN32)
#include <windows.h>

HINSTANCE hInstance = nullptr;

extern "C" KV_HOST_ENTRY BOOL WINAPI DllMain(HINSTANCE instance, DWORD /*reason*/, LPVOID /*reserved*/)
{
    hInstance = instance;
    return TRUE;
}

#define KV_EXPORT
#else
#define KV_EXPORT __attribute__((visibility("default")))
#endif

namespace {
AEffect* createEffectFor(audioMasterCallback audioMaster)
{
    if (audioMaster == nullptr || audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0)
        return nullptr;
    // Nothing may throw into the host: a failed construction is a failed entry point.
    try {
        AudioEffect* effect = createEffectInstance(audioMaster);
        return effect != nullptr ? effect->getAeffect() : nullptr;
    } catch (...) {
        return nullptr;
    }
}
} // namespace

extern "C" {
KV_EXPORT KV_HOST_ENTRY AEffect* VSTPluginMain(audioMasterCallback audioMaster)
{
    return createEffectFor(audioMaster);
}

KV_EXPORT KV_HOST_ENTRY AEffect* MAIN(audioMasterCallback audioMaster)
{
    return createEffectFor(audioMaster);
}
}
