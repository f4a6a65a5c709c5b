// The page of the text edit and the indicators: a text edit with a label that echoes its text,
// a seven-digit display bound to the Digits parameter, a level meter showing the peak of the
// gallery's audio input, and a splash screen with its trigger. Page-local coordinates.
#pragma once

#include "CRect.h"
#include "GalleryLayout.h"

class GalleryPage;

namespace gallery {

inline const VSTGUI::CRect kTextEditArea(40, 60, 280, 84);
inline const VSTGUI::CRect kTextEchoArea(40, 92, 280, 108);
constexpr const char* kTextEditStart = "Edit me";

constexpr std::int32_t kDigitCount = 7;
constexpr std::int32_t kDigitWidth = 16;
constexpr std::int32_t kDigitHeight = 24;
inline const VSTGUI::CRect kDigitArea(360, 60, 360 + kDigitCount * kDigitWidth, 60 + kDigitHeight);
inline const VSTGUI::CRect kDigitReadoutArea(366, 92, 466, 108);

constexpr std::int32_t kMeterLeds = 20;
inline const VSTGUI::CRect kMeterArea(40, 180, 200, 196);

// Clicking the trigger shows the splash image over the display area, which covers the text
// edit, its echo and the meter: while it is shown they get no clicks.
inline const VSTGUI::CRect kSplashTriggerArea(360, 176, 460, 200);
inline const VSTGUI::CRect kSplashDisplayArea(20, 40, 340, 200);

} // namespace gallery

void buildTextAndIndicatorsPage(GalleryPage& page);
