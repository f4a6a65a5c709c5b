// One drag in progress over a frame: the items it offers, read one by one. Text wins over
// files; a drag offers either one text item or its list of file paths.
#pragma once

#include "CReferenceCounter.h"

#include <cstdint>
#include <memory>

namespace VSTGUI {

namespace platform {
class DragData;
}

enum CDragItemType : std::int32_t { kDragItemFile = 0, kDragItemText = 1, kDragItemNone = -1 };

class CDragContainer : public CReferenceCounter {
public:
    // platformDrag is the platform's data object; it stays alive while the container does.
    explicit CDragContainer(void* platformDrag);
    ~CDragContainer() override;

    // The index is not used: every item of a drag has the same type.
    std::int32_t getType(std::int32_t index) const;
    // The returned bytes are terminated and belong to the container until the next call of
    // first or next. Text counts its terminator in size, a path does not.
    void* first(std::int32_t& size, std::int32_t& type);
    void* next(std::int32_t& size, std::int32_t& type);

    std::int32_t getCount() const { return nbItem; }
    void* getPlatformDrag() const { return platformDrag; }

private:
    void* keepItem(const char* bytes, std::size_t length);
    void freeLastItem();

    void* platformDrag;
    std::int32_t nbItem = 0;
    std::int32_t iterator = 0;
    char* lastItem = nullptr;
    bool offersText = false;
    std::unique_ptr<platform::DragData> data;
};

} // namespace VSTGUI
