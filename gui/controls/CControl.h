// The base of every view that carries a value: a float with a range and a default, a tag that
// names the control to its listener, dirty tracking through the value drawn last, and the
// beginEdit/endEdit bracket that tells the host a user gesture starts and ends.
#pragma once

#include "../CView.h"
#include "CControlListener.h"

#include <cstdint>

namespace VSTGUI {

class CControl : public CView {
public:
    CControl(const CRect& size, CControlListener* listener = nullptr, std::int32_t tag = 0,
             CBitmap* background = nullptr);

    // [SECTION] Overrides of CView
    void draw(CDrawContext* context) override = 0;
    // True while the value differs from the one drawn last, or when the view flag is set.
    bool isDirty() const override;
    void setDirty(bool value = true) override;
    bool isTypeOf(const char* type) const override;

    // [SECTION] Value, range and tag
    // Lets the frame, the editor and the host run idle work during a tracking loop.
    virtual void doIdleStuff();
    // The setters store only: no clamping, no redraw, no listener call.
    virtual void setValue(float newValue) { value = newValue; }
    virtual float getValue() const { return value; }
    virtual void setMin(float newMin) { minValue = newMin; }
    virtual float getMin() const { return minValue; }
    virtual void setMax(float newMax) { maxValue = newMax; }
    virtual float getMax() const { return maxValue; }
    virtual void setOldValue(float newOldValue) { oldValue = newOldValue; }
    virtual float getOldValue() const { return oldValue; }
    virtual void setDefaultValue(float newDefault) { defaultValue = newDefault; }
    virtual float getDefaultValue() const { return defaultValue; }
    virtual void setTag(std::int32_t newTag) { tag = newTag; }
    virtual std::int32_t getTag() const { return tag; }

    // [SECTION] Gestures
    // Takes the keyboard focus and tells the host, through the frame, that an edit starts.
    virtual void beginEdit();
    virtual void endEdit();
    virtual void setBackOffset(CPoint& offset) { backOffset = offset; }
    // The background offset becomes the view's own top-left corner.
    virtual void copyBackOffset();
    virtual void setWheelInc(float increment) { wheelInc = increment; }
    virtual float getWheelInc() const { return wheelInc; }
    // Brings the value into the range; NaN stays as it is.
    virtual void bounceValue();
    // Control+left click alone sets the default value as one whole gesture; true when taken.
    virtual bool checkDefaultValue(CDrawContext* context, std::int32_t button);

    // A click within the double-click interval of the previous one; it never starts another.
    bool isDoubleClick();

protected:
    // A left click with a modifier goes first to the listener, then to the default-value
    // check; true when one of them took it and the control's own gesture must not start.
    bool modifierClickTaken(CDrawContext* context, std::int32_t button);
    // Whether the listener is offered a click with a modifier of any button, or only a left one.
    enum class ModifierOffer { anyButton, leftButtonOnly };
    // The start of the bitmap controls' gestures: false when the mouse is off, the listener
    // took a click with a modifier, or the left button is not held. Reads the buttons into
    // button when it is -1.
    bool leftClickLeftToControl(CDrawContext* context, std::int32_t& button,
                                ModifierOffer offer = ModifierOffer::anyButton);
    // Any click with a modifier offered to the listener only; true when it took the click.
    bool listenerTookModifierClick(CDrawContext* context, std::int32_t button);
    // The wheel moves the value by distance × wheelInc, a tenth of that with Shift; true
    // unless the mouse is off.
    bool stepByWheel(CDrawContext* context, float distance);
    // Up and right step by +wheelInc, left and down by -wheelInc, a tenth with Shift; 1 for
    // those four keys, -1 for any other.
    std::int32_t stepByArrowKey(VstKeyCode& keyCode);
    static std::int32_t mouseButtons(CDrawContext* context);
    // One frame of the background strip, from offset, into the view; nothing without a bitmap.
    void drawBackgroundFrame(CDrawContext* context, const CPoint& offset);
    // The pointer tracking of the bitmap controls: a value for each position, the listener told
    // of changes, idle work between readings, until the buttons no longer satisfy keepGoing.
    template <typename ValueAt, typename KeepGoing>
    void trackPointer(CDrawContext* context, CPoint& where, ValueAt valueAt, KeepGoing keepGoing)
    {
        do {
            value = valueAt(where);
            notifyIfChanged(context);
            getMouseLocation(context, where);
            doIdleStuff();
        } while (keepGoing(mouseButtons(context)));
    }
    // The listener hears of a change only when the value differs from the one drawn last.
    void notifyIfChanged(CDrawContext* context);
    // A one-step change (wheel, key) is a whole gesture of its own.
    void notifyStepIfChanged(CDrawContext* context);

    CControlListener* listener;
    std::int32_t tag;
    float oldValue = 1.0f;
    float defaultValue = 0.5f;
    float value = 0.0f;
    float minValue = 0.0f;
    float maxValue = 1.0f;
    float wheelInc = 0.1f;
    // Milliseconds of the last click; 0 right after a double click, -1 before any.
    std::int64_t lastClickTime = -1;
    std::int64_t doubleClickInterval;
    CPoint backOffset;
};

} // namespace VSTGUI
