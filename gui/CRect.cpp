#include "CRect.h"

#include <algorithm>

namespace VSTGUI {

CRect& CRect::bound(const CRect& r)
{
    left = std::max(left, r.left);
    top = std::max(top, r.top);
    right = std::min(right, r.right);
    bottom = std::min(bottom, r.bottom);
    if (bottom < top)
        bottom = top;
    if (right < left)
        right = left;
    return *this;
}

} // namespace VSTGUI
