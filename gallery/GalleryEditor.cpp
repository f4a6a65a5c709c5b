#include "GalleryEditor.h"

#include "CBitmap.h"
#include "CFrame.h"
#include "CViewContainer.h"
#include "GalleryEffect.h"
#include "GalleryPage.h"
#include "GalleryPages.h"

using namespace gallery;

GalleryEditor::GalleryEditor(AudioEffect* effect_)
    : AEffGUIEditor(effect_), background(new VSTGUI::CBitmap(kBackgroundImage)), bindings(*effect_)
{
    rect.top = 0;
    rect.left = 0;
    rect.bottom = static_cast<std::int16_t>(kEditorHeight);
    rect.right = static_cast<std::int16_t>(kEditorWidth);
}

GalleryEditor::~GalleryEditor()
{
    destroyFrame();
    background->forget();
}

bool GalleryEditor::open(void* parentWindow)
{
    close();
    if (parentWindow == nullptr || frame != nullptr)
        return false;
    AEffGUIEditor::open(parentWindow);
    frame = new VSTGUI::CFrame(VSTGUI::CRect(0, 0, kEditorWidth, kEditorHeight), parentWindow, this);
    if (frame->getPlatformWindow() == nullptr) {
        close();
        return false;
    }
    frame->setBackground(background);
    showPage(pageAt(effect->getParameter(kPage)));
    frame->setDropActive(true);
    return true;
}

void GalleryEditor::close()
{
    // An open text field is a gesture that lasts until its edit ends: end it now.
    if (frame != nullptr)
        frame->setFocusView(nullptr);
    closePending = isEditing();
    if (!closePending)
        destroyFrame();
}

void GalleryEditor::destroyFrame()
{
    bindings.unbindAll();
    pageView = nullptr;
    if (frame != nullptr) {
        VSTGUI::CFrame* closing = frame;
        frame = nullptr;
        closing->forget();
    }
    AEffGUIEditor::close();
}

void GalleryEditor::idle()
{
    if (closePending && !isEditing() && !inIdleStuff)
        close();
    showHostChanges();
    if (frame != nullptr)
        bindings.showLevel(static_cast<GalleryEffect*>(effect)->takeInputPeak());
    AEffGUIEditor::idle();
}

void GalleryEditor::showPage(Page page)
{
    bindings.unbindAll();
    if (pageView != nullptr)
        frame->removeView(pageView, true);
    pageView = new VSTGUI::CViewContainer(
        VSTGUI::CRect(kPageLeft, kPageTop, kPageLeft + kPageWidth, kPageTop + kPageHeight), frame, background);
    GalleryPage builder(*pageView, bindings, *this);
    buildGalleryPage(page, builder);
    frame->addView(pageView);
    shownPage = page;
}

void GalleryEditor::showHostChanges()
{
    if (frame == nullptr || isEditing())
        return;
    const Page requested = pageAt(effect->getParameter(kPage));
    if (requested != shownPage)
        showPage(requested);
    bindings.showHostChanges();
}

void GalleryEditor::valueChanged(VSTGUI::CDrawContext* /*context*/, VSTGUI::CControl* control)
{
    if (control != nullptr)
        bindings.controlChanged(*control);
}
