// The pixels a window shows in its client area, as an RGB image. Windows only.
#pragma once

#include "PngFile.h"

#include <windows.h>

RgbImage captureClientArea(HWND window);
