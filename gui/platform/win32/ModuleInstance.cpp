// The module handle for programs that link the framework without the plug-in library (the
// effect's own unit tests): no resources of their own, so bitmaps load empty. The library's
// load routine defines the handle itself, and then this file is never linked.
#include "ModuleInstance.h"

HINSTANCE hInstance = nullptr;
