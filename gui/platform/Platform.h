// The operations each platform backend supplies to the portable framework: surfaces, images,
// embedded resources, and the cursor, key and clock state that mouse handling polls.
// gui/platform/win32/ implements them for Windows.
#pragma once

#include "DrawingSurface.h"
#include "PlatformImage.h"

#include <cstdint>
#include <memory>

namespace VSTGUI::platform {

// [SECTION] Surfaces
// The given surface, or else the window's own one (released again by the surface).
std::unique_ptr<DrawingSurface> createWindowSurface(void* systemContext, void* window);
CPoint getWindowScreenOrigin(void* window);
// A memory surface with a new image, compatible with the window's surface or another surface.
std::unique_ptr<DrawingSurface> createOffscreenSurface(void* window, std::int32_t width, std::int32_t height);
std::unique_ptr<DrawingSurface> createOffscreenSurface(DrawingSurface& compatible, std::int32_t width,
                                                       std::int32_t height);
// A memory surface that draws straight into the image, which it does not own.
std::unique_ptr<DrawingSurface> createImageSurface(DrawingSurface& compatible, PlatformImage& image);

// [SECTION] Images
// A zeroed 32-bit bottom-up image; pixels receives its first (bottom) row, rows have no padding.
std::unique_ptr<PlatformImage> createPixelImage(std::int32_t width, std::int32_t height, std::uint8_t*& pixels);
std::unique_ptr<PlatformImage> createScreenCompatibleImage(std::int32_t width, std::int32_t height);
// A plain bitmap resource of the module; null when there is none.
std::unique_ptr<PlatformImage> loadBitmapResource(std::int32_t id);
// Monochrome mask: white where the surface shows keyColor, black elsewhere.
std::unique_ptr<PlatformImage> createMaskFromSurface(DrawingSurface& surface, const CPoint& source,
                                                     std::int32_t width, std::int32_t height,
                                                     std::uint32_t keyColor);

// [SECTION] Resources
struct ResourceBytes {
    const std::uint8_t* data = nullptr;
    std::int32_t size = 0;
};
// Bytes valid for the module's lifetime; data is null when there is no such resource.
ResourceBytes findResource(std::int32_t id, const char* typeName);

// [SECTION] Image library
// Loads the optional system blending operations for every bitmap of the module; the last
// library loaded decides. Returns a handle for unloadImageLibrary, null when unavailable.
void* loadImageLibrary();
void unloadImageLibrary(void* library);

// [SECTION] Input state and clock
enum class InputKey { physicalLeftButton, middleButton, physicalRightButton, shift, control, alt };

CPoint getCursorPosition();
bool isKeyDown(InputKey key);
std::uint32_t getMessageTime();
std::uint32_t getDoubleClickTime();
std::uint32_t getTickCount();
// Removes a pending primary-button press from the thread's queue; true when there was one.
bool takePrimaryButtonPress();

} // namespace VSTGUI::platform
