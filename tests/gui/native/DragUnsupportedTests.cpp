// Where no windowing backend reads drags, a frame accepts none and a drag container offers no
// items, whatever pointer it is given.
#include "CDragContainer.h"
#include "CFrame.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

TEST(DragWithoutBackend, ContainerOffersNoItems)
{
    int notADataObject = 0;
    for (void* platformDrag : {static_cast<void*>(nullptr), static_cast<void*>(&notADataObject)}) {
        CDragContainer drag(platformDrag);
        EXPECT_EQ(drag.getCount(), 0);
        EXPECT_EQ(drag.getType(0), kDragItemFile);
        std::int32_t size = -1;
        std::int32_t type = kDragItemText;
        EXPECT_EQ(drag.first(size, type), nullptr);
        EXPECT_EQ(size, 0);
        EXPECT_EQ(type, kDragItemNone);
    }
}

TEST(DragWithoutBackend, FrameCannotAcceptDrops)
{
    int parent = 0;
    auto* frame = new CFrame(CRect(0, 0, 50, 50), &parent);
    EXPECT_FALSE(frame->setDropActive(true));
    EXPECT_FALSE(frame->isDropActive());
    EXPECT_TRUE(frame->setDropActive(false));
    frame->forget();
}
