#include "TextAndIndicatorsPage.h"

#include "GalleryPage.h"
#include "controls/CControlListener.h"
#include "controls/CSpecialDigit.h"
#include "controls/CSplashScreen.h"
#include "controls/CTextEdit.h"
#include "controls/CTextLabel.h"
#include "controls/CVuMeter.h"

using namespace gallery;
using VSTGUI::CColor;

namespace {
constexpr CColor kEditText = {240, 236, 220, 255};
constexpr CColor kEditBack = {52, 60, 84, 255};
constexpr CColor kLabelBack = {36, 38, 46, 255};
// For the controls bound to no parameter: the text edit's value never changes, only its text,
// and the splash's shown state is no setting.
constexpr std::int32_t kUnbound = -1;

// Shows the text of the text edit it listens to whenever an edit changed it.
class TextEcho : public VSTGUI::CTextLabel, public VSTGUI::CControlListener {
public:
    TextEcho(const VSTGUI::CRect& size, const char* initialText) : CTextLabel(size, initialText)
    {
        setBackColor(kLabelBack);
        setFrameColor(kLabelBack);
    }

    void valueChanged(VSTGUI::CDrawContext* /*context*/, VSTGUI::CControl* control) override
    {
        if (control == nullptr || !control->isTypeOf("CTextEdit"))
            return;
        char edited[VSTGUI::kTextEditBytes];
        static_cast<VSTGUI::CTextEdit*>(control)->getText(edited);
        setText(edited);
        setDirty(true);
    }
};

VSTGUI::CRect onFrame(VSTGUI::CRect pageArea)
{
    pageArea.offset(kPageLeft, kPageTop);
    return pageArea;
}
} // namespace

void buildTextAndIndicatorsPage(GalleryPage& page)
{
    auto* echo = new TextEcho(kTextEchoArea, kTextEditStart);
    auto* edit = new VSTGUI::CTextEdit(kTextEditArea, echo, kUnbound, kTextEditStart);
    edit->setFontColor(kEditText);
    edit->setBackColor(kEditBack);
    edit->setFrameColor(kEditText);
    page.addView(edit);
    page.addView(echo);

    auto* digits = new VSTGUI::CSpecialDigit(kDigitArea, page.listener(), kSpecialDigit, 0, kDigitCount, nullptr,
                                             nullptr, kDigitWidth, kDigitHeight, page.image(kDigitsImage));
    page.addControl(kSpecialDigit, digits, kDigitReadoutArea);

    page.showLevel(new VSTGUI::CVuMeter(kMeterArea, page.image(kMeterOnImage), page.image(kMeterOffImage),
                                        kMeterLeds, VSTGUI::kVuMeterHorizontal));

    auto* trigger = new VSTGUI::CTextLabel(kSplashTriggerArea, "Show splash");
    trigger->setBackColor(kLabelBack);
    trigger->setFrameColor(kEditText);
    page.addView(trigger);
    VSTGUI::CRect display = onFrame(kSplashDisplayArea);
    VSTGUI::CPoint offset(0, 0);
    page.addView(new VSTGUI::CSplashScreen(kSplashTriggerArea, nullptr, kUnbound, page.image(kSplashImage), display, offset));
}
