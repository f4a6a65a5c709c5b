// Drag data from an OLE data object. Every medium the object hands out is given back at once,
// and a file list is checked to end inside its memory before the shell is asked about it,
// since the shell trusts the offsets a foreign process wrote.
#include "../DragData.h"

#include "ShortcutResolver.h"

#include <windows.h>

#include <ole2.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

namespace VSTGUI::platform {

namespace {
constexpr UINT kAllFiles = 0xFFFFFFFF;

// One format fetched from the object as global memory, released with the object.
class GlobalMedium {
public:
    GlobalMedium(IDataObject& object, CLIPFORMAT format)
    {
        FORMATETC request = {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        fetched = SUCCEEDED(object.GetData(&request, &medium));
    }
    ~GlobalMedium()
    {
        if (fetched)
            ReleaseStgMedium(&medium);
    }
    GlobalMedium(const GlobalMedium&) = delete;
    GlobalMedium& operator=(const GlobalMedium&) = delete;

    HGLOBAL handle() const { return fetched && medium.tymed == TYMED_HGLOBAL ? medium.hGlobal : nullptr; }

private:
    STGMEDIUM medium = {};
    bool fetched = false;
};

// The bytes of a global memory block while the object lives.
class LockedBlock {
public:
    explicit LockedBlock(HGLOBAL handle_)
        : handle(handle_), bytes(static_cast<const char*>(GlobalLock(handle_))),
          size(bytes != nullptr ? GlobalSize(handle_) : 0)
    {
    }
    ~LockedBlock()
    {
        if (bytes != nullptr)
            GlobalUnlock(handle);
    }
    LockedBlock(const LockedBlock&) = delete;
    LockedBlock& operator=(const LockedBlock&) = delete;

    HGLOBAL handle;
    const char* bytes;
    SIZE_T size;
};

// The number of names when every name of the list, and the empty name that ends it, lies
// inside the block; else 0.
template <typename Char>
std::int32_t countNamesInside(const char* start, const char* end)
{
    const Char* next = reinterpret_cast<const Char*>(start);
    const Char* last = reinterpret_cast<const Char*>(end);
    for (std::int32_t count = 0;; ++count) {
        const Char* name = next;
        while (next < last && *next != 0)
            ++next;
        if (next >= last)
            return 0;
        if (next++ == name)
            return count;
    }
}

// The shell's reader looks one character past an empty list, so such a list never reaches it.
bool holdsFileNames(const LockedBlock& block)
{
    if (block.bytes == nullptr || block.size < sizeof(DROPFILES))
        return false;
    DROPFILES header;
    std::memcpy(&header, block.bytes, sizeof(header));
    if (header.pFiles < sizeof(DROPFILES) || header.pFiles >= block.size)
        return false;
    const char* end = block.bytes + block.size;
    const std::int32_t count = header.fWide ? countNamesInside<WCHAR>(block.bytes + header.pFiles, end)
                                            : countNamesInside<char>(block.bytes + header.pFiles, end);
    return count > 0;
}

class OleDragData : public DragData {
public:
    explicit OleDragData(IDataObject* object_) : object(object_) { object->AddRef(); }
    ~OleDragData() override { object->Release(); }
    OleDragData(const OleDragData&) = delete;
    OleDragData& operator=(const OleDragData&) = delete;

    bool hasText() override
    {
        GlobalMedium text(*object, CF_TEXT);
        return text.handle() != nullptr;
    }

    bool readText(std::string& text) override
    {
        GlobalMedium medium(*object, CF_TEXT);
        if (medium.handle() == nullptr)
            return false;
        LockedBlock block(medium.handle());
        if (block.bytes == nullptr || block.size == 0)
            return false;
        const void* terminator = std::memchr(block.bytes, '\0', block.size);
        text.assign(block.bytes, terminator != nullptr ? static_cast<const char*>(terminator) - block.bytes
                                                       : static_cast<std::ptrdiff_t>(block.size));
        return true;
    }

    std::int32_t fileCount() override
    {
        return withFileList([](HDROP files) { return static_cast<std::int32_t>(DragQueryFileA(files, kAllFiles, nullptr, 0)); });
    }

    bool readFile(std::int32_t index, std::string& path) override
    {
        if (index < 0)
            return false;
        const bool found = withFileList([&](HDROP files) {
            const UINT item = static_cast<UINT>(index);
            if (item >= DragQueryFileA(files, kAllFiles, nullptr, 0))
                return 0;
            const UINT length = DragQueryFileA(files, item, nullptr, 0);
            path.assign(length + 1, '\0');
            path.resize(DragQueryFileA(files, item, &path[0], length + 1));
            return 1;
        }) != 0;
        if (found && isShortcutPath(path))
            resolveShortcut(path);
        return found;
    }

private:
    // 0 without a file list that holds names and ends inside its memory.
    template <typename Query>
    std::int32_t withFileList(Query query)
    {
        GlobalMedium medium(*object, CF_HDROP);
        if (medium.handle() == nullptr)
            return 0;
        {
            LockedBlock block(medium.handle());
            if (!holdsFileNames(block))
                return 0;
        }
        return query(static_cast<HDROP>(medium.handle()));
    }

    IDataObject* object;
};
} // namespace

std::unique_ptr<DragData> openDragData(void* platformDrag)
{
    if (platformDrag == nullptr)
        return nullptr;
    return std::make_unique<OleDragData>(static_cast<IDataObject*>(platformDrag));
}

} // namespace VSTGUI::platform
