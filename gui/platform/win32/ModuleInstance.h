// The plug-in module whose resources are read; defined by the library's load routine (or by
// a test program that links the framework without the library).
#pragma once

#include <windows.h>

extern HINSTANCE hInstance;
