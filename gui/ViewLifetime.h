// Keeps views alive while the tree calls into them: a view may add or remove views, itself or
// a sibling included, from inside draw, mouse, key or wheel handling, and the caller must still
// be able to touch it and walk on afterwards.
#pragma once

#include "CViewContainer.h"

#include <cstdint>
#include <vector>

namespace VSTGUI {

// One counted reference for the span of a call; null is allowed.
class ViewHold {
public:
    explicit ViewHold(CView* view_) : view(view_)
    {
        if (view != nullptr)
            view->remember();
    }
    ~ViewHold()
    {
        if (view != nullptr)
            view->forget();
    }

    ViewHold(const ViewHold&) = delete;
    ViewHold& operator=(const ViewHold&) = delete;

private:
    CView* view;
};

// A counted copy of a container's children for one walk over them: every view of the copy
// stays alive until the walk ends, and a view that left the container is no longer visited.
class ChildViewSnapshot {
public:
    explicit ChildViewSnapshot(const CViewContainer& container_)
        : container(container_), removalCountAtStart(container_.removalCount)
    {
        for (const CCView* node = container.firstView; node != nullptr; node = node->next) {
            node->view->remember();
            views.push_back(node->view);
        }
    }

    ~ChildViewSnapshot()
    {
        for (CView* view : views)
            view->forget();
    }

    ChildViewSnapshot(const ChildViewSnapshot&) = delete;
    ChildViewSnapshot& operator=(const ChildViewSnapshot&) = delete;

    // Calls visit(view) from the first child to the last, or the other way round, until it
    // returns true; answers whether one did.
    template <typename Visit>
    bool visit(bool lastToFirst, Visit visitView) const
    {
        const std::size_t count = views.size();
        for (std::size_t step = 0; step < count; ++step) {
            CView* view = views[lastToFirst ? count - 1 - step : step];
            if (stillChild(view) && visitView(view))
                return true;
        }
        return false;
    }

private:
    bool stillChild(CView* view) const
    {
        return container.removalCount == removalCountAtStart || container.isChild(view);
    }

    const CViewContainer& container;
    const std::uint32_t removalCountAtStart;
    std::vector<CView*> views;
};

} // namespace VSTGUI
