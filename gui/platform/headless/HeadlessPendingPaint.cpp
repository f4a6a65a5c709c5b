// Without a windowing backend there are no windows to paint. FIXME: a Linux backend replaces this.
#include "../PendingPaint.h"

namespace VSTGUI::platform {

void dispatchOnePendingPaint() {}

} // namespace VSTGUI::platform
