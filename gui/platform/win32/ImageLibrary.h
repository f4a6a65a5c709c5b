// The optional system blending operations ("msimg32.dll") and the platform version record,
// shared by every bitmap of the module. The last frame created decides them.
#pragma once

#include <windows.h>

namespace VSTGUI {

using AlphaBlendProc = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
using TransparentBltProc = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);

extern AlphaBlendProc pfnAlphaBlend;
extern TransparentBltProc pfnTransparentBlt;
extern OSVERSIONINFOA gSystemVersion;

} // namespace VSTGUI
