// An image that views draw: loaded once from a PNG resource of the module into premultiplied
// pixels and drawn by alpha blending, or a plain bitmap drawn by copy or colour key.
// Shared between views by reference counting.
#pragma once

#include "CColor.h"
#include "CPoint.h"
#include "CRect.h"
#include "CReferenceCounter.h"
#include "platform/PlatformImage.h"

#include <cstdint>
#include <memory>

namespace VSTGUI {

class CDrawContext;
class CFrame;

class CBitmap : public CReferenceCounter {
public:
    CBitmap();
    explicit CBitmap(std::int32_t resourceID);
    // An empty image in the screen's pixel format, to be drawn into through an offscreen context.
    CBitmap(CFrame& frame, std::int32_t width, std::int32_t height);
    ~CBitmap() override;

    virtual void draw(CDrawContext* context, CRect& rect, const CPoint& offset = CPoint(0, 0));
    virtual void drawTransparent(CDrawContext* context, CRect& rect, const CPoint& offset = CPoint(0, 0));
    virtual void drawAlphaBlend(CDrawContext* context, CRect& rect, const CPoint& offset,
                                std::uint8_t alpha);
    virtual void dispose();
    virtual bool loadFromResource(std::int32_t resourceID);
    virtual bool loadFromPath(const void* platformPath);

    bool isLoaded() const { return image != nullptr; }
    void* getHandle() const { return image != nullptr ? image->getHandle() : nullptr; }
    platform::PlatformImage* getPlatformImage() const { return image.get(); }

    std::int32_t getWidth() const { return width; }
    std::int32_t getHeight() const { return height; }
    std::int32_t getResourceID() const { return resourceID; }
    bool getNoAlpha() const { return noAlpha; }

    void setTransparentColor(CColor color) { transparentCColor = color; }
    CColor getTransparentColor() const { return transparentCColor; }
    // The mask is taken from what the context shows at source, not from the image.
    void setTransparencyMask(CDrawContext* context, const CPoint& source = CPoint(0, 0));

private:
    bool loadPng(const std::uint8_t* data, std::int32_t size);
    CRect destinationOn(const CDrawContext& context, const CRect& rect) const;

    std::int32_t resourceID = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    CColor transparentCColor;
    bool noAlpha = true;
    std::unique_ptr<platform::PlatformImage> image;
    std::unique_ptr<platform::PlatformImage> mask;
};

} // namespace VSTGUI
