// The interface through which a control tells its owner that the user changed its value.
// Controls borrow their listener and never delete it.
#pragma once

#include <cstdint>

namespace VSTGUI {

class CControl;
class CDrawContext;

class CControlListener {
public:
    // context is the gesture's draw context; null when the change came from the keyboard.
    virtual void valueChanged(CDrawContext* context, CControl* control) = 0;
    // Offered a left click that carries a modifier; non-zero means the listener took it.
    virtual std::int32_t controlModifierClicked(CDrawContext* /*context*/, CControl* /*control*/,
                                                std::int32_t /*button*/)
    {
        return 0;
    }

protected:
    // Owners implement the interface as a base; nobody deletes through it.
    ~CControlListener() = default;
};

} // namespace VSTGUI
