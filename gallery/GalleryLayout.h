// The gallery's parameters (one per control it shows, and the page shown), its pages, its
// images and the size every page has.
#pragma once

#include <cstdint>

namespace gallery {

enum Parameter : std::int32_t {
    kAnimKnob = 0,
    kMovieBitmap,
    kMovieButton,
    kAutoAnimation,
    kOnOffButton,
    kKickButton,
    kVerticalSwitch,
    kHorizontalSwitch,
    kRockerSwitch,
    kHorizontalSlider,
    kVerticalSlider,
    // Which page the editor shows; always the last parameter.
    kPage,
    kParameterCount
};

// Host-visible names: at most 8 characters, as hosts reserve.
constexpr const char* kParameterNames[kParameterCount] = {
    "AnimKnob", "MovieBmp", "MovieBtn", "AutoAnim", "OnOff",   "Kick",
    "VSwitch",  "HSwitch",  "Rocker",   "HSlider",  "VSlider", "Page",
};

enum Page : std::int32_t { kBitmapControlsPage = 0, kScrollPage, kPageCount };

// Shown as the Page parameter's value: at most 8 characters.
constexpr const char* kPageNames[kPageCount] = {"Bitmaps", "Scroll"};

// The page a Page parameter value selects: the nearest of the evenly spread page values.
inline Page pageAt(float value)
{
    if (!(value > 0.0f) || kPageCount < 2)
        return kBitmapControlsPage;
    const auto page = static_cast<std::int32_t>(value * static_cast<float>(kPageCount - 1) + 0.5f);
    return static_cast<Page>(page < kPageCount ? page : kPageCount - 1);
}

inline float pageValue(Page page)
{
    return kPageCount < 2 ? 0.0f : static_cast<float>(page) / static_cast<float>(kPageCount - 1);
}

// Resource identifiers of gallery/gallery.rc.
enum Image : std::int32_t {
    kBackgroundImage = 200,
    kAnimKnobImage,
    kMovieBitmapImage,
    kMovieButtonImage,
    kAutoAnimationImage,
    kOnOffImage,
    kKickImage,
    kVerticalSwitchImage,
    kHorizontalSwitchImage,
    kRockerImage,
    kHorizontalTrackImage,
    kHorizontalHandleImage,
    kVerticalTrackImage,
    kVerticalHandleImage,
    kTabImage,
};

constexpr std::int32_t kPageWidth = 620;
constexpr std::int32_t kPageHeight = 440;
// The pages' tab buttons run along the editor's top edge, above the page.
constexpr std::int32_t kTabHeight = 24;
// Where a page's top-left corner is in the editor's frame.
constexpr std::int32_t kPageLeft = 0;
constexpr std::int32_t kPageTop = kTabHeight;
constexpr std::int32_t kEditorWidth = kPageLeft + kPageWidth;
constexpr std::int32_t kEditorHeight = kPageTop + kPageHeight;

constexpr std::int32_t kReadoutGap = 4;
constexpr std::int32_t kReadoutWidth = 100;
constexpr std::int32_t kReadoutHeight = 16;

} // namespace gallery
