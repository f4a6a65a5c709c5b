#include "CSpecialDigit.h"

#include "../CBitmap.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace VSTGUI {

namespace {
constexpr std::int32_t kDigitImages = 10;
}

CSpecialDigit::CSpecialDigit(const CRect& size, CControlListener* listener_, std::int32_t tag_,
                             std::int32_t value_, std::int32_t digitCount_, std::int32_t* xPositions_,
                             std::int32_t* yPositions_, std::int32_t digitWidth_, std::int32_t digitHeight_,
                             CBitmap* background_)
    : CControl(size, listener_, tag_, background_),
      digitCount(std::clamp(digitCount_, std::int32_t{0}, kSpecialDigitMaxDigits)), digitWidth(digitWidth_),
      digitHeight(digitHeight_)
{
    value = static_cast<float>(value_);
    const std::int32_t cellWidth = background_ != nullptr ? background_->getWidth() : 0;
    for (std::int32_t i = 0; i < digitCount; ++i) {
        if (xPositions_ != nullptr) {
            xPositions[i] = xPositions_[i];
            yPositions[i] = yPositions_ != nullptr ? yPositions_[i] : size.top;
        } else {
            xPositions[i] = size.left + i * cellWidth;
            yPositions[i] = size.top;
        }
    }
    std::int32_t largest = 1;
    for (std::int32_t i = 0; i < digitCount; ++i)
        largest *= 10;
    maxValue = static_cast<float>(largest - 1);
    minValue = 0.0f;
}

bool CSpecialDigit::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CSpecialDigit") == 0 || CControl::isTypeOf(type);
}

float CSpecialDigit::getNormValue() const
{
    const float normalized = value / getMax();
    return std::clamp(normalized, 0.0f, 1.0f);
}

std::int32_t CSpecialDigit::shownNumber() const
{
    if (std::isnan(value) || value < getMin())
        return static_cast<std::int32_t>(getMin());
    if (value >= getMax())
        return static_cast<std::int32_t>(getMax());
    return static_cast<std::int32_t>(value);
}

void CSpecialDigit::draw(CDrawContext* context)
{
    if (background != nullptr) {
        std::int32_t number = shownNumber();
        std::int32_t divisor = (static_cast<std::int32_t>(getMax()) + 1) / 10;
        for (std::int32_t i = 0; i < digitCount && divisor > 0; ++i) {
            const std::int32_t digit = std::clamp(number / divisor, std::int32_t{0}, kDigitImages - 1);
            number %= divisor;
            divisor /= 10;
            CRect cell(xPositions[i], yPositions[i], xPositions[i] + digitWidth, yPositions[i] + digitHeight);
            const CPoint source(0, digit * digitHeight);
            if (transparencyEnabled)
                background->drawTransparent(context, cell, source);
            else
                background->draw(context, cell, source);
        }
    }
    setDirty(false);
}

} // namespace VSTGUI
