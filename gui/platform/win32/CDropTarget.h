// The OLE drop target of a frame's window: it wraps each incoming drag in a CDragContainer
// and hands enter, move, leave and drop to the frame, which routes them to the view under the
// cursor.
#pragma once

#include <ole2.h>

#include <cstdint>

namespace VSTGUI {

class CDragContainer;
class CDrawContext;
class CFrame;
struct CPoint;

class CDropTarget : public IDropTarget {
public:
    // The count starts at 0: whoever keeps the target adds the first reference.
    explicit CDropTarget(CFrame* frame);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* dataObject, DWORD keyState, POINTL point,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* dataObject, DWORD keyState, POINTL point, DWORD* effect) override;
    virtual ~CDropTarget();

    // The frame is going: a drag loop that still holds the target reaches nothing from now on.
    void detach();

private:
    template <typename Event>
    void deliver(Event event);
    void releaseDrag();

    LONG refCount = 0;
    CFrame* frame;
    // Per target, so that a drag over one frame never meets the container of another.
    CDragContainer* activeDragContainer = nullptr;
};

} // namespace VSTGUI
