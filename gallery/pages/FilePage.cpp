#include "FilePage.h"

#include "AEffGUIEditor.h"
#include "AudioEffectX.h"
#include "GalleryLayout.h"
#include "GalleryPage.h"
#include "CDrawContext.h"
#include "containers/CFileSelector.h"
#include "controls/CControlListener.h"
#include "controls/CKickButton.h"

#include <cstring>
#include <string>

using namespace gallery;

namespace {
constexpr std::int32_t kUnbound = -1;

template <std::size_t N>
void copyField(char (&field)[N], const char* text)
{
    std::strncpy(field, text, N - 1);
    field[N - 1] = '\0';
}

// The label under a button: asks for what its button stands for once the button was clicked
// (pressed and released over it), at the next idle, and shows the chosen path.
class FileAnswer : public VSTGUI::CTextLabel, public VSTGUI::CControlListener {
public:
    FileAnswer(const VSTGUI::CRect& size, const FileRequest& request_)
        : CTextLabel(size, kNothingChosen), request(request_)
    {
        useFileAnswerLook(*this);
    }

    // A kick button goes back to 0 as it is released, and while held when the pointer leaves
    // it: a click is a change from 1 to 0 with the button up.
    void valueChanged(VSTGUI::CDrawContext* context, VSTGUI::CControl* control) override
    {
        if (control == nullptr)
            return;
        const bool pressed = control->getValue() != 0.0f;
        const bool buttonHeld = context != nullptr && (context->getMouseButtons() & VSTGUI::kMouseLeft) != 0;
        requested = requested || (wasPressed && !pressed && !buttonHeld);
        wasPressed = pressed;
    }

    void runRequested()
    {
        if (!requested)
            return;
        requested = false;
        auto* editor = static_cast<AEffGUIEditor*>(getEditor());
        if (editor == nullptr)
            return;
        // The host may close the editor while a system dialog is up: this label outlives that.
        remember();
        setText(ask(static_cast<AudioEffectX*>(editor->getEffect())).c_str());
        setDirty(true);
        forget();
    }

private:
    std::string ask(AudioEffectX* effect) const
    {
        VstFileType type = {};
        copyField(type.name, kFileTypeName);
        copyField(type.dosType, kFileTypeExtension);
        copyField(type.unixType, kFileTypeExtension);
        char path[VSTGUI::CFileSelector::kReturnPathCapacity] = {};
        VstFileSelect select = {};
        select.command = request.command;
        copyField(select.title, request.title);
        if (request.command != kVstDirectorySelect) {
            select.fileTypes = &type;
            select.nbFileTypes = 1;
        }
        select.returnPath = path;
        select.sizeReturnPath = static_cast<int32>(sizeof path);
        VSTGUI::CFileSelector selector(effect);
        return selector.run(&select) > 0 ? std::string(path) : std::string(kNothingChosen);
    }

    const FileRequest& request;
    bool wasPressed = false;
    bool requested = false;
};
} // namespace

void buildFilePage(GalleryPage& page)
{
    for (std::int32_t row = 0; row < kFileRequestCount; ++row) {
        auto* answer = new FileAnswer(fileAnswerArea(row), kFileRequests[row]);
        VSTGUI::CPoint origin(0, 0);
        page.addView(new VSTGUI::CKickButton(fileButtonArea(row), answer, kUnbound, page.image(kKickImage), origin));
        auto* caption = new VSTGUI::CTextLabel(fileCaptionArea(row), kFileRequests[row].caption);
        useFileAnswerLook(*caption);
        page.addView(caption);
        page.addView(answer);
        page.runAtIdle([answer] { answer->runRequested(); });
    }
}
