#include "TestViews.h"

#include "CDrawContext.h"

using namespace VSTGUI;

int ColourView::liveCount = 0;

ColourView::ColourView(const CRect& size, CColor colour_) : CView(size), colour(colour_)
{
    ++liveCount;
}

ColourView::~ColourView()
{
    --liveCount;
}

void ColourView::draw(CDrawContext* context)
{
    ++drawCount;
    context->setFillColor(colour);
    context->drawRect(viewSize, kDrawStyleFilled);
    setDirty(false);
}

void RecordingView::mouse(CDrawContext* /*context*/, CPoint& where, std::int32_t /*buttons*/)
{
    ++clicks;
    lastClick = where;
}

bool RecordingView::onWheel(CDrawContext* /*context*/, const CPoint& where, float distance)
{
    ++wheelTurns;
    lastDistance = distance;
    lastWheelPoint = where;
    return true;
}

std::int32_t RecordingView::onKeyDown(VstKeyCode& /*keyCode*/)
{
    ++keys;
    return keyResult;
}

void RecordingView::looseFocus(CDrawContext* /*context*/)
{
    ++focusLosses;
}
