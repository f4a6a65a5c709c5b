#include "MouseButtons.h"

#include "GuiEnums.h"
#include "platform/Platform.h"

namespace VSTGUI {

bool gSwapMouseButtons = false;

std::int32_t readMouseButtons()
{
    using platform::InputKey;
    using platform::isKeyDown;
    const std::int32_t physicalLeft = gSwapMouseButtons ? kMouseRight : kMouseLeft;
    const std::int32_t physicalRight = gSwapMouseButtons ? kMouseLeft : kMouseRight;
    std::int32_t buttons = 0;
    if (isKeyDown(InputKey::physicalLeftButton))
        buttons |= physicalLeft;
    if (isKeyDown(InputKey::middleButton))
        buttons |= kMouseMiddle;
    if (isKeyDown(InputKey::physicalRightButton))
        buttons |= physicalRight;
    if (isKeyDown(InputKey::shift))
        buttons |= kKeyShift;
    if (isKeyDown(InputKey::control))
        buttons |= kKeyControl;
    if (isKeyDown(InputKey::alt))
        buttons |= kKeyAlt;
    return buttons;
}

} // namespace VSTGUI
