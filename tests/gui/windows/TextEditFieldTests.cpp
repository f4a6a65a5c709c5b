// The text edit's native field on a real window, closed with the frame while it is open.
#include "GdiObjectCount.h"
#include "CFrame.h"

#include "controls/CControlListener.h"
#include "controls/CTextEdit.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace VSTGUI;

namespace {
class CountingListener : public CControlListener {
public:
    void valueChanged(CDrawContext* /*context*/, CControl* /*control*/) override { ++changes; }
    int changes = 0;
};

} // namespace

TEST(TextEditFieldLifetime, ClosingTheFrameWithTheFieldOpenLeavesNothingBehind)
{
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 40, 300, 200, 60, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    CountingListener listener;
    const auto cycle = [&] {
        auto* frame = new CFrame(CRect(0, 0, 200, 60), window);
        auto* edit = new CTextEdit(CRect(10, 10, 190, 30), &listener, 1, "kept");
        frame->addView(edit);
        edit->takeFocus(nullptr);
        frame->forget();
    };
    cycle();
    const int before = countGdiObjects();
    for (int i = 0; i < 1000; ++i)
        cycle();
    EXPECT_EQ(countGdiObjects(), before);
    EXPECT_EQ(FindWindowExA(window, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(listener.changes, 0) << "the field's text survives its window";
    DestroyWindow(window);
}
