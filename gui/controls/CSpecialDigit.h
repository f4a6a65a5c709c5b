// An integer of up to seven digits drawn from a strip of ten digit images stacked vertically,
// 0 at the top, one strip cell per digit at a position of its own.
#pragma once

#include "CControl.h"

#include <cstdint>

namespace VSTGUI {

constexpr std::int32_t kSpecialDigitMaxDigits = 7;

class CSpecialDigit : public CControl {
public:
    // Without xPositions the digits sit side by side, one background width apart, at the top.
    // More than seven digits are shown as seven.
    CSpecialDigit(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t value,
                  std::int32_t digitCount, std::int32_t* xPositions, std::int32_t* yPositions,
                  std::int32_t digitWidth, std::int32_t digitHeight, CBitmap* background);

    void draw(CDrawContext* context) override;
    bool isTypeOf(const char* type) const override;

    // The value over the maximum, in [0, 1].
    virtual float getNormValue() const;

private:
    // The shown integer: the value truncated and held within the range; NaN shows the minimum.
    std::int32_t shownNumber() const;

    std::int32_t digitCount;
    std::int32_t xPositions[kSpecialDigitMaxDigits] = {};
    std::int32_t yPositions[kSpecialDigitMaxDigits] = {};
    std::int32_t digitWidth;
    std::int32_t digitHeight;
};

} // namespace VSTGUI
