#include "GalleryPage.h"

#include "CBitmap.h"
#include "CViewContainer.h"
#include "ParameterBindings.h"
#include "controls/CParamDisplay.h"

#include <utility>

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
    container.addView(control);
    bindDetached(parameter, control, readoutArea);
}

void GalleryPage::bindDetached(gallery::Parameter parameter, VSTGUI::CControl* control,
                               const VSTGUI::CRect& readoutArea)
{
    auto* readout = new VSTGUI::CParamDisplay(readoutArea);
    readout->setBackColor(kReadoutBack);
    readout->setFrameColor(kReadoutBack);
    bindings.bind(parameter, control, readout);
    container.addView(readout);
}

void GalleryPage::showLevel(VSTGUI::CControl* meter)
{
    bindings.bindLevel(meter);
    container.addView(meter);
}

void GalleryPage::runAtIdle(std::function<void()> task)
{
    bindings.bindIdleTask(std::move(task));
}
