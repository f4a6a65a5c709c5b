// Items are copied out of the platform's data so that a view may keep reading them while the
// platform's own buffers have already been given back.
#include "CDragContainer.h"

#include "platform/DragData.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace VSTGUI {

CDragContainer::CDragContainer(void* platformDrag_)
    : platformDrag(platformDrag_), data(platform::openDragData(platformDrag_))
{
    if (data == nullptr)
        return;
    offersText = data->hasText();
    nbItem = offersText ? 1 : data->fileCount();
}

CDragContainer::~CDragContainer()
{
    freeLastItem();
}

std::int32_t CDragContainer::getType(std::int32_t /*index*/) const
{
    return offersText ? kDragItemText : kDragItemFile;
}

void* CDragContainer::first(std::int32_t& size, std::int32_t& type)
{
    iterator = 0;
    return next(size, type);
}

void* CDragContainer::next(std::int32_t& size, std::int32_t& type)
{
    freeLastItem();
    size = 0;
    type = kDragItemNone;
    if (data == nullptr)
        return nullptr;
    std::string item;
    const bool found = offersText ? iterator == 0 && data->readText(item) : data->readFile(iterator, item);
    ++iterator;
    if (!found)
        return nullptr;
    void* bytes = keepItem(item.data(), item.size());
    if (bytes == nullptr)
        return nullptr;
    size = static_cast<std::int32_t>(offersText ? item.size() + 1 : item.size());
    type = offersText ? kDragItemText : kDragItemFile;
    return bytes;
}

void* CDragContainer::keepItem(const char* bytes, std::size_t length)
{
    lastItem = static_cast<char*>(std::malloc(length + 1));
    if (lastItem == nullptr)
        return nullptr;
    std::memcpy(lastItem, bytes, length);
    lastItem[length] = '\0';
    return lastItem;
}

void CDragContainer::freeLastItem()
{
    std::free(lastItem);
    lastItem = nullptr;
}

} // namespace VSTGUI
