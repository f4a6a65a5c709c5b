#include "GalleryEditor.h"

#include "CBitmap.h"
#include "CFrame.h"
#include "CViewContainer.h"
#include "GalleryPage.h"
#include "GalleryPages.h"
#include "PageTabView.h"

#include <algorithm>

using namespace gallery;

namespace {
constexpr VSTGUI::CColor kTabStripColour = {28, 30, 36, 255};
constexpr VSTGUI::CColor kSelectedTabText = {28, 30, 36, 255};
constexpr VSTGUI::CColor kUnselectedTabText = {200, 200, 190, 255};
constexpr std::int32_t kTabFontSize = 12;
} // namespace

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
    buildPages();
    frame->setDropActive(true);
    return true;
}

void GalleryEditor::close()
{
    closePending = isEditing();
    if (!closePending)
        destroyFrame();
}

void GalleryEditor::destroyFrame()
{
    bindings.unbindAll();
    tabs = nullptr;
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
    AEffGUIEditor::idle();
}

// Many pages share the editor's width: each tab gets at most the width of its picture.
void GalleryEditor::buildPages()
{
    bindings.unbindAll();
    auto* tabImage = new VSTGUI::CBitmap(kTabImage);
    const std::int32_t tabWidth = std::min(tabImage->getWidth(), kEditorWidth / kPageCount);
    tabs = new PageTabView(VSTGUI::CRect(0, 0, kEditorWidth, kEditorHeight), frame,
                           VSTGUI::CRect(0, 0, tabWidth, 2 * kTabHeight), [this](Page page) { pageChosen(page); });
    tabs->setBackgroundColor(kTabStripColour);
    for (std::int32_t page = 0; page < kPageCount; ++page) {
        auto* pageView = new VSTGUI::CViewContainer(
            VSTGUI::CRect(kPageLeft, kPageTop, kPageLeft + kPageWidth, kPageTop + kPageHeight), frame, background);
        GalleryPage builder(*pageView, bindings, *this);
        buildGalleryPage(static_cast<Page>(page), builder);
        tabs->addTab(pageView, kPageNames[page], tabImage);
    }
    tabImage->forget();
    tabs->setTabFontStyle(VSTGUI::kFontSystem, kTabFontSize, kSelectedTabText, kUnselectedTabText);
    shownPage = pageAt(effect->getParameter(kPage));
    tabs->selectTab(shownPage);
    frame->addView(tabs);
}

void GalleryEditor::pageChosen(Page page)
{
    shownPage = page;
    beginEdit(kPage);
    effect->setParameterAutomated(kPage, pageValue(page));
    endEdit(kPage);
}

void GalleryEditor::showHostChanges()
{
    if (frame == nullptr || isEditing())
        return;
    const Page requested = pageAt(effect->getParameter(kPage));
    if (requested != shownPage) {
        shownPage = requested;
        tabs->selectTab(requested);
    }
    bindings.showHostChanges();
}

void GalleryEditor::valueChanged(VSTGUI::CDrawContext* /*context*/, VSTGUI::CControl* control)
{
    if (control != nullptr)
        bindings.controlChanged(*control);
}
