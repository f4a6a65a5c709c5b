// The page of option menus: one with every kind of entry and sub-menus two levels deep, one
// long enough to need column breaks, and one whose items a scheme of the gallery draws. Each
// menu, sub-menus included, is a parameter with a readout. Page-local coordinates.
#pragma once

#include "CColor.h"
#include "CRect.h"
#include "GalleryLayout.h"

class GalleryPage;

namespace gallery {

constexpr std::int32_t kMenuWidth = 160;
constexpr std::int32_t kMenuHeight = 20;
constexpr std::int32_t kMenuTop = 60;

inline VSTGUI::CRect menuRect(std::int32_t column)
{
    const std::int32_t left = 30 + column * 200;
    return VSTGUI::CRect(left, kMenuTop, left + kMenuWidth, kMenuTop + kMenuHeight);
}

inline const VSTGUI::CRect kNestedMenuArea = menuRect(0);
inline const VSTGUI::CRect kColumnMenuArea = menuRect(1);
inline const VSTGUI::CRect kSchemeMenuArea = menuRect(2);

// The readouts stack under their menu's column: the nested menu has three.
inline VSTGUI::CRect menuReadoutRect(std::int32_t column, std::int32_t row)
{
    const VSTGUI::CRect menu = menuRect(column);
    const std::int32_t top = menu.bottom + kReadoutGap + row * (kReadoutHeight + kReadoutGap);
    return VSTGUI::CRect(menu.left, top, menu.left + kReadoutWidth, top + kReadoutHeight);
}

// Every kind of entry, and a sub-menu entry at its position among them: the nested menu's
// opens the strings, whose own opens the low strings.
constexpr const char* kNestedEntries[] = {"-TInstruments", "Piano", "Organ", "-", "-GHarpsichord", "Drums"};
constexpr const char* kStringsTitle = "Strings";
constexpr std::size_t kStringsPosition = 5;
constexpr const char* kStringsEntries[] = {"Violin", "Viola"};
constexpr const char* kLowTitle = "Low";
constexpr std::size_t kLowPosition = 2;
constexpr const char* kLowEntries[] = {"Cello", "Bass", "-GOctobass"};

constexpr std::int32_t kColumnEntries = 48;
constexpr std::int32_t kColumnItems = 12;
// Entries of the long menu show their number in two digits.
constexpr std::int32_t kColumnPrefixDigits = 3;

constexpr const char* kSchemeEntries[] = {"Sine", "Square", "-", "Saw\tS", "-GNoise", "Pulse"};

// The gallery scheme's colours, none of them a system menu colour.
constexpr VSTGUI::CColor kSchemeBackground = {46, 52, 78, 0};
constexpr VSTGUI::CColor kSchemeSelection = {214, 176, 64, 0};
constexpr VSTGUI::CColor kSchemeText = {226, 226, 214, 0};
constexpr VSTGUI::CColor kSchemeHighlightedText = {28, 30, 36, 0};
constexpr VSTGUI::CColor kSchemeDisabledText = {120, 124, 140, 0};

} // namespace gallery

void buildMenuPage(GalleryPage& page);
