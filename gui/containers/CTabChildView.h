// One tab of a tab view: its content view, its button and the links of the tab list. The
// record holds the content view's reference it was given and releases it when it goes.
#pragma once

#include "../CReferenceCounter.h"

namespace VSTGUI {

class CTabButton;
class CView;

class CTabChildView : public CReferenceCounter {
public:
    CTabChildView(CView* view, CTabButton* button);
    ~CTabChildView() override;

    CView* view;
    CTabChildView* previous = nullptr;
    CTabChildView* next = nullptr;
    CTabButton* button;
};

} // namespace VSTGUI
