#include "GalleryPage.h"

#include "CBitmap.h"
#include "CViewContainer.h"
#include "ParameterBindings.h"
#include "controls/CParamDisplay.h"

namespace {
constexpr VSTGUI::CColor kReadoutBack = {36, 38, 46, 255};
}

GalleryPage::GalleryPage(VSTGUI::CViewContainer& container_, ParameterBindings& bindings_,
                         VSTGUI::CControlListener& listener_)
    : container(container_), bindings(bindings_), controlListener(listener_)
{
}

GalleryPage::~GalleryPage()
{
    for (VSTGUI::CBitmap* bitmap : images)
        bitmap->forget();
}

VSTGUI::CBitmap* GalleryPage::image(gallery::Image id)
{
    images.push_back(new VSTGUI::CBitmap(id));
    return images.back();
}

VSTGUI::CFrame* GalleryPage::frame() const
{
    return container.getFrame();
}

void GalleryPage::addView(VSTGUI::CView* view)
{
    container.addView(view);
}

void GalleryPage::addControl(gallery::Parameter parameter, VSTGUI::CControl* control, const VSTGUI::CRect& readoutArea)
{
    auto* readout = new VSTGUI::CParamDisplay(readoutArea);
    readout->setBackColor(kReadoutBack);
    readout->setFrameColor(kReadoutBack);
    bindings.bind(parameter, control, readout);
    container.addView(control);
    container.addView(readout);
}
