// The key state and the point OLE passes are not used: the position is read from the cursor,
// as every other event of the frame does.
#include "CDropTarget.h"

#include "CDragContainer.h"
#include "CDrawContext.h"
#include "CFrame.h"

namespace VSTGUI {

CDropTarget::CDropTarget(CFrame* frame_) : frame(frame_) {}

CDropTarget::~CDropTarget()
{
    releaseDrag();
}

HRESULT STDMETHODCALLTYPE CDropTarget::QueryInterface(REFIID riid, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IDropTarget) || IsEqualIID(riid, IID_IUnknown)) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CDropTarget::AddRef()
{
    return static_cast<ULONG>(++refCount);
}

ULONG STDMETHODCALLTYPE CDropTarget::Release()
{
    const LONG count = --refCount;
    if (count <= 0) {
        delete this;
        return 0;
    }
    return static_cast<ULONG>(count);
}

void CDropTarget::detach()
{
    releaseDrag();
    frame = nullptr;
}

HRESULT STDMETHODCALLTYPE CDropTarget::DragEnter(IDataObject* dataObject, DWORD /*keyState*/, POINTL /*point*/,
                                                 DWORD* effect)
{
    if (dataObject == nullptr || frame == nullptr) {
        if (effect != nullptr)
            *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    releaseDrag();
    activeDragContainer = new CDragContainer(dataObject);
    deliver([](CFrame* target, CDrawContext* context, CDragContainer* drag, const CPoint& where) {
        target->onDragEnter(context, drag, where);
    });
    if (effect != nullptr)
        *effect = DROPEFFECT_MOVE;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CDropTarget::DragOver(DWORD /*keyState*/, POINTL /*point*/, DWORD* effect)
{
    if (activeDragContainer == nullptr || frame == nullptr)
        return S_OK;
    deliver([](CFrame* target, CDrawContext* context, CDragContainer* drag, const CPoint& where) {
        target->onDragMove(context, drag, where);
    });
    if (effect != nullptr)
        *effect = DROPEFFECT_MOVE;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CDropTarget::DragLeave()
{
    if (activeDragContainer == nullptr || frame == nullptr)
        return S_OK;
    deliver([](CFrame* target, CDrawContext* context, CDragContainer* drag, const CPoint& where) {
        target->onDragLeave(context, drag, where);
    });
    releaseDrag();
    return S_OK;
}

// A refused drop answers "none", so that a source never deletes what nobody took; a taken one
// answers the one effect the drag was shown, not the sender's whole offer.
HRESULT STDMETHODCALLTYPE CDropTarget::Drop(IDataObject* /*dataObject*/, DWORD /*keyState*/, POINTL /*point*/,
                                            DWORD* effect)
{
    if (activeDragContainer == nullptr || frame == nullptr) {
        if (effect != nullptr)
            *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    bool taken = false;
    deliver([&taken](CFrame* target, CDrawContext* context, CDragContainer* drag, const CPoint& where) {
        taken = target->onDrop(context, drag, where);
    });
    if (effect != nullptr)
        *effect = taken ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
    releaseDrag();
    return S_OK;
}

// The frame, the target and the container stay alive through the event, whatever a view does.
template <typename Event>
void CDropTarget::deliver(Event event)
{
    CFrame* target = frame;
    CDragContainer* drag = activeDragContainer;
    AddRef();
    target->remember();
    drag->remember();
    CDrawContext* context = target->createDrawContext();
    CPoint where(0, 0);
    target->getMouseLocation(context, where);
    event(target, context, drag, where);
    context->forget();
    drag->forget();
    target->forget();
    Release();
}

void CDropTarget::releaseDrag()
{
    if (activeDragContainer == nullptr)
        return;
    CDragContainer* drag = activeDragContainer;
    activeDragContainer = nullptr;
    drag->forget();
}

} // namespace VSTGUI
