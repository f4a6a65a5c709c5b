// What a panel label with a given text looks like, drawn in this process by the same label
// class in a window of its own, to compare the plug-in's label with pixel by pixel.
#pragma once

#include "CColor.h"

#include <vector>

std::vector<VSTGUI::CColor> referenceLabelPixels(const char* text);
