#include "CTabChildView.h"

#include "../CView.h"

namespace VSTGUI {

CTabChildView::CTabChildView(CView* view_, CTabButton* button_) : view(view_), button(button_) {}

CTabChildView::~CTabChildView()
{
    if (view != nullptr)
        view->forget();
}

} // namespace VSTGUI
