// The on/off button of one tab: its picture from the tab bitmap, its name drawn centred in
// the selected or the unselected colour. A drag over an unselected tab selects it.
#pragma once

#include "../CColor.h"
#include "../CFont.h"
#include "../controls/COnOffButton.h"

#include <cstdint>
#include <memory>

namespace VSTGUI {

class CTabButton : public COnOffButton {
public:
    CTabButton(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
               const char* name);
    ~CTabButton() override;

    void draw(CDrawContext* context) override;
    void mouse(CDrawContext* context, CPoint& where, std::int32_t buttons = -1) override;
    void onDragEnter(CDrawContext* context, CDragContainer* drag, const CPoint& where) override;
    bool isTypeOf(const char* type) const override;

    void setTextFont(CFont newFont, std::int32_t size) { font = newFont; fontSize = size; }
    void setColors(CColor selected, CColor unselected)
    {
        selectedColor = selected;
        unselectedColor = unselected;
    }
    const char* getName() const { return name.get(); }
    CFont getTextFont() const { return font; }
    std::int32_t getTextFontSize() const { return fontSize; }
    CColor getSelectedColor() const { return selectedColor; }
    CColor getUnselectedColor() const { return unselectedColor; }

private:
    void select(CDrawContext* context, float newValue);

    std::unique_ptr<char[]> name;
    CFont font = kFontSystem;
    CColor selectedColor = kBlackCColor;
    CColor unselectedColor{90, 90, 90, 255};
    std::int32_t fontSize = 12;
};

} // namespace VSTGUI
