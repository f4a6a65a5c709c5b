// A view that takes drops and shows what it got: how many drag events reached it and the
// items of the last drop it accepted, each with its type. It refuses a drop without items,
// and every drop while it is set to refuse.
#pragma once

#include "CView.h"

#include <cstdint>
#include <string>
#include <vector>

class DropReadout : public VSTGUI::CView {
public:
    struct Item {
        std::int32_t type;
        // The item's bytes without the terminator.
        std::string bytes;

        bool operator==(const Item& other) const { return type == other.type && bytes == other.bytes; }
    };

    explicit DropReadout(const VSTGUI::CRect& size);

    bool onDrop(VSTGUI::CDrawContext* context, VSTGUI::CDragContainer* drag, const VSTGUI::CPoint& where) override;
    void onDragEnter(VSTGUI::CDrawContext* context, VSTGUI::CDragContainer* drag,
                     const VSTGUI::CPoint& where) override;
    void onDragLeave(VSTGUI::CDrawContext* context, VSTGUI::CDragContainer* drag,
                     const VSTGUI::CPoint& where) override;
    void onDragMove(VSTGUI::CDrawContext* context, VSTGUI::CDragContainer* drag,
                    const VSTGUI::CPoint& where) override;
    void draw(VSTGUI::CDrawContext* context) override;
    bool isTypeOf(const char* type) const override;

    void setAccepting(bool value) { accepting = value; }
    bool isAccepting() const { return accepting; }

    int enters = 0;
    int moves = 0;
    int leaves = 0;
    int drops = 0;
    // Where the last event found the pointer, in the view's parent's coordinates.
    VSTGUI::CPoint lastPoint;
    std::vector<Item> items;

private:
    void noteEvent(int& counter, const VSTGUI::CPoint& where);

    bool accepting = true;
};
